// The wizard's page computations: the index texts read as atoi reads them, the card and
// group counts of each source, the label and availability of compound rule 2 and the
// earlier kanji that rule admits.
#include "builder/BuilderSources.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "support/BuilderTestData.h"

namespace brushly {
namespace {

using testing::CTestKanji;
using testing::LevelOneKanji;

// Heisig 1, 2, 3, 5, 6 (no 4); grades 1, 1, 2, 8 (shown "7+"), 8; JLPT 4, 4, 3, 2, 1; the
// sixth kanji has no number, grade or level. The third stands in an earlier stroke group.
constexpr CTestKanji kKanji[] = {
    {.number = 0, .heisig = 1, .grade = 1, .jlpt = 4, .strokes = 3},
    {.number = 1, .heisig = 2, .grade = 1, .jlpt = 4, .strokes = 3},
    {.number = 2, .heisig = 3, .grade = 2, .jlpt = 3, .strokes = 2},
    {.number = 3, .heisig = 5, .grade = 8, .jlpt = 2, .strokes = 4},
    {.number = 4, .heisig = 6, .grade = 8, .jlpt = 1, .strokes = 4},
    {.number = 5, .strokes = 4},
};

CBuilderSettings Settings(int source, const char* first, const char* last = "10",
                          const char* perGroup = "20") {
    CBuilderSettings settings;
    settings.source = source;
    settings.firstIndex = first;
    settings.lastIndex = last;
    settings.cardsPerGroup = perGroup;
    return settings;
}

class BuilderSources : public ::testing::Test {
protected:
    CBuilderCounts Counts(const CBuilderSettings& settings) const {
        return Count(*m_library, settings);
    }

    std::unique_ptr<CKanjiLibrary> m_library = testing::MakeTestKanjiLibrary(kKanji);
};

TEST(BuilderTexts, NumbersAreReadAsAtoiReadsThem) {
    EXPECT_EQ(ReadNumber("20"), 20);
    EXPECT_EQ(ReadNumber("  12abc"), 12);
    EXPECT_EQ(ReadNumber("+7"), 7);
    EXPECT_EQ(ReadNumber("-3"), -3);
    EXPECT_EQ(ReadNumber("abc"), 0);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("-"), 0);
    EXPECT_EQ(ReadNumber("1 2"), 1);
    EXPECT_EQ(ReadNumber("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ReadNumber("-99999999999999999999"), INT_MIN);
}

TEST_F(BuilderSources, GradeSevenCountsAndIsStoredAsGradeEight) {
    EXPECT_EQ(Counts(Settings(kKeyGrade, "1")), (CBuilderCounts{2, 1}));
    EXPECT_EQ(Counts(Settings(kKeyGrade, "7", "10", "1")), (CBuilderCounts{2, 2}));
    EXPECT_EQ(Counts(Settings(kKeyGrade, "8", "10", "1")), (CBuilderCounts{2, 2}));
    // A reference book's number 7 is only itself.
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "7", "7")), (CBuilderCounts{0, 0}));

    CBuilderSettings settings = Settings(kKeyGrade, "7", "10", "1");
    UpdateCounts(*m_library, settings);
    EXPECT_EQ(settings.firstIndex, "8");
    EXPECT_EQ(settings.cardCount, 2);
    EXPECT_EQ(settings.groupCount, 2);
    settings = Settings(kKeyHeisig, "7", "10", "1");
    UpdateCounts(*m_library, settings);
    EXPECT_EQ(settings.firstIndex, "7");
}

TEST_F(BuilderSources, GradesAndLevelsBelowOneHoldNoKanji) {
    // The sixth kanji's grade and level are 0, which means none.
    EXPECT_EQ(Counts(Settings(kKeyGrade, "0")), (CBuilderCounts{0, 0}));
    EXPECT_EQ(Counts(Settings(kKeyGrade, "")), (CBuilderCounts{0, 0}));
    EXPECT_EQ(Counts(Settings(kKeyJlpt, "0")), (CBuilderCounts{0, 0}));
    EXPECT_EQ(Counts(Settings(kKeyJlpt, "4")), (CBuilderCounts{2, 1}));
    EXPECT_EQ(Counts(Settings(kKeyJlpt, "1")), (CBuilderCounts{1, 1}));
    EXPECT_EQ(Counts(Settings(kKeyJlpt, "5")), (CBuilderCounts{0, 0}));
}

TEST_F(BuilderSources, ReferenceRangesStartAtOneAndGroupsRoundUp) {
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "1", "3")), (CBuilderCounts{3, 1}));
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "0", "3")), (CBuilderCounts{3, 1}));
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "-5", "3")), (CBuilderCounts{3, 1}));
    // Numbers 2 to 6 hold 2, 3, 5 and 6.
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "2", "6", "2")), (CBuilderCounts{4, 2}));
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "2", "6", "3")), (CBuilderCounts{4, 2}));
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "2", "6", "4")), (CBuilderCounts{4, 1}));
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "2abc", "6 ", "1")), (CBuilderCounts{4, 4}));
    EXPECT_EQ(Counts(Settings(kKeyHeisig, "6", "2")), (CBuilderCounts{0, 0}));
    // No group count without a positive number of cards per group.
    for (const char* perGroup : {"0", "-1", "", "abc"})
        EXPECT_EQ(Counts(Settings(kKeyHeisig, "2", "6", perGroup)), (CBuilderCounts{4, 0}));
    // The other books have no numbers here.
    EXPECT_EQ(Counts(Settings(kKeyNelsonNew, "1", "10")), (CBuilderCounts{0, 0}));
}

TEST(BuilderLowerIndices, JlptLabelsNameTheEasierKyuu) {
    const CLowerIndicesChoice four = LowerIndicesChoice(Settings(kKeyJlpt, "4"));
    EXPECT_EQ(four, (CLowerIndicesChoice{kLowerIndicesLabel, false}));
    EXPECT_EQ(std::string(kLowerIndicesLabel),
              "kanji from that group, all previous Word Groups,\nand from any lower index numbers");
    EXPECT_EQ(LowerIndicesChoice(Settings(kKeyJlpt, "3")),
              (CLowerIndicesChoice{
                  "kanji from that group, all previous Word Groups,\nand from JLPT kyuu 4", true}));
    EXPECT_EQ(
        LowerIndicesChoice(Settings(kKeyJlpt, "1")),
        (CLowerIndicesChoice{
            "kanji from that group, all previous Word Groups,\nand from JLPT kyuu 2 to 4", true}));
}

TEST(BuilderLowerIndices, OtherSourcesNameTheNumbersBeforeTheFirst) {
    for (const char* first : {"1", "0", "-2"}) {
        EXPECT_EQ(LowerIndicesChoice(Settings(kKeyHeisig, first)),
                  (CLowerIndicesChoice{kLowerIndicesLabel, false}));
    }
    EXPECT_EQ(
        LowerIndicesChoice(Settings(kKeyHeisig, "2")),
        (CLowerIndicesChoice{
            "kanji from that group, all previous Word Groups,\nand for Heisig number 1", true}));
    EXPECT_EQ(
        LowerIndicesChoice(Settings(kKeyHeisig, "10")),
        (CLowerIndicesChoice{
            "kanji from that group, all previous Word Groups,\nand from Heisig numbers 1 to 9",
            true}));
    EXPECT_EQ(LowerIndicesChoice(Settings(kKeyHalpernKld, "2")),
              (CLowerIndicesChoice{"kanji from that group, all previous Word Groups,\nand for "
                                   "Halpern (KLD) number 1",
                                   true}));
    EXPECT_EQ(LowerIndicesChoice(Settings(kKeyONeill, "3")),
              (CLowerIndicesChoice{"kanji from that group, all previous Word Groups,\nand from "
                                   "O'Neill numbers 1 to 2",
                                   true}));
    EXPECT_EQ(
        LowerIndicesChoice(Settings(kKeyGrade, "2")),
        (CLowerIndicesChoice{
            "kanji from that group, all previous Word Groups,\nand for Grade level 1", true}));
    // Grade 7 is grade 8, so the grades before it run to 7.
    EXPECT_EQ(LowerIndicesChoice(Settings(kKeyGrade, "7")),
              (CLowerIndicesChoice{
                  "kanji from that group, all previous Word Groups,\nand from Grade levels 1 to 7",
                  true}));
}

TEST_F(BuilderSources, EarlierKanjiComeBeforeTheFirstGroupInDatabaseOrder) {
    using Kanji = std::vector<std::string>;
    // Stroke group 2 is visited before group 3.
    const Kanji firstThree = {LevelOneKanji(2), LevelOneKanji(0), LevelOneKanji(1)};
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyHeisig, "5")), firstThree);
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyHeisig, "3")),
              (Kanji{LevelOneKanji(0), LevelOneKanji(1)}));
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyGrade, "7")), firstThree);
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyGrade, "2")),
              (Kanji{LevelOneKanji(0), LevelOneKanji(1)}));
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyJlpt, "2")), firstThree);
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyJlpt, "3")),
              (Kanji{LevelOneKanji(0), LevelOneKanji(1)}));
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyJlpt, "4")), Kanji());
    EXPECT_EQ(EarlierKanji(*m_library, Settings(kKeyHeisig, "1")), Kanji());
}

}  // namespace
}  // namespace brushly
