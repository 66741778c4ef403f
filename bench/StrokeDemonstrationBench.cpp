// The stroke-order demonstration at speed 200 on a Qt picture: starting the play and each
// reveal tick of a 180 px stroke return at once, never waiting out the stroke's time.
#include <benchmark/benchmark.h>

#include <chrono>

#include "handwriting/CStrokeDemonstration.h"
#include "platform/CQtCanvas.h"
#include "support/FakeDemonstrationTimers.h"

namespace brushly {
namespace {

// A demonstration of one 180 px straight on a Qt picture, its timers expired by hand.
struct CDemonstrationRig {
    CDemonstrationRig() {
        CStrokeData segment;
        segment.start = {10, 100};
        segment.end = {190, 100};
        segment.type = kStraightNoArrow;
        segment.newStroke = 1;
        strokes.Append(segment);
    }
    void Play() {
        demonstration.Start(&strokes, 200, CStrokeCanvas::Style::Brush, &busy);
        demonstration.Play();
    }

    CKanjiStrokes strokes;
    CQtCanvas picture{200, 200};
    testing::CFakeTimers timers;
    CStrokeDemonstration demonstration{picture, timers};
    bool busy = false;
};

// One iteration: Play on a freshly started demonstration.
void BM_DemonstrationPlayAtSpeed200(benchmark::State& state) {
    CDemonstrationRig rig;
    for (auto _ : state)
        rig.Play();
}
BENCHMARK(BM_DemonstrationPlayAtSpeed200)->Unit(benchmark::kMicrosecond);

// One iteration: the whole stroke revealed tick by tick; the counter is the time per tick.
void BM_DemonstrationRevealTicksAtSpeed200(benchmark::State& state) {
    CDemonstrationRig rig;
    int ticks = 0;
    for (auto _ : state) {
        rig.Play();
        while (rig.timers.revealDelay) {
            rig.timers.now += std::chrono::milliseconds(*rig.timers.revealDelay);
            rig.timers.revealDelay.reset();
            rig.demonstration.OnRevealTick();
            ++ticks;
        }
    }
    state.counters["tick"] = benchmark::Counter(
        static_cast<double>(ticks), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DemonstrationRevealTicksAtSpeed200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
