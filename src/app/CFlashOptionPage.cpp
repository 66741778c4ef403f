#include "app/CFlashOptionPage.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "app/CKanjiFlashcardOptionsDialog.h"
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

QCheckBox* MakeCheckBox(const char* label, std::int32_t value, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromLatin1(label), parent);
    box->setChecked(value != 0);
    return box;
}

QLineEdit* MakeSecondsField(const char* name, double seconds, QWidget* parent) {
    auto* field = new QLineEdit(QString::number(seconds, 'g', 15), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaximumWidth(60);
    return field;
}

std::int32_t Flag(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

// The number typed into `field`, if it is one.
std::optional<double> SecondsOf(const QLineEdit* field) {
    bool ok = false;
    const double seconds = field->text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(seconds) : std::nullopt;
}

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
      m_quizMode(
          new CRadioChoiceBox(QStringLiteral("Quiz Mode"),
                              {QStringLiteral("Multiple Choice"),
                               QStringLiteral("Fill in the Blank"), QStringLiteral("No Quiz")},
                              options.quizMode, this)),
      m_timeLimit(MakeCheckBox("Time Limit:", options.timeLimit, this)),
      m_timeLimitSeconds(MakeSecondsField("timeLimitSeconds", options.timeLimitSeconds, this)),
      m_autoFlip(MakeCheckBox("Auto \"Flip\":", options.autoFlip, this)),
      m_autoFlipSeconds(MakeSecondsField("autoFlipSeconds", options.autoFlipSeconds, this)),
      m_includeKanji(MakeCheckBox("Kanji", options.includeKanji, this)),
      m_includeCompounds(MakeCheckBox(kCompoundsLabel, options.includeCompounds, this)),
      m_includeKanaWords(MakeCheckBox("Kana Words", options.includeKanaWords, this)),
      m_includeCounters(MakeCheckBox("Counters", options.includeCounters, this)),
      m_counterForms(new CRadioChoiceBox(QStringLiteral("Counters"),
                                         {QStringLiteral("All"), QStringLiteral("Only One")},
                                         options.counterForms, this)),
      m_shuffleOrder(
          new CRadioChoiceBox(QStringLiteral("Shuffle Order"),
                              {QStringLiteral("Random"), QStringLiteral("Word Group"),
                               QStringLiteral("Recognition performance\n(most missed first)")},
                              options.shuffleOrder, this)) {
    auto* timing = new QGridLayout;
    timing->addWidget(m_timeLimit, 0, 0);
    timing->addWidget(m_timeLimitSeconds, 0, 1);
    timing->addWidget(new QLabel(QStringLiteral("seconds"), this), 0, 2);
    timing->addWidget(m_autoFlip, 1, 0);
    timing->addWidget(m_autoFlipSeconds, 1, 1);
    timing->addWidget(new QLabel(QStringLiteral("seconds"), this), 1, 2);

    auto* quizModeOptions = MakeButton("Quiz Mode Options", this);
    connect(quizModeOptions, &QPushButton::clicked, this, &CFlashOptionPage::EditQuizModeOptions);
    auto* left = new QVBoxLayout;
    left->addWidget(m_quizMode);
    left->addWidget(quizModeOptions);
    left->addLayout(timing);
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
        m_display[index] =
            MakeCheckBox(kDisplayChoices[index].label, options.*kDisplayChoices[index].field, this);
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
    if (!SecondsValid(m_timeLimitSeconds, kTimeLimitMessage) ||
        !SecondsValid(m_autoFlipSeconds, kAutoFlipMessage))
        return false;
    if (m_flashViewOpen && DeckContentsChanged(Options()))
        return m_prompter.AskYesNo(kReshuffleQuestion);
    return true;
}

CFlashOptions CFlashOptionPage::Options() const {
    CFlashOptions options = m_options;
    options.quizMode = m_quizMode->Value();
    options.timeLimit = Flag(m_timeLimit);
    options.timeLimitSeconds = SecondsOf(m_timeLimitSeconds).value_or(m_original.timeLimitSeconds);
    options.autoFlip = Flag(m_autoFlip);
    options.autoFlipSeconds = SecondsOf(m_autoFlipSeconds).value_or(m_original.autoFlipSeconds);
    options.includeKanji = Flag(m_includeKanji);
    options.includeCompounds = Flag(m_includeCompounds);
    options.includeKanaWords = Flag(m_includeKanaWords);
    options.includeCounters = Flag(m_includeCounters);
    options.counterForms = m_counterForms->Value();
    options.shuffleOrder = m_shuffleOrder->Value();
    for (std::size_t index = 0; index < kDisplayChoices.size(); ++index)
        options.*kDisplayChoices[index].field = Flag(m_display[index]);
    return options;
}

bool CFlashOptionPage::Edit(QWidget* parent, CFlashOptions& options, std::int32_t& commonWordsOnly,
                            bool edictDatabase, CPrompter& prompter, bool flashViewOpen) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Flash View"));
    auto* page = new CFlashOptionPage(options, commonWordsOnly, edictDatabase, prompter, &dialog);
    page->SetFlashViewOpen(flashViewOpen);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, page] {
        if (page->CanLeave()) dialog.accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(page);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    options = page->Options();
    commonWordsOnly = page->CommonWordsOnly();
    return true;
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

bool CFlashOptionPage::SecondsValid(QLineEdit* field, const char* message) {
    const std::optional<double> seconds = SecondsOf(field);
    if (seconds && *seconds >= kMinSeconds && *seconds <= kMaxSeconds) return true;
    m_prompter.Information(message);
    field->setFocus();
    field->selectAll();
    return false;
}

bool CFlashOptionPage::DeckContentsChanged(const CFlashOptions& options) const {
    return options.includeKanji != m_original.includeKanji ||
           options.includeCompounds != m_original.includeCompounds ||
           options.includeKanaWords != m_original.includeKanaWords ||
           options.includeCounters != m_original.includeCounters ||
           options.counterForms != m_original.counterForms;
}

}  // namespace brushly
