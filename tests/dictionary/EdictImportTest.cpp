// The EDICT import: the line filters, the block reading of the file, the abbreviation list,
// the dictionary step of start-up, and the real dictionary when it has been generated.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/CLoadingDisplay.h"
#include "dictionary/DictionaryStartup.h"
#include "dictionary/EdictRelease.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/RealData.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {
namespace {

std::string Sjis(const char* utf8) {
    return sjis::FromUtf8(utf8);
}

// Remembers what the loading dialog would show, and presses its Cancel when told: after a
// number of blocks, at a kana word's count, or as the saving begins.
class CRecordingDisplay final : public CLoadingDisplay {
public:
    void SetStatus(const std::string& text) override {
        statuses.push_back(text);
        events.push_back(text);
        if (cancelOnSaving && text == CEdictImporter::kSavingStatus) requested = true;
    }
    void ShowEdictLabel(bool visible) override { labelVisible = visible; }
    void ShowEdictBar(bool visible) override { barVisible = visible; }
    void SetProgressRange(int low, int high) override { range = {low, high}; }
    void SetProgressValue(int value) override {
        progress.push_back(value);
        if (static_cast<int>(progress.size()) == cancelAfterBlocks) requested = true;
    }
    void SetCompoundCount(int count) override { compoundCount = count; }
    void SetKanaWordCount(int count) override {
        kanaWordCount = count;
        if (count == cancelAtKanaWord) requested = true;
    }
    bool CancelRequested() override { return requested; }
    void AllowCancel(bool allowed) override { events.push_back(allowed ? "allow" : "withdraw"); }

    std::vector<std::string> statuses;
    // The statuses and the AllowCancel calls, in order.
    std::vector<std::string> events;
    bool labelVisible = false;
    bool barVisible = false;
    std::pair<int, int> range{-1, -1};
    std::vector<int> progress;
    int compoundCount = -1;
    int kanaWordCount = -1;
    int cancelAfterBlocks = -1;
    int cancelAtKanaWord = -1;
    bool cancelOnSaving = false;
    bool requested = false;
};

// The small database with the kanji of the test lines added (人 is left out on purpose).
std::unique_ptr<CKanjiLibrary> MakeKanjiLibrary() {
    auto library = MakeSmallKanjiLibrary();
    for (const char* kanji : {"日", "本", "東", "京"}) {
        auto record = std::make_unique<CKanjiData>();
        record->character = Sjis(kanji);
        library->AddKanji(4, std::move(record));
    }
    return library;
}

const std::string kHeader = Sjis("　？？？ /EDICT, Version 05/001 Japanese-English/\n");
const std::string kNewerHeader = Sjis("　？？？ /EDICT, Version 05/002 Japanese-English/\n");
const std::string kNipponLine = Sjis("日本 [にほん] /(n) Japan/(P)/\n");
const std::string kSushiLine = Sjis("すし /(n) sushi/\n");

class EdictImport : public ::testing::Test {
protected:
    void Parse(const std::string& line) { importer.ParseEdictLine(line); }

    CTempDirectory directory;
    std::unique_ptr<CKanjiLibrary> kanji = MakeKanjiLibrary();
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    CScriptedPrompter prompter;
    CRecordingDisplay display;
    CEdictImporter importer{compounds, kanaWords, *kanji,
                            prompter,  display,   directory.Path().string()};
};

TEST_F(EdictImport, ReadingMakesACompoundIndexedByItsRomaji) {
    Parse(kNipponLine);
    Parse(Sjis("東京パン [とうきょうパン] /(n) Tokyo bread/\r\n"));
    ASSERT_EQ(compounds.Letter('t').size(), 1u);
    EXPECT_EQ(compounds.Letter('t')[0]->meaning, "(n) Tokyo bread");
    EXPECT_EQ(compounds.Letter('t')[0]->romaji, "toukyouPAN");
    ASSERT_EQ(compounds.Letter('n').size(), 1u);
    const CCompoundData& entry = *compounds.Letter('n')[0];
    EXPECT_EQ(entry.headword, Sjis("日本"));
    EXPECT_EQ(entry.meaning, "(n) Japan/(P)");
    EXPECT_EQ(entry.romaji, "nihon");
    EXPECT_EQ(display.compoundCount, 2);
    EXPECT_EQ(kanaWords.TotalCount(), 0);
}

TEST_F(EdictImport, NoReadingMakesAKanaWordKatakanaInUpperCase) {
    Parse(kSushiLine);
    ASSERT_EQ(kanaWords.Letter('s').size(), 1u);
    EXPECT_EQ(kanaWords.Letter('s')[0]->romaji, "sushi");
    EXPECT_EQ(kanaWords.Letter('s')[0]->meaning, "(n) sushi");
    Parse(Sjis("テレビ /(n) television/\n"));
    Parse(Sjis("ヴァイオリン /(n) violin/(P)/\n"));
    ASSERT_EQ(kanaWords.Letter('t').size(), 1u);
    EXPECT_EQ(kanaWords.Letter('t')[0]->romaji, "TEREBI");
    ASSERT_EQ(kanaWords.Letter('a').size(), 1u);
    EXPECT_EQ(kanaWords.Letter('a')[0]->romaji.front(), 'V');
    EXPECT_EQ(display.kanaWordCount, 3);
    EXPECT_EQ(compounds.TotalCount(), 0);
}

TEST_F(EdictImport, FiltersDropMarkedSingleAndUnknownHeadwords) {
    Parse(Sjis("日本 [にほん] /(X) vulgar/\n"));
    Parse(Sjis("日 [ひ] /(n) sun/\n"));
    Parse(Sjis("日々 [ひび] /(n) every day/\n"));
    Parse(Sjis("日本人 [にほんじん] /(n) Japanese person/\n"));
    Parse(Sjis("日本 [ＡＢＣ] /(n) no kana reading/\n"));
    Parse(Sjis("ＡＢＣ /(n) no kana/\n"));
    Parse(Sjis("日本/(n)Japan/\n"));
    EXPECT_EQ(compounds.TotalCount() + kanaWords.TotalCount(), 0);
    EXPECT_EQ(importer.Counts().droppedEntries, 6);
    EXPECT_EQ(importer.Counts().malformedLines, 1);
}

TEST_F(EdictImport, KnownHeadwordsAreKanjiOfTheDatabaseAndKana) {
    EXPECT_TRUE(importer.IsKnownHeadword(Sjis("日本")));
    EXPECT_TRUE(importer.IsKnownHeadword(Sjis("ＣＤ日本カ")));
    EXPECT_FALSE(importer.IsKnownHeadword(Sjis("人")));
    EXPECT_FALSE(importer.IsKnownHeadword(Sjis("日ー")));
    EXPECT_FALSE(importer.IsKnownHeadword(Sjis("日本") + "A"));
}

TEST(EdictVersion, FirstNumberDecidesThenSecond) {
    EXPECT_TRUE(IsNewerEdict("EDICT, Version 05/009", "EDICT, Version 06/001"));
    EXPECT_FALSE(IsNewerEdict("EDICT, Version 06/001", "EDICT, Version 05/009"));
    EXPECT_TRUE(IsNewerEdict("EDICT, Version 05/001", "EDICT, Version 05/002"));
    EXPECT_FALSE(IsNewerEdict("EDICT, Version 05/002", "EDICT, Version 05/002"));
    EXPECT_FALSE(IsNewerEdict("EDICT", "EDICT"));
}

// Current EDICT headers number no release at the fixed places; their creation date decides.
TEST(EdictVersion, ACurrentHeaderIsDatedByItsCreation) {
    const std::string current =
        "EDICT, EDICT_SUB(P), EDICT2 Japanese-English Electronic Dictionary Files/Copyright "
        "Electronic Dictionary Research & Development Group - 2021/Created: 2021-02-03/";
    const CEdictRelease release = EdictReleaseOf(current);
    EXPECT_EQ(release.created, "2021-02-03");
    EXPECT_EQ(release.copyrightYear, "2021");
    std::string later = current;
    later.replace(later.find("2021-02-03"), 10, "2023-11-30");
    EXPECT_TRUE(IsNewerEdict(current, later));
    EXPECT_FALSE(IsNewerEdict(later, current));
    EXPECT_FALSE(IsNewerEdict(current, current));
    // Stored before the whole header was kept: cut to 21 characters, with no date.
    EXPECT_TRUE(IsNewerEdict("EDICT, EDICT_SUB(P), ", current));
    // An older numbered release against a dated one.
    EXPECT_TRUE(IsNewerEdict("EDICT, Version 05/009", current));
    EXPECT_EQ(EdictReleaseOf("EDICT, Version 05/009").created, "");
    EXPECT_EQ(EdictReleaseOf("Created: 2021-2-3/").created, "");
}

TEST_F(EdictImport, ImportsTheFileAndSavesBothLibraries) {
    directory.Write("edict_SJIS.txt",
                    kHeader + kNipponLine + kSushiLine + "\n" + Sjis("すし /(n) unfinished line/"));
    ASSERT_TRUE(importer.ImportEdict(false, false));
    EXPECT_EQ(compounds.Identification(), "EDICT, Version 05/001 Japanese-English/");
    EXPECT_EQ(kanaWords.Identification(), "EDICT, Version 05/001 Japanese-English/");
    EXPECT_EQ(importer.Counts().kanaWords, 1);       // not the line after the last line feed
    EXPECT_EQ(importer.Counts().malformedLines, 1);  // the empty line
    EXPECT_EQ(display.range, std::make_pair(0, CEdictImporter::kProgressEnd));
    EXPECT_EQ(display.statuses.back(), "Saving EDICT information....");

    CCompoundLibrary reloaded;
    ASSERT_TRUE(reloaded.Load(directory.File("CompDBedictdem.kdb2"), false, prompter));
    EXPECT_EQ(reloaded.Identification(), "EDICT, Version 05/001 Japanese-English/");
    ASSERT_EQ(reloaded.TotalCount(), 1);
    EXPECT_TRUE(reloaded.Load(directory.File("KanaDBedictdem.kdb2"), false, prompter));
    EXPECT_EQ(reloaded.TotalCount(), 2);
}

TEST_F(EdictImport, LinesAcrossBlocksAreJoinedAndOverlongOnesSkipped) {
    std::string text = kHeader;
    int lines = 0;
    for (; text.size() < 3 * CEdictImporter::kBlockSize; ++lines)
        text += Sjis("すし") + std::string(lines % 7, 'x') + " /(n) sushi/\n";
    text += Sjis("すし /") + std::string(CEdictImporter::kMaxLineBytes, 'y') + "/\n";
    text += kSushiLine;
    directory.Write("edict_SJIS.txt", text);
    ASSERT_TRUE(importer.ImportEdict(false, false));
    EXPECT_EQ(importer.Counts().kanaWords, lines + 1);
    EXPECT_EQ(importer.Counts().malformedLines, 1);
    for (const auto& entry : kanaWords.Letter('s'))
        EXPECT_EQ(entry->meaning, "(n) sushi");
    EXPECT_EQ(display.progress.size(), text.size() / CEdictImporter::kBlockSize + 1);
    EXPECT_EQ(display.progress.back(), CEdictImporter::kProgressEnd);
}

TEST_F(EdictImport, HeaderOnlySetsTheIdentificationAlone) {
    directory.Write("edict_SJIS.txt", Sjis("no marker in this long header\n") + kNipponLine);
    ASSERT_TRUE(importer.ImportEdict(false, true));
    EXPECT_EQ(kanaWords.Identification(), "no marker in this long header");
    EXPECT_EQ(compounds.TotalCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(directory.File("CompDBedictdem.kdb2")));
}

TEST_F(EdictImport, AsksFirstAndDeclinesOrFindsNoFile) {
    EXPECT_FALSE(importer.ImportEdict(true, false));
    EXPECT_TRUE(prompter.Texts().empty());

    directory.Write("edict_SJIS.txt", kHeader + kNipponLine);
    prompter.ScriptAnswers({false});
    EXPECT_FALSE(importer.ImportEdict(true, false));
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{CEdictImporter::kImportQuestion});
}

TEST_F(EdictImport, ReadFailureIsShownAndSavesNothing) {
    std::filesystem::create_directory(directory.File("edict_SJIS.txt"));
    EXPECT_FALSE(importer.ImportEdict(false, false));
    ASSERT_EQ(prompter.Texts().size(), 1u);
    EXPECT_NE(prompter.Texts()[0].find("edict_SJIS.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(directory.File("CompDBedictdem.kdb2")));
}

// An EDICT file of four blocks whose kana words are counted 1, 2, ...; returns their number.
int WriteLongEdict(CTempDirectory& directory) {
    std::string text = kHeader;
    int lines = 0;
    for (; text.size() < 4 * CEdictImporter::kBlockSize; ++lines)
        text += kSushiLine;
    directory.Write("edict_SJIS.txt", text);
    return lines;
}

// What the folder holds, by name.
std::vector<std::string> FolderNames(const CTempDirectory& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(EdictImport, CancelWhileReadingReplacesNothingAndLeavesNoTemporaries) {
    const int lines = WriteLongEdict(directory);
    const std::string oldCompounds = "the old compound library";
    const std::string oldKanaWords = "the old kana word library";
    // After the first block, after the third, and on the last line, which only the look after
    // the whole file catches.
    for (const auto& [blocks, kanaWord] : {std::pair{1, -1}, {3, -1}, {-1, lines}}) {
        SCOPED_TRACE(::testing::Message() << "blocks " << blocks << ", kana word " << kanaWord);
        directory.Write("CompDBedictdem.kdb2", oldCompounds);
        directory.Write("KanaDBedictdem.kdb2", oldKanaWords);
        CRecordingDisplay pressed;
        pressed.cancelAfterBlocks = blocks;
        pressed.cancelAtKanaWord = kanaWord;
        CEdictImporter cancelled(compounds, kanaWords, *kanji, prompter, pressed,
                                 directory.Path().string());
        EXPECT_FALSE(cancelled.ImportEdict(false, false));
        EXPECT_TRUE(cancelled.Cancelled());
        EXPECT_FALSE(cancelled.Saved());
        const auto allBlocks = std::filesystem::file_size(directory.File("edict_SJIS.txt")) /
                                   CEdictImporter::kBlockSize +
                               1;
        EXPECT_EQ(pressed.progress.size(),
                  blocks < 0 ? allBlocks : static_cast<std::uintmax_t>(blocks));
        EXPECT_EQ(compounds.TotalCount() + kanaWords.TotalCount(), 0);
        EXPECT_EQ(pressed.events,
                  (std::vector<std::string>{CEdictImporter::kImportStatus, "allow", "withdraw"}));
        EXPECT_FALSE(pressed.barVisible);
        EXPECT_FALSE(pressed.labelVisible);
        EXPECT_EQ(CTempDirectory::Read(directory.File("CompDBedictdem.kdb2")), oldCompounds);
        EXPECT_EQ(CTempDirectory::Read(directory.File("KanaDBedictdem.kdb2")), oldKanaWords);
        EXPECT_EQ(FolderNames(directory),
                  (std::vector<std::string>{"CompDBedictdem.kdb2", "KanaDBedictdem.kdb2",
                                            "edict_SJIS.txt"}));
        EXPECT_TRUE(prompter.Texts().empty());
    }
}

TEST_F(EdictImport, CancelIsWithdrawnBeforeTheFilesAreReplaced) {
    const int lines = WriteLongEdict(directory);
    display.cancelOnSaving = true;
    ASSERT_TRUE(importer.ImportEdict(false, false));
    EXPECT_FALSE(importer.Cancelled());
    EXPECT_TRUE(importer.Saved());
    EXPECT_EQ(display.events,
              (std::vector<std::string>{CEdictImporter::kImportStatus, "allow", "withdraw",
                                        CEdictImporter::kSavingStatus}));
    CCompoundLibrary reloaded;
    ASSERT_TRUE(reloaded.Load(directory.File("KanaDBedictdem.kdb2"), false, prompter));
    EXPECT_EQ(reloaded.TotalCount(), lines);

    // Reading the header alone offers no Cancel.
    display.events.clear();
    ASSERT_TRUE(importer.ImportEdict(false, true));
    EXPECT_TRUE(display.events.empty());
}

TEST(AbbreviationList, TakesTrimmedNonEmptyLinesEndedByLineFeeds) {
    CTempDirectory directory;
    CScriptedPrompter prompter;
    CAbbreviationList list;
    list.Load(directory.Write("edictabbrev.txt", "n \r\n\r\nvs\t\nP\nadj"), prompter);
    EXPECT_EQ(list.Abbreviations(), (std::vector<std::string>{"n", "vs", "P"}));

    list.Load(directory.File("missing.txt"), prompter);
    EXPECT_EQ(prompter.Texts().size(), 1u);

    std::string longList;
    while (longList.size() < 20000)
        longList += "abcd\n";
    list.Load(directory.Write("long.txt", longList), prompter);
    EXPECT_EQ(list.Abbreviations().size(), 3u + 2000u);
}

TEST(AbbreviationList, StripDeletesListedItemsAndEmptyLists) {
    CAbbreviationList list;
    list.Append("n\nvs\nP\nuk\n");
    EXPECT_EQ(list.Strip("/(n,vs) study/(P)/"), "study");
    EXPECT_EQ(list.Strip("(adj-na,n) quiet"), "(adj-na,) quiet");
    EXPECT_EQ(list.Strip("(n,uk,vs,n) word (Japan)"), "word (Japan)");
}

// The dictionary step of start-up on files in a temporary install directory.
class DictionaryStartup : public ::testing::Test {
protected:
    CDictionaryIndicators Run() {
        return LoadDictionaries(
            {compounds, kanaWords, *kanji, abbreviations, prompter, display, dataDirectory});
    }
    // An imported database as an earlier start left it.
    void ImportEarlier(const std::string& edict) {
        directory.Write("edict_SJIS.txt", edict);
        CCompoundLibrary earlierCompounds, earlierKanaWords;
        CRecordingDisplay earlierDisplay;
        CEdictImporter importer(earlierCompounds, earlierKanaWords, *kanji, prompter,
                                earlierDisplay, dataDirectory);
        ASSERT_TRUE(importer.ImportEdict(false, false));
    }

    CTempDirectory directory;
    std::string dataDirectory = directory.Path().string();
    std::unique_ptr<CKanjiLibrary> kanji = MakeKanjiLibrary();
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    CAbbreviationList abbreviations;
    CScriptedPrompter prompter;
    CRecordingDisplay display;
};

TEST_F(DictionaryStartup, WithoutEdictFallsBackToTheDemoDatabase) {
    CCompoundLibrary demo;
    demo.SetIdentification("demo");
    auto entry = std::make_unique<CCompoundData>();
    entry->headword = Sjis("日本");
    entry->romaji = "nihon";
    demo.Add(std::move(entry));
    ASSERT_TRUE(demo.Save(directory.File("CompDBdemo.kdb2"), prompter));
    directory.Write("edictabbrev.txt", "n\nP\n");

    const CDictionaryIndicators indicators = Run();
    EXPECT_TRUE(indicators.compounds);
    EXPECT_FALSE(indicators.kanaWords);
    EXPECT_EQ(compounds.Identification(), "demo");
    EXPECT_EQ(compounds.TotalCount(), 1);
    EXPECT_EQ(display.compoundCount, 1);
    EXPECT_EQ(display.statuses, std::vector<std::string>{kDemoDatabaseStatus});
    EXPECT_EQ(abbreviations.Abbreviations().size(), 2u);
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST_F(DictionaryStartup, OffersTheFirstImport) {
    directory.Write("edict_SJIS.txt", kHeader + kNipponLine + kSushiLine);
    prompter.ScriptAnswers({true});
    const CDictionaryIndicators indicators = Run();
    EXPECT_TRUE(indicators.compounds && indicators.kanaWords);
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{CEdictImporter::kImportQuestion});
    EXPECT_EQ(kanaWords.TotalCount(), 1);
    EXPECT_TRUE(std::filesystem::exists(directory.File("KanaDBedictdem.kdb2")));
}

TEST_F(DictionaryStartup, LoadsTheStoredDatabaseWhenEdictIsNotNewer) {
    ImportEarlier(kHeader + kNipponLine + kSushiLine);
    const CDictionaryIndicators indicators = Run();
    EXPECT_TRUE(indicators.compounds && indicators.kanaWords);
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_EQ(display.compoundCount, 1);
    EXPECT_EQ(display.kanaWordCount, 1);
    EXPECT_FALSE(display.labelVisible);
    EXPECT_EQ(display.statuses, std::vector<std::string>{kEdictDatabaseStatus});
}

TEST_F(DictionaryStartup, NewerEdictDeclinedKeepsTheStoredDatabase) {
    ImportEarlier(kHeader + kNipponLine);
    directory.Write("edict_SJIS.txt", kNewerHeader + kNipponLine + kSushiLine);
    prompter.ScriptAnswers({false});
    const CDictionaryIndicators indicators = Run();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{kNewerEdictQuestion});
    EXPECT_TRUE(indicators.compounds && indicators.kanaWords);
    EXPECT_EQ(compounds.Identification(), "EDICT, Version 05/001 Japanese-English/");
    EXPECT_EQ(kanaWords.TotalCount(), 0);
}

TEST_F(DictionaryStartup, NewerEdictAcceptedIsImportedWithoutAskingAgain) {
    ImportEarlier(kHeader + kNipponLine);
    directory.Write("edict_SJIS.txt", kNewerHeader + kNipponLine + kSushiLine);
    prompter.ScriptAnswers({true});
    const CDictionaryIndicators indicators = Run();
    EXPECT_EQ(prompter.Texts(), std::vector<std::string>{kNewerEdictQuestion});
    EXPECT_TRUE(indicators.compounds && indicators.kanaWords);
    EXPECT_EQ(kanaWords.TotalCount(), 1);

    CCompoundLibrary stored;
    ASSERT_TRUE(stored.Load(directory.File("CompDBedictdem.kdb2"), true, prompter));
    EXPECT_EQ(stored.Identification(), "EDICT, Version 05/002 Japanese-English/");
}

TEST_F(DictionaryStartup, UnreadableStoredDatabaseIsReportedOnce) {
    directory.Write("CompDBedictdem.kdb2", "");
    const CDictionaryIndicators indicators = Run();
    EXPECT_FALSE(indicators.compounds);
    ASSERT_EQ(prompter.Texts().size(), 2u);  // the failure, then the library's message
    EXPECT_EQ(prompter.Texts()[1],
              CCompoundLibrary::LoadFailureMessage(directory.File("CompDBedictdem.kdb2")));
}

TEST_F(DictionaryStartup, CancelledReimportGoesOnWithTheStoredPair) {
    ImportEarlier(kHeader + kNipponLine + kSushiLine);
    const std::string storedCompounds = CTempDirectory::Read(directory.File("CompDBedictdem.kdb2"));
    const std::string storedKanaWords = CTempDirectory::Read(directory.File("KanaDBedictdem.kdb2"));
    WriteLongEdict(directory);
    std::string newer = CTempDirectory::Read(directory.File("edict_SJIS.txt"));
    newer.replace(0, kHeader.size(), kNewerHeader);
    directory.Write("edict_SJIS.txt", newer);
    prompter.ScriptAnswers({true});
    display.cancelAfterBlocks = 2;

    const CDictionaryIndicators indicators = Run();
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{kNewerEdictQuestion, kImportCancelledMessage}));
    EXPECT_EQ(std::string(kImportCancelledMessage),
              "The EDICT import was cancelled.\nThe compound and kana word databases were not "
              "changed.");
    EXPECT_TRUE(indicators.compounds && indicators.kanaWords);
    EXPECT_EQ(compounds.Identification(), "EDICT, Version 05/001 Japanese-English/");
    EXPECT_EQ(compounds.TotalCount(), 1);
    EXPECT_EQ(kanaWords.TotalCount(), 1);
    EXPECT_EQ(display.statuses.back(), kEdictDatabaseStatus);
    EXPECT_EQ(CTempDirectory::Read(directory.File("CompDBedictdem.kdb2")), storedCompounds);
    EXPECT_EQ(CTempDirectory::Read(directory.File("KanaDBedictdem.kdb2")), storedKanaWords);
}

TEST_F(DictionaryStartup, CancelledFirstImportFallsBackToTheDemoDatabase) {
    CCompoundLibrary demo;
    demo.SetIdentification("demo");
    ASSERT_TRUE(demo.Save(directory.File("CompDBdemo.kdb2"), prompter));
    WriteLongEdict(directory);
    prompter.ScriptAnswers({true});
    display.cancelAfterBlocks = 1;

    const CDictionaryIndicators indicators = Run();
    EXPECT_EQ(prompter.Texts(),
              (std::vector<std::string>{CEdictImporter::kImportQuestion, kImportCancelledMessage}));
    EXPECT_TRUE(indicators.compounds);
    EXPECT_FALSE(indicators.kanaWords);
    EXPECT_EQ(compounds.Identification(), "demo");
    EXPECT_EQ(kanaWords.TotalCount(), 0);
    EXPECT_EQ(display.statuses.back(), kDemoDatabaseStatus);
    EXPECT_FALSE(std::filesystem::exists(directory.File("CompDBedictdem.kdb2")));
    EXPECT_FALSE(std::filesystem::exists(directory.File("KanaDBedictdem.kdb2")));
}

// The generated EDICT file with the generated kanji database, imported as at start-up.
TEST(RealEdict, ImportsTheWholeDictionary) {
    const std::filesystem::path data = testing::RealDataDirectory();
    BRUSHLY_REQUIRE_REAL_DATA(std::filesystem::exists(data / "edict_SJIS.txt") &&
                                  std::filesystem::exists(data / "MasterDB.kdb"),
                              "generated EDICT file");
    CScriptedPrompter prompter;
    CKanjiLibrary kanji;
    ASSERT_TRUE(kanji.Load((data / "MasterDB.kdb").string(), prompter));
    CTempDirectory directory;
    std::filesystem::create_symlink(std::filesystem::absolute(data / "edict_SJIS.txt"),
                                    directory.Path() / "edict_SJIS.txt");
    CCompoundLibrary compounds, kanaWords;
    CRecordingDisplay display;
    CEdictImporter importer(compounds, kanaWords, kanji, prompter, display,
                            directory.Path().string());
    ASSERT_TRUE(importer.ImportEdict(false, false));
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_GT(importer.Counts().compounds + importer.Counts().kanaWords, 100000);
    EXPECT_GT(importer.Counts().kanaWords, 10000);
    EXPECT_EQ(compounds.Identification().substr(0, 5), "EDICT");
    std::vector<const CCompoundData*> japan;
    compounds.FindByKanji(japan, Sjis("日本"));
    EXPECT_TRUE(std::any_of(japan.begin(), japan.end(), [](const CCompoundData* entry) {
        return entry->headword == Sjis("日本") && entry->romaji == "nihon";
    }));
}

}  // namespace
}  // namespace brushly::testing
