// The sample Word Groups of a run's first new document.
#include "document/SampleWordGroups.h"

#include <gtest/gtest.h>

#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

const std::string kDog = "\x8c\xa2";             // 犬
const std::string kAnimal = "\x93\xae\x95\xa8";  // 動物
const std::string kCat = "\x82\xcb\x82\xb1";     // ねこ

TEST(SampleWordGroupsTest, WithoutDatabasesEveryGroupHasItsCardsFromTheSamples) {
    CFlashcardSet cards;
    AddSampleWordGroups(cards, nullptr, nullptr, nullptr);
    cards.Rebuild();

    EXPECT_EQ(cards.GroupNames(),
              (std::vector<std::string>{"Animals", "Colors", "Geography", "Kanji Grade 1 (#11-20)",
                                        "Kanji Grade 2 (#31-40)", "Time", "Travel", "Verbs"}));
    EXPECT_EQ(cards.FindGroup("Kanji Grade 1 (#11-20)")->kanjiCards.size(), 10u);
    EXPECT_EQ(cards.FindGroup("Kanji Grade 2 (#31-40)")->kanjiCards.size(), 10u);

    const CWordGroup& animals = *cards.FindGroup("Animals");
    ASSERT_FALSE(animals.kanjiCards.empty());
    EXPECT_EQ(animals.kanjiCards[0]->character, kDog);
    EXPECT_EQ(animals.kanjiCards[0]->dbGroup, 0);
    EXPECT_EQ(animals.kanjiCards[0]->dbIndex, -1);
    EXPECT_TRUE(animals.kanjiCards[0]->readings.empty());
    ASSERT_FALSE(animals.compoundCards.empty());
    EXPECT_EQ(animals.compoundCards[0]->headword, kAnimal);
    EXPECT_EQ(animals.compoundCards[0]->meaning, "animal");
    EXPECT_EQ(animals.compoundCards[0]->romaji, "doubutsu");
    ASSERT_FALSE(animals.kanaWordCards.empty());
    EXPECT_EQ(animals.kanaWordCards[0]->kana, kCat);
    EXPECT_EQ(animals.kanaWordCards[0]->romaji, "neko");

    for (const auto& counter : cards.CounterCards()) {
        EXPECT_FALSE(counter->formRomaji.empty()) << counter->romaji;
        EXPECT_EQ(counter->formRomaji.size(), counter->formNumbers.size());
    }
}

TEST(SampleWordGroupsTest, CardsTakeTheDatabaseRecordsAndDictionaryEntries) {
    auto library = testing::MakeSmallKanjiLibrary();
    auto dog = std::make_unique<CKanjiData>();
    dog->character = kDog;
    dog->readings.push_back(std::make_unique<CKanjiReading>());
    dog->readings[0]->onReadings = {"KEN"};
    dog->readings[0]->kunReadings = {"inu"};
    dog->readings[0]->meanings = {"dog"};
    library->AddKanji(4, std::move(dog));

    CCompoundLibrary compounds;
    auto otherAnimal = std::make_unique<CCompoundData>();
    otherAnimal->headword = kAnimal + "\x89\x80";  // a longer word that contains it
    otherAnimal->meaning = "zoo";
    otherAnimal->romaji = "doubutsuen";
    compounds.Add(std::move(otherAnimal));
    auto animal = std::make_unique<CCompoundData>();
    animal->headword = kAnimal;
    animal->meaning = "(n) animal/(P)";
    animal->romaji = "doubutsu";
    compounds.Add(std::move(animal));
    CCompoundLibrary kanaWords;
    auto cat = std::make_unique<CCompoundData>();
    cat->headword = kCat;
    cat->meaning = "(n) cat/(P)";
    cat->romaji = "neko";
    kanaWords.Add(std::move(cat));

    CFlashcardSet cards;
    AddSampleWordGroups(cards, library.get(), &compounds, &kanaWords);

    const CWordGroup& animals = *cards.FindGroup("Animals");
    const CKanjiCard& dogCard = *animals.kanjiCards[0];
    EXPECT_EQ(dogCard.dbGroup, 4);
    EXPECT_EQ(dogCard.dbIndex, 0);
    ASSERT_EQ(dogCard.readings.size(), 1u);
    const CKanjiReading& record = *library->KanjiGroup(4)[0]->readings[0];
    EXPECT_NE(dogCard.readings[0].get(), &record);  // a copy the user may edit
    EXPECT_EQ(dogCard.readings[0]->kunReadings, record.kunReadings);
    EXPECT_EQ(dogCard.readings[0]->onReadings, record.onReadings);
    EXPECT_EQ(dogCard.readings[0]->meanings, record.meanings);

    EXPECT_EQ(animals.compoundCards[0]->meaning, "(n) animal/(P)");
    EXPECT_EQ(animals.compoundCards[0]->groupName, "Animals");
    EXPECT_EQ(animals.kanaWordCards[0]->meaning, "(n) cat/(P)");
    // A word the dictionary lacks keeps the sample's own text.
    EXPECT_EQ(animals.kanaWordCards[1]->romaji, "RAION");
    EXPECT_EQ(animals.kanaWordCards[1]->meaning, "lion");
}

}  // namespace
}  // namespace brushly
