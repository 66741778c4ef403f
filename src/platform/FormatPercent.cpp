#include "platform/FormatPercent.h"

#include <cstdint>

namespace brushly {

std::string FormatPercent(int right, int wrong, bool shortForm) {
    const std::int64_t total = std::int64_t{right} + wrong;
    if (total == 0) return shortForm ? "--" : "-- % (0 / 0)";
    const std::string percent = std::to_string(std::int64_t{right} * 100 / total);
    if (shortForm) return percent;
    return percent + " %  (" + std::to_string(right) + " / " + std::to_string(total) + ")";
}

}  // namespace brushly
