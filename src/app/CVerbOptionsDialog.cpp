#include "app/CVerbOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace brushly {

CVerbOptionsDialog::CVerbOptionsDialog(const CFlashOptions& options, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Kanji Verb Flashcard Options"));
    auto* layout = new QVBoxLayout(this);
    for (std::size_t index = 0; index < kChoices.size(); ++index) {
        m_boxes[index] = new QCheckBox(QString::fromLatin1(kChoices[index].label), this);
        m_boxes[index]->setChecked(options.*kChoices[index].field != 0);
        layout->addWidget(m_boxes[index]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void CVerbOptionsDialog::CopyTo(CFlashOptions& options) const {
    for (std::size_t index = 0; index < kChoices.size(); ++index)
        options.*kChoices[index].field = m_boxes[index]->isChecked() ? 1 : 0;
}

}  // namespace brushly
