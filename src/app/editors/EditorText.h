#pragma once

#include <string>
#include <string_view>

namespace brushly {

// Typed text without its leading and trailing blanks and tabs, as the editors store it, so
// that a field of blanks counts as empty.
std::string TrimmedText(std::string_view text);

}  // namespace brushly
