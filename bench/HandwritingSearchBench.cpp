// One handwriting search over the generated database for 食 written along its KanjiVG paths.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "handwriting/HandwritingSearch.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/WritingHarness.h"

namespace brushly {
namespace {

std::filesystem::path DataDirectory() {
    const char* directory = std::getenv("BRUSHLY_DATA_DIR");
    return directory && *directory ? directory : BRUSHLY_DEFAULT_DATA_DIR;
}

void BM_SearchWrittenEat(benchmark::State& state) {
    const std::filesystem::path file = DataDirectory() / "MasterDB.kdb";
    const auto strokes =
        testing::ReadKanjiVgCharacter(testing::KanjiVgDirectory(), sjis::FromUtf8("食"));
    CKanjiLibrary library;
    CScriptedPrompter prompter;
    if (!std::filesystem::exists(file) || !strokes || !library.Load(file.string(), prompter)) {
        state.SkipWithError("no generated kanji database or KanjiVG folder");
        return;
    }
    const CKanjiStrokes drawn = testing::RecogniseWriting(testing::WriteAlongPaths(*strokes));
    std::vector<CCandidate> result;
    for (auto _ : state) {
        BestMatchesByStrokes(library, drawn, 10, result);
        benchmark::DoNotOptimize(result.data());
    }
}
BENCHMARK(BM_SearchWrittenEat)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
