#include "platform/CQtPrompter.h"

#include <QMessageBox>

#include "platform/ShiftJis.h"

namespace brushly {

namespace {
QString DisplayText(const std::string& text) {
    return QString::fromStdString(sjis::ToUtf8(text));
}
const QString kTitle = QStringLiteral("Brushly");
}  // namespace

void CQtPrompter::Show(Kind kind, const std::string& text) {
    switch (kind) {
        case Kind::Information:
            QMessageBox::information(m_parent, kTitle, DisplayText(text));
            break;
        case Kind::Error:
            QMessageBox::warning(m_parent, kTitle, DisplayText(text));
            break;
        case Kind::Stop:
            QMessageBox::critical(m_parent, kTitle, DisplayText(text));
            break;
    }
}

CPrompter::Answer CQtPrompter::AskYesNoCancel(const std::string& text) {
    const auto button =
        QMessageBox::question(m_parent, kTitle, DisplayText(text),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (button == QMessageBox::Yes) return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

bool CQtPrompter::AskYesNo(const std::string& text) {
    return QMessageBox::question(m_parent, kTitle, DisplayText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace brushly
