// The Flashcard Builder over the generated kanji database and the EDICT-built compound
// library: the wizard's largest everyday build (Heisig 1 to 2,000, 20 to a group, compounds
// by rule 0), the same without compounds, and the Word Group view's single-group build.
// Each iteration builds into a fresh document made outside the timing. Skipped until
// brushly-tool import-edict has written the compound library.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "builder/CFlashcardBuilder.h"
#include "builder/CSingleGroupBuilder.h"
#include "dictionary/DictionaryFiles.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/RealData.h"

namespace brushly {
namespace {

struct CLibraries {
    CKanjiLibrary kanji;
    CCompoundLibrary compounds;
};

// Loaded once for every benchmark; null when the data has not been generated.
const CLibraries* Libraries() {
    static const std::unique_ptr<CLibraries> libraries = [] {
        const std::filesystem::path directory = testing::RealDataDirectory();
        const std::filesystem::path compounds = directory / kEdictCompoundFileName;
        auto loaded = std::make_unique<CLibraries>();
        CScriptedPrompter prompter;
        if (!std::filesystem::exists(compounds) ||
            !loaded->kanji.Load((directory / "MasterDB.kdb").string(), prompter) ||
            !loaded->compounds.Load(compounds.string(), false, prompter)) {
            return std::unique_ptr<CLibraries>();
        }
        return loaded;
    }();
    return libraries.get();
}

CBuilderSettings HeisigTo2000(bool compounds) {
    CBuilderSettings settings;
    settings.source = kKeyHeisig;
    settings.rootName = "Heisig";
    settings.firstIndex = "1";
    settings.lastIndex = "2000";
    settings.cardsPerGroup = "20";
    settings.addCompounds = compounds;
    settings.compoundRule = CBuilderSettings::kRuleEarlierGroups;
    return settings;
}

struct CFreshDocument {
    CMemorySettingsStore store;
    CScriptedPrompter prompter;
    CBrushly2Doc document{store, prompter, 1u};
};

void RunWizard(benchmark::State& state, bool compounds) {
    const CLibraries* libraries = Libraries();
    if (!libraries) {
        state.SkipWithError("no EDICT-built compound library (brushly-tool import-edict)");
        return;
    }
    const CFlashcardBuilder builder(libraries->kanji, &libraries->compounds);
    const CBuilderSettings settings = HeisigTo2000(compounds);
    std::size_t groups = 0;
    int compoundCards = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto fresh = std::make_unique<CFreshDocument>();
        state.ResumeTiming();
        const std::vector<CBuiltGroup> built = *builder.Build(fresh->document, settings, {});
        state.PauseTiming();
        groups = built.size();
        compoundCards = static_cast<int>(fresh->document.Cards().CompoundCards().size());
        fresh.reset();
        state.ResumeTiming();
    }
    state.counters["groups"] = static_cast<double>(groups);
    state.counters["compounds"] = compoundCards;
}

void BM_WizardHeisigTo2000WithCompounds(benchmark::State& state) {
    RunWizard(state, true);
}
BENCHMARK(BM_WizardHeisigTo2000WithCompounds)->Unit(benchmark::kMillisecond);

void BM_WizardHeisigTo2000KanjiOnly(benchmark::State& state) {
    RunWizard(state, false);
}
BENCHMARK(BM_WizardHeisigTo2000KanjiOnly)->Unit(benchmark::kMillisecond);

// One group of Heisig's first 20 kanji given its compounds, as the Word Group view asks.
void BM_SingleGroupOfTwentyKanji(benchmark::State& state) {
    const CLibraries* libraries = Libraries();
    if (!libraries) {
        state.SkipWithError("no EDICT-built compound library (brushly-tool import-edict)");
        return;
    }
    CBuilderSettings settings = HeisigTo2000(false);
    settings.lastIndex = "20";
    CFreshDocument fresh;
    const auto built =
        *CFlashcardBuilder(libraries->kanji, nullptr).Build(fresh.document, settings, {});
    CSingleGroupBuilder builder(fresh.document, &libraries->compounds, built.front().name,
                                fresh.prompter);
    settings.eraseExisting = true;  // every iteration adds the same cards afresh
    int added = 0;
    for (auto _ : state)
        added = *builder.Build(settings, {}, {});
    state.counters["compounds"] = added;
}
BENCHMARK(BM_SingleGroupOfTwentyKanji)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
