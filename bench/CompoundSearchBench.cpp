// The compound search dialog over the EDICT-built word libraries in data/: a search as the
// SEARCH button runs it (both libraries, the merge, the first page's rows and caption), and
// the work of turning the pages and of the common-only box merging again. Skipped until
// brushly-tool import-edict has written the libraries.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/CCompoundSearch.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/RealData.h"

namespace brushly {
namespace {

struct CWordLibraries {
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    CAbbreviationList abbreviations;
};

// The libraries, loaded once for every benchmark with their search indexes built (as the
// program's start-up leaves them); null when they have not been generated.
const CWordLibraries* GeneratedLibraries() {
    static const std::unique_ptr<CWordLibraries> libraries = [] {
        const std::filesystem::path directory = testing::RealDataDirectory();
        const std::string compoundPath = (directory / kEdictCompoundFileName).string();
        const std::string kanaWordPath = (directory / kEdictKanaWordFileName).string();
        const std::string abbreviationPath = (directory / kAbbreviationFileName).string();
        auto loaded = std::make_unique<CWordLibraries>();
        CScriptedPrompter prompter;
        if (!std::filesystem::exists(compoundPath) || !std::filesystem::exists(kanaWordPath) ||
            !loaded->compounds.Load(compoundPath, false, prompter) ||
            !loaded->kanaWords.Load(kanaWordPath, false, prompter)) {
            return std::unique_ptr<CWordLibraries>();
        }
        if (std::filesystem::exists(abbreviationPath))
            loaded->abbreviations.Load(abbreviationPath, prompter);
        return loaded;
    }();
    return libraries.get();
}

// The dialog's options as it first opens (whole word, common only, both libraries) with
// the criteria given, matched all (anyMode 0) or any (1); empty ones stay unchecked.
CCompoundSearchState Criteria(const char* romaji, const char* meaning, const char* kanjiUtf8,
                              int anyMode = 0) {
    CCompoundSearchState criteria;
    criteria.anyMode = anyMode;
    criteria.romaji = romaji;
    criteria.meaning = meaning;
    criteria.kanji = sjis::FromUtf8(kanjiUtf8);
    criteria.useRomaji = !criteria.romaji.empty();
    criteria.useMeaning = !criteria.meaning.empty();
    criteria.useKanji = !criteria.kanji.empty();
    return criteria;
}

// Runs body against a search over the generated libraries after one search of the criteria,
// which also builds the libraries' indexes outside the timing.
template <class Body>
void RunOverLibraries(benchmark::State& state, CCompoundSearchState criteria, const Body& body) {
    const CWordLibraries* libraries = GeneratedLibraries();
    if (!libraries) {
        state.SkipWithError("no EDICT-built word libraries (brushly-tool import-edict)");
        return;
    }
    CScriptedPrompter prompter;
    CCompoundSearch search(&libraries->compounds, &libraries->kanaWords, libraries->abbreviations,
                           criteria, prompter);
    search.Search();
    for (auto _ : state)
        body(search);
    state.counters["found"] =
        static_cast<double>(criteria.compoundResults.size() + criteria.kanaWordResults.size());
    state.counters["shown"] = static_cast<double>(criteria.combined.size());
}

void BM_SearchFirstPage(benchmark::State& state, const char* romaji, const char* meaning,
                        const char* kanji, int anyMode) {
    RunOverLibraries(state, Criteria(romaji, meaning, kanji, anyMode), [](CCompoundSearch& search) {
        search.Search();
        std::vector<CCompoundRow> rows = search.PageRows(0);
        std::string caption = search.Caption();
        benchmark::DoNotOptimize(rows);
        benchmark::DoNotOptimize(caption);
    });
}
BENCHMARK_CAPTURE(BM_SearchFirstPage, romaji_kan, "kan", "", "", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchFirstPage, meaning_water, "", "water", "", 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchFirstPage, kanji_mizu, "", "", "水", 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchFirstPage, mizu_and_water, "mizu", "water", "", 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchFirstPage, sui_or_water, "sui", "water", "", 1)
    ->Unit(benchmark::kMillisecond);

// "Next" on the results of "kan", back to the first page after the last.
void BM_NextPage(benchmark::State& state) {
    RunOverLibraries(state, Criteria("kan", "", ""), [](CCompoundSearch& search) {
        if (search.HasNextPage()) {
            search.NextPage();
        } else {
            search.State().page = 1;
        }
        std::vector<CCompoundRow> rows = search.PageRows(0);
        benchmark::DoNotOptimize(rows);
    });
}
BENCHMARK(BM_NextPage)->Unit(benchmark::kMillisecond);

// The common-only box clicked on and off over the results of "kan": each click merges both
// libraries' results again and shows the first page.
void BM_CommonOnlyRemerge(benchmark::State& state) {
    RunOverLibraries(state, Criteria("kan", "", ""), [](CCompoundSearch& search) {
        search.SetCommonOnly(!search.State().commonOnly);
        std::vector<CCompoundRow> rows = search.PageRows(0);
        benchmark::DoNotOptimize(rows);
    });
}
BENCHMARK(BM_CommonOnlyRemerge)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
