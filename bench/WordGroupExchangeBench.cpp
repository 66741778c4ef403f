#include <benchmark/benchmark.h>

#include <vector>

#include "exchange/CWordGroupExporter.h"
#include "exchange/CWordGroupImporter.h"
#include "support/BuilderTestData.h"
#include "support/ExchangeTestCards.h"

// Export and import of a 20,000-card document in 200 Word Groups (target: under 500 ms each
// way), every card kind with every field filled.
namespace brushly {
namespace {

constexpr int kGroups = 200;
constexpr int kCardsPerGroup = 100;

std::unique_ptr<CKanjiLibrary> MakeLibrary() {
    std::vector<testing::CTestKanji> kanji;
    for (int n = 0; n < 2965; ++n)
        kanji.push_back({n, 0, 0, 0, 1 + n % 20});
    return testing::MakeTestKanjiLibrary(kanji);
}

void BM_ExportTable(benchmark::State& state) {
    const auto library = MakeLibrary();
    CFlashcardSet cards;
    testing::AddExchangeCards(cards, kGroups, kCardsPerGroup, library.get());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text =
            CWordGroupExporter::Export(cards, cards.GroupNames(), ExportFormat::kTable);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportTable)->Unit(benchmark::kMillisecond);

void BM_ExportNotes(benchmark::State& state) {
    CFlashcardSet cards;
    testing::AddExchangeCards(cards, kGroups, kCardsPerGroup, nullptr);
    for (auto _ : state) {
        const std::string text =
            CWordGroupExporter::Export(cards, cards.GroupNames(), ExportFormat::kSpacedRepetition);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ExportNotes)->Unit(benchmark::kMillisecond);

// Reading the file, naming the groups and adding every card to an empty document.
void BM_ImportTable(benchmark::State& state) {
    const auto library = MakeLibrary();
    CFlashcardSet original;
    testing::AddExchangeCards(original, kGroups, kCardsPerGroup, library.get());
    const std::string text =
        CWordGroupExporter::Export(original, original.GroupNames(), ExportFormat::kTable);
    const CWordGroupImporter importer(library.get());
    for (auto _ : state) {
        CFlashcardSet cards;
        CImportPlan plan = importer.Read(text, "file");
        plan.ProposeNames(cards, "");
        if (!plan.Apply(cards) || cards.GroupCount() != kGroups)
            state.SkipWithError("import failed");
        state.PauseTiming();
        cards.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
