#include "practice/CFlashAnswerWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ShiftJis.h"

namespace brushly {

namespace {

QString FromShiftJis(const std::string& text) {
    return QString::fromStdString(sjis::ToUtf8(text));
}

}  // namespace

CFlashAnswerWindow::CFlashAnswerWindow(QWidget* parent)
    : QDialog(parent),
      m_prompt(new QLabel(this)),
      m_edit(new QLineEdit(this)),
      m_enterButton(new QPushButton(QStringLiteral("&Enter"), this)),
      m_skipButton(new QPushButton(QStringLiteral("&Skip"), this)),
      m_feedback(new QLabel(this)) {
    setWindowTitle(QString::fromLatin1(kTitle));
    setModal(false);
    m_prompt->setObjectName(QStringLiteral("prompt"));
    m_edit->setObjectName(QStringLiteral("answerEdit"));
    m_enterButton->setObjectName(QStringLiteral("enterButton"));
    m_skipButton->setObjectName(QStringLiteral("skipButton"));
    m_feedback->setObjectName(QStringLiteral("feedback"));
    // Return in the edit box is Enter, not the dialog's default accept.
    m_enterButton->setDefault(true);
    m_skipButton->setAutoDefault(false);
    connect(m_enterButton, &QPushButton::clicked, this, &CFlashAnswerWindow::Enter);
    connect(m_skipButton, &QPushButton::clicked, this, &CFlashAnswerWindow::Skip);
    connect(m_edit, &QLineEdit::textEdited, this, [this] {
        if (m_edited) m_edited(Answer());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_enterButton);
    buttons->addWidget(m_skipButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
    layout->addWidget(m_feedback);
    setMinimumWidth(280);
}

void CFlashAnswerWindow::SetHandlers(TextHandler enter, SkipHandler skip, TextHandler edited) {
    m_enter = std::move(enter);
    m_skip = std::move(skip);
    m_edited = std::move(edited);
}

void CFlashAnswerWindow::SetPrompt(const std::string& prompt) {
    m_prompt->setText(FromShiftJis(prompt));
}

void CFlashAnswerWindow::SetFeedback(const std::string& feedback) {
    m_feedback->setText(FromShiftJis(feedback));
}

std::string CFlashAnswerWindow::Answer() const {
    return sjis::FromUtf8(m_edit->text().toStdString());
}

void CFlashAnswerWindow::SetAnswer(const std::string& answer) {
    const QString text = FromShiftJis(answer);
    if (m_edit->text() != text) m_edit->setText(text);
}

void CFlashAnswerWindow::Enter() {
    if (m_enter) m_enter(Answer());
}

void CFlashAnswerWindow::Skip() {
    if (m_skip) m_skip();
}

}  // namespace brushly
