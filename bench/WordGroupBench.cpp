#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/wordgroup/CCardRows.h"
#include "app/wordgroup/CFlashcardFinder.h"
#include "document/CFlashcardSet.h"

namespace brushly {
namespace {

// A document of `groups` Word Groups of `perGroup` cards each, the four kinds in turn; the
// kanji cards have two reading groups, as imported readings usually do.
std::unique_ptr<CFlashcardSet> MakeCards(int groups, int perGroup) {
    auto cards = std::make_unique<CFlashcardSet>();
    for (int g = 0; g < groups; ++g) {
        const std::string name = "Group " + std::to_string(g);
        cards->AddGroup(name);
        for (int i = 0; i < perGroup; ++i) {
            const std::string n = std::to_string(i);
            switch (i % 4) {
                case 0: {
                    auto card = std::make_unique<CKanjiCard>();
                    card->groupName = name;
                    card->character = "\x90\x48";
                    for (int r = 0; r < 2; ++r) {
                        auto reading = std::make_unique<CKanjiReading>();
                        reading->onReadings = {"SHOKU", "JIKI"};
                        reading->kunReadings = {"ta(beru)", "ku(u)%", "ku(rau)"};
                        reading->meanings = {"eat", "food " + n};
                        card->readings.push_back(std::move(reading));
                    }
                    cards->AddCard(std::move(card));
                    break;
                }
                case 1: {
                    auto card = std::make_unique<CKanjiCompound>();
                    card->groupName = name;
                    card->headword = "\x90\x48\x8e\x96";
                    card->romaji = "shokuji";
                    card->meaning = "meal " + n;
                    cards->AddCard(std::move(card));
                    break;
                }
                case 2: {
                    auto card = std::make_unique<CKanaWord>();
                    card->groupName = name;
                    card->kana = "\x82\xa8\x82\xa8\x82\xab\x82\xa2";
                    card->romaji = "o'okii";
                    card->meaning = "big " + n;
                    cards->AddCard(std::move(card));
                    break;
                }
                default: {
                    auto card = std::make_unique<CCounterCard>();
                    card->groupName = name;
                    card->character = "\x96\x87";
                    card->romaji = "mai";
                    card->meaning = "flat things " + n;
                    card->formRomaji = {"ichimai", "nimai", "sanmai"};
                    card->formNumbers = {"1", "2", "3"};
                    cards->AddCard(std::move(card));
                    break;
                }
            }
        }
    }
    return cards;
}

// Find Flashcard over 20,000 cards (100 groups of 200), reading and meaning with OR: every
// card compared; state.range(0) 1 takes a reading that every kanji card has (10,000 matching
// reading groups, each shown), 0 one that no card has.
void BM_FindFlashcard20000Cards(benchmark::State& state) {
    const auto cards = MakeCards(100, 200);
    CFindQuery query;
    query.reading = state.range(0) == 1 ? "kuu" : "tabemono";
    query.meaning = "meal 7";
    std::size_t found = 0;
    for (auto _ : state) {
        const auto matches = CFlashcardFinder::Search(*cards, query, 1);
        found = matches.size();
        benchmark::DoNotOptimize(matches.data());
    }
    state.counters["matches"] = static_cast<double>(found);
}
BENCHMARK(BM_FindFlashcard20000Cards)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The row texts of the word group view's four lists for a group of 500 cards.
void BM_WordGroupRows500Cards(benchmark::State& state) {
    const auto cards = MakeCards(1, 500);
    const CWordGroup& group = *cards->FindGroup("Group 0");
    for (auto _ : state) {
        for (const CardKind kind :
             {CardKind::kKanji, CardKind::kCompound, CardKind::kKanaWord, CardKind::kCounter}) {
            const auto rows = CCardRows::Rows(group, kind, 1);
            benchmark::DoNotOptimize(rows.data());
        }
        benchmark::DoNotOptimize(CCardRows::TotalText(group));
    }
}
BENCHMARK(BM_WordGroupRows500Cards)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
