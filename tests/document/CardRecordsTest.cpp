#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "archive/CArchive.h"
#include "archive/CMemFile.h"
#include "document/CCounterCard.h"
#include "document/CKanaStats.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "document/CKanjiCompound.h"
#include "document/DocumentClasses.h"

namespace brushly {
namespace {

// Expected stream bytes, built item by item.
class CBytes {
public:
    CBytes& Int(std::int32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.push_back(
                static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF));
        return *this;
    }
    CBytes& Word(std::uint16_t value) {
        m_bytes.push_back(static_cast<char>(value & 0xFF));
        m_bytes.push_back(static_cast<char>(value >> 8));
        return *this;
    }
    CBytes& Str(std::string_view text) {
        m_bytes.push_back(static_cast<char>(text.size()));
        m_bytes.append(text);
        return *this;
    }
    // The tag of a class met for the first time, before its object's body.
    CBytes& NewClass(std::string_view name, std::uint16_t schema) {
        Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size()));
        m_bytes.append(name);
        return *this;
    }
    const std::string& Get() const { return m_bytes; }

private:
    std::string m_bytes;
};

std::string BodyOf(CObject& object) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    object.Serialize(archive);
    archive.Close();
    return file.Bytes();
}

std::string TaggedOf(CObject& object) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    archive.WriteObject(&object);
    archive.Close();
    return file.Bytes();
}

template <class T>
std::unique_ptr<T> ReadTagged(const std::string& bytes) {
    CClassRegistry registry;
    RegisterDocumentClasses(registry);
    CMemFile file(bytes);
    CArchive archive(file, CArchive::Mode::Load, &registry);
    std::unique_ptr<T> object = archive.ReadOwnedObject<T>();
    EXPECT_EQ(archive.BytesLeft(), 0u);
    return object;
}

template <class T>
std::unique_ptr<T> RoundTrip(T& object) {
    return ReadTagged<T>(TaggedOf(object));
}

CKanjiCard SampleKanjiCard() {
    CKanjiCard card;
    card.groupName = "Verbs";
    card.character = "\x90\x48";  // 食
    card.comments = "eat";
    auto reading = std::make_unique<CKanjiReading>();
    reading->kunReadings = {"ta(beru)", "ku(u)"};
    reading->onReadings = {"shoku"};
    reading->meanings = {"eat", "food"};
    card.readings.push_back(std::move(reading));
    card.rightCount = 7;
    card.wrongCount = 3;
    card.dbGroup = 9;
    card.dbIndex = 42;
    card.active = 0;
    return card;
}

TEST(CardRecordsTest, NewCardsHaveTheDocumentedDefaults) {
    const CKanjiCard kanji;
    EXPECT_TRUE(kanji.groupName.empty());
    EXPECT_TRUE(kanji.character.empty());
    EXPECT_TRUE(kanji.readings.empty());
    EXPECT_TRUE(kanji.compounds.empty());
    EXPECT_EQ(kanji.rightCount, 0);
    EXPECT_EQ(kanji.wrongCount, 0);
    EXPECT_EQ(kanji.dbGroup, 0);
    EXPECT_EQ(kanji.dbIndex, -1);
    EXPECT_EQ(kanji.active, 1);

    const CKanjiCompound compound;
    EXPECT_EQ(compound.entry.hiragana, 1);
    EXPECT_EQ(compound.active, 1);
    const CCounterCard counter;
    EXPECT_EQ(counter.dbIndex, -1);
    EXPECT_EQ(counter.counterType, CCounterCard::kCount);
    EXPECT_EQ(counter.active, 1);
    EXPECT_EQ(CKanaWord().active, 1);
}

TEST(CardRecordsTest, KanjiCardBodyIsByteExact) {
    CKanjiCard card = SampleKanjiCard();
    const std::string expected = CBytes()
                                     .Str("Verbs")
                                     .Str("\x90\x48")
                                     .Str("eat")
                                     .Word(1)
                                     .NewClass("CKanjiReading", 1)
                                     .Word(2)
                                     .Str("ta(beru)")
                                     .Str("ku(u)")
                                     .Word(1)
                                     .Str("shoku")
                                     .Word(2)
                                     .Str("eat")
                                     .Str("food")
                                     .Word(0)
                                     .Int(7)
                                     .Int(3)
                                     .Int(9)
                                     .Int(42)
                                     .Int(0)
                                     .Get();
    EXPECT_EQ(BodyOf(card), expected);
}

TEST(CardRecordsTest, CompoundBodyIsByteExact) {
    CKanjiCompound card;
    card.entry.headword = "\x90\x48\x8E\x96";  // 食事
    card.entry.meaning = "meal";
    card.entry.romaji = "shokuji";
    card.groupName = "Food";
    card.rightCount = 2;
    card.wrongCount = 5;
    card.active = 0;
    const std::string expected = CBytes()
                                     .Str("\x90\x48\x8E\x96")
                                     .Str("meal")
                                     .Str("shokuji")
                                     .Int(1)
                                     .Str("Food")
                                     .Int(2)
                                     .Int(5)
                                     .Int(0)
                                     .Get();
    EXPECT_EQ(BodyOf(card), expected);
}

TEST(CardRecordsTest, KanaWordBodyIsByteExact) {
    CKanaWord card;
    card.groupName = "Words";
    card.kana = "\x82\xA0";
    card.meaning = "ah";
    card.romaji = "a";
    card.rightCount = 1;
    card.wrongCount = 2;
    const std::string expected =
        CBytes().Str("Words").Str("\x82\xA0").Str("ah").Str("a").Int(1).Int(2).Int(1).Get();
    EXPECT_EQ(BodyOf(card), expected);
}

TEST(CardRecordsTest, CounterCardBodyIsByteExact) {
    CCounterCard card;
    card.groupName = "Counters";
    card.character = "\x96\x7B";  // 本
    card.extraText1 = "x";
    card.extraText2 = "";
    card.meaning = "long things";
    card.romaji = "hon";
    card.comments = "c";
    card.formRomaji = {"ippon", "nihon"};
    card.formNumbers = {"1", "2"};
    card.rightCount = 4;
    card.wrongCount = 6;
    card.dbGroup = 5;
    card.dbIndex = 12;
    card.counterType = CCounterCard::kName;
    card.active = 0;
    const std::string expected = CBytes()
                                     .Str("Counters")
                                     .Str("\x96\x7B")
                                     .Str("x")
                                     .Str("")
                                     .Str("long things")
                                     .Str("hon")
                                     .Str("c")
                                     .Word(2)
                                     .Str("ippon")
                                     .Str("nihon")
                                     .Word(2)
                                     .Str("1")
                                     .Str("2")
                                     .Int(4)
                                     .Int(6)
                                     .Int(5)
                                     .Int(12)
                                     .Int(1)
                                     .Int(0)
                                     .Get();
    EXPECT_EQ(BodyOf(card), expected);
}

TEST(CardRecordsTest, KanaStatsBodyIsByteExactAndKeepsNoLink) {
    CKanaStats stats;
    stats.kana = "\x82\xB6";
    stats.romaji = "zi(ji)";
    stats.rightCount = 10;
    stats.wrongCount = 2;
    const CHiraganaData record;
    stats.kanaRecord = &record;
    EXPECT_EQ(BodyOf(stats), CBytes().Str("\x82\xB6").Str("zi(ji)").Int(10).Int(2).Get());

    const auto read = RoundTrip(stats);
    EXPECT_EQ(read->kana, stats.kana);
    EXPECT_EQ(read->romaji, "zi(ji)");
    EXPECT_EQ(read->rightCount, 10);
    EXPECT_EQ(read->wrongCount, 2);
    EXPECT_EQ(read->kanaRecord, nullptr);
}

TEST(CardRecordsTest, KanjiCardRoundTripKeepsEveryField) {
    CKanjiCard card = SampleKanjiCard();
    auto compound = std::make_unique<CKanjiCompound>();
    compound->entry.headword = "\x90\x48\x8E\x96";
    compound->rightCount = 3;
    card.compounds.push_back(std::move(compound));

    const auto read = RoundTrip(card);
    EXPECT_EQ(read->groupName, "Verbs");
    EXPECT_EQ(read->character, card.character);
    EXPECT_EQ(read->comments, "eat");
    ASSERT_EQ(read->readings.size(), 1u);
    EXPECT_EQ(read->readings[0]->kunReadings, card.readings[0]->kunReadings);
    EXPECT_EQ(read->readings[0]->meanings, card.readings[0]->meanings);
    ASSERT_EQ(read->compounds.size(), 1u);
    EXPECT_EQ(read->compounds[0]->entry.headword, "\x90\x48\x8E\x96");
    EXPECT_EQ(read->compounds[0]->rightCount, 3);
    EXPECT_EQ(read->rightCount, 7);
    EXPECT_EQ(read->wrongCount, 3);
    EXPECT_EQ(read->dbGroup, 9);
    EXPECT_EQ(read->dbIndex, 42);
    EXPECT_EQ(read->active, 0);
}

TEST(CardRecordsTest, OtherCardsRoundTripWithStatistics) {
    CKanjiCompound compound;
    compound.entry.headword = "\x83\x4A";
    compound.entry.romaji = "KA";
    compound.entry.hiragana = 0;
    compound.groupName = "G";
    compound.rightCount = 11;
    compound.wrongCount = 12;
    compound.active = 0;
    const auto readCompound = RoundTrip(compound);
    EXPECT_EQ(readCompound->entry.headword, "\x83\x4A");
    EXPECT_EQ(readCompound->entry.romaji, "KA");
    EXPECT_EQ(readCompound->entry.hiragana, 0);
    EXPECT_EQ(readCompound->groupName, "G");
    EXPECT_EQ(readCompound->rightCount, 11);
    EXPECT_EQ(readCompound->wrongCount, 12);
    EXPECT_EQ(readCompound->active, 0);

    CKanaWord word;
    word.groupName = "G";
    word.kana = "\x82\xA0";
    word.meaning = "m";
    word.romaji = "a";
    word.rightCount = 13;
    word.wrongCount = 14;
    word.active = 0;
    const auto readWord = RoundTrip(word);
    EXPECT_EQ(readWord->kana, "\x82\xA0");
    EXPECT_EQ(readWord->meaning, "m");
    EXPECT_EQ(readWord->romaji, "a");
    EXPECT_EQ(readWord->rightCount, 13);
    EXPECT_EQ(readWord->wrongCount, 14);
    EXPECT_EQ(readWord->active, 0);

    CCounterCard counter;
    counter.character = "\x96\x7B";
    counter.extraText2 = "e";
    counter.formRomaji = {"ippon"};
    counter.formNumbers = {"1"};
    counter.rightCount = 15;
    counter.wrongCount = 16;
    counter.dbGroup = 5;
    counter.dbIndex = 3;
    counter.counterType = CCounterCard::kName;
    const auto readCounter = RoundTrip(counter);
    EXPECT_EQ(readCounter->extraText2, "e");
    EXPECT_EQ(readCounter->formRomaji, counter.formRomaji);
    EXPECT_EQ(readCounter->formNumbers, counter.formNumbers);
    EXPECT_EQ(readCounter->rightCount, 15);
    EXPECT_EQ(readCounter->wrongCount, 16);
    EXPECT_EQ(readCounter->dbGroup, 5);
    EXPECT_EQ(readCounter->dbIndex, 3);
    EXPECT_EQ(readCounter->counterType, CCounterCard::kName);
    EXPECT_EQ(readCounter->active, 1);
}

TEST(CardRecordsTest, KanjiCardOfSchemaOneReadsAsActive) {
    const std::string bytes = CBytes()
                                  .NewClass("CKanjiCard", 1)
                                  .Str("Old")
                                  .Str("\x96\x7B")
                                  .Str("")
                                  .Word(0)
                                  .Word(0)
                                  .Int(2)
                                  .Int(1)
                                  .Int(5)
                                  .Int(8)
                                  .Get();
    const auto card = ReadTagged<CKanjiCard>(bytes);
    EXPECT_EQ(card->groupName, "Old");
    EXPECT_EQ(card->rightCount, 2);
    EXPECT_EQ(card->wrongCount, 1);
    EXPECT_EQ(card->dbGroup, 5);
    EXPECT_EQ(card->dbIndex, 8);
    EXPECT_EQ(card->active, 1);
}

TEST(CardRecordsTest, OlderCompoundSchemasReadWithDefaults) {
    const auto schemaOne = ReadTagged<CKanjiCompound>(CBytes()
                                                          .NewClass("CKanjiCompound", 1)
                                                          .Str("h")
                                                          .Str("m")
                                                          .Str("r")
                                                          .Str("G")
                                                          .Int(3)
                                                          .Int(4)
                                                          .Get());
    EXPECT_EQ(schemaOne->entry.romaji, "r");
    EXPECT_EQ(schemaOne->entry.hiragana, 1);
    EXPECT_EQ(schemaOne->groupName, "G");
    EXPECT_EQ(schemaOne->rightCount, 3);
    EXPECT_EQ(schemaOne->wrongCount, 4);
    EXPECT_EQ(schemaOne->active, 1);

    const auto schemaTwo = ReadTagged<CKanjiCompound>(CBytes()
                                                          .NewClass("CKanjiCompound", 2)
                                                          .Str("h")
                                                          .Str("m")
                                                          .Str("R")
                                                          .Int(0)
                                                          .Str("G")
                                                          .Int(1)
                                                          .Int(2)
                                                          .Get());
    EXPECT_EQ(schemaTwo->entry.hiragana, 0);
    EXPECT_EQ(schemaTwo->wrongCount, 2);
    EXPECT_EQ(schemaTwo->active, 1);
}

TEST(CardRecordsTest, OlderKanaWordAndCounterSchemasReadWithDefaults) {
    const auto word = ReadTagged<CKanaWord>(
        CBytes().NewClass("CKanaWord", 2).Str("G").Str("k").Str("m").Str("r").Int(1).Int(2).Get());
    EXPECT_EQ(word->romaji, "r");
    EXPECT_EQ(word->wrongCount, 2);
    EXPECT_EQ(word->active, 1);

    CBytes counterBytes;
    counterBytes.NewClass("CCounterCard", 1);
    for (std::string_view text : {"G", "c", "", "", "m", "r", ""})
        counterBytes.Str(text);
    counterBytes.Word(1).Str("ikko").Word(1).Str("1").Int(1).Int(2).Int(3).Int(4);
    const auto counter = ReadTagged<CCounterCard>(counterBytes.Get());
    EXPECT_EQ(counter->formRomaji, std::vector<std::string>{"ikko"});
    EXPECT_EQ(counter->dbGroup, 3);
    EXPECT_EQ(counter->dbIndex, 4);
    EXPECT_EQ(counter->counterType, CCounterCard::kCount);
    EXPECT_EQ(counter->active, 1);

    CBytes schemaTwo;
    schemaTwo.NewClass("CCounterCard", 2);
    for (std::string_view text : {"G", "c", "", "", "m", "r", ""})
        schemaTwo.Str(text);
    schemaTwo.Word(0).Word(0).Int(0).Int(0).Int(0).Int(-1).Int(1);
    const auto named = ReadTagged<CCounterCard>(schemaTwo.Get());
    EXPECT_EQ(named->counterType, CCounterCard::kName);
    EXPECT_EQ(named->active, 1);
}

TEST(CardRecordsTest, KanjiCardCopyIsDeep) {
    CKanjiCard card = SampleKanjiCard();
    card.compounds.push_back(std::make_unique<CKanjiCompound>());
    const CKanjiCard copy(card);
    ASSERT_EQ(copy.readings.size(), 1u);
    EXPECT_NE(copy.readings[0].get(), card.readings[0].get());
    EXPECT_EQ(copy.readings[0]->kunReadings, card.readings[0]->kunReadings);
    ASSERT_EQ(copy.compounds.size(), 1u);
    EXPECT_NE(copy.compounds[0].get(), card.compounds[0].get());
    EXPECT_EQ(copy.rightCount, 7);
    EXPECT_EQ(copy.dbIndex, 42);
    card.readings[0]->kunReadings.clear();
    EXPECT_EQ(copy.readings[0]->kunReadings.size(), 2u);
}

TEST(CardRecordsTest, KanaWordRomajiShownWithoutSpacesInTheChosenLongO) {
    CKanaWord word;
    word.romaji = "too kyoo TOOSUTO";
    EXPECT_EQ(word.DisplayRomaji(0), "tookyooTOOSUTO");
    EXPECT_EQ(word.DisplayRomaji(1), "toukyouTOUSUTO");
    word.romaji = "ooo";
    EXPECT_EQ(word.DisplayRomaji(1), "ouo");
}

}  // namespace
}  // namespace brushly
