#pragma once

#include <cstdint>

// The writing harness's random numbers: splitmix64, the same sequence on every platform and
// standard library, so that a seed names one writing everywhere.
namespace brushly::writingeval {

class CSeededRandom {
public:
    explicit CSeededRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [low, high).
    double Uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(Next() >> 11) * 0x1.0p-53;
    }
    // Uniform whole number from low to high inclusive (low <= high).
    int Between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(high - low) + 1;
        return low + static_cast<int>(Next() % span);
    }
    // True with probability p.
    bool Chance(double p) { return Uniform(0.0, 1.0) < p; }

    // A seed derived from two numbers, for one hand per character, spacing or check.
    static std::uint64_t Mix(std::uint64_t a, std::uint64_t b) {
        CSeededRandom random(a * 0x100000001B3ull ^ b);
        return random.Next();
    }

private:
    std::uint64_t m_state;
};

}  // namespace brushly::writingeval
