#include "document/CFlashcardSet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/CRandom.h"
#include "platform/CScriptedPrompter.h"

namespace brushly {
namespace {

using Names = std::vector<std::string>;

template <class Card>
std::unique_ptr<Card> NewCard(const std::string& groupName) {
    auto card = std::make_unique<Card>();
    card->groupName = groupName;
    return card;
}

std::unique_ptr<CKanjiCard> Kanji(const std::string& groupName, const std::string& character) {
    auto card = NewCard<CKanjiCard>(groupName);
    card->character = character;
    return card;
}

std::vector<std::string> Characters(const std::vector<CKanjiCard*>& cards) {
    std::vector<std::string> characters;
    for (const CKanjiCard* card : cards)
        characters.push_back(card->character);
    return characters;
}

std::vector<std::string> MasterCharacters(const CFlashcardSet& set) {
    std::vector<std::string> characters;
    for (const auto& card : set.KanjiCards())
        characters.push_back(card->character);
    return characters;
}

TEST(FlashcardSetTest, AddGroupOrdersByLowerCaseAndRefusesCaseVariants) {
    CFlashcardSet set;
    for (const char* name : {"Verbs", "animals", "Colors", "time", "Zoo"})
        EXPECT_TRUE(set.AddGroup(name));
    EXPECT_FALSE(set.AddGroup("ANIMALS"));
    EXPECT_FALSE(set.AddGroup("verbs"));
    EXPECT_EQ(set.GroupNames(), (Names{"animals", "Colors", "time", "Verbs", "Zoo"}));
    ASSERT_NE(set.FindGroup("Colors"), nullptr);
    EXPECT_EQ(set.FindGroup("Colors")->name, "Colors");
    EXPECT_EQ(set.FindGroup("colors"), nullptr);  // lookups keep the letter case
    EXPECT_EQ(set.GroupCount(), 5u);
}

TEST(FlashcardSetTest, AddCardFillsGroupAndMasterArray) {
    CFlashcardSet set;
    ASSERT_TRUE(set.AddGroup("G"));
    CKanjiCard& kanji = set.AddCard(Kanji("G", "a"));
    CKanaWord& word = set.AddCard(NewCard<CKanaWord>("G"));
    const CWordGroup* group = set.FindGroup("G");
    EXPECT_EQ(group->cardCount, 2);
    EXPECT_EQ(group->kanjiCards, std::vector<CKanjiCard*>{&kanji});
    EXPECT_EQ(group->kanaWordCards, std::vector<CKanaWord*>{&word});
    ASSERT_EQ(set.KanjiCards().size(), 1u);
    EXPECT_EQ(set.KanjiCards()[0].get(), &kanji);
}

TEST(FlashcardSetTest, CopyToOwnGroupGivesIndependentCardWithSameStatistics) {
    CFlashcardSet set;
    set.AddGroup("G");
    CKanjiCard& original = set.AddCard(Kanji("G", "a"));
    original.readings.push_back(std::make_unique<CKanjiReading>());
    original.rightCount = 3;
    original.wrongCount = 4;
    CKanjiCard* copy = set.CopyCardToGroup(original, "G");
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &original);
    EXPECT_EQ(copy->rightCount, 3);
    EXPECT_EQ(copy->wrongCount, 4);
    ASSERT_EQ(copy->readings.size(), 1u);
    EXPECT_NE(copy->readings[0].get(), original.readings[0].get());
    EXPECT_EQ(set.FindGroup("G")->cardCount, 2);
    CFlashcardSet::MarkRight(*copy);
    EXPECT_EQ(original.rightCount, 3);
    EXPECT_EQ(set.CopyCardToGroup(original, "g"), nullptr);
}

TEST(FlashcardSetTest, MarkingAndResettingStatistics) {
    CFlashcardSet set;
    set.AddGroup("G");
    CCounterCard& card = set.AddCard(NewCard<CCounterCard>("G"));
    CFlashcardSet::MarkWrong(card);
    CFlashcardSet::MarkWrong(card);
    CFlashcardSet::MarkRight(card);
    EXPECT_EQ(card.rightCount, 1);
    EXPECT_EQ(card.wrongCount, 2);
    CFlashcardSet::ResetStats(card);
    EXPECT_EQ(card.rightCount, 0);
    EXPECT_EQ(card.wrongCount, 0);

    CKanjiCompound& compound = set.AddCard(NewCard<CKanjiCompound>("G"));
    CFlashcardSet::MarkRight(compound);
    CFlashcardSet::MarkWrong(card);
    CFlashcardSet::SetActive(card, false);
    CFlashcardSet::SetActive(compound, false);
    EXPECT_EQ(card.active, 0);
    CFlashcardSet::ResetGroupStats(*set.FindGroup("G"));
    CFlashcardSet::ActivateAll(*set.FindGroup("G"));
    EXPECT_EQ(compound.rightCount, 0);
    EXPECT_EQ(card.wrongCount, 0);
    EXPECT_EQ(compound.active, 1);
    EXPECT_EQ(card.active, 1);
}

TEST(FlashcardSetTest, RemovingTheLastCardLeavesAnEmptyGroup) {
    CFlashcardSet set;
    set.AddGroup("G");
    CKanaWord& word = set.AddCard(NewCard<CKanaWord>("G"));
    EXPECT_TRUE(set.RemoveCard(&word));
    const CWordGroup* group = set.FindGroup("G");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->cardCount, 0);
    EXPECT_TRUE(group->kanaWordCards.empty());
    EXPECT_TRUE(set.KanaWordCards().empty());
    EXPECT_EQ(set.GroupNames(), Names{"G"});
}

TEST(FlashcardSetTest, MovingCardsReordersGroupAndMasterArraySoReloadKeepsIt) {
    CFlashcardSet set;
    set.AddGroup("A");
    set.AddGroup("B");
    CKanjiCard& first = set.AddCard(Kanji("A", "1"));
    set.AddCard(Kanji("B", "x"));
    CKanjiCard& second = set.AddCard(Kanji("A", "2"));
    set.AddCard(Kanji("A", "3"));
    EXPECT_FALSE(set.MoveCardUp(&first));
    EXPECT_TRUE(set.MoveCardUp(&second));
    EXPECT_TRUE(set.MoveCardDown(&first));
    EXPECT_EQ(Characters(set.FindGroup("A")->kanjiCards), (Names{"2", "3", "1"}));
    EXPECT_FALSE(set.MoveCardDown(&first));
    set.Rebuild();
    EXPECT_EQ(Characters(set.FindGroup("A")->kanjiCards), (Names{"2", "3", "1"}));
    EXPECT_EQ(Characters(set.FindGroup("B")->kanjiCards), Names{"x"});
}

TEST(FlashcardSetTest, MoveCardToGroupReplacesTheCard) {
    CFlashcardSet set;
    set.AddGroup("A");
    set.AddGroup("B");
    CCounterCard& card = set.AddCard(NewCard<CCounterCard>("A"));
    card.formRomaji = {"ippon"};
    card.wrongCount = 2;
    CCounterCard* moved = set.MoveCardToGroup(&card, "B");
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->groupName, "B");
    EXPECT_EQ(moved->formRomaji, Names{"ippon"});
    EXPECT_EQ(moved->wrongCount, 2);
    EXPECT_EQ(set.FindGroup("A")->cardCount, 0);
    EXPECT_EQ(set.FindGroup("B")->counterCards, std::vector<CCounterCard*>{moved});
    ASSERT_EQ(set.CounterCards().size(), 1u);
    EXPECT_EQ(set.CounterCards()[0].get(), moved);
}

TEST(FlashcardSetTest, RebuildGroupsByMasterOrderAndKeepsOrphans) {
    CFlashcardSet set;
    set.GroupNames() = {"Animals", "Time"};
    set.KanjiCards().push_back(Kanji("Time", "t1"));
    set.KanjiCards().push_back(Kanji("Lost", "l1"));
    set.KanjiCards().push_back(Kanji("animals", "a1"));
    set.KanjiCards().push_back(Kanji("Time", "t2"));
    set.CompoundCards().push_back(NewCard<CKanjiCompound>("Time"));
    set.Rebuild();

    EXPECT_EQ(set.GroupNames(), (Names{"Animals", "Lost", "Time"}));
    EXPECT_EQ(Characters(set.FindGroup("Time")->kanjiCards), (Names{"t1", "t2"}));
    EXPECT_EQ(set.FindGroup("Time")->cardCount, 3);
    ASSERT_NE(set.FindGroup("Lost"), nullptr);
    EXPECT_EQ(Characters(set.FindGroup("Lost")->kanjiCards), Names{"l1"});
    // A name differing in letter case only joins the existing group.
    EXPECT_EQ(Characters(set.FindGroup("Animals")->kanjiCards), Names{"a1"});
    EXPECT_EQ(set.KanjiCards()[2]->groupName, "Animals");
    EXPECT_EQ(set.FindGroup("animals"), nullptr);
}

TEST(FlashcardSetTest, MergeMovesCardsOnceInOrderAndDeletesSource) {
    CFlashcardSet set;
    set.AddGroup("From");
    set.AddGroup("Into");
    set.AddCard(Kanji("From", "f1"));
    set.AddCard(Kanji("Into", "i1"));
    set.AddCard(Kanji("From", "f2"));
    set.AddCard(Kanji("Into", "i2"));
    set.AddCard(NewCard<CKanaWord>("From"));
    EXPECT_FALSE(set.MergeGroups("Into", "Into"));
    EXPECT_FALSE(set.MergeGroups("None", "Into"));
    ASSERT_TRUE(set.MergeGroups("From", "Into"));

    EXPECT_EQ(set.FindGroup("From"), nullptr);
    EXPECT_EQ(set.GroupNames(), Names{"Into"});
    const CWordGroup* into = set.FindGroup("Into");
    EXPECT_EQ(Characters(into->kanjiCards), (Names{"i1", "i2", "f1", "f2"}));
    EXPECT_EQ(into->kanaWordCards.size(), 1u);
    EXPECT_EQ(into->cardCount, 5);
    EXPECT_EQ(set.KanjiCards().size(), 4u);
    for (const auto& card : set.KanjiCards())
        EXPECT_EQ(card->groupName, "Into");
    set.Rebuild();
    EXPECT_EQ(Characters(set.FindGroup("Into")->kanjiCards), (Names{"i1", "i2", "f1", "f2"}));
}

TEST(FlashcardSetTest, DeleteGroupDestroysOnlyItsCards) {
    CFlashcardSet set;
    set.AddGroup("A");
    set.AddGroup("B");
    set.AddCard(Kanji("A", "a"));
    set.AddCard(Kanji("B", "b"));
    set.AddCard(NewCard<CKanjiCompound>("A"));
    EXPECT_TRUE(set.DeleteGroup("A"));
    EXPECT_FALSE(set.DeleteGroup("A"));
    EXPECT_EQ(set.GroupNames(), Names{"B"});
    EXPECT_EQ(MasterCharacters(set), Names{"b"});
    EXPECT_TRUE(set.CompoundCards().empty());
}

TEST(FlashcardSetTest, RenameGroupMovesNameAndRelabelsCards) {
    CFlashcardSet set;
    set.AddGroup("Alpha");
    set.AddGroup("Beta");
    CKanjiCard& card = set.AddCard(Kanji("Alpha", "a"));
    EXPECT_FALSE(set.RenameGroup("Alpha", "BETA"));
    EXPECT_FALSE(set.RenameGroup("Gamma", "Delta"));
    EXPECT_TRUE(set.RenameGroup("Alpha", "Zeta"));
    EXPECT_EQ(set.GroupNames(), (Names{"Beta", "Zeta"}));
    EXPECT_EQ(card.groupName, "Zeta");
    EXPECT_EQ(set.FindGroup("Zeta")->kanjiCards, std::vector<CKanjiCard*>{&card});
    EXPECT_TRUE(set.RenameGroup("Zeta", "zeta"));
    EXPECT_EQ(set.GroupNames(), (Names{"Beta", "zeta"}));
    set.Rebuild();
    EXPECT_EQ(set.FindGroup("zeta")->cardCount, 1);
}

TEST(FlashcardSetTest, ClearEmptiesEverything) {
    CFlashcardSet set;
    set.AddGroup("A");
    set.AddCard(Kanji("A", "a"));
    set.Clear();
    EXPECT_TRUE(set.KanjiCards().empty());
    EXPECT_TRUE(set.GroupNames().empty());
    EXPECT_EQ(set.GroupCount(), 0u);
}

// Kun readings: two verbs in the first group, an adjective and a plain noun, one verb in
// the second group.
CKanjiCard VerbCard() {
    CKanjiCard card;
    auto first = std::make_unique<CKanjiReading>();
    first->kunReadings = {"yama", "ta(beru)", "taka(i)", "i(ku)"};
    auto second = std::make_unique<CKanjiReading>();
    second->kunReadings = {"ku(ru)"};
    card.readings.push_back(std::move(first));
    card.readings.push_back(std::move(second));
    return card;
}

TEST(FlashcardSetTest, NextVerbReadingCyclesThroughVerbsOnly) {
    CScriptedPrompter prompter;
    CRandom random(prompter, 1);
    const CKanjiCard card = VerbCard();
    int g = CFlashcardSet::kFirstVerbReading;
    int k = 0;
    std::vector<std::pair<int, int>> visited;
    for (int step = 0; step < 4; ++step) {
        ASSERT_TRUE(CFlashcardSet::NextVerbReading(card, g, k, random));
        visited.emplace_back(g, k);
    }
    EXPECT_EQ(visited, (std::vector<std::pair<int, int>>{{0, 1}, {0, 3}, {1, 0}, {0, 1}}));

    g = 0;
    k = 2;  // the adjective is no verb reading and asks for nothing
    EXPECT_FALSE(CFlashcardSet::NextVerbReading(card, g, k, random));
    EXPECT_EQ(g, 0);
    EXPECT_EQ(k, 2);
}

TEST(FlashcardSetTest, NextVerbReadingRandomUsesPickRandom) {
    CScriptedPrompter prompter;
    const CKanjiCard card = VerbCard();
    const std::vector<std::pair<int, int>> verbs{{0, 1}, {0, 3}, {1, 0}};
    CRandom random(prompter, 77);
    CRandom twin(prompter, 77);
    for (int draw = 0; draw < 20; ++draw) {
        int g = CFlashcardSet::kRandomVerbReading;
        int k = 5;
        ASSERT_TRUE(CFlashcardSet::NextVerbReading(card, g, k, random));
        const auto expected = verbs[static_cast<std::size_t>(twin.PickRandom(3) - 1)];
        EXPECT_EQ(std::pair(g, k), expected);
    }
    EXPECT_TRUE(prompter.Entries().empty());
}

TEST(FlashcardSetTest, NextVerbReadingReportsACardWithoutVerbs) {
    CScriptedPrompter prompter;
    CRandom random(prompter, 1);
    CKanjiCard card;
    auto reading = std::make_unique<CKanjiReading>();
    reading->kunReadings = {"yama", "taka(i)"};
    card.readings.push_back(std::move(reading));
    int g = CFlashcardSet::kRandomVerbReading;
    int k = 0;
    EXPECT_FALSE(CFlashcardSet::NextVerbReading(card, g, k, random));
    EXPECT_EQ(g, CFlashcardSet::kRandomVerbReading);
    EXPECT_EQ(k, 0);
    EXPECT_TRUE(prompter.Entries().empty());
}

}  // namespace
}  // namespace brushly
