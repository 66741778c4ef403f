// The kanji database: its file layout byte by byte, loading and failing to load, the JLPT
// list, and the lookups.
#include <gtest/gtest.h>

#include <set>

#include "archive/CMemFile.h"
#include "platform/CRandom.h"
#include "platform/CScriptedPrompter.h"
#include "reference/ReferenceClasses.h"
#include "support/CTempDirectory.h"
#include "support/ExpectedBytes.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {
namespace {

std::string NewClass(int schema, const std::string& name) {
    return Bytes({0xFF, 0xFF, schema, 0, static_cast<int>(name.size()), 0}) + name;
}

std::string SegmentBody(int x1, int y1, int x2, int y2, int type, int newStroke) {
    return Int32(x1) + Int32(y1) + Int32(x2) + Int32(y2) + Int32(type) + Int32(newStroke);
}

TEST(KanjiDatabaseFile, SmallDatabaseIsWrittenByteForByte) {
    auto library = MakeSmallKanjiLibrary();
    std::string expected = ShortText("T");
    // Group 1: 一 (class 1, object 2); its segment (class 3, object 4) and reading (5, 6).
    expected += Bytes({1, 0}) + NewClass(2, "CKanjiData");
    expected += Bytes({1, 0}) + NewClass(1, "CStrokeData") + SegmentBody(10, 100, 190, 100, 1, 1);
    expected += Bytes({1, 0}) + NewClass(1, "CKanjiReading") + Bytes({0, 0}) + Bytes({1, 0}) +
                ShortText("ICHI") + Bytes({1, 0}) + ShortText("one");
    expected += ShortText("\x88\xea") + Int32s({2, 7, 0, 0, 0, 0}) + Int32s({0, 1, 1, 0, 0, 1});
    // Group 2: 二 (object 7) with segments 8 and 9.
    expected += Bytes({1, 0, 0x01, 0x80}) + Bytes({2, 0}) + Bytes({0x03, 0x80}) +
                SegmentBody(40, 60, 160, 60, 1, 1) + Bytes({0x03, 0x80}) +
                SegmentBody(10, 150, 190, 150, 1, 1) + Bytes({0, 0});
    expected += ShortText("\x93\xf1") + Int32s({0, 0, 0, 0, 0, 0}) + Int32s({0, 2, 0, 0, 0, 1});
    for (int group = 3; group <= 24; ++group)
        expected += Bytes({0, 0});
    // Group 25: こ (class 10, object 11), strokes of class CObArray (12) holding points of
    // class CKanaPoint (14).
    expected += Bytes({1, 0}) + NewClass(0, "CHiraganaData") + Bytes({2, 0});
    expected += NewClass(0, "CObArray") + Bytes({2, 0}) + NewClass(1, "CKanaPoint") +
                Int32s({50, 60}) + Bytes({0x0E, 0x80}) + Int32s({150, 60});
    expected += Bytes({0x0C, 0x80, 2, 0, 0x0E, 0x80}) + Int32s({50, 140}) + Bytes({0x0E, 0x80}) +
                Int32s({150, 140});
    expected += ShortText("ko") + ShortText("\x82\xb1");
    // Group 26, then the trailing stroke list.
    expected += Bytes({0, 0}) + Bytes({1, 0, 0x03, 0x80}) + SegmentBody(1, 2, 3, 4, 5, 1);

    const std::string bytes = KanjiLibraryBytes(*library);
    EXPECT_EQ(bytes, expected);

    CClassRegistry registry;
    RegisterReferenceClasses(registry);
    CMemFile file(bytes);
    CArchive archive(file, CArchive::Mode::Load, &registry);
    CKanjiLibrary read;
    read.Serialize(archive);
    EXPECT_EQ(archive.BytesLeft(), 0u);
    EXPECT_EQ(KanjiLibraryBytes(read), bytes);
    ASSERT_EQ(read.GroupSize(1), 1);
    const CKanjiData& one = *read.KanjiGroup(1)[0];
    EXPECT_EQ(one.reservedValue, 7);
    EXPECT_EQ(one.readings.at(0)->onReadings, std::vector<std::string>{"ICHI"});
    EXPECT_EQ(read.Hiragana()[0]->strokes[1].points[1].x, 150);
    EXPECT_EQ(read.TrailingStrokes().segments.at(0)->type, 5);
}

TEST(KanjiDatabaseFile, SchemaOneRecordsLoadWithTheLaterFieldsZero) {
    CKanjiData record;
    record.character = "\x88\xea";
    record.oNeill = 9;
    record.heisig = 1;
    record.grade = 1;
    CMemFile out;
    CArchive writer(out, CArchive::Mode::Store);
    writer.WriteObject(&record);
    writer.Close();
    std::string bytes = out.Bytes();
    bytes[2] = 1;  // stored by schema 1: without the last six integers
    bytes.resize(bytes.size() - 24);

    CClassRegistry registry;
    RegisterReferenceClasses(registry);
    CMemFile file(bytes);
    CArchive reader(file, CArchive::Mode::Load, &registry);
    const auto read = reader.ReadOwnedObject<CKanjiData>();
    EXPECT_EQ(reader.BytesLeft(), 0u);
    EXPECT_EQ(read->character, "\x88\xea");
    EXPECT_EQ(read->oNeill, 9);
    EXPECT_EQ(read->heisig, 0);
    EXPECT_EQ(read->grade, 0);
}

class KanjiLibraryFile : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        return m_directory.Write(name, bytes);
    }

    CTempDirectory m_directory;
    CScriptedPrompter m_prompter;
};

TEST_F(KanjiLibraryFile, LoadReportsTheRunningCountAfterEachKanjiGroup) {
    auto source = MakeSmallKanjiLibrary();
    const std::string path = Write("MasterDB.kdb", KanjiLibraryBytes(*source));
    CKanjiLibrary library;
    std::vector<int> counts;
    EXPECT_TRUE(library.Load(path, m_prompter, [&](int read) { counts.push_back(read); }));
    std::vector<int> expected(24, 2);
    expected[0] = 1;
    EXPECT_EQ(counts, expected);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(library.Title(), "T");
    EXPECT_EQ(library.FindByCharacter("\x93\xf1").group, 2);
}

TEST_F(KanjiLibraryFile, AFileEndingInsideGroup12FailsAndKeepsWhatWasRead) {
    auto source = MakeSmallKanjiLibrary();
    auto twelve = std::make_unique<CKanjiData>();
    twelve->character = "\x8c\xa4";
    for (int i = 0; i < 12; ++i)
        twelve->strokes.segments.push_back(Segment(i, i, i, i, 1, 1));
    source->AddKanji(12, std::move(twelve));
    std::string bytes = KanjiLibraryBytes(*source);
    const std::string whole = bytes;
    const std::size_t groupTwelve = whole.find("\x8c\xa4");
    ASSERT_NE(groupTwelve, std::string::npos);
    const std::string path = Write("MasterDB.kdb", whole.substr(0, groupTwelve));

    CKanjiLibrary library;
    std::vector<int> counts;
    EXPECT_FALSE(library.Load(path, m_prompter, [&](int read) { counts.push_back(read); }));
    EXPECT_EQ(counts.size(), 11u);  // groups 1 to 11 completed
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{"An attempt was made to read past the end of the file.",
                                        CKanjiLibrary::kLoadFailureMessage}));
    EXPECT_EQ(m_prompter.Entries()[1].kind, CPrompter::Kind::Error);
    EXPECT_EQ(library.FindByCharacter("\x88\xea").group, 1);
    EXPECT_EQ(library.FindByCharacter("\x8c\xa4").group, 0);
}

TEST_F(KanjiLibraryFile, AMissingDatabaseIsReportedWithTheFileError) {
    CKanjiLibrary library;
    EXPECT_FALSE(library.Load(m_directory.File("MasterDB.kdb"), m_prompter));
    ASSERT_EQ(m_prompter.Texts().size(), 2u);
    EXPECT_NE(m_prompter.Texts()[0].find("No such file or directory"), std::string::npos);
    EXPECT_EQ(std::string(CKanjiLibrary::kLoadFailureMessage).substr(0, 56),
              "The correct Brushly Kanji Database could not be loaded.\n");
}

TEST_F(KanjiLibraryFile, JlptListAssignsLevelsAndTheLaterLevelWins) {
    auto library = MakeSmallKanjiLibrary();
    EXPECT_EQ(library->SelectByKey(kKeyJlpt, 1, 1), 0);
    // Characters before the first level line belong to no level.
    const std::string list = "\x93\xf1\r\n2\r\n\x88\xea\x93\xf1\r\n1\r\n\x88\xea\r\n3\r\n\x88\xea";
    library->LoadJlptList(Write("blyjlptsjis.txt", list), m_prompter);
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(library->FindByCharacter("\x88\xea").record->jlptLevel, 3);
    EXPECT_EQ(library->FindByCharacter("\x93\xf1").record->jlptLevel, 2);
    EXPECT_EQ(library->SelectByKey(kKeyJlpt, 2, 2), 1);

    library->LoadJlptList(m_directory.File("none.txt"), m_prompter);
    EXPECT_EQ(m_prompter.Texts().size(), 1u);
}

TEST(KanjiLibrary, JlptListReadsOnlyTheFirst10000BytesAndSurvivesOddEndings) {
    auto library = MakeSmallKanjiLibrary();
    std::string list = "4\r\n" + std::string(9996, ' ');  // spaces pair up as characters
    library->ApplyJlptList(list + "\x88\xea");            // beyond the limit
    EXPECT_EQ(library->FindByCharacter("\x88\xea").record->jlptLevel, 0);
    library->ApplyJlptList("1\r\n\x93\xf1\x88");  // a lone byte at the end
    EXPECT_EQ(library->FindByCharacter("\x93\xf1").record->jlptLevel, 1);
    library->ApplyJlptList("2");  // a level line cut short
    library->ApplyJlptList("\r");
}

// A library with kanji in several groups for the lookups.
std::unique_ptr<CKanjiLibrary> MakeLookupLibrary() {
    auto library = MakeSmallKanjiLibrary();
    const auto add = [&](int group, const char* character, int henshall) {
        auto record = std::make_unique<CKanjiData>();
        record->character = character;
        record->henshall = henshall;
        record->nelsonNew = 5;
        library->AddKanji(group, std::move(record));
    };
    add(9, "\x90\x48", 146);  // 食
    add(4, "\x93\xfa", 62);   // 日
    add(4, "\x8c\x8e", 40);   // 月
    add(9, "\x90\x48", 1);    // the same character again: never found
    return library;
}

TEST(KanjiLibrary, FindByCharacterTakesTheFirstInGroupOrder) {
    auto library = MakeLookupLibrary();
    const CKanjiRef food = library->FindByCharacter("\x90\x48");
    ASSERT_TRUE(food);
    EXPECT_EQ(food.group, 9);
    EXPECT_EQ(food.index, 0);
    EXPECT_EQ(food.record->henshall, 146);
    EXPECT_EQ(library->FindByCharacter("\x8c\x8e").index, 1);

    const CKanjiRef none = library->FindByCharacter("\x82\xb1");  // a kana is no kanji
    EXPECT_FALSE(none);
    EXPECT_EQ(none.group, 0);
    EXPECT_EQ(none.index, -1);
    EXPECT_FALSE(library->FindByCharacter(""));
}

TEST(KanjiLibrary, FindByReferenceTakesTheFirstInGroupOrderForBookKeysOnly) {
    auto library = MakeLookupLibrary();
    EXPECT_EQ(library->FindByReference(kKeyHenshall, 62).record->character, "\x93\xfa");
    EXPECT_EQ(library->FindByReference(kKeyHenshall, 1).group, 1);  // 一 before the later 食
    EXPECT_EQ(library->FindByReference(kKeyNelsonNew, 5).group, 4);
    EXPECT_FALSE(library->FindByReference(kKeyHenshall, 999));
    EXPECT_FALSE(library->FindByReference(kKeyGrade, 1));
    EXPECT_FALSE(library->FindByReference(12, 0));
    // The index follows later additions.
    auto late = std::make_unique<CKanjiData>();
    late->henshall = 999;
    library->AddKanji(3, std::move(late));
    EXPECT_EQ(library->FindByReference(kKeyHenshall, 999).group, 3);
}

TEST(KanjiLibrary, SelectByKeyVisitsInGroupOrder) {
    auto library = MakeLookupLibrary();
    std::vector<CKanjiRef> matches;
    EXPECT_EQ(library->SelectByKey(kKeyHenshall, 1, 100, &matches), 4);
    std::vector<std::string> characters;
    for (const CKanjiRef& match : matches)
        characters.push_back(match.record->character);
    EXPECT_EQ(characters,
              (std::vector<std::string>{"\x88\xea", "\x93\xfa", "\x8c\x8e", "\x90\x48"}));
    EXPECT_EQ(matches[3].index, 1);
    EXPECT_EQ(library->SelectByKey(kKeyGrade, 1, 1), 2);
    EXPECT_EQ(library->SelectByKey(kKeyGrade, 0, 100), 6);
    EXPECT_EQ(library->SelectByKey(-1, 0, 100), 0);
}

TEST(KanjiLibrary, RandomKanjiReachesEveryKanji) {
    auto library = MakeLookupLibrary();
    CScriptedPrompter prompter;
    CRandom random(prompter, 12345);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 600; ++i) {
        const CKanjiRef ref = library->RandomKanji(random);
        ASSERT_TRUE(ref);
        EXPECT_EQ(ref.record, library->KanjiGroup(ref.group)[ref.index].get());
        seen.emplace(ref.group, ref.index);
    }
    EXPECT_EQ(seen.size(), 6u);
    CKanjiLibrary empty;
    EXPECT_FALSE(empty.RandomKanji(random));
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST(KanjiLibrary, KanaAreFoundByRomajiAndByKana) {
    auto library = MakeSmallKanjiLibrary();
    auto ka = std::make_unique<CKatakanaData>();
    ka->romaji = "KA";
    ka->kana = "\x83\x4a";
    library->AddKatakana(std::move(ka));
    EXPECT_EQ(library->FindHiragana("ko")->kana, "\x82\xb1");
    EXPECT_EQ(library->FindHiraganaByKana("\x82\xb1")->romaji, "ko");
    EXPECT_EQ(library->FindKatakana("KA")->kana, "\x83\x4a");
    EXPECT_EQ(library->FindKatakanaByKana("\x83\x4a")->romaji, "KA");
    EXPECT_EQ(library->FindHiragana("KA"), nullptr);
    EXPECT_EQ(library->FindKatakanaByKana("\x82\xb1"), nullptr);
    EXPECT_EQ(library->GroupSize(25), 1);
    EXPECT_EQ(library->GroupSize(26), 1);
    EXPECT_EQ(library->GroupSize(27), 0);
}

TEST(KanjiLibrary, RecordsCopyDeeply) {
    auto library = MakeSmallKanjiLibrary();
    const CKanjiData& original = *library->KanjiGroup(1)[0];
    CKanjiData copy = original;
    copy.readings[0]->meanings.push_back("first");
    copy.strokes.segments[0]->type = 3;
    EXPECT_EQ(original.readings[0]->meanings.size(), 1u);
    EXPECT_EQ(original.strokes.segments[0]->type, 1);
    EXPECT_EQ(copy.reservedValue, 7);
    EXPECT_EQ(ReferenceKeyLabel(kKeyNelsonOriginal), "Nelson - Original");
    EXPECT_EQ(ReferenceKeyLabel(kKeyONeill), "O'Neill");
    EXPECT_EQ(ReferenceKeyLabel(12), "");
    EXPECT_EQ(original.KeyValue(kKeyHadamitzkySpahn), 2);
}

}  // namespace
}  // namespace brushly::testing
