#pragma once

#include <string>

namespace brushly {

// A recognition rate from right and wrong counts, percentage = right * 100 / total
// (integer division). Short form: "75", or "--" when there is no answer yet. Long form:
// "75 %  (3 / 4)", or "-- % (0 / 0)".
std::string FormatPercent(int right, int wrong, bool shortForm);

}  // namespace brushly
