#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "handwriting/CStrokeDemonstration.h"

namespace brushly::testing {

// The stroke-order demonstration's timers, only recording what is asked of them; a test (or
// benchmark) lets them expire itself and moves the clock on by the delay asked for.
class CFakeTimers final : public CDemonstrationTimers {
public:
    void StartStrokeTimer(int milliseconds) override {
        strokeDelay = milliseconds;
        strokeRequests.push_back(milliseconds);
    }
    void StartRevealTimer(int milliseconds) override {
        revealDelay = milliseconds;
        revealRequests.push_back(milliseconds);
    }
    void StopTimers() override {
        strokeDelay.reset();
        revealDelay.reset();
    }
    std::chrono::microseconds Now() const override { return now; }

    std::optional<int> strokeDelay;
    std::optional<int> revealDelay;
    std::vector<int> strokeRequests;
    std::vector<int> revealRequests;
    std::chrono::microseconds now{std::chrono::seconds(5)};
};

}  // namespace brushly::testing
