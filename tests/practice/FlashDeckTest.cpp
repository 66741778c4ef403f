#include "practice/FlashDeck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "FlashTestDocument.h"

namespace brushly {
namespace {

using testing::CFlashTestDocument;

constexpr const char* kOne = "\x88\xea";    // 一
constexpr const char* kTwo = "\x93\xf1";    // 二
constexpr const char* kThree = "\x8e\x4f";  // 三

std::vector<FlashKind> Kinds(const std::vector<FlashDeckEntry>& deck) {
    std::vector<FlashKind> kinds;
    for (const FlashDeckEntry& entry : deck)
        kinds.push_back(entry.kind);
    return kinds;
}

std::vector<std::string> KanjiCharacters(const std::vector<FlashDeckEntry>& deck) {
    std::vector<std::string> characters;
    for (const FlashDeckEntry& entry : deck)
        characters.push_back(entry.kanji->character);
    return characters;
}

TEST(FlashDeckTest, GroupsInSelectionOrderKindsInFixedOrderInactiveCardsLeftOut) {
    CFlashTestDocument fixture;
    fixture.AddCounter("B");
    fixture.AddKanaWord("B", "neko");
    fixture.AddCompound("B", "\x91\x97\x82\xe9", "okuru");  // 送る
    fixture.AddKanji("B", kOne, {"ICHI"}, {});
    fixture.AddKanji("A", kTwo, {"NI"}, {});
    fixture.AddKanji("A", kThree, {"SAN"}, {}).active = 0;

    const auto deck = BuildFlashDeck(fixture.document, {"B", "Missing", "A"}, true);
    EXPECT_EQ(Kinds(deck),
              (std::vector<FlashKind>{FlashKind::kKanji, FlashKind::kCompound, FlashKind::kKanaWord,
                                      FlashKind::kCounter, FlashKind::kKanji}));
    EXPECT_EQ(deck[0].kanji->character, kOne);
    EXPECT_EQ(deck[4].kanji->character, kTwo);
    // The compound's okurigana split is made while building.
    EXPECT_EQ(deck[1].split.trailingRomaji, "ru");
    EXPECT_EQ(deck[1].split.kanjiPartLength, 2);

    fixture.Flash().includeKanji = 0;
    fixture.Flash().includeCounters = 0;
    EXPECT_EQ(Kinds(BuildFlashDeck(fixture.document, {"B", "A"}, true)),
              (std::vector<FlashKind>{FlashKind::kCompound, FlashKind::kKanaWord}));
    fixture.Flash().includeCompounds = 0;
    fixture.Flash().includeKanaWords = 0;
    EXPECT_TRUE(BuildFlashDeck(fixture.document, {"B", "A"}, true).empty());
}

TEST(FlashDeckTest, CountersGiveEveryFormWithAllAndOneRandomFormWithOnlyOne) {
    CFlashTestDocument fixture;
    CCounterCard& counter = fixture.AddCounter("G");
    fixture.Flash().counterForms = 0;
    auto deck = BuildFlashDeck(fixture.document, {"G"}, true);
    ASSERT_EQ(deck.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(deck[i].counter, &counter);
        EXPECT_EQ(deck[i].counterNumber, counter.formNumbers[i]);
        EXPECT_EQ(deck[i].counterReading, counter.formRomaji[i]);
    }

    fixture.Flash().counterForms = 1;
    std::set<std::string> formsSeen;
    for (int build = 0; build < 20; ++build) {
        deck = BuildFlashDeck(fixture.document, {"G"}, true);
        ASSERT_EQ(deck.size(), 1u);
        formsSeen.insert(deck[0].counterReading);
    }
    EXPECT_GT(formsSeen.size(), 1u);

    // A counter without counted forms has nothing to ask, in either mode.
    counter.formNumbers.clear();
    counter.formRomaji.clear();
    EXPECT_TRUE(BuildFlashDeck(fixture.document, {"G"}, true).empty());
    fixture.Flash().counterForms = 0;
    EXPECT_TRUE(BuildFlashDeck(fixture.document, {"G"}, true).empty());
    EXPECT_TRUE(fixture.prompter.Texts().empty());
}

class FlashShuffleTest : public ::testing::Test {
protected:
    FlashShuffleTest() {
        for (int i = 0; i < 8; ++i)
            characters.push_back(std::string("\x88") + static_cast<char>(0xa0 + i));
        for (const std::string& character : characters)
            fixture.AddKanji("G", character, {"ON"}, {});
    }
    std::vector<FlashDeckEntry> Deck() { return BuildFlashDeck(fixture.document, {"G"}, true); }

    CFlashTestDocument fixture;
    std::vector<std::string> characters;
};

TEST_F(FlashShuffleTest, RandomOrderMakesTenPassesOfPickRandomSwaps) {
    CScriptedPrompter prompter;
    CRandom twin(prompter, 99);
    std::vector<int> expected(characters.size());
    std::iota(expected.begin(), expected.end(), 0);
    const int n = static_cast<int>(expected.size());
    for (int pass = 0; pass < 10; ++pass) {
        for (int j = 1; j <= n; ++j)
            std::swap(expected[j - 1], expected[twin.PickRandom(n) - 1]);
    }

    CRandom random(prompter, 99);
    auto deck = Deck();
    ShuffleFlashDeck(deck, kShuffleRandom, random);
    std::vector<std::string> expectedCharacters;
    for (int index : expected)
        expectedCharacters.push_back(characters[index]);
    EXPECT_EQ(KanjiCharacters(deck), expectedCharacters);
    EXPECT_NE(KanjiCharacters(deck), characters);
}

TEST_F(FlashShuffleTest, RecognitionOrderPutsManyMissedZeroPercentBeforeNeverAnswered) {
    auto deck = Deck();
    const std::vector<std::pair<int, int>> stats = {{0, 0}, {0, 5}, {0, 1}, {3, 1},
                                                    {1, 1}, {1, 3}, {2, 2}, {0, 0}};
    for (std::size_t i = 0; i < stats.size(); ++i) {
        deck[i].kanji->rightCount = stats[i].first;
        deck[i].kanji->wrongCount = stats[i].second;
    }
    ShuffleFlashDeck(deck, kShuffleRecognition, fixture.document.Random());
    // 0% with 5, then 1 answers, the two never answered in build order, 25%, 50% with 4
    // answers before 50% with 2, 75%.
    const std::vector<int> order = {1, 2, 0, 7, 5, 6, 4, 3};
    std::vector<std::string> expected;
    for (int index : order)
        expected.push_back(characters[index]);
    EXPECT_EQ(KanjiCharacters(deck), expected);
}

}  // namespace
}  // namespace brushly
