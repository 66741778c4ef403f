#include "app/CQuizModeOptionsDialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "app/CRadioChoiceBox.h"

namespace brushly {

CQuizModeOptionsDialog::CQuizModeOptionsDialog(const CFlashOptions& options, QWidget* parent)
    : QDialog(parent),
      m_distracterSource(new CRadioChoiceBox(
          QStringLiteral("Select multiple choice \"distracters\" from....."),
          {QStringLiteral("Current Flashcard List (default)"),
           QStringLiteral("Active Brushly File"), QStringLiteral("Brushly Database(s)")},
          options.distracterSource, this)),
      m_desiredAnswer(new CRadioChoiceBox(
          QStringLiteral("Desired answer is....."),
          {QStringLiteral("Japanese reading"), QStringLiteral("English meaning")},
          options.desiredAnswer, this)),
      m_readingKind(new CRadioChoiceBox(
          QStringLiteral("For Japanese reading, use....."),
          {QStringLiteral("Either"), QStringLiteral("ON Reading"), QStringLiteral("Kun reading")},
          options.readingKind, this)) {
    setWindowTitle(QStringLiteral("Quiz Mode Options"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_distracterSource);
    layout->addWidget(m_desiredAnswer);
    layout->addWidget(m_readingKind);
    layout->addWidget(buttons);
}

void CQuizModeOptionsDialog::CopyTo(CFlashOptions& options) const {
    options.distracterSource = m_distracterSource->Value();
    options.desiredAnswer = m_desiredAnswer->Value();
    options.readingKind = m_readingKind->Value();
}

}  // namespace brushly
