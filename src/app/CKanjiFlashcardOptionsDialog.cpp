#include "app/CKanjiFlashcardOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CRadioChoiceBox.h"
#include "app/CVerbOptionsDialog.h"

namespace brushly {

CKanjiFlashcardOptionsDialog::CKanjiFlashcardOptionsDialog(const CFlashOptions& options,
                                                           std::int32_t commonWordsOnly,
                                                           bool edictDatabase, QWidget* parent)
    : QDialog(parent),
      m_verbForms(options),
      m_kanjiDisplay(new CRadioChoiceBox(
          QStringLiteral("Display Kanji flashcard using..."),
          {QStringLiteral("Main Character"), QStringLiteral("Random Verb Inflection"),
           QStringLiteral("Random Kanji Compound")},
          options.kanjiDisplay, this)),
      m_compoundSource(new CRadioChoiceBox(
          QStringLiteral("Select random compound from...."),
          {QStringLiteral("Current Flashcard List (default)"),
           QStringLiteral("Active Brushly File"), QStringLiteral("Brushly Database(s)")},
          options.compoundSource, this)),
      m_commonWordsOnly(
          new QCheckBox(QStringLiteral("Only include commonly used words (EDICT only)"), this)) {
    setWindowTitle(QStringLiteral("Kanji Flashcard Options"));
    m_commonWordsOnly->setChecked(commonWordsOnly != 0);
    m_commonWordsOnly->setEnabled(edictDatabase);
    auto* verbOptions = new QPushButton(QStringLiteral("&Verb Options"), this);
    verbOptions->setAutoDefault(false);
    connect(verbOptions, &QPushButton::clicked, this,
            &CKanjiFlashcardOptionsDialog::EditVerbOptions);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_kanjiDisplay);
    layout->addWidget(m_compoundSource);
    layout->addWidget(m_commonWordsOnly);
    layout->addWidget(verbOptions);
    layout->addWidget(buttons);
}

void CKanjiFlashcardOptionsDialog::CopyTo(CFlashOptions& options) const {
    options.kanjiDisplay = m_kanjiDisplay->Value();
    options.compoundSource = m_compoundSource->Value();
    for (const CVerbOptionsDialog::Choice& choice : CVerbOptionsDialog::kChoices)
        options.*choice.field = m_verbForms.*choice.field;
}

std::int32_t CKanjiFlashcardOptionsDialog::CommonWordsOnly() const {
    return m_commonWordsOnly->isChecked() ? 1 : 0;
}

void CKanjiFlashcardOptionsDialog::EditVerbOptions() {
    CVerbOptionsDialog dialog(m_verbForms, this);
    if (dialog.exec() == QDialog::Accepted) dialog.CopyTo(m_verbForms);
}

}  // namespace brushly
