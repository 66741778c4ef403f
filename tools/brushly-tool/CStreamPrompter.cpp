#include "CStreamPrompter.h"

#include "platform/ShiftJis.h"

namespace brushly::tool {

void CStreamPrompter::Show(Kind, const std::string& text) {
    m_out << "brushly-tool: " << sjis::ToUtf8(text) << '\n';
}

bool CStreamPrompter::AskYesNo(const std::string& text) {
    m_out << "brushly-tool: " << sjis::ToUtf8(text) << " (answered No)\n";
    return false;
}

CPrompter::Answer CStreamPrompter::AskYesNoCancel(const std::string& text) {
    m_out << "brushly-tool: " << sjis::ToUtf8(text) << " (answered Cancel)\n";
    return Answer::Cancel;
}

}  // namespace brushly::tool
