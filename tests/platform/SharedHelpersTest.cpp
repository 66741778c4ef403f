// The random numbers and percentages that every drill shares.
#include <gtest/gtest.h>

#include <set>

#include "platform/CRandom.h"
#include "platform/CScriptedPrompter.h"
#include "platform/FormatPercent.h"

namespace brushly {
namespace {

TEST(Random, FollowsTheClassicCLibrarySequence) {
    CScriptedPrompter prompter;
    CRandom random(prompter, 1);
    std::vector<int> values;
    for (int i = 0; i < 8; ++i)
        values.push_back(random.Rand());
    EXPECT_EQ(values, (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358}));
}

TEST(Random, PickRandomCoversOneToNUniformly) {
    CScriptedPrompter prompter;
    CRandom random(prompter, CRandom::ClockSeed());
    random.Discard(1000);
    std::vector<int> counts(7, 0);
    for (int i = 0; i < 70000; ++i) {
        const int pick = random.PickRandom(6);
        ASSERT_GE(pick, 1);
        ASSERT_LE(pick, 6);
        ++counts[pick];
    }
    for (int value = 1; value <= 6; ++value)
        EXPECT_NEAR(counts[value], 70000 / 6, 700);
    EXPECT_EQ(random.PickRandom(1), 1);
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST(Random, PickRandomOfZeroOrLessWarnsAndGivesOne) {
    CScriptedPrompter prompter;
    CRandom random(prompter, 7);
    EXPECT_EQ(random.PickRandom(0), 1);
    EXPECT_EQ(random.PickRandom(-5), 1);
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{"random number chosen with 0 or negative number",
                                        "random number chosen with 0 or negative number"}));
}

TEST(FormatPercent, ShortAndLongForms) {
    EXPECT_EQ(FormatPercent(3, 1, true), "75");
    EXPECT_EQ(FormatPercent(3, 1, false), "75 %  (3 / 4)");
    EXPECT_EQ(FormatPercent(1, 2, true), "33");
    EXPECT_EQ(FormatPercent(0, 5, false), "0 %  (0 / 5)");
    EXPECT_EQ(FormatPercent(0, 0, true), "--");
    EXPECT_EQ(FormatPercent(0, 0, false), "-- % (0 / 0)");
    EXPECT_EQ(FormatPercent(2000000000, 2000000000, true), "50");  // no overflow
}

}  // namespace
}  // namespace brushly
