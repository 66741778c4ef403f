// The stroke-order demonstration at speed 200 on a Qt picture: starting the play and each
// reveal tick of a 180 px stroke return at once, never waiting out the stroke's time.
#include <benchmark/benchmark.h>

#include <chrono>
#include <optional>

#include "handwriting/CStrokeDemonstration.h"
#include "platform/CQtCanvas.h"

namespace brushly {
namespace {

// Timers that only note what is asked of them; the benchmark expires them itself, moving its
// clock on by the delay asked for.
class CNotedTimers final : public CDemonstrationTimers {
public:
    void StartStrokeTimer(int milliseconds) override { strokeDelay = milliseconds; }
    void StartRevealTimer(int milliseconds) override { revealDelay = milliseconds; }
    void StopTimers() override {
        strokeDelay.reset();
        revealDelay.reset();
    }
    std::chrono::microseconds Now() const override { return now; }

    std::optional<int> strokeDelay;
    std::optional<int> revealDelay;
    std::chrono::microseconds now{std::chrono::seconds(5)};
};

CKanjiStrokes LongStraight() {
    CStrokeData segment;
    segment.start = {10, 100};
    segment.end = {190, 100};
    segment.type = kStraightNoArrow;
    segment.newStroke = 1;
    CKanjiStrokes strokes;
    strokes.Append(segment);
    return strokes;
}

// One iteration: Play on a freshly started demonstration.
void BM_DemonstrationPlayAtSpeed200(benchmark::State& state) {
    const CKanjiStrokes strokes = LongStraight();
    CQtCanvas picture(200, 200);
    CNotedTimers timers;
    CStrokeDemonstration demonstration(picture, timers);
    bool busy = false;
    for (auto _ : state) {
        demonstration.Start(&strokes, 200, CStrokeCanvas::Style::Brush, &busy);
        demonstration.Play();
    }
}
BENCHMARK(BM_DemonstrationPlayAtSpeed200)->Unit(benchmark::kMicrosecond);

// One iteration: the whole stroke revealed tick by tick; the counter is the time per tick.
void BM_DemonstrationRevealTicksAtSpeed200(benchmark::State& state) {
    const CKanjiStrokes strokes = LongStraight();
    CQtCanvas picture(200, 200);
    CNotedTimers timers;
    CStrokeDemonstration demonstration(picture, timers);
    bool busy = false;
    int ticks = 0;
    for (auto _ : state) {
        demonstration.Start(&strokes, 200, CStrokeCanvas::Style::Brush, &busy);
        demonstration.Play();
        while (timers.revealDelay) {
            timers.now += std::chrono::milliseconds(*timers.revealDelay);
            timers.revealDelay.reset();
            demonstration.OnRevealTick();
            ++ticks;
        }
    }
    state.counters["tick"] = benchmark::Counter(
        static_cast<double>(ticks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DemonstrationRevealTicksAtSpeed200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
