#include "app/CWordGroupRows.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

namespace brushly {
namespace {

template <class Card>
Card& Add(CFlashcardSet& set, const std::string& group, int right = 0, int wrong = 0) {
    auto card = std::make_unique<Card>();
    card->groupName = group;
    card->rightCount = right;
    card->wrongCount = wrong;
    return set.AddCard(std::move(card));
}

TEST(WordGroupRowsTest, ColumnsHaveTheirHeadingsAndWidths) {
    const auto& columns = CWordGroupRows::kColumns;
    EXPECT_STREQ(columns[0].heading, "Word Group Name");
    EXPECT_EQ(columns[0].width, 200);
    EXPECT_STREQ(columns[3].heading, "Compounds");
    EXPECT_EQ(columns[3].width, 90);
    EXPECT_STREQ(columns[9].heading, "TOT.");
    EXPECT_EQ(columns[9].width, 55);
    EXPECT_STREQ(columns[10].heading, "");
    EXPECT_EQ(columns[10].width, 40);
}

TEST(WordGroupRowsTest, RowCountsCardsAndShowsTruncatedPercentages) {
    CFlashcardSet set;
    set.AddGroup("G");
    Add<CKanjiCard>(set, "G", 1, 2);
    Add<CKanjiCard>(set, "G", 1, 0);
    Add<CKanjiCompound>(set, "G");
    Add<CKanaWord>(set, "G", 3, 1);
    const CWordGroupRow row = CWordGroupRows::Row(*set.FindGroup("G"));
    EXPECT_EQ(row.name, "G");
    const std::array<std::string, 11> expected = {"G",  "2", "50", "1", "--", "1",
                                                  "75", "0", "--", "4", "62"};
    EXPECT_EQ(row.columns, expected);
}

TEST(WordGroupRowsTest, TotalCountsTheFormsOfCounterCards) {
    CFlashcardSet set;
    set.AddGroup("G");
    Add<CKanjiCard>(set, "G");
    CCounterCard& counter = Add<CCounterCard>(set, "G", 0, 1);
    counter.formNumbers = {"1", "2", "3"};
    counter.formRomaji = {"ichimai", "nimai", "sanmai"};
    const CWordGroupRow row = CWordGroupRows::Row(*set.FindGroup("G"));
    EXPECT_EQ(row.columns[7], "1");
    EXPECT_EQ(row.columns[8], "0");
    EXPECT_EQ(row.columns[9], "4");
    EXPECT_EQ(row.columns[10], "0");
}

TEST(WordGroupRowsTest, IconIndexFollowsTheNonEmptyLists) {
    struct CCase {
        bool kanji, compound, kanaWord, counter;
        int icon;
    };
    const CCase cases[] = {
        {false, false, false, false, 0}, {true, false, false, false, 1},
        {false, true, false, false, 2},  {false, false, true, false, 3},
        {false, false, false, true, 4},  {true, true, false, false, 5},
        {true, false, true, false, 6},   {true, false, false, true, 7},
        {false, true, true, false, 8},   {false, true, false, true, 9},
        {false, false, true, true, 10},  {true, true, true, false, 11},
        {true, true, false, true, 12},   {true, false, true, true, 13},
        {false, true, true, true, 14},   {true, true, true, true, 15},
    };
    for (const CCase& c : cases) {
        CFlashcardSet set;
        set.AddGroup("G");
        if (c.kanji) Add<CKanjiCard>(set, "G");
        if (c.compound) Add<CKanjiCompound>(set, "G");
        if (c.kanaWord) Add<CKanaWord>(set, "G");
        if (c.counter) Add<CCounterCard>(set, "G");
        EXPECT_EQ(CWordGroupRows::IconIndex(*set.FindGroup("G")), c.icon);
        EXPECT_EQ(CWordGroupRows::Row(*set.FindGroup("G")).iconIndex, c.icon);
    }
}

TEST(WordGroupRowsTest, RowsFollowTheNameOrder) {
    CFlashcardSet set;
    set.AddGroup("b");
    set.AddGroup("A");
    const auto rows = CWordGroupRows::Rows(set);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].name, "A");
    EXPECT_EQ(rows[1].name, "b");
}

TEST(WordGroupRowsTest, KanaRecognitionSumsTheSyllabary) {
    CKanaStatsArray stats;
    EXPECT_EQ(CWordGroupRows::KanaRecognition(stats), "-- % (0 / 0)");
    for (const auto& [right, wrong] : {std::pair{2, 1}, std::pair{1, 0}}) {
        auto record = std::make_unique<CKanaStats>();
        record->rightCount = right;
        record->wrongCount = wrong;
        stats.push_back(std::move(record));
    }
    EXPECT_EQ(CWordGroupRows::KanaRecognition(stats), "75 %  (3 / 4)");
}

}  // namespace
}  // namespace brushly
