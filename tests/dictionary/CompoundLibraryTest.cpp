// The compound library: its .kdb2 layout byte by byte, loading older records, failing to
// load or save, the letter arrays, the queries and the random draw.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <set>

#include "dictionary/CCompoundLibrary.h"
#include "platform/CScriptedPrompter.h"
#include "support/CTempDirectory.h"
#include "support/ExpectedBytes.h"

namespace brushly::testing {
namespace {

const std::string kTokyo = "\x93\x8c\x8b\x9e";           // 東京
const std::string kNeko = "\x82\xcb\x82\xb1";            // ねこ
const std::string kKamera = "\x83\x4a\x83\x81\x83\x89";  // カメラ
const std::string kTsuki = "\x8c\x8e";                   // 月

std::string Entry(const std::string& headword, const std::string& meaning,
                  const std::string& romaji) {
    return ShortText(headword) + ShortText(meaning) + ShortText(romaji);
}

std::string NewCompoundClass(int schema) {
    return Bytes({0xFF, 0xFF, schema, 0, 13, 0}) + "CCompoundData";
}

std::string EmptyArrays(int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i)
        bytes += Bytes({0, 0});
    return bytes;
}

std::unique_ptr<CCompoundData> MakeEntry(const std::string& headword, const std::string& meaning,
                                         const std::string& romaji) {
    auto entry = std::make_unique<CCompoundData>();
    entry->headword = headword;
    entry->meaning = meaning;
    entry->romaji = romaji;
    return entry;
}

std::vector<std::string> Romajis(const std::vector<const CCompoundData*>& entries) {
    std::vector<std::string> romajis;
    for (const CCompoundData* entry : entries)
        romajis.push_back(entry->romaji);
    return romajis;
}

std::vector<std::string> LetterRomajis(const CCompoundLibrary& library, char letter) {
    std::vector<std::string> romajis;
    for (const auto& entry : library.Letter(letter))
        romajis.push_back(entry->romaji);
    return romajis;
}

class CompoundLibrary : public ::testing::Test {
protected:
    std::vector<const CCompoundData*> ByRomaji(std::string_view query) const {
        std::vector<const CCompoundData*> result;
        m_library.FindByRomaji(result, query);
        return result;
    }
    std::vector<const CCompoundData*> ByMeaning(std::string_view query, bool wholeWord) const {
        std::vector<const CCompoundData*> result;
        m_library.FindByMeaning(result, query, wholeWord);
        return result;
    }
    std::vector<const CCompoundData*> ByKanji(std::string_view query) const {
        std::vector<const CCompoundData*> result;
        m_library.FindByKanji(result, query);
        return result;
    }
    std::vector<const CCompoundData*> Searched(std::string_view romaji, std::string_view meaning,
                                               std::string_view kanji, int mode,
                                               bool wholeWord = false) const {
        std::vector<const CCompoundData*> result;
        m_library.Search(result, romaji, meaning, kanji, mode, wholeWord);
        return result;
    }

    CCompoundLibrary m_library;
    CScriptedPrompter m_prompter;
    CTempDirectory m_directory;
};

TEST_F(CompoundLibrary, SavesTheArraysInWalkingOrderByteForByte) {
    m_library.SetIdentification("EDICT test");
    m_library.Add(MakeEntry(kTokyo, "Tokyo", "toukyou"));
    m_library.Add(MakeEntry("\x88\xab", "evil", "aku"));
    m_library.Add(MakeEntry("\x89\x83", "cherry", "ou"));
    m_library.Add(MakeEntry("\x98\x61", "harmony", "wa"));
    m_library.Add(MakeEntry("\x8a\x4a", "open", "aku"));
    const std::string path = m_directory.File("CompDB.kdb2");
    ASSERT_TRUE(m_library.Save(path, m_prompter));

    // w f g y h z i j k m n o p r a s b t c u d e; the class is introduced once (index 1).
    const std::string object = Bytes({0x01, 0x80});
    const std::string expected = ShortText("EDICT test") + Bytes({1, 0}) + NewCompoundClass(2) +
                                 Entry("\x98\x61", "harmony", "wa") + EmptyArrays(10) +
                                 Bytes({1, 0}) + object + Entry("\x89\x83", "cherry", "ou") +
                                 EmptyArrays(2) + Bytes({2, 0}) + object +
                                 Entry("\x88\xab", "evil", "aku") + object +
                                 Entry("\x8a\x4a", "open", "aku") + EmptyArrays(2) + Bytes({1, 0}) +
                                 object + Entry(kTokyo, "Tokyo", "toukyou") + EmptyArrays(4);
    EXPECT_EQ(CTempDirectory::Read(path), expected);
    EXPECT_TRUE(m_prompter.Entries().empty());
}

TEST_F(CompoundLibrary, ReloadingGivesTheSameArraysAndReportsProgress) {
    m_library.SetIdentification("EDICT id");
    for (const char* romaji : {"eki", "aka", "Ame", "kuruma", "eigo", "ringo", "zou"})
        m_library.Add(MakeEntry("\x8c\x8e", std::string("gloss of ") + romaji, romaji));
    const std::string path = m_directory.File("CompDB.kdb2");
    ASSERT_TRUE(m_library.Save(path, m_prompter));

    CCompoundLibrary read;
    std::vector<int> progress;
    read.SetProgress([&](int entriesRead) { progress.push_back(entriesRead); });
    ASSERT_TRUE(read.Load(path, false, m_prompter));
    EXPECT_EQ(read.Identification(), "EDICT id");
    for (char letter : kCompoundLetters)
        EXPECT_EQ(LetterRomajis(read, letter), LetterRomajis(m_library, letter)) << letter;
    EXPECT_EQ(read.Letter('a')[1]->meaning, "gloss of Ame");
    // One report per array: z is sixth, k ninth, r fourteenth, a fifteenth, e last.
    ASSERT_EQ(progress.size(), kCompoundLetters.size());
    EXPECT_EQ(progress[4], 0);
    EXPECT_EQ(progress[5], 1);
    EXPECT_EQ(progress[8], 2);
    EXPECT_EQ(progress[13], 3);
    EXPECT_EQ(progress[14], 5);
    EXPECT_EQ(progress[21], 7);
    ASSERT_TRUE(read.Save(m_directory.File("again.kdb2"), m_prompter));
    EXPECT_EQ(CTempDirectory::Read(m_directory.File("again.kdb2")), CTempDirectory::Read(path));

    // A second load appends to the arrays; the header-only load reads just the text.
    ASSERT_TRUE(read.Load(path, false, m_prompter));
    EXPECT_EQ(LetterRomajis(read, 'e'), (std::vector<std::string>{"eki", "eigo", "eki", "eigo"}));
    EXPECT_EQ(read.TotalCount(), 14);
    CCompoundLibrary header;
    header.Add(MakeEntry(kTsuki, "moon", "tsuki"));
    ASSERT_TRUE(header.Load(path, true, m_prompter));
    EXPECT_EQ(header.Identification(), "EDICT id");
    EXPECT_EQ(header.TotalCount(), 1);
    EXPECT_TRUE(m_prompter.Entries().empty());
}

class OlderCompoundRecords : public CompoundLibrary, public ::testing::WithParamInterface<int> {};

TEST_P(OlderCompoundRecords, TakeTheRomajiCaseFromTheirFlag) {
    const std::string object = Bytes({0x01, 0x80});
    const std::string bytes =
        ShortText("old") + EmptyArrays(14) + Bytes({3, 0}) + NewCompoundClass(GetParam()) +
        Entry(kNeko, "cat", "Neko") + Int32(1) + object + Entry(kKamera, "camera", "kaMera") +
        Int32(0) + object + Entry(kTokyo, "Tokyo", "TOUKYOU") + Int32(7) + EmptyArrays(7);
    ASSERT_TRUE(m_library.Load(m_directory.Write("old.kdb2", bytes), false, m_prompter));
    const auto entries = m_library.Letter('a');
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0]->romaji, "neko");
    EXPECT_EQ(entries[0]->hiragana, 1);
    EXPECT_EQ(entries[1]->romaji, "KAMERA");
    EXPECT_EQ(entries[1]->hiragana, 0);
    EXPECT_EQ(entries[1]->meaning, "camera");
    EXPECT_EQ(entries[2]->romaji, "toukyou");
    EXPECT_EQ(entries[2]->headword, kTokyo);
    EXPECT_TRUE(m_prompter.Entries().empty());
}

INSTANTIATE_TEST_SUITE_P(SchemasZeroAndOne, OlderCompoundRecords, ::testing::Values(0, 1));

TEST_F(CompoundLibrary, EntriesGoToTheArrayOfTheirFirstLetterOrOfA) {
    m_library.Add(
        MakeEntry("\x83\x94\x83\x40\x83\x43\x83\x49\x83\x8a\x83\x93", "violin", "VAIORIN"));
    m_library.Add(MakeEntry("\x82\xf1", "n", "'n"));
    m_library.Add(MakeEntry(kKamera, "camera", "KAMERA"));
    m_library.Add(MakeEntry(kTsuki, "moon", "tsuki"));
    m_library.Add(MakeEntry("\x8d\x91", "country", "kuni"));
    EXPECT_EQ(LetterRomajis(m_library, 'a'), (std::vector<std::string>{"VAIORIN", "'n"}));
    EXPECT_EQ(LetterRomajis(m_library, 'k'), (std::vector<std::string>{"KAMERA", "kuni"}));
    EXPECT_EQ(LetterRomajis(m_library, 't'), std::vector<std::string>{"tsuki"});
    EXPECT_TRUE(m_library.Letter('v').empty());
    EXPECT_TRUE(m_library.Letter('K').empty());
    EXPECT_EQ(m_library.TotalCount(), 5);
    m_library.Clear();
    EXPECT_EQ(m_library.TotalCount(), 0);
    EXPECT_TRUE(m_library.Letter('k').empty());
}

TEST_F(CompoundLibrary, RomajiQueriesReadTheLongOBothWaysAndTryHepburn) {
    m_library.Add(MakeEntry(kTokyo, "Tokyo", "toukyou"));
    m_library.Add(MakeEntry(kTsuki, "moon", "tsuki"));
    m_library.Add(MakeEntry("\x8b\x43\x8e\x9d", "mood", "ki mo'chi"));
    m_library.Add(MakeEntry(kKamera, "camera", "KAMERA"));
    EXPECT_EQ(Romajis(ByRomaji("tookyoo")), std::vector<std::string>{"toukyou"});
    EXPECT_EQ(Romajis(ByRomaji("Tou Kyou")), std::vector<std::string>{"toukyou"});
    EXPECT_TRUE(ByRomaji("tokyo").empty());
    EXPECT_EQ(Romajis(ByRomaji("tu")), std::vector<std::string>{"tsuki"});
    EXPECT_EQ(Romajis(ByRomaji("kimochi")), std::vector<std::string>{"ki mo'chi"});
    EXPECT_EQ(Romajis(ByRomaji("mera")), std::vector<std::string>{"KAMERA"});
    // The second pass appends its matches again.
    m_library.Add(MakeEntry("\x92\xc3\x92\xc3", "stress", "tsutu"));
    EXPECT_EQ(Romajis(ByRomaji("tu")), (std::vector<std::string>{"tsutu", "tsuki", "tsutu"}));
}

TEST_F(CompoundLibrary, WholeWordMeaningsLookOnlyAtTheFirstOccurrence) {
    m_library.Add(MakeEntry("\x91\xe5\x90\x5f\x93\xb0", "cathedral/a cat", "daiseidou"));
    m_library.Add(MakeEntry(kNeko, "(n) CAT/feline", "neko"));
    m_library.Add(MakeEntry("\x8d\x95\x94\x4c", "black cat", "kuroneko"));
    m_library.Add(MakeEntry("\x8f\xac\x94\x4c", "kitten,cats", "koneko"));
    // Arrays in walking order: k before n before d.
    EXPECT_EQ(Romajis(ByMeaning("Cat", true)), (std::vector<std::string>{"kuroneko", "neko"}));
    EXPECT_EQ(Romajis(ByMeaning("cat", false)),
              (std::vector<std::string>{"kuroneko", "koneko", "neko", "daiseidou"}));
    EXPECT_EQ(Romajis(ByMeaning("kitten", true)), std::vector<std::string>{"koneko"});
}

TEST_F(CompoundLibrary, KanjiQueriesMatchOnlyAtCharacterBoundaries) {
    m_library.Add(MakeEntry(kTokyo, "Tokyo", "toukyou"));
    EXPECT_TRUE(ByKanji("\x8c\x8b").empty());  // the tail of 東 and the head of 京
    EXPECT_EQ(Romajis(ByKanji("\x8b\x9e")), std::vector<std::string>{"toukyou"});
    EXPECT_EQ(Romajis(ByKanji(kTokyo)), std::vector<std::string>{"toukyou"});
}

TEST_F(CompoundLibrary, CombinedSearchesNeedAllOrAnyOfTheGivenCriteria) {
    m_library.Add(MakeEntry(kTokyo, "Tokyo (capital)", "toukyou"));
    m_library.Add(MakeEntry("\x8b\x9e\x93\x73", "Kyoto", "kyouto"));
    m_library.Add(MakeEntry(kNeko, "cat", "neko"));
    m_library.Add(MakeEntry(kTsuki, "moon", "tsuki"));
    for (int mode : {0, 1})
        EXPECT_TRUE(Searched("", "", "", mode).empty());
    EXPECT_EQ(Romajis(Searched("kyoo", "", "\x8b\x9e", 0)),
              (std::vector<std::string>{"kyouto", "toukyou"}));
    EXPECT_EQ(Romajis(Searched("kyoo", "capital", "", 0)), std::vector<std::string>{"toukyou"});
    EXPECT_EQ(Romajis(Searched("neko", "moon", "", 1)),
              (std::vector<std::string>{"neko", "tsuki"}));
    for (bool wholeWord : {false, true}) {
        EXPECT_EQ(Searched("", "cap", "", 1, wholeWord), ByMeaning("cap", wholeWord));
        EXPECT_EQ(Searched("", "capital", "", 1, wholeWord), ByMeaning("capital", wholeWord));
    }
    // The Hepburn pass repeats the search with the other criteria unchanged.
    EXPECT_EQ(Romajis(Searched("tu", "", "", 0)), std::vector<std::string>{"tsuki"});
    EXPECT_EQ(Romajis(Searched("tu", "cat", "", 1)),
              (std::vector<std::string>{"neko", "neko", "tsuki"}));
}

TEST_F(CompoundLibrary, RandomDrawsEndAndFollowChangesToTheLibrary) {
    CRandom random(m_prompter, 7);
    EXPECT_EQ(m_library.RandomEntry(CompoundKind::kAny, random), nullptr);
    m_library.Add(MakeEntry(kTokyo, "Tokyo", "toukyou"));
    EXPECT_EQ(m_library.RandomEntry(CompoundKind::kAny, random)->romaji, "toukyou");
    EXPECT_EQ(m_library.RandomEntry(CompoundKind::kHiragana, random), nullptr);
    EXPECT_EQ(m_library.RandomEntry(CompoundKind::kKatakana, random), nullptr);

    m_library.Add(MakeEntry(kNeko, "cat", "neko"));
    m_library.Add(MakeEntry(kKamera, "camera", "KAMERA"));
    m_library.Add(MakeEntry(kNeko + kKamera, "mixed", "nekoKAMERA"));
    std::set<std::string> drawn;
    for (int i = 0; i < 200; ++i)
        drawn.insert(m_library.RandomEntry(CompoundKind::kAny, random)->romaji);
    EXPECT_EQ(drawn, (std::set<std::string>{"toukyou", "neko", "KAMERA", "nekoKAMERA"}));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(m_library.RandomEntry(CompoundKind::kHiragana, random)->romaji, "neko");
        EXPECT_EQ(m_library.RandomEntry(CompoundKind::kKatakana, random)->romaji, "KAMERA");
    }
    m_library.Clear();
    EXPECT_EQ(m_library.RandomEntry(CompoundKind::kAny, random), nullptr);
    EXPECT_TRUE(m_prompter.Entries().empty());
}

TEST_F(CompoundLibrary, RareKindsAreStillFound) {
    for (int i = 0; i < 20000; ++i)
        m_library.Add(MakeEntry(kTokyo, "Tokyo", "toukyou"));
    m_library.Add(MakeEntry(kNeko, "cat", "neko"));
    CRandom random(m_prompter, 3);
    EXPECT_EQ(m_library.RandomEntry(CompoundKind::kHiragana, random)->romaji, "neko");
}

TEST_F(CompoundLibrary, AFailedLoadTellsTheUserAndEmptiesTheLibrary) {
    CCompoundLibrary saved;
    saved.SetIdentification("EDICT");
    saved.Add(MakeEntry(kTsuki, "moon", "tsuki"));
    saved.Add(MakeEntry(kNeko, "cat", "neko"));
    const std::string good = m_directory.File("good.kdb2");
    ASSERT_TRUE(saved.Save(good, m_prompter));
    std::string bytes = CTempDirectory::Read(good);
    bytes.resize(bytes.size() - 6);
    const std::string path = m_directory.Write("CompDBedictdem.kdb2", bytes);

    m_library.Add(MakeEntry(kTokyo, "Tokyo", "toukyou"));
    EXPECT_FALSE(m_library.Load(path, false, m_prompter));
    const auto& entries = m_prompter.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].kind, CPrompter::Kind::Error);
    EXPECT_EQ(entries[0].text, "An attempt was made to read past the end of the file.");
    EXPECT_EQ(entries[1].kind, CPrompter::Kind::Stop);
    EXPECT_EQ(entries[1].text, CCompoundLibrary::LoadFailureMessage(path));
    EXPECT_NE(entries[1].text.find("failed"), std::string::npos);
    EXPECT_NE(entries[1].text.find("''" + path + "''"), std::string::npos);
    EXPECT_TRUE(entries[1].text.ends_with(
        "The compound search features of Brushly will not operate without a valid database."));
    EXPECT_EQ(m_library.TotalCount(), 0);
    for (char letter : kCompoundLetters)
        EXPECT_TRUE(m_library.Letter(letter).empty());
    EXPECT_TRUE(ByRomaji("").empty());

    m_prompter.Clear();
    EXPECT_FALSE(m_library.Load(m_directory.File("missing.kdb2"), true, m_prompter));
    ASSERT_EQ(m_prompter.Entries().size(), 2u);
    EXPECT_NE(m_prompter.Entries()[0].text.find("missing.kdb2"), std::string::npos);
}

TEST_F(CompoundLibrary, AFailedSaveLeavesTheOldFile) {
    const std::string path = m_directory.Write("CompDBedictdem.kdb2", "old contents");
    for (int i = 0; i < 2000; ++i)
        m_library.Add(MakeEntry(kTokyo, "the capital of Japan", "toukyou"));
    // A file size limit stands in for a full disk.
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit limited = original;
    limited.rlim_cur = 8192;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = m_library.Save(path, m_prompter);
    setrlimit(RLIMIT_FSIZE, &original);
    signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(CTempDirectory::Read(path), "old contents");
    ASSERT_EQ(m_prompter.Entries().size(), 1u);
    EXPECT_EQ(m_prompter.Entries()[0].kind, CPrompter::Kind::Error);
    EXPECT_NE(m_prompter.Entries()[0].text.find(path), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_directory.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

}  // namespace
}  // namespace brushly::testing
