#include "app/CGroupConfirmDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ShiftJis.h"

namespace brushly {

CGroupConfirmDialog::CGroupConfirmDialog(CWordGroupDialogs::Action action, const std::string& text,
                                         QWidget* parent)
    : QDialog(parent), m_buttons(new QHBoxLayout) {
    using Confirmation = CWordGroupDialogs::Confirmation;
    setWindowTitle(QString::fromLatin1(CWordGroupCommands::kConfirmTitle));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(QString::fromStdString(sjis::ToUtf8(text)), this);
    question->setObjectName(QStringLiteral("question"));
    question->setWordWrap(true);
    layout->addWidget(question);
    layout->addLayout(m_buttons);
    const bool reset = action == CWordGroupDialogs::Action::Reset;
    AddButton(reset ? "RESET" : "DELETE", Confirmation::Act);
    AddButton(reset ? "RESET ALL" : "DELETE ALL", Confirmation::ActOnAll);
    AddButton("NO", Confirmation::Skip);
    AddButton("Cancel", Confirmation::Cancel);
}

void CGroupConfirmDialog::AddButton(const char* text, CWordGroupDialogs::Confirmation answer) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        m_answer = answer;
        if (answer == CWordGroupDialogs::Confirmation::Cancel)
            reject();
        else
            accept();
    });
    m_buttons->addWidget(button);
}

}  // namespace brushly
