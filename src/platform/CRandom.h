#pragma once

#include <cstdint>

#include "platform/CPrompter.h"

namespace brushly {

// The random numbers of every shuffle and random choice of the drills: the classic C
// library generator (values 0 to 32767, as the drills' formulas expect on every platform)
// and PickRandom on top of it. The document owns one for the run.
class CRandom {
public:
    static constexpr int kRandMax = 32767;

    // Seeds the generator. The prompter shows the message of a PickRandom with a bad
    // range; it must outlive this.
    CRandom(CPrompter& prompter, std::uint32_t seed) : m_prompter(prompter), m_state(seed) {}

    // A seed from the current time, for the program's own generator.
    static std::uint32_t ClockSeed();

    // The next value, 0 to 32767.
    int Rand();
    // Draws and throws away count values (the program warms its generator up with 1000).
    void Discard(int count);

    // A uniform integer 1 to n: floor(n * r / 32767) + 1 with r = Rand(), lowered to n.
    // For n <= 0 shows "random number chosen with 0 or negative number" and returns 1.
    int PickRandom(int n);

private:
    CPrompter& m_prompter;
    std::uint32_t m_state;
};

}  // namespace brushly
