#include "exchange/CImportPlan.h"

#include <gtest/gtest.h>

#include "exchange/CWordGroupImporter.h"
#include "platform/ShiftJis.h"

namespace brushly {
namespace {

// A plan of three groups read from a table: "Verbs" (2 cards), "動詞" (1) and "Empty" (0).
CImportPlan ThreeGroups() {
    return CWordGroupImporter(nullptr).Read(
        "kind\tjapanese\treading\tromaji\tmeaning\tgroup\n"
        "kana\tたべる\t\ttaberu\tto eat\tVerbs\n"
        "kana\tのむ\t\tnomu\tto drink\tVerbs\n"
        "compound\t食べる\t\ttaberu\tto eat\t動詞\n"
        "group\t\t\t\t\tEmpty\n",
        "file");
}

class ImportPlanTest : public ::testing::Test {
protected:
    ImportPlanTest() {
        cards.AddGroup("verbs");
        cards.AddGroup("Verbs_1");
        plan.ProposeNames(cards, "");
    }
    CFlashcardSet cards;
    CImportPlan plan = ThreeGroups();
};

TEST_F(ImportPlanTest, ClashingNamesAreOfferedTheFirstFreeName) {
    ASSERT_EQ(plan.groups.size(), 3u);
    EXPECT_EQ(plan.groups[0].sourceName, "Verbs");
    EXPECT_EQ(plan.groups[0].name, "Verbs_2");
    EXPECT_EQ(plan.groups[1].name, sjis::FromUtf8("動詞"));
    EXPECT_EQ(plan.groups[2].CardCount(), 0);
    EXPECT_EQ(plan.NameProblem(cards), "");
    plan.ProposeNames(cards, "N5 ");
    EXPECT_EQ(plan.groups[0].name, "N5 Verbs");
}

TEST_F(ImportPlanTest, NamesTheStudentChoosesAreChecked) {
    plan.groups[0].name = "VERBS";
    EXPECT_EQ(plan.NameProblem(cards),
              "A Word Group named \"VERBS\" already exists. Choose another name.");
    EXPECT_FALSE(plan.Apply(cards));
    EXPECT_EQ(cards.GroupCount(), 2u);  // nothing added

    plan.groups[0].name = "Empty";
    EXPECT_EQ(plan.NameProblem(cards),
              "Two Word Groups to import are named \"Empty\". Choose another name.");
    plan.groups[2].selected = false;  // an unselected group's name does not count
    EXPECT_EQ(plan.NameProblem(cards), "");
    plan.groups[1].name = "  ";
    EXPECT_EQ(plan.NameProblem(cards), "A Word Group to import has no name.");
}

TEST_F(ImportPlanTest, ApplyAddsTheSelectedGroupsAndTheirCardsOnly) {
    plan.groups[1].selected = false;
    EXPECT_EQ(plan.SelectedTotals().groups, 2);
    EXPECT_EQ(plan.SelectedTotals().cards, 2);
    ASSERT_TRUE(plan.Apply(cards));
    EXPECT_EQ(cards.GroupNames(),
              (std::vector<std::string>{"Empty", "verbs", "Verbs_1", "Verbs_2"}));
    const CWordGroup& verbs = *cards.FindGroup("Verbs_2");
    ASSERT_EQ(verbs.kanaWordCards.size(), 2u);
    EXPECT_EQ(verbs.kanaWordCards[1]->groupName, "Verbs_2");
    EXPECT_EQ(verbs.cardCount, 2);
    EXPECT_EQ(cards.FindGroup(sjis::FromUtf8("動詞")), nullptr);
    EXPECT_EQ(cards.CompoundCards().size(), 0u);
}

}  // namespace
}  // namespace brushly
