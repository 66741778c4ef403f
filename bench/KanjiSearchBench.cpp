// The kanji search over the generated database, as the Kanji Search window runs it: text
// searches, a handwriting search of a kanji written with the mouse, and the work of opening
// the window on results saved from an earlier search.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "lookup/CKanjiSearch.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/RealData.h"
#include "support/WritingHarness.h"

namespace brushly {
namespace {

// The generated database, loaded once for every benchmark; null when it is missing.
const CKanjiLibrary* GeneratedLibrary() {
    static const std::unique_ptr<CKanjiLibrary> library = [] {
        const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
        auto loaded = std::make_unique<CKanjiLibrary>();
        CScriptedPrompter prompter;
        if (!std::filesystem::exists(file) || !loaded->Load(file.string(), prompter))
            loaded.reset();
        return loaded;
    }();
    return library.get();
}

// A search over the whole database (no stroke window) for the reading and the meaning.
void BM_SearchText(benchmark::State& state, const char* reading, const char* meaning, int andMode) {
    const CKanjiLibrary* library = GeneratedLibrary();
    if (!library) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    CKanjiSearchState inputs;
    inputs.reading = reading;
    inputs.meaning = meaning;
    inputs.andMode = andMode;
    CScriptedPrompter prompter;
    CKanjiSearch search(*library, inputs, prompter);
    for (auto _ : state) {
        search.SearchText();
        benchmark::DoNotOptimize(inputs.results.data());
    }
    state.counters["matches"] = static_cast<double>(inputs.results.size());
}
BENCHMARK_CAPTURE(BM_SearchText, reading_sei, "sei", "", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchText, meaning_water, "", "water", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchText, mizu_and_water, "mizu", "water", 1)->Unit(benchmark::kMillisecond);

// 食 written along its KanjiVG paths by a steady mouse hand, then searched for.
void BM_SearchHandwriting(benchmark::State& state) {
    const CKanjiLibrary* library = GeneratedLibrary();
    const auto paths =
        testing::ReadKanjiVgCharacter(testing::KanjiVgDirectory(), sjis::FromUtf8("食"));
    if (!library || !paths) {
        state.SkipWithError("no generated kanji database or KanjiVG folder");
        return;
    }
    const CDrawnStrokes drawn = RecogniseStrokes(testing::WriteAlongPaths(*paths));
    CKanjiSearchState inputs;
    CScriptedPrompter prompter;
    CKanjiSearch search(*library, inputs, prompter);
    for (auto _ : state) {
        search.SearchHandwriting(drawn);
        benchmark::DoNotOptimize(inputs.results.data());
    }
}
BENCHMARK(BM_SearchHandwriting)->Unit(benchmark::kMillisecond);

// The window opened on 23 saved results: the page count checked and the first page's rows
// made, readings shown as written.
void BM_OpenWithSavedResults(benchmark::State& state) {
    const CKanjiLibrary* library = GeneratedLibrary();
    if (!library) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    CKanjiSearchState saved;
    CScriptedPrompter prompter;
    CKanjiSearch search(*library, saved, prompter);
    saved.reading = "sei";
    search.SearchText();
    if (saved.results.size() < 23) {
        state.SkipWithError("fewer than 23 kanji read sei");
        return;
    }
    saved.results.resize(23);
    for (auto _ : state) {
        search.ShowResults(false);
        const std::vector<CKanjiResultRow> rows = search.PageRows(0);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_OpenWithSavedResults)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brushly
