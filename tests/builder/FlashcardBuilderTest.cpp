// The wizard's generation: the kanji cards of each source and the Word Groups' names, their
// clashes, and the compounds each new group receives under the three rules and the options.
#include "builder/CFlashcardBuilder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/BuilderSources.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/BuilderTestData.h"
#include "support/CScriptedCancellation.h"

namespace brushly {
namespace {

using testing::CTestKanji;
using testing::CTestWord;
using testing::LevelOneKanji;
using Names = std::vector<std::string>;
using Groups = std::vector<CBuiltGroup>;

std::string K(int n) {
    return LevelOneKanji(n);
}

// Kanji 0 to count - 1 with Heisig numbers 1 to count, dealt over the 24 stroke groups.
std::vector<CTestKanji> HeisigKanji(int count) {
    std::vector<CTestKanji> kanji;
    for (int n = 0; n < count; ++n)
        kanji.push_back({.number = n, .heisig = n + 1, .strokes = 1 + n % 24});
    return kanji;
}

CBuilderSettings Heisig(const char* first, const char* last, const char* perGroup,
                        int numbering = CBuilderSettings::kNumbered) {
    CBuilderSettings settings;
    settings.source = kKeyHeisig;
    settings.numbering = numbering;
    settings.firstIndex = first;
    settings.lastIndex = last;
    settings.cardsPerGroup = perGroup;
    settings.rootName = "Heisig";
    settings.addCompounds = false;
    return settings;
}

std::vector<std::string> Characters(const CWordGroup& group) {
    return testing::Texts(group.kanjiCards, &CKanjiCard::character);
}

std::vector<std::string> KanjiRange(int first, int count) {
    std::vector<std::string> characters;
    for (int n = first; n < first + count; ++n)
        characters.push_back(K(n));
    return characters;
}

std::vector<std::string> Headwords(const CWordGroup& group) {
    return testing::Texts(group.compoundCards, &CKanjiCompound::headword);
}

class FlashcardBuilder : public ::testing::Test {
protected:
    Groups Build(const CKanjiLibrary& library, const CBuilderSettings& settings,
                 const CCompoundLibrary* compounds = nullptr) {
        return *CFlashcardBuilder(library, compounds).Build(m_document, settings, {});
    }

    const CWordGroup& Group(const std::string& name) const {
        const CWordGroup* group = m_document.Cards().FindGroup(name);
        if (!group) throw std::runtime_error("no group " + name);
        return *group;
    }

    CMemorySettingsStore m_store;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document{m_store, m_prompter, 1u};
};

TEST_F(FlashcardBuilder, IndexNumbersNameEachGroupByItsFirstAndLastNumber) {
    const auto library = testing::MakeTestKanjiLibrary(HeisigKanji(220));
    const Groups built =
        Build(*library, Heisig("101", "200", "50", CBuilderSettings::kIndexNumbers));
    EXPECT_EQ(built, (Groups{{"Heisig #0101 - #0150", 50, 0}, {"Heisig #0151 - #0200", 50, 0}}));
    EXPECT_EQ(m_document.Cards().GroupNames(),
              (Names{"Heisig #0101 - #0150", "Heisig #0151 - #0200"}));
    EXPECT_EQ(Characters(Group("Heisig #0101 - #0150")), KanjiRange(100, 50));
    EXPECT_EQ(Characters(Group("Heisig #0151 - #0200")), KanjiRange(150, 50));
    EXPECT_EQ(m_document.Cards().KanjiCards().size(), 100u);
    EXPECT_TRUE(m_document.IsModified());

    // Each card is linked to its record and copies its readings.
    const CKanjiCard& first = *Group("Heisig #0101 - #0150").kanjiCards.front();
    EXPECT_EQ(first.groupName, "Heisig #0101 - #0150");
    EXPECT_EQ(first.dbGroup, 5);  // after kanji 4, 28, 52 and 76
    EXPECT_EQ(first.dbIndex, 4);
    ASSERT_EQ(first.readings.size(), 1u);
    EXPECT_EQ(first.readings[0]->onReadings, (Names{"K100"}));
    EXPECT_EQ(first.readings[0]->meanings, (Names{"kanji 100"}));
}

TEST_F(FlashcardBuilder, NumberedGroupsArePaddedToTheDigitsOfTheGroupCount) {
    const auto library = testing::MakeTestKanjiLibrary(HeisigKanji(60));
    const Groups twelve = Build(*library, Heisig("1", "60", "5"));
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_EQ(twelve.front(), (CBuiltGroup{"Heisig #01", 5, 0}));
    EXPECT_EQ(twelve[8].name, "Heisig #09");
    EXPECT_EQ(twelve.back(), (CBuiltGroup{"Heisig #12", 5, 0}));
    EXPECT_EQ(Characters(Group("Heisig #12")), KanjiRange(55, 5));

    // Nine groups take one digit; the last holds what is left.
    CBuilderSettings nine = Heisig("1", "60", "7");
    nine.rootName = "Nine";
    const Groups built = Build(*library, nine);
    ASSERT_EQ(built.size(), 9u);
    EXPECT_EQ(built.front().name, "Nine #1");
    EXPECT_EQ(built.back(), (CBuiltGroup{"Nine #9", 4, 0}));
}

TEST_F(FlashcardBuilder, NumbersWithoutAKanjiAreSkipped) {
    std::vector<CTestKanji> kanji;
    for (const int heisig : {1, 2, 4, 7, 8, 12})
        kanji.push_back({.number = heisig, .heisig = heisig});
    const auto library = testing::MakeTestKanjiLibrary(kanji);
    EXPECT_EQ(Build(*library, Heisig("0", "10", "2", CBuilderSettings::kIndexNumbers)),
              (Groups{{"Heisig #0001 - #0002", 2, 0},
                      {"Heisig #0004 - #0007", 2, 0},
                      {"Heisig #0008 - #0008", 1, 0}}));
    EXPECT_EQ(Characters(Group("Heisig #0004 - #0007")), (Names{K(4), K(7)}));

    CBuilderSettings numbered = Heisig("3", "100", "2");
    numbered.rootName = "H";
    EXPECT_EQ(Build(*library, numbered), (Groups{{"H #1", 2, 0}, {"H #2", 2, 0}}));
    EXPECT_EQ(Characters(Group("H #2")), (Names{K(8), K(12)}));
}

TEST_F(FlashcardBuilder, GradesAndLevelsDealOutTheirKanjiInDatabaseOrder) {
    // Grade-8 kanji in stroke groups 3, 1, 3, 2: visited 1, 2, 3, 3.
    const CTestKanji kanji[] = {
        {.number = 0, .grade = 8, .jlpt = 3, .strokes = 3},
        {.number = 1, .grade = 8, .jlpt = 3, .strokes = 1},
        {.number = 2, .grade = 1, .jlpt = 4, .strokes = 1},
        {.number = 3, .grade = 8, .jlpt = 3, .strokes = 3},
        {.number = 4, .grade = 8, .strokes = 2},
    };
    const auto library = testing::MakeTestKanjiLibrary(kanji);
    CBuilderSettings grade;
    grade.source = kKeyGrade;
    grade.rootName = "Grade";
    grade.firstIndex = "7";
    grade.cardsPerGroup = "3";
    grade.addCompounds = false;
    UpdateCounts(*library, grade);
    EXPECT_EQ(Build(*library, grade),
              (Groups{{"Grade Level 8 #1", 3, 0}, {"Grade Level 8 #2", 1, 0}}));
    EXPECT_EQ(Characters(Group("Grade Level 8 #1")), (Names{K(1), K(4), K(0)}));
    EXPECT_EQ(Characters(Group("Grade Level 8 #2")), (Names{K(3)}));

    CBuilderSettings jlpt = grade;
    jlpt.source = kKeyJlpt;
    jlpt.rootName = "JLPT Kyuu";
    jlpt.firstIndex = "3";
    jlpt.cardsPerGroup = "20";
    EXPECT_EQ(Build(*library, jlpt), (Groups{{"JLPT Kyuu 3 #1", 3, 0}}));
    EXPECT_EQ(Characters(Group("JLPT Kyuu 3 #1")), (Names{K(1), K(0), K(3)}));
}

TEST_F(FlashcardBuilder, ANameInUseTakesTheFirstFreeRootSuffix) {
    const auto library = testing::MakeTestKanjiLibrary(HeisigKanji(4));
    ASSERT_TRUE(m_document.Cards().AddGroup("Heisig #1"));
    ASSERT_TRUE(m_document.Cards().AddGroup("heisig_1 #1"));  // a clash in any letter case
    EXPECT_EQ(Build(*library, Heisig("1", "4", "2")),
              (Groups{{"Heisig_2 #1", 2, 0}, {"Heisig #2", 2, 0}}));
    EXPECT_EQ(Group("heisig_1 #1").cardCount, 0);
    EXPECT_EQ(Build(*library, Heisig("1", "2", "2")), (Groups{{"Heisig_3 #1", 2, 0}}));

    const Groups index = Build(*library, Heisig("1", "4", "4", CBuilderSettings::kIndexNumbers));
    EXPECT_EQ(index, (Groups{{"Heisig #0001 - #0004", 4, 0}}));
    EXPECT_EQ(Build(*library, Heisig("1", "4", "4", CBuilderSettings::kIndexNumbers)),
              (Groups{{"Heisig_1 #0001 - #0004", 4, 0}}));
}

TEST_F(FlashcardBuilder, NoCardsPerGroupOrNoKanjiMakeNothing) {
    const auto library = testing::MakeTestKanjiLibrary(HeisigKanji(4));
    EXPECT_EQ(Build(*library, Heisig("1", "4", "0")), Groups());
    EXPECT_EQ(Build(*library, Heisig("5", "9", "2")), Groups());
    EXPECT_TRUE(m_document.Cards().GroupNames().empty());
    EXPECT_FALSE(m_document.IsModified());
}

// Kanji 0 to 5, Heisig 1 to 6, two to a group from the first index on.
class FlashcardBuilderCompounds : public FlashcardBuilder {
protected:
    Groups BuildWith(const std::vector<CTestWord>& words, CBuilderSettings settings,
                     std::vector<int>* progress = nullptr) {
        return *BuildOrStop(words, settings, nullptr, progress);
    }
    std::optional<Groups> BuildOrStop(const std::vector<CTestWord>& words,
                                      CBuilderSettings settings, CCancellation* cancel,
                                      std::vector<int>* progress = nullptr) {
        const auto compounds = testing::MakeTestCompoundLibrary("EDICT test", words);
        settings.addCompounds = true;
        return CFlashcardBuilder(*m_library, compounds.get())
            .Build(
                m_document, settings,
                [progress](int position) {
                    if (progress) progress->push_back(position);
                },
                cancel);
    }

    static CTestWord Common(const std::string& headword, const std::string& romaji) {
        return {headword, romaji, "(n) " + romaji + "/(P)"};
    }

    const std::unique_ptr<CKanjiLibrary> m_library = testing::MakeTestKanjiLibrary(HeisigKanji(6));
    const std::string m_no = sjis::FromUtf8("の");
    const std::string m_ka = sjis::FromUtf8("カ");
};

TEST_F(FlashcardBuilderCompounds, RuleOneDropsACompoundSplitOverTwoGroups) {
    const std::vector<CTestWord> words = {Common(K(0) + K(1), "ab"), Common(K(0) + K(2), "ac"),
                                          Common(K(3) + K(0), "da"), Common(K(2) + K(3), "cd")};
    // Rule 0: a split compound goes to the later group, whatever the order of its kanji.
    // The library lists them by the first letter of their romaji, a before c before d.
    EXPECT_EQ(BuildWith(words, Heisig("1", "4", "2")),
              (Groups{{"Heisig #1", 2, 1}, {"Heisig #2", 2, 3}}));
    EXPECT_EQ(Headwords(Group("Heisig #1")), (Names{K(0) + K(1)}));
    EXPECT_EQ(Headwords(Group("Heisig #2")), (Names{K(0) + K(2), K(2) + K(3), K(3) + K(0)}));

    CBuilderSettings sameGroup = Heisig("1", "4", "2");
    sameGroup.rootName = "Same";
    sameGroup.compoundRule = CBuilderSettings::kRuleSameGroup;
    EXPECT_EQ(BuildWith(words, sameGroup), (Groups{{"Same #1", 2, 1}, {"Same #2", 2, 1}}));
    EXPECT_EQ(Headwords(Group("Same #2")), (Names{K(2) + K(3)}));

    // A card holds the entry's text, reading and meaning as stored, and its group.
    const CKanjiCompound& card = *Group("Same #1").compoundCards.front();
    EXPECT_EQ(card.romaji, "ab");
    EXPECT_EQ(card.meaning, "(n) ab/(P)");
    EXPECT_EQ(card.groupName, "Same #1");
    EXPECT_EQ(m_document.Cards().CompoundCards().size(), 6u);
}

TEST_F(FlashcardBuilderCompounds, KanaOnlyWithIncludeKanaAndNeverAlone) {
    const std::vector<CTestWord> words = {Common(K(0) + m_no, "ano"), Common(m_ka + K(1), "kab"),
                                          Common(m_no + m_no, "nono")};
    EXPECT_EQ(BuildWith(words, Heisig("1", "2", "2")), (Groups{{"Heisig #1", 2, 0}}));
    CBuilderSettings withKana = Heisig("1", "2", "2");
    withKana.rootName = "Kana";
    withKana.includeKana = true;
    EXPECT_EQ(BuildWith(words, withKana), (Groups{{"Kana #1", 2, 2}}));
    EXPECT_EQ(Headwords(Group("Kana #1")), (Names{m_ka + K(1), K(0) + m_no}));  // k before a
}

TEST_F(FlashcardBuilderCompounds, CommonOnlyWantsTheCommonMarkAndOddTextsAreSkipped) {
    const std::vector<CTestWord> words = {
        {K(0) + K(1), "ab", "(n) ab"},
        {K(1) + K(0), "ba", "(P) ba"},  // the mark without its slash does not count
        {K(0) + "x" + K(1), "axb", "(n) axb/(P)"},
        Common(K(1), "b"),
    };
    EXPECT_EQ(BuildWith(words, Heisig("1", "2", "2")), (Groups{{"Heisig #1", 2, 1}}));
    EXPECT_EQ(Headwords(Group("Heisig #1")), (Names{K(1)}));
    CBuilderSettings all = Heisig("1", "2", "2");
    all.rootName = "All";
    all.commonOnly = false;
    EXPECT_EQ(BuildWith(words, all), (Groups{{"All #1", 2, 3}}));
    EXPECT_EQ(Headwords(Group("All #1")), (Names{K(0) + K(1), K(1) + K(0), K(1)}));
}

TEST_F(FlashcardBuilderCompounds, RuleTwoAlsoAdmitsTheKanjiBeforeTheFirstIndex) {
    const std::vector<CTestWord> words = {Common(K(0) + K(2), "ac"), Common(K(1) + K(4), "be"),
                                          Common(K(0) + K(1), "ab"), Common(K(5) + K(2), "fc")};
    CBuilderSettings lower = Heisig("3", "6", "2");
    lower.compoundRule = CBuilderSettings::kRuleLowerIndices;
    // Kanji 0 and 1 (Heisig 1 and 2) may join kanji of a group, but make no group's alone.
    EXPECT_EQ(BuildWith(words, lower), (Groups{{"Heisig #1", 2, 1}, {"Heisig #2", 2, 2}}));
    EXPECT_EQ(Headwords(Group("Heisig #1")), (Names{K(0) + K(2)}));
    EXPECT_EQ(Headwords(Group("Heisig #2")), (Names{K(5) + K(2), K(1) + K(4)}));  // f before b

    CBuilderSettings earlierGroups = Heisig("3", "6", "2");
    earlierGroups.rootName = "Rule 0";
    EXPECT_EQ(BuildWith(words, earlierGroups), (Groups{{"Rule 0 #1", 2, 0}, {"Rule 0 #2", 2, 1}}));
}

TEST_F(FlashcardBuilderCompounds, ProgressRunsOverEveryCompoundThenOverTheGroups) {
    std::vector<CTestWord> words;
    for (int n = 0; n < 8; ++n)
        words.push_back(Common(K(n % 4) + K(3 - n % 4), "w" + std::to_string(n)));
    std::vector<int> progress;
    BuildWith(words, Heisig("1", "6", "2"), &progress);
    EXPECT_EQ(progress, (std::vector<int>{1250, 2500, 3750, 5000, 6250, 7500, 8750, 10000, 3333,
                                          6666, 10000}));
}

// A Cancel anywhere before the groups are made: during the choice of compounds (once per
// step of the bar: 8 questions for 8 compounds) or at the last look before the first group.
TEST_F(FlashcardBuilderCompounds, CancelLeavesTheDocumentAsItWas) {
    std::vector<CTestWord> words;
    for (int n = 0; n < 8; ++n)
        words.push_back(Common(K(n % 4) + K(3 - n % 4), "w" + std::to_string(n)));
    const Groups first = BuildWith(words, Heisig("1", "4", "2"));
    ASSERT_EQ(first, (Groups{{"Heisig #1", 2, 0}, {"Heisig #2", 2, 8}}));
    m_document.SetModified(false);

    for (const int stopAt : {1, 5, 8, 9}) {
        SCOPED_TRACE(stopAt);
        testing::CScriptedCancellation cancel(stopAt);
        EXPECT_EQ(BuildOrStop(words, Heisig("1", "4", "2"), &cancel), std::nullopt);
        EXPECT_EQ(cancel.questions, stopAt);
        EXPECT_TRUE(cancel.allowances.empty());
        EXPECT_EQ(m_document.Cards().GroupNames(), (Names{"Heisig #1", "Heisig #2"}));
        EXPECT_EQ(m_document.Cards().KanjiCards().size(), 4u);
        EXPECT_EQ(m_document.Cards().CompoundCards().size(), 8u);
        EXPECT_FALSE(m_document.IsModified());
    }
    testing::CScriptedCancellation never(0);
    EXPECT_EQ(BuildOrStop(words, Heisig("1", "4", "2"), &never),
              (Groups{{"Heisig_1 #1", 2, 0}, {"Heisig_1 #2", 2, 8}}));
    EXPECT_EQ(never.allowances, std::vector<bool>{false});
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(FlashcardBuilder, KanjiOnlyBuildStopsAtItsOneLookBeforeTheFirstGroup) {
    const auto library = testing::MakeTestKanjiLibrary(HeisigKanji(6));
    testing::CScriptedCancellation cancel(1);
    EXPECT_EQ(
        CFlashcardBuilder(*library, nullptr).Build(m_document, Heisig("1", "6", "2"), {}, &cancel),
        std::nullopt);
    EXPECT_EQ(cancel.questions, 1);
    EXPECT_TRUE(m_document.Cards().GroupNames().empty());
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(FlashcardBuilderCompounds, OnlyAnEdictLibraryGivesCompounds) {
    const CTestWord words[] = {Common(K(0) + K(1), "ab")};
    const auto demo = testing::MakeTestCompoundLibrary("Brushly Compound Database", words);
    const auto edict = testing::MakeTestCompoundLibrary("EDICT test", words);
    CBuilderSettings settings = Heisig("1", "2", "2");
    settings.addCompounds = true;
    const CFlashcardBuilder withDemo(*m_library, demo.get());
    EXPECT_FALSE(withDemo.AddsCompounds(settings));
    EXPECT_STREQ(withDemo.ProgressText(settings), "Brushly is now generating Kanji Flashcards...");
    EXPECT_EQ(withDemo.Build(m_document, settings, {}), (Groups{{"Heisig #1", 2, 0}}));
    EXPECT_FALSE(CFlashcardBuilder(*m_library, nullptr).AddsCompounds(settings));

    const CFlashcardBuilder withEdict(*m_library, edict.get());
    EXPECT_STREQ(withEdict.ProgressText(settings),
                 "Brushly is now generating Kanji and Compound Flashcards...");
    settings.addCompounds = false;
    EXPECT_FALSE(withEdict.AddsCompounds(settings));
    EXPECT_EQ(withEdict.Build(m_document, settings, {}), (Groups{{"Heisig_1 #1", 2, 0}}));
}

}  // namespace
}  // namespace brushly
