#include "practice/CounterNumbers.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace brushly {
namespace {

const std::string kHon = "\x96\x7b";    // 本
const std::string kBan = "\x94\xd4";    // 番
const std::string kMe = "\x96\xda";     // 目
const std::string kTsu = "\x82\xc2";    // つ
const std::string kOne = "\x88\xea";    // 一
const std::string kThree = "\x8e\x4f";  // 三
const std::string kTen = "\x8f\x5c";    // 十

CCounterCard Counter(const std::string& character, const std::string& romaji) {
    CCounterCard card;
    card.character = character;
    card.romaji = romaji;
    card.meaning = "book";
    card.formNumbers = {"1", "3", "15"};
    card.formRomaji = {"ippon", "sanbon", "juugohon"};
    return card;
}

void AddRecord(CKanjiLibrary& library, int group, const std::string& character,
               std::vector<std::string> on, std::vector<std::string> kun) {
    auto record = std::make_unique<CKanjiData>();
    record->character = character;
    auto reading = std::make_unique<CKanjiReading>();
    reading->onReadings = std::move(on);
    reading->kunReadings = std::move(kun);
    record->readings.push_back(std::move(reading));
    library.AddKanji(group, std::move(record));
}

TEST(CounterNumbersTest, AutoExpansionWritesTenFormsOrRefuses) {
    CCounterCard card = Counter(kHon, "hon");
    EXPECT_EQ(AutoExpandCounter(card, "HON", {}), "");
    EXPECT_EQ(card.formNumbers,
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(card.formRomaji.front(), "ippon");
    EXPECT_EQ(card.formRomaji.back(), "juppon");

    EXPECT_EQ(AutoExpandCounter(card, "", {}), "Must first enter a romaji root");
    CCounterCard noKanji = Counter("", "hon");
    EXPECT_EQ(AutoExpandCounter(noKanji, "hon", {}), "Must first select a Kanji character");
    EXPECT_EQ(noKanji.formNumbers.size(), 3u);
}

TEST(CounterNumbersTest, NumberWordsOfCountedReadings) {
    const auto words = [](std::string_view number, std::string_view reading) {
        const auto found = NumberWordsOf(number, reading);
        return found ? found->used + "/" + found->other : std::string("none");
    };
    EXPECT_EQ(words("1", "ippon"), "i/hito");
    EXPECT_EQ(words("1", "hitotsu"), "hito/ichi");
    EXPECT_EQ(words("4", "yonhon"), "yon/shi");
    EXPECT_EQ(words("4", "yottsu"), "yo/shi");
    EXPECT_EQ(words("4", "shikai"), "shi/yon");
    EXPECT_EQ(words("9", "kokonotsu"), "kokono/ku");
    EXPECT_EQ(words("9", "kyuuhon"), "ku/kokono");
    EXPECT_EQ(words("100", "hyappon"), "hyaku/hyaku");
    EXPECT_EQ(words("15", "juugohon"), "none");
}

TEST(CounterNumbersTest, NumeralsAndQuestions) {
    EXPECT_EQ(KanjiNumeral("3"), kThree);
    EXPECT_EQ(KanjiNumeral("11"), kTen + kOne);
    EXPECT_EQ(KanjiNumeral("15"), "--");

    CCounterCard card = Counter(kHon, "hon");
    const FlashDeckEntry fifteen = MakeCounterEntry(card, 2, nullptr);
    EXPECT_EQ(CounterQuestionText(fifteen, false, 0), "--" + kHon);

    // Only One asks for the counter itself, except in No Quiz mode.
    const FlashDeckEntry three = MakeCounterEntry(card, 1, nullptr);
    EXPECT_EQ(CounterQuestionText(three, true, 0), kHon);
    EXPECT_EQ(CounterQuestionText(three, true, 1), kHon);
    EXPECT_EQ(CounterQuestionText(three, true, 2), kThree + kHon);
    EXPECT_EQ(CounterQuestionText(three, false, 1), kThree + kHon);

    CCounterCard banme = Counter(kBan, "banme");
    banme.extraText2 = kMe;
    EXPECT_EQ(CounterQuestionText(MakeCounterEntry(banme, 0, nullptr), false, 0),
              kOne + kBan + kMe);
}

TEST(CounterNumbersTest, EntryRecordsReadingKindAndAffixRomaji) {
    CKanjiLibrary library;
    AddRecord(library, 5, kHon, {"HON"}, {"moto"});
    AddRecord(library, 5, kMe, {"MOKU", "BOKU"}, {"me", "ma-"});

    CCounterCard hon = Counter(kHon, "hon");
    hon.dbGroup = 5;
    hon.dbIndex = 0;
    hon.extraText2 = kTsu;
    FlashDeckEntry entry = MakeCounterEntry(hon, 1, &library);
    EXPECT_EQ(entry.kind, FlashKind::kCounter);
    EXPECT_EQ(entry.counter, &hon);
    EXPECT_EQ(entry.counterNumber, "3");
    EXPECT_EQ(entry.counterReading, "sanbon");
    EXPECT_EQ(entry.counterReadingKind, 0);
    EXPECT_EQ(entry.postfixRomaji, "tsu");

    CCounterCard me = Counter(kMe, "me");
    me.dbGroup = 5;
    me.dbIndex = 1;
    EXPECT_EQ(MakeCounterEntry(me, 0, &library).counterReadingKind, 1);
    EXPECT_EQ(MakeCounterEntry(me, 0, nullptr).counterReadingKind, -1);

    CCounterCard banme = Counter(kBan, "banme");
    banme.extraText2 = kMe;
    EXPECT_EQ(MakeCounterEntry(banme, 0, &library).postfixRomaji, "me");
}

TEST(CounterNumbersTest, CountEnglishIsPluralExceptForOne) {
    CCounterCard card = Counter(kHon, "hon");
    EXPECT_EQ(CounterEnglish(card, "3"), "3 books");
    EXPECT_EQ(CounterEnglish(card, "1"), "1 book");
    // Meanings already plural, or not nouns, stay as they are.
    card.meaning = "small animals";
    EXPECT_EQ(CounterEnglish(card, "2"), "2 small animals");
    card.meaning = "vehicles and machines";
    EXPECT_EQ(CounterEnglish(card, "2"), "2 vehicles and machines");
    card.meaning = "o'clock";
    EXPECT_EQ(CounterEnglish(card, "4"), "4 o'clock");
}

}  // namespace
}  // namespace brushly
