// Handwriting searches over the generated database for kanji written along their KanjiVG
// paths, as the search pad runs them: the recognised strokes with their paths.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "handwriting/HandwritingSearch.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/RealData.h"
#include "support/WritingHarness.h"

namespace brushly {
namespace {

void BM_SearchWrittenEat(benchmark::State& state) {
    const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
    const auto strokes =
        testing::ReadKanjiVgCharacter(testing::KanjiVgDirectory(), sjis::FromUtf8("食"));
    CKanjiLibrary library;
    CScriptedPrompter prompter;
    if (!std::filesystem::exists(file) || !strokes || !library.Load(file.string(), prompter)) {
        state.SkipWithError("no generated kanji database or KanjiVG folder");
        return;
    }
    const CDrawnStrokes drawn = RecogniseStrokes(testing::WriteAlongPaths(*strokes));
    std::vector<CCandidate> result;
    for (auto _ : state) {
        BestMatchesByPaths(library, drawn, 10, result);
        benchmark::DoNotOptimize(result.data());
    }
}
BENCHMARK(BM_SearchWrittenEat)->Unit(benchmark::kMillisecond);

// One search per iteration, cycling through every tenth jouyou kanji written along its
// KanjiVG paths: the mean time of a search over characters of every size.
void BM_SearchWrittenJouyou(benchmark::State& state) {
    const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
    CKanjiLibrary library;
    CScriptedPrompter prompter;
    if (!std::filesystem::exists(file) || !library.Load(file.string(), prompter)) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    std::vector<CKanjiRef> kanji;
    library.SelectByKey(kKeyGrade, 1, 8, &kanji);
    std::vector<CDrawnStrokes> drawn;
    for (std::size_t i = 0; i < kanji.size(); i += 10) {
        const auto strokes =
            testing::ReadKanjiVgCharacter(testing::KanjiVgDirectory(), kanji[i].record->character);
        if (strokes) drawn.push_back(RecogniseStrokes(testing::WriteAlongPaths(*strokes)));
    }
    if (drawn.empty()) {
        state.SkipWithError("no KanjiVG folder");
        return;
    }
    std::vector<CCandidate> result;
    std::size_t next = 0;
    for (auto _ : state) {
        BestMatchesByPaths(library, drawn[next], 10, result);
        benchmark::DoNotOptimize(result.data());
        next = (next + 1) % drawn.size();
    }
}
BENCHMARK(BM_SearchWrittenJouyou)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
