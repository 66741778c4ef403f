#pragma once

#include <string>

namespace brushly {

// printf-style formatting of a message or caption; the result is cut at 511 bytes.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace brushly
