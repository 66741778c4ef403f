#include "app/CFlashOptionPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CKanjiFlashcardOptionsDialog.h"
#include "app/COptionPageControls.h"
#include "app/CQuizModeOptionsDialog.h"
#include "app/CRadioChoiceBox.h"

namespace brushly {

namespace {

constexpr std::int32_t kRandomKanjiCompound = 2;  // "Display Kanji flashcard using..." value

struct DisplayChoice {
    const char* label;
    std::int32_t CFlashOptions::*field;
};
constexpr std::array<DisplayChoice, 5> kDisplayChoices{{
    {"Show Readings", &CFlashOptions::showReadings},
    {"Show Inflected Verb Forms", &CFlashOptions::showInflectedVerbs},
    {"Show Reference Indices", &CFlashOptions::showReferenceIndices},
    {"Show Recognition Data", &CFlashOptions::showRecognitionData},
    {"Show Comments", &CFlashOptions::showComments},
}};

QPushButton* MakeButton(const char* label, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(label), parent);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CFlashOptionPage::CFlashOptionPage(const CFlashOptions& options, std::int32_t commonWordsOnly,
                                   bool edictDatabase, CPrompter& prompter, QWidget* parent)
    : QWidget(parent),
      m_prompter(prompter),
      m_original(options),
      m_options(options),
      m_commonWordsOnly(commonWordsOnly),
      m_edictDatabase(edictDatabase),
      m_quizMode(MakeQuizModeChoice(options.quizMode, this)),
      m_timing(new COptionPageTiming(options, this)),
      m_includeKanji(MakeOptionCheckBox("Kanji", options.includeKanji, this)),
      m_includeCompounds(MakeOptionCheckBox(kCompoundsLabel, options.includeCompounds, this)),
      m_includeKanaWords(MakeOptionCheckBox("Kana Words", options.includeKanaWords, this)),
      m_includeCounters(MakeOptionCheckBox("Counters", options.includeCounters, this)),
      m_counterForms(new CRadioChoiceBox(QStringLiteral("Counters"),
                                         {QStringLiteral("All"), QStringLiteral("Only One")},
                                         options.counterForms, this)),
      m_shuffleOrder(
          new CRadioChoiceBox(QStringLiteral("Shuffle Order"),
                              {QStringLiteral("Random"), QStringLiteral("Word Group"),
                               QStringLiteral("Recognition performance\n(most missed first)")},
                              options.shuffleOrder, this)) {
    auto* quizModeOptions = MakeButton("Quiz Mode Options", this);
    connect(quizModeOptions, &QPushButton::clicked, this, &CFlashOptionPage::EditQuizModeOptions);
    auto* left = new QVBoxLayout;
    left->addWidget(m_quizMode);
    left->addWidget(quizModeOptions);
    left->addWidget(m_timing);
    left->addWidget(m_shuffleOrder);
    left->addStretch();

    auto* include = new QGroupBox(QStringLiteral("Include in flashcard list"), this);
    auto* includeLayout = new QVBoxLayout(include);
    for (QCheckBox* box :
         {m_includeKanji, m_includeCompounds, m_includeKanaWords, m_includeCounters})
        includeLayout->addWidget(box);
    includeLayout->addWidget(m_counterForms);

    auto* display = new QGroupBox(QStringLiteral("Display"), this);
    auto* displayLayout = new QVBoxLayout(display);
    for (std::size_t index = 0; index < kDisplayChoices.size(); ++index) {
        m_display[index] = MakeOptionCheckBox(kDisplayChoices[index].label,
                                              options.*kDisplayChoices[index].field, this);
        displayLayout->addWidget(m_display[index]);
    }
    auto* kanjiOptions = MakeButton("Kanji Flashcard Options", this);
    connect(kanjiOptions, &QPushButton::clicked, this,
            &CFlashOptionPage::EditKanjiFlashcardOptions);
    auto* right = new QVBoxLayout;
    right->addWidget(include);
    right->addWidget(display);
    right->addWidget(kanjiOptions);
    right->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
    ShowKanjiDisplay();
}

bool CFlashOptionPage::CanLeave() {
    if (!m_includeKanji->isChecked() && !m_includeCompounds->isChecked() &&
        !m_includeKanaWords->isChecked() && !m_includeCounters->isChecked()) {
        m_prompter.Information(kNothingIncludedMessage);
        return false;
    }
    if (!m_timing->CanLeave(m_prompter)) return false;
    if (m_flashViewOpen && DeckContentsChanged(Options()))
        return m_prompter.AskYesNo(kReshuffleQuestion);
    return true;
}

CFlashOptions CFlashOptionPage::Options() const {
    CFlashOptions options = m_options;
    options.quizMode = m_quizMode->Value();
    m_timing->CopyTo(options);
    options.includeKanji = OptionFlag(m_includeKanji);
    options.includeCompounds = OptionFlag(m_includeCompounds);
    options.includeKanaWords = OptionFlag(m_includeKanaWords);
    options.includeCounters = OptionFlag(m_includeCounters);
    options.counterForms = m_counterForms->Value();
    options.shuffleOrder = m_shuffleOrder->Value();
    for (std::size_t index = 0; index < kDisplayChoices.size(); ++index)
        options.*kDisplayChoices[index].field = OptionFlag(m_display[index]);
    return options;
}

void CFlashOptionPage::EditQuizModeOptions() {
    CQuizModeOptionsDialog dialog(m_options, this);
    if (dialog.exec() == QDialog::Accepted) dialog.CopyTo(m_options);
}

void CFlashOptionPage::EditKanjiFlashcardOptions() {
    CKanjiFlashcardOptionsDialog dialog(m_options, m_commonWordsOnly, m_edictDatabase, this);
    if (dialog.exec() != QDialog::Accepted) return;
    dialog.CopyTo(m_options);
    m_commonWordsOnly = dialog.CommonWordsOnly();
    ShowKanjiDisplay();
}

void CFlashOptionPage::ShowKanjiDisplay() {
    const bool randomCompound = m_options.kanjiDisplay == kRandomKanjiCompound;
    if (randomCompound) m_includeCompounds->setChecked(false);
    m_includeCompounds->setEnabled(!randomCompound);
    m_includeCompounds->setText(
        QString::fromLatin1(randomCompound ? kRandomCompoundLabel : kCompoundsLabel));
}

bool CFlashOptionPage::DeckContentsChanged(const CFlashOptions& options) const {
    return options.includeKanji != m_original.includeKanji ||
           options.includeCompounds != m_original.includeCompounds ||
           options.includeKanaWords != m_original.includeKanaWords ||
           options.includeCounters != m_original.includeCounters ||
           options.counterForms != m_original.counterForms;
}

}  // namespace brushly
