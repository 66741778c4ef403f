#include "app/CDrawOptionPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/COptionPageControls.h"
#include "app/CRadioChoiceBox.h"
#include "practice/CDrawPractice.h"

namespace brushly {

namespace {

QSpinBox* MakeToleranceBox(std::int32_t tolerance, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QStringLiteral("errorTolerance"));
    box->setRange(CDrawOptionPage::kMinTolerance, CDrawOptionPage::kMaxTolerance);
    box->setValue(tolerance);
    return box;
}

QSlider* MakeSpeedSlider(std::int32_t speed, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QStringLiteral("demoSpeed"));
    slider->setRange(CDrawOptionPage::kFastestDemonstration,
                     CDrawOptionPage::kSlowestDemonstration);
    slider->setValue(speed);
    return slider;
}

QGroupBox* MakeGroup(const QString& title, std::initializer_list<QWidget*> widgets,
                     QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    return group;
}

}  // namespace

CDrawOptionPage::CDrawOptionPage(const CDrawOptions& options, CPrompter& prompter, QWidget* parent)
    : QWidget(parent),
      m_prompter(prompter),
      m_original(options),
      m_feedback(
          new CRadioChoiceBox(QStringLiteral("Feedback"),
                              {QStringLiteral("After each stroke"), QStringLiteral("On request")},
                              options.feedback, this)),
      m_autocorrect(MakeOptionCheckBox("Autocorrect", options.autocorrect, this)),
      m_enforceOrder(MakeOptionCheckBox("Enforce Order", options.enforceOrder, this)),
      m_strokeType(new CRadioChoiceBox(
          QStringLiteral("Stroke Type"),
          {QStringLiteral("Exact"), QStringLiteral("Similar"), QStringLiteral("Any")},
          options.strokeMatch, this)),
      m_errorTolerance(MakeToleranceBox(options.errorTolerance, this)),
      m_includeKanji(MakeOptionCheckBox("Kanji cards", options.includeKanji, this)),
      m_includeCounters(MakeOptionCheckBox("Counter cards", options.includeCounters, this)),
      m_demoSpeed(MakeSpeedSlider(options.demoSpeed, this)),
      m_showComments(MakeOptionCheckBox("Show Comments", options.showComments, this)),
      m_drawingStyle(
          new CRadioChoiceBox(QStringLiteral("Drawing Style"),
                              {QStringLiteral("Brushly Strokes"), QStringLiteral("Simple Strokes")},
                              options.drawingStyle, this)),
      m_rawInput(MakeOptionCheckBox("Raw Input", options.rawInput, this)),
      m_randomOrder(MakeOptionCheckBox("Random Order", options.randomOrder, this)),
      m_kanaSet(new CRadioChoiceBox(
          QStringLiteral("Kana"),
          {QStringLiteral("Gojuu-On (50 sounds)"),
           QStringLiteral("Gojuu-on and Daku/Handaku-on (50 sounds + g,z,d,b,p)")},
          options.kanaSet, this)) {
    auto* tolerance = new QHBoxLayout;
    tolerance->addWidget(new QLabel(QStringLiteral("Error Tolerance"), this));
    tolerance->addWidget(m_errorTolerance);
    tolerance->addWidget(new QLabel(QStringLiteral("%"), this));
    tolerance->addStretch();

    auto* checking = new QVBoxLayout;
    checking->addWidget(m_feedback);
    checking->addWidget(m_autocorrect);
    checking->addWidget(m_enforceOrder);
    checking->addWidget(m_strokeType);
    checking->addLayout(tolerance);
    checking->addWidget(m_rawInput);
    checking->addStretch();

    auto* speed = new QGroupBox(QStringLiteral("Demonstration Speed"), this);
    auto* speedLayout = new QHBoxLayout(speed);
    speedLayout->addWidget(new QLabel(QStringLiteral("fast"), this));
    speedLayout->addWidget(m_demoSpeed);
    speedLayout->addWidget(new QLabel(QStringLiteral("slow"), this));

    auto* deck = new QVBoxLayout;
    deck->addWidget(MakeGroup(QStringLiteral("Include"),
                              {m_includeKanji, m_includeCounters, m_randomOrder}, this));
    deck->addWidget(m_kanaSet);
    deck->addWidget(speed);
    deck->addWidget(m_drawingStyle);
    deck->addWidget(m_showComments);
    deck->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(checking);
    layout->addLayout(deck);
}

void CDrawOptionPage::SetDrawView(int mode, bool open, bool hasStrokes) {
    m_drawMode = mode;
    m_viewOpen = open;
    m_hasStrokes = hasStrokes;
}

bool CDrawOptionPage::CanLeave() {
    const CDrawOptions options = Options();
    if (options.includeKanji == 0 && options.includeCounters == 0) {
        m_prompter.Information(kNothingIncludedMessage);
        return false;
    }
    const bool kanjiMode = m_viewOpen && m_drawMode == CDrawPractice::kKanjiMode;
    const bool kanaMode = m_viewOpen && m_drawMode != CDrawPractice::kKanjiMode;
    return Confirm(m_hasStrokes && options.enforceOrder != 0 && m_original.enforceOrder == 0,
                   kEnforceOrderQuestion) &&
           Confirm(kanjiMode && (options.includeKanji != m_original.includeKanji ||
                                 options.includeCounters != m_original.includeCounters),
                   kIncludeQuestion) &&
           Confirm(kanaMode && options.kanaSet != m_original.kanaSet, kGojuuQuestion) &&
           Confirm(kanjiMode && options.rawInput != m_original.rawInput, kRawQuestion);
}

CDrawOptions CDrawOptionPage::Options() const {
    CDrawOptions options;
    options.feedback = m_feedback->Value();
    options.autocorrect = OptionFlag(m_autocorrect);
    options.enforceOrder = OptionFlag(m_enforceOrder);
    options.strokeMatch = m_strokeType->Value();
    options.errorTolerance = m_errorTolerance->value();
    options.includeKanji = OptionFlag(m_includeKanji);
    options.includeCounters = OptionFlag(m_includeCounters);
    options.demoSpeed = m_demoSpeed->value();
    options.showComments = OptionFlag(m_showComments);
    options.drawingStyle = m_drawingStyle->Value();
    options.rawInput = OptionFlag(m_rawInput);
    options.randomOrder = OptionFlag(m_randomOrder);
    options.kanaSet = m_kanaSet->Value();
    return options;
}

bool CDrawOptionPage::Confirm(bool changed, const char* question) {
    return !changed || m_prompter.AskYesNo(question);
}

}  // namespace brushly
