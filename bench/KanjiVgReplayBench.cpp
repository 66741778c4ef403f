// The kanji database generator's replay: KanjiVG files read, classified into database strokes
// and every stroke replayed through the recogniser, over every 40th kanji file of KanjiVG.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "handwriting/CStrokeRecogniser.h"
#include "kanjidb/KanjiVgStrokes.h"
#include "kanjidb/MousePoints.h"
#include "kanjidb/StrokeClassifier.h"
#include "support/WritingHarness.h"

namespace brushly {
namespace {

std::vector<std::filesystem::path> SampleFiles() {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path folder = testing::KanjiVgDirectory();
    if (!std::filesystem::is_directory(folder)) return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        // Unified ideographs: 4e00 to 9fff.
        if (name.size() == 9 && name.substr(5) == ".svg" && name >= "04e00" && name < "0a000") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<std::filesystem::path> sample;
    for (std::size_t i = 0; i < files.size(); i += 40)
        sample.push_back(files[i]);
    return sample;
}

// One iteration: every sampled file; the counter is the time per kanji.
void BM_ReplayKanjiVgSample(benchmark::State& state) {
    const std::vector<std::filesystem::path> files = SampleFiles();
    if (files.empty()) {
        state.SkipWithError("no KanjiVG folder");
        return;
    }
    for (auto _ : state) {
        kanjidb::CStrokeReport report;
        for (const auto& file : files) {
            const auto strokes = kanjidb::ReadKanjiVgFile(file.string());
            if (!strokes) continue;
            benchmark::DoNotOptimize(kanjidb::ClassifyStrokes(*strokes, report));
            for (const kanjidb::CVgStroke& stroke : *strokes)
                benchmark::DoNotOptimize(RecogniseStroke(kanjidb::MousePoints(stroke.points)));
        }
    }
    state.counters["kanji"] =
        benchmark::Counter(static_cast<double>(files.size() * state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReplayKanjiVgSample)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
