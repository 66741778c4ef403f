#include "kanjidb/CEdictDictionary.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"

namespace brushly::kanjidb {
namespace {

using Strings = std::vector<std::string>;

std::string EucJp(std::string_view utf8) {
    return sjis::CCodeConverter("UTF-8", "EUC-JP", "?").Convert(utf8);
}

Strings Utf8All(const Strings& sjisTexts) {
    Strings converted;
    for (const std::string& text : sjisTexts)
        converted.push_back(sjis::ToUtf8(text));
    return converted;
}

const std::vector<CEdictEntry>* Find(const CEdictDictionary& dictionary, std::string_view utf8) {
    return dictionary.Find(sjis::FromUtf8(utf8));
}

constexpr std::string_view kHeader =
    "　？？？ /EDICT, EDICT_SUB(P), EDICT2 Japanese-English Electronic Dictionary Files/\n";

// The second byte of ゾ is the byte of "]".
constexpr std::string_view kLines =
    "切る [きる] /(v5r,vt) (1) to cut/to cut through/(v5r,vt) (2) to sever (connections, "
    "ties)/(aux-v,v5r) (3) to finish/(P)/\n"
    "要る [いる] /(v5r,vi) (uk) to be needed/to be wanted/(P)/\n"
    "入る [いる] /(v5r,vi) to get in/to go in/(P)/\n"
    "入る [はいる] /(v5r,vi) (1) to enter/(2) to join/(P)/\n"
    "頭(P);かしら [あたま(P);かしら] /(n) (1) head/(2) hair/EntL1582310X/\n"
    "ああ /(adv) like that/so/\n"
    "少し [すこし] /(adv,n) (a) little/(something) small/(v-unspec) (food) bit/\n"
    "ゾゾ [ゾ] /(n) (ger: Zozo) test word/\n"
    "ゾ [ゾ] /{music} zo/\r\n"
    "no gloss part\n";

CEdictDictionary Sample() {
    return CEdictDictionary::Parse(EucJp(std::string(kHeader) + std::string(kLines)));
}

TEST(EdictDictionary, IndexesEveryLineAfterTheHeader) {
    const CEdictDictionary dictionary = Sample();
    EXPECT_EQ(dictionary.EntryCount(), 9u);
    EXPECT_EQ(Find(dictionary, "？？？"), nullptr);
    EXPECT_EQ(Find(dictionary, "no"), nullptr);
}

TEST(EdictDictionary, KeepsReadingsPartsOfSpeechAndSensesOfAWord) {
    const CEdictDictionary dictionary = Sample();
    const auto* entries = Find(dictionary, "切る");
    ASSERT_NE(entries, nullptr);
    ASSERT_EQ(entries->size(), 1u);
    const CEdictEntry& cut = entries->front();
    EXPECT_EQ(Utf8All(cut.readings), (Strings{"きる"}));
    EXPECT_EQ(cut.partsOfSpeech, (Strings{"v5r", "vt", "aux-v"}));
    ASSERT_EQ(cut.senses.size(), 3u);
    EXPECT_EQ(cut.senses[0], (Strings{"to cut", "to cut through"}));
    EXPECT_EQ(cut.senses[1], (Strings{"to sever (connections, ties)"}));
    EXPECT_EQ(cut.senses[2], (Strings{"to finish"}));
}

TEST(EdictDictionary, DropsTagsAtGlossStartsAndThePriorityMark) {
    const CEdictDictionary dictionary = Sample();
    const CEdictEntry& needed = Find(dictionary, "要る")->front();
    EXPECT_EQ(needed.partsOfSpeech, (Strings{"v5r", "vi"})) << "uk is no part of speech";
    ASSERT_EQ(needed.senses.size(), 1u);
    EXPECT_EQ(needed.senses[0], (Strings{"to be needed", "to be wanted"}));
    EXPECT_EQ(Find(dictionary, "ゾゾ")->front().senses[0], (Strings{"test word"}));
    EXPECT_EQ(Find(dictionary, "ゾ")->front().senses[0], (Strings{"zo"}));
}

TEST(EdictDictionary, KeepsWordsInParenthesesThatAreNoTags) {
    const CEdictDictionary dictionary = Sample();
    const CEdictEntry& little = Find(dictionary, "少し")->front();
    EXPECT_EQ(little.partsOfSpeech, (Strings{"adv", "n", "v-unspec"}));
    ASSERT_EQ(little.senses.size(), 1u);
    EXPECT_EQ(little.senses[0], (Strings{"(a) little", "(something) small", "bit"}));
}

TEST(EdictDictionary, KeepsHomographsInFileOrder) {
    const CEdictDictionary dictionary = Sample();
    const auto* entries = Find(dictionary, "入る");
    ASSERT_NE(entries, nullptr);
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_EQ(Utf8All((*entries)[0].readings), (Strings{"いる"}));
    EXPECT_EQ(Utf8All((*entries)[1].readings), (Strings{"はいる"}));
    EXPECT_EQ((*entries)[1].senses, (std::vector<Strings>{{"to enter"}, {"to join"}}));
}

TEST(EdictDictionary, IndexesEachHeadwordOfALineWithoutItsTags) {
    const CEdictDictionary dictionary = Sample();
    for (const std::string_view headword : {"頭", "かしら"}) {
        const auto* entries = Find(dictionary, headword);
        ASSERT_NE(entries, nullptr) << headword;
        EXPECT_EQ(Utf8All(entries->front().readings), (Strings{"あたま", "かしら"}));
        EXPECT_EQ(entries->front().senses, (std::vector<Strings>{{"head"}, {"hair"}}))
            << "the EntL id is no gloss";
    }
    EXPECT_EQ(Find(dictionary, "頭(P)"), nullptr);
}

TEST(EdictDictionary, AKanaWordIsReadAsItsHeadword) {
    const CEdictDictionary dictionary = Sample();
    const CEdictEntry& likeThat = Find(dictionary, "ああ")->front();
    EXPECT_EQ(Utf8All(likeThat.readings), (Strings{"ああ"}));
    EXPECT_EQ(likeThat.senses[0], (Strings{"like that", "so"}));
}

TEST(EdictDictionary, FindsBracketsByCharacterNotByByte) {
    const CEdictDictionary dictionary = Sample();
    EXPECT_EQ(Utf8All(Find(dictionary, "ゾゾ")->front().readings), (Strings{"ゾ"}));
    EXPECT_EQ(Utf8All(Find(dictionary, "ゾ")->front().readings), (Strings{"ゾ"}));
}

TEST(EdictDictionary, ReadsAFileAndNamesAMissingOne) {
    testing::CTempDirectory directory;
    const std::string path =
        directory.Write("edict", EucJp(std::string(kHeader) + "切る [きる] /(v5r) to cut/\n"));
    EXPECT_EQ(CEdictDictionary::Read(path).EntryCount(), 1u);
    const std::string missing = directory.File("absent");
    try {
        CEdictDictionary::Read(missing);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    }
}

}  // namespace
}  // namespace brushly::kanjidb
