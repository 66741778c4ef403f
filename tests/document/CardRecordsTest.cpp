#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
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
    CBytes& Ints(std::initializer_list<std::int32_t> values) {
        for (std::int32_t value : values) {
            for (int shift = 0; shift < 32; shift += 8)
                Byte(static_cast<std::uint32_t>(value) >> shift);
        }
        return *this;
    }
    CBytes& Word(std::uint16_t value) {
        Byte(value);
        Byte(value >> 8u);
        return *this;
    }
    CBytes& Strs(std::initializer_list<std::string_view> texts) {
        for (std::string_view text : texts) {
            Byte(static_cast<std::uint32_t>(text.size()));
            m_bytes.append(text);
        }
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
    void Byte(std::uint32_t value) { m_bytes.push_back(static_cast<char>(value & 0xFFu)); }

    std::string m_bytes;
};

std::string BodyOf(CObject& object) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    object.Serialize(archive);
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

// Writes the object tagged and reads it back through the registry.
template <class T>
std::unique_ptr<T> RoundTrip(T& object) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    archive.WriteObject(&object);
    archive.Close();
    return ReadTagged<T>(file.Bytes());
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

CKanjiCompound SampleCompound() {
    CKanjiCompound card;
    card.headword = "\x90\x48\x8E\x96";  // 食事
    card.meaning = "meal";
    card.romaji = "SHOKUJI";
    card.hiragana = 0;
    card.groupName = "Food";
    card.rightCount = 2;
    card.wrongCount = 5;
    card.active = 0;
    return card;
}

CKanaWord SampleKanaWord() {
    CKanaWord card;
    card.groupName = "Words";
    card.kana = "\x82\xA0";
    card.meaning = "ah";
    card.romaji = "a";
    card.rightCount = 1;
    card.wrongCount = 2;
    card.active = 0;
    return card;
}

CCounterCard SampleCounter() {
    CCounterCard card;
    card.groupName = "Counters";
    card.character = "\x96\x7B";  // 本
    card.extraText1 = "x";
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
    EXPECT_EQ(CKanjiCompound().hiragana, 1);
    EXPECT_EQ(CKanjiCompound().active, 1);
    EXPECT_EQ(CKanaWord().active, 1);
    const CCounterCard counter;
    EXPECT_EQ(counter.dbIndex, -1);
    EXPECT_EQ(counter.counterType, CCounterCard::kCount);
    EXPECT_EQ(counter.active, 1);
}

TEST(CardRecordsTest, BodiesAreByteExact) {
    CKanjiCard kanji = SampleKanjiCard();
    EXPECT_EQ(BodyOf(kanji), CBytes()
                                 .Strs({"Verbs", "\x90\x48", "eat"})
                                 .Word(1)
                                 .NewClass("CKanjiReading", 1)
                                 .Word(2)
                                 .Strs({"ta(beru)", "ku(u)"})
                                 .Word(1)
                                 .Strs({"shoku"})
                                 .Word(2)
                                 .Strs({"eat", "food"})
                                 .Word(0)
                                 .Ints({7, 3, 9, 42, 0})
                                 .Get());
    CKanjiCompound compound = SampleCompound();
    EXPECT_EQ(BodyOf(compound), CBytes()
                                    .Strs({"\x90\x48\x8E\x96", "meal", "SHOKUJI"})
                                    .Ints({0})
                                    .Strs({"Food"})
                                    .Ints({2, 5, 0})
                                    .Get());
    CKanaWord word = SampleKanaWord();
    EXPECT_EQ(BodyOf(word), CBytes().Strs({"Words", "\x82\xA0", "ah", "a"}).Ints({1, 2, 0}).Get());
    CCounterCard counter = SampleCounter();
    EXPECT_EQ(BodyOf(counter),
              CBytes()
                  .Strs({"Counters", "\x96\x7B", "x", "", "long things", "hon", "c"})
                  .Word(2)
                  .Strs({"ippon", "nihon"})
                  .Word(2)
                  .Strs({"1", "2"})
                  .Ints({4, 6, 5, 12, 1, 0})
                  .Get());
}

TEST(CardRecordsTest, EveryCardKindRoundTripsWithStatistics) {
    CKanjiCard kanji = SampleKanjiCard();
    auto nested = std::make_unique<CKanjiCompound>(SampleCompound());
    kanji.compounds.push_back(std::move(nested));
    const auto readKanji = RoundTrip(kanji);
    EXPECT_EQ(BodyOf(*readKanji), BodyOf(kanji));
    ASSERT_EQ(readKanji->compounds.size(), 1u);
    EXPECT_EQ(readKanji->compounds[0]->wrongCount, 5);
    EXPECT_EQ(readKanji->rightCount, 7);

    CKanjiCompound compound = SampleCompound();
    EXPECT_EQ(BodyOf(*RoundTrip(compound)), BodyOf(compound));
    CKanaWord word = SampleKanaWord();
    EXPECT_EQ(BodyOf(*RoundTrip(word)), BodyOf(word));
    CCounterCard counter = SampleCounter();
    const auto readCounter = RoundTrip(counter);
    EXPECT_EQ(BodyOf(*readCounter), BodyOf(counter));
    EXPECT_EQ(readCounter->wrongCount, 6);
}

TEST(CardRecordsTest, KanaStatsStoreTextAndCountsButNoLink) {
    CKanaStats stats;
    stats.kana = "\x82\xB6";
    stats.romaji = "zi(ji)";
    stats.rightCount = 10;
    stats.wrongCount = 2;
    const CHiraganaData record;
    stats.kanaRecord = &record;
    EXPECT_EQ(BodyOf(stats), CBytes().Strs({"\x82\xB6", "zi(ji)"}).Ints({10, 2}).Get());
    const auto read = RoundTrip(stats);
    EXPECT_EQ(BodyOf(*read), BodyOf(stats));
    EXPECT_EQ(read->kanaRecord, nullptr);
}

TEST(CardRecordsTest, KanjiCardOfSchemaOneReadsAsActive) {
    const auto card = ReadTagged<CKanjiCard>(CBytes()
                                                 .NewClass("CKanjiCard", 1)
                                                 .Strs({"Old", "\x96\x7B", ""})
                                                 .Word(0)
                                                 .Word(0)
                                                 .Ints({2, 1, 5, 8})
                                                 .Get());
    EXPECT_EQ(card->groupName, "Old");
    EXPECT_EQ(card->rightCount, 2);
    EXPECT_EQ(card->wrongCount, 1);
    EXPECT_EQ(card->dbGroup, 5);
    EXPECT_EQ(card->dbIndex, 8);
    EXPECT_EQ(card->active, 1);
}

TEST(CardRecordsTest, OlderCompoundSchemasReadWithDefaults) {
    const auto schemaOne = ReadTagged<CKanjiCompound>(
        CBytes().NewClass("CKanjiCompound", 1).Strs({"h", "m", "r", "G"}).Ints({3, 4}).Get());
    EXPECT_EQ(schemaOne->romaji, "r");
    EXPECT_EQ(schemaOne->hiragana, 1);
    EXPECT_EQ(schemaOne->groupName, "G");
    EXPECT_EQ(schemaOne->rightCount, 3);
    EXPECT_EQ(schemaOne->wrongCount, 4);
    EXPECT_EQ(schemaOne->active, 1);

    const auto schemaTwo = ReadTagged<CKanjiCompound>(CBytes()
                                                          .NewClass("CKanjiCompound", 2)
                                                          .Strs({"h", "m", "R"})
                                                          .Ints({0})
                                                          .Strs({"G"})
                                                          .Ints({1, 2})
                                                          .Get());
    EXPECT_EQ(schemaTwo->hiragana, 0);
    EXPECT_EQ(schemaTwo->wrongCount, 2);
    EXPECT_EQ(schemaTwo->active, 1);
}

TEST(CardRecordsTest, OlderKanaWordAndCounterSchemasReadWithDefaults) {
    const auto word = ReadTagged<CKanaWord>(
        CBytes().NewClass("CKanaWord", 2).Strs({"G", "k", "m", "r"}).Ints({1, 2}).Get());
    EXPECT_EQ(word->romaji, "r");
    EXPECT_EQ(word->wrongCount, 2);
    EXPECT_EQ(word->active, 1);

    const auto counter = ReadTagged<CCounterCard>(CBytes()
                                                      .NewClass("CCounterCard", 1)
                                                      .Strs({"G", "c", "", "", "m", "r", ""})
                                                      .Word(1)
                                                      .Strs({"ikko"})
                                                      .Word(1)
                                                      .Strs({"1"})
                                                      .Ints({1, 2, 3, 4})
                                                      .Get());
    EXPECT_EQ(counter->formRomaji, std::vector<std::string>{"ikko"});
    EXPECT_EQ(counter->dbGroup, 3);
    EXPECT_EQ(counter->dbIndex, 4);
    EXPECT_EQ(counter->counterType, CCounterCard::kCount);
    EXPECT_EQ(counter->active, 1);

    const auto named = ReadTagged<CCounterCard>(CBytes()
                                                    .NewClass("CCounterCard", 2)
                                                    .Strs({"G", "c", "", "", "m", "r", ""})
                                                    .Word(0)
                                                    .Word(0)
                                                    .Ints({0, 0, 0, -1, 1})
                                                    .Get());
    EXPECT_EQ(named->counterType, CCounterCard::kName);
    EXPECT_EQ(named->active, 1);
}

TEST(CardRecordsTest, KanjiCardCopyIsDeep) {
    CKanjiCard card = SampleKanjiCard();
    card.compounds.push_back(std::make_unique<CKanjiCompound>());
    CKanjiCard copy(card);
    EXPECT_EQ(BodyOf(copy), BodyOf(card));
    EXPECT_NE(copy.readings[0].get(), card.readings[0].get());
    EXPECT_NE(copy.compounds[0].get(), card.compounds[0].get());
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
