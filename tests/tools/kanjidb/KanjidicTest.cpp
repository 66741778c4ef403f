#include "kanjidb/CKanjidic.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"

namespace brushly::kanjidb {
namespace {

using Strings = std::vector<std::string>;

Strings Utf8All(const Strings& sjisTexts) {
    Strings converted;
    for (const std::string& text : sjisTexts)
        converted.push_back(sjis::ToUtf8(text));
    return converted;
}

// Two characters as KANJIDIC2 writes them, trimmed, with a character that code page 932
// lacks (U+20B9F) between them: the jouyou form of the second one.
constexpr std::string_view kTwoKanji = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kanjidic2 [
<!ELEMENT kanjidic2 (header,character*)>
]>
<kanjidic2>
<header>
<file_version>4</file_version>
<database_version>2022-235</database_version>
<date_of_creation>2022-08-23</date_of_creation>
</header>
<character>
<literal>食</literal>
<misc>
<grade>2</grade>
<stroke_count>9</stroke_count>
<stroke_count>10</stroke_count>
<freq>328</freq>
<jlpt>4</jlpt>
</misc>
<dic_number>
<dic_ref dr_type="nelson_c">5154</dic_ref>
<dic_ref dr_type="halpern_kkld">1316</dic_ref>
<dic_ref dr_type="halpern_kkld_2ed">1787</dic_ref>
<dic_ref dr_type="heisig">1472</dic_ref>
<dic_ref dr_type="heisig6">1582</dic_ref>
<dic_ref dr_type="moro" m_vol="12" m_page="0371">44014</dic_ref>
<dic_ref dr_type="henshall">146</dic_ref>
<dic_ref dr_type="henshall">999</dic_ref>
<dic_ref dr_type="busy_people">2.13</dic_ref>
<dic_ref dr_type="sakade">253</dic_ref>
</dic_number>
<reading_meaning>
<rmgroup>
<reading r_type="pinyin">shi2</reading>
<reading r_type="ja_on">ショク</reading>
<reading r_type="ja_on">ジキ</reading>
<reading r_type="ja_kun">く.う</reading>
<reading r_type="ja_kun">た.べる</reading>
<meaning>eat</meaning>
<meaning>food</meaning>
<meaning m_lang="fr">manger</meaning>
</rmgroup>
<nanori>ぐい</nanori>
</reading_meaning>
</character>
<character>
<literal>𠮟</literal>
<misc>
<grade>8</grade>
<stroke_count>5</stroke_count>
<variant var_type="ucs">53F1</variant>
</misc>
</character>
<character>
<literal>叱</literal>
<misc>
<stroke_count>5</stroke_count>
</misc>
<dic_number>
<dic_ref dr_type="busy_people">1.5</dic_ref>
<dic_ref dr_type="sh_kk">1887</dic_ref>
</dic_number>
<reading_meaning>
<rmgroup>
<reading r_type="ja_on">シツ</reading>
<reading r_type="ja_kun">しか.る</reading>
<meaning>scold</meaning>
<meaning>reprove</meaning>
<meaning>caf&#233;</meaning>
<meaning>left &amp; right</meaning>
</rmgroup>
</reading_meaning>
</character>
</kanjidic2>
)";

TEST(Kanjidic, ReadsTheHeaderDateAndSkipsCharactersCodePage932Lacks) {
    const CKanjidic kanjidic = ParseKanjidic(kTwoKanji);
    EXPECT_EQ(kanjidic.dateOfCreation, "2022-08-23");
    ASSERT_EQ(kanjidic.entries.size(), 2u);
    EXPECT_EQ(kanjidic.entries[0].character, sjis::FromUtf8("食"));
    EXPECT_EQ(kanjidic.entries[1].character, sjis::FromUtf8("叱"));
}

TEST(Kanjidic, ReadsTheNumbersOfACharacter) {
    const CKanjidicEntry entry = ParseKanjidic(kTwoKanji).entries[0];
    EXPECT_EQ(entry.strokeCount, 9);
    EXPECT_EQ(entry.grade, 2);
    EXPECT_EQ(entry.frequency, 328);
    EXPECT_EQ(entry.jlpt, 4);
    EXPECT_EQ(entry.references.at("nelson_c"), 5154);
    EXPECT_EQ(entry.references.at("heisig"), 1472);
    EXPECT_EQ(entry.references.at("heisig6"), 1582);
    EXPECT_EQ(entry.references.at("moro"), 44014);
    EXPECT_EQ(entry.references.at("henshall"), 146) << "the first value of a type counts";
    EXPECT_FALSE(entry.references.contains("busy_people")) << "2.13 is no number";
}

TEST(Kanjidic, MissingNumbersAreZero) {
    const CKanjidicEntry entry = ParseKanjidic(kTwoKanji).entries[1];
    EXPECT_EQ(entry.strokeCount, 5);
    EXPECT_EQ(entry.frequency, 0);
    EXPECT_EQ(entry.jlpt, 0);
    EXPECT_EQ(entry.references.size(), 1u);
}

TEST(Kanjidic, AVariantTakesTheGradeOfAFormCodePage932Lacks) {
    EXPECT_EQ(ParseKanjidic(kTwoKanji).entries[1].grade, 8) << "叱 as the jouyou 𠮟";

    // 頰 names 頬 by its JIS X 0208 position; 頬 comes first and keeps its own JLPT level.
    const CKanjidic kanjidic = ParseKanjidic(R"(<kanjidic2>
<character><literal>頬</literal><misc><stroke_count>15</stroke_count><jlpt>1</jlpt></misc>
</character>
<character><literal>頰</literal><misc><grade>8</grade><stroke_count>16</stroke_count>
<jlpt>2</jlpt><variant var_type="jis212">1-72-04</variant>
<variant var_type="jis208">1-43-43</variant></misc></character>
<character><literal>塡</literal><misc><grade>8</grade><variant var_type="ucs">5861</variant>
</misc></character>
<character><literal>塡</literal><misc><grade>8</grade><variant var_type="ucs">2F</variant>
</misc></character>
</kanjidic2>)");
    ASSERT_EQ(kanjidic.entries.size(), 1u);
    EXPECT_EQ(kanjidic.entries[0].character, sjis::FromUtf8("頬"));
    EXPECT_EQ(kanjidic.entries[0].grade, 8);
    EXPECT_EQ(kanjidic.entries[0].jlpt, 1);
    EXPECT_EQ(kanjidic.entries[0].strokeCount, 15);
}

TEST(Kanjidic, KeepsJapaneseReadingsInShiftJisAndEnglishAsciiMeanings) {
    const CKanjidic kanjidic = ParseKanjidic(kTwoKanji);
    const CKanjidicEntry& eat = kanjidic.entries[0];
    EXPECT_EQ(Utf8All(eat.onReadings), (Strings{"ショク", "ジキ"}));
    EXPECT_EQ(Utf8All(eat.kunReadings), (Strings{"く.う", "た.べる"}));
    EXPECT_EQ(eat.meanings, (Strings{"eat", "food"}));
    EXPECT_EQ(kanjidic.entries[1].meanings, (Strings{"scold", "reprove", "left & right"}));
}

TEST(Kanjidic, MalformedXmlOrAnotherRootIsAnError) {
    EXPECT_THROW(ParseKanjidic("<kanjidic2><character>"), std::runtime_error);
    EXPECT_THROW(ParseKanjidic("<kanjivg/>"), std::runtime_error);
}

TEST(Kanjidic, ReadsPlainAndGzipFilesAndNamesAMissingFile) {
    testing::CTempDirectory directory;
    const std::string plain = directory.Write("kanjidic2.xml", std::string(kTwoKanji));
    EXPECT_EQ(ReadKanjidic(plain).entries.size(), 2u);

    const std::string command = "gzip -k " + plain;
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadKanjidic(plain + ".gz").entries.size(), 2u);

    const std::string missing = directory.File("absent.xml.gz");
    try {
        ReadKanjidic(missing);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(missing), std::string::npos) << error.what();
    }
}

TEST(Kanjidic, ACorruptGzipFileIsAnErrorNamingIt) {
    testing::CTempDirectory directory;
    const std::string path =
        directory.Write("broken.xml.gz", std::string("\x1F\x8B\x08\x00junk", 8));
    try {
        ReadKanjidic(path);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
}

TEST(KanjidicReferences, FillTheTenBooksGradeAndFrequency) {
    CKanjidicEntry entry;
    entry.grade = 2;
    entry.frequency = 328;
    entry.references = {{"sh_kk", 1},        {"halpern_kkld", 2}, {"halpern_njecd", 3},
                        {"heisig", 4},       {"henshall", 5},     {"kodansha_compact", 6},
                        {"nelson_c", 7},     {"nelson_n", 8},     {"oneill_kk", 9},
                        {"sakade", 10},      {"heisig6", 11},     {"halpern_kkld_2ed", 12},
                        {"oneill_names", 13}};
    CKanjiData record;
    record.character = "xx";
    ApplyReferences(entry, record);
    EXPECT_EQ(record.hadamitzkySpahn, 1);
    EXPECT_EQ(record.halpernKld, 2);
    EXPECT_EQ(record.halpernNjecd, 3);
    EXPECT_EQ(record.heisig, 4);
    EXPECT_EQ(record.henshall, 5);
    EXPECT_EQ(record.kodansha, 6);
    EXPECT_EQ(record.nelsonOriginal, 7);
    EXPECT_EQ(record.nelsonNew, 8);
    EXPECT_EQ(record.oNeill, 9);
    EXPECT_EQ(record.sakade, 10);
    EXPECT_EQ(record.grade, 2);
    EXPECT_EQ(record.reservedValue, 328);
    EXPECT_EQ(record.jlptLevel, 0);
    EXPECT_EQ(record.character, "xx");
}

TEST(KanjidicReferences, MissingBooksBecomeZero) {
    CKanjiData record;
    record.heisig = 55;
    record.reservedValue = 9;
    ApplyReferences(CKanjidicEntry{}, record);
    EXPECT_EQ(record.heisig, 0);
    EXPECT_EQ(record.reservedValue, 0);
}

TEST(KanjidicReferences, OnlySchoolGradesAndOtherJouyouKeepTheirGrade) {
    const auto gradeOf = [](int kanjidicGrade) {
        CKanjidicEntry entry;
        entry.grade = kanjidicGrade;
        CKanjiData record;
        ApplyReferences(entry, record);
        return record.grade;
    };
    for (int grade = 1; grade <= 6; ++grade)
        EXPECT_EQ(gradeOf(grade), grade);
    EXPECT_EQ(gradeOf(8), 8);
    EXPECT_EQ(gradeOf(0), 0);
    EXPECT_EQ(gradeOf(7), 0);
    EXPECT_EQ(gradeOf(9), 0) << "jinmeiyou";
    EXPECT_EQ(gradeOf(10), 0) << "jinmeiyou variant";
}

}  // namespace
}  // namespace brushly::kanjidb
