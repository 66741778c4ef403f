// The whole EDICT import as the first start runs it: the generated edict_SJIS.txt parsed with
// the generated kanji database, and both libraries saved. Skipped without generated data.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/CLoadingDisplay.h"
#include "platform/CScriptedPrompter.h"
#include "reference/CKanjiLibrary.h"
#include "support/RealData.h"

namespace brushly {
namespace {

void BM_ImportGeneratedEdict(benchmark::State& state) {
    const std::filesystem::path data = testing::RealDataDirectory();
    if (!std::filesystem::exists(data / "edict_SJIS.txt") ||
        !std::filesystem::exists(data / "MasterDB.kdb")) {
        state.SkipWithError("no generated EDICT file or kanji database");
        return;
    }
    CScriptedPrompter prompter;
    CKanjiLibrary kanji;
    if (!kanji.Load((data / "MasterDB.kdb").string(), prompter)) {
        state.SkipWithError("the kanji database does not load");
        return;
    }
    // The import writes beside the EDICT file, so it reads a link to it from a scratch
    // directory.
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() /
                                          ("brushly-edict-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch);
    std::filesystem::create_symlink(std::filesystem::absolute(data / "edict_SJIS.txt"),
                                    scratch / "edict_SJIS.txt");
    CSilentLoadingDisplay display;
    CEdictImportCounts counts;
    for (auto _ : state) {
        CCompoundLibrary compounds;
        CCompoundLibrary kanaWords;
        CEdictImporter importer(compounds, kanaWords, kanji, prompter, display, scratch.string());
        if (!importer.ImportEdict(false, false)) state.SkipWithError("the import failed");
        counts = importer.Counts();
    }
    std::filesystem::remove_all(scratch);
    state.counters["compounds"] = counts.compounds;
    state.counters["kanaWords"] = counts.kanaWords;
    state.counters["dropped"] = counts.droppedEntries;
    state.counters["malformed"] = counts.malformedLines;
}
BENCHMARK(BM_ImportGeneratedEdict)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
