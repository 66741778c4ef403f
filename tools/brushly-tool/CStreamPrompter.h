#pragma once

#include <ostream>

#include "platform/CPrompter.h"

namespace brushly::tool {

// The prompter of the command-line tool: every notice is printed as a line (in UTF-8) on
// the given stream, prefixed with "brushly-tool: "; questions are answered No, or Cancel
// where that is offered, so that a batch run never changes or drops anything it was not told
// to.
class CStreamPrompter final : public CPrompter {
public:
    explicit CStreamPrompter(std::ostream& out) : m_out(out) {}

    void Show(Kind kind, const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;

private:
    std::ostream& m_out;
};

}  // namespace brushly::tool
