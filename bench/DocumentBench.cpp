// Saving and opening a document of 20,000 cards in 200 Word Groups, through the disk file
// as the program does.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"

namespace brushly {
namespace {

constexpr int kGroups = 200;
// Cards of each group by kind: 40 kanji, 30 compounds, 20 kana words, 10 counters.
constexpr int kKanjiPerGroup = 40;
constexpr int kCompoundsPerGroup = 30;
constexpr int kKanaWordsPerGroup = 20;
constexpr int kCountersPerGroup = 10;
constexpr int kCards =
    kGroups * (kKanjiPerGroup + kCompoundsPerGroup + kKanaWordsPerGroup + kCountersPerGroup);
constexpr int kKanaPerScript = 104;

void AddGroupCards(CFlashcardSet& cards, const std::string& group) {
    for (int i = 0; i < kKanjiPerGroup; ++i) {
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = group;
        card->character = "\x8b\x8d";
        card->comments = "a comment";
        card->readings.push_back(std::make_unique<CKanjiReading>());
        card->readings.back()->onReadings = {"GYUU"};
        card->readings.back()->kunReadings = {"ushi"};
        card->readings.back()->meanings = {"cow", "ox"};
        card->rightCount = i;
        card->dbGroup = 4;
        card->dbIndex = i;
        cards.AddCard(std::move(card));
    }
    for (int i = 0; i < kCompoundsPerGroup; ++i) {
        auto card = std::make_unique<CKanjiCompound>();
        card->groupName = group;
        card->headword = "\x8e\x71\x8b\x8d";
        card->meaning = "(n) calf/(P)/";
        card->romaji = "koushi";
        card->wrongCount = i;
        cards.AddCard(std::move(card));
    }
    for (int i = 0; i < kKanaWordsPerGroup; ++i) {
        auto card = std::make_unique<CKanaWord>();
        card->groupName = group;
        card->kana = "\x82\xa2\x82\xca";
        card->meaning = "dog";
        card->romaji = "inu";
        cards.AddCard(std::move(card));
    }
    for (int i = 0; i < kCountersPerGroup; ++i) {
        auto card = std::make_unique<CCounterCard>();
        card->groupName = group;
        card->character = "\x93\xaa";
        card->meaning = "large animals";
        card->romaji = "tou";
        card->formRomaji = {"ittou", "nitou", "santou"};
        card->formNumbers = {"1", "2", "3"};
        cards.AddCard(std::move(card));
    }
}

void FillDocument(CBrushly2Doc& document) {
    for (int group = 0; group < kGroups; ++group) {
        const std::string name = "Group " + std::to_string(group);
        document.Cards().AddGroup(name);
        AddGroupCards(document.Cards(), name);
    }
    for (CKanaStatsArray* stats : {&document.HiraganaStats(), &document.KatakanaStats()}) {
        for (int i = 0; i < kKanaPerScript; ++i) {
            stats->push_back(std::make_unique<CKanaStats>());
            stats->back()->kana = "\x82\xa0";
            stats->back()->romaji = "a";
        }
    }
}

std::string BenchPath() {
    return (std::filesystem::temp_directory_path() /
            ("brushly-document-bench-" + std::to_string(getpid()) + ".bly"))
        .string();
}

void BM_SaveDocument(benchmark::State& state) {
    const CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document(settings, prompter, 1);
    FillDocument(document);
    const std::string path = BenchPath();
    for (auto _ : state) {
        if (!document.SaveAs(path)) state.SkipWithError("the document was not saved");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetItemsProcessed(state.iterations() * kCards);
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

void BM_OpenDocument(benchmark::State& state) {
    const CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    const std::string path = BenchPath();
    {
        CBrushly2Doc source(settings, prompter, 1);
        FillDocument(source);
        if (!source.SaveAs(path)) state.SkipWithError("the document was not saved");
    }
    CBrushly2Doc document(settings, prompter, 1);
    for (auto _ : state) {
        if (!document.Open(path)) state.SkipWithError("the document was not opened");
    }
    if (document.Cards().GroupCount() != kGroups || !prompter.Texts().empty()) {
        state.SkipWithError("the document did not open as it was saved");
    }
    state.SetItemsProcessed(state.iterations() * kCards);
    std::filesystem::remove(path);
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
