#include "platform/CRandom.h"

#include <ctime>

namespace brushly {

void CRandom::Discard(int count) {
    for (int i = 0; i < count; ++i)
        Rand();
}

std::uint32_t CRandom::ClockSeed() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

int CRandom::Rand() {
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFF);
}

int CRandom::PickRandom(int n) {
    if (n <= 0) {
        m_prompter.Information("random number chosen with 0 or negative number");
        return 1;
    }
    const auto pick = static_cast<int>(static_cast<std::int64_t>(n) * Rand() / kRandMax) + 1;
    return pick > n ? n : pick;
}

}  // namespace brushly
