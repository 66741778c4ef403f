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

}  // namespace brushly::tool
