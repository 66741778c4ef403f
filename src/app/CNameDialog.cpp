#include "app/CNameDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/CWordGroupCommands.h"
#include "platform/ShiftJis.h"

namespace brushly {

CNameDialog::CNameDialog(const std::string& title, const std::string& initialName,
                         CPrompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_field(new QLineEdit(this)) {
    setWindowTitle(QString::fromStdString(title));
    m_field->setObjectName(QStringLiteral("nameField"));
    m_field->setText(QString::fromStdString(sjis::ToUtf8(initialName)));
    m_field->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNameDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

std::string CNameDialog::Name() const {
    return sjis::FromUtf8(m_field->text().toStdString());
}

void CNameDialog::accept() {
    if (m_field->text().isEmpty()) {
        m_prompter.Information(CWordGroupCommands::kNoNameMessage);
        return;
    }
    QDialog::accept();
}

}  // namespace brushly
