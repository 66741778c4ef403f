#include "app/wordgroup/CCardRows.h"

#include <gtest/gtest.h>

#include "TestCards.h"

namespace brushly {
namespace {

using testing::AddCompound;
using testing::AddCounter;
using testing::AddKanaWord;
using testing::AddKanji;

TEST(CardRowsTest, EachListShowsItsCardsInDisplayOrderWithTheLongOOfTheSetting) {
    CFlashcardSet cards;
    cards.AddGroup("Mixed");
    AddKanji(cards, "Mixed", "\x90\x48", {"SHOKU"}, {"ta(beru)", "ku(u)%"}, {"eat", "food"});
    AddCompound(cards, "Mixed", "\x8d\x82\x8d\x5a", "koukoo", "senior high school");
    AddKanaWord(cards, "Mixed", "\x83\x52\x81\x5b\x83\x68", "KO OdO", "cord").active = 0;
    AddCounter(cards, "Mixed", "\x96\x87", "mai", "flat things", {"ichimai", "nimai", "sanmai"});
    const CWordGroup& group = *cards.FindGroup("Mixed");

    const auto kanji = CCardRows::Rows(group, CardKind::kKanji, 0);
    ASSERT_EQ(kanji.size(), 1u);
    EXPECT_EQ(kanji[0].japanese, "\x90\x48");
    EXPECT_EQ(kanji[0].reading, "SHOKU, ta(beru), ku(u)");
    EXPECT_EQ(kanji[0].meaning, "eat; food");

    EXPECT_EQ(CCardRows::Rows(group, CardKind::kCompound, 0)[0].reading, "koukoo");
    EXPECT_EQ(CCardRows::Rows(group, CardKind::kCompound, 1)[0].reading, "koukou");
    const auto kana = CCardRows::Rows(group, CardKind::kKanaWord, 1);
    EXPECT_EQ(kana[0].reading, "KOUdO");
    EXPECT_FALSE(kana[0].active);
    const auto counters = CCardRows::Rows(group, CardKind::kCounter, 0);
    EXPECT_EQ(counters[0].reading, "ichimai, nimai, sanmai");
    EXPECT_EQ(counters[0].meaning, "flat things");
    EXPECT_TRUE(counters[0].active);
    AddCounter(cards, "Mixed", "\x82\xc2", "tsu", "things", {"hitotsu", "too"});
    EXPECT_EQ(CCardRows::Rows(group, CardKind::kCounter, 0)[1].reading, "hitotsu, too");
    EXPECT_EQ(CCardRows::Rows(group, CardKind::kCounter, 1)[1].reading, "hitotsu, tou");

    EXPECT_EQ(CCardRows::TotalText(group), "Total: 5 flashcards");
}

TEST(CardRowsTest, AKanjiCardWithoutReadingGroupsShowsOnlyItsCharacter) {
    CFlashcardSet cards;
    cards.AddGroup("Bare");
    auto card = std::make_unique<CKanjiCard>();
    card->groupName = "Bare";
    card->character = "\x88\xea";
    cards.AddCard(std::move(card));
    const auto rows = CCardRows::Rows(*cards.FindGroup("Bare"), CardKind::kKanji, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].reading, "");
    EXPECT_EQ(rows[0].meaning, "");
    EXPECT_TRUE(CCardRows::Rows(*cards.FindGroup("Bare"), CardKind::kCounter, 1).empty());
}

}  // namespace
}  // namespace brushly
