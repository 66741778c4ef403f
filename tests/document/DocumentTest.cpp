// The document: its file, Open and its conversion hand-off, Save, autosave, New with the
// sample groups, re-linking and the kana statistics.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "archive/CDiskFile.h"
#include "archive/CMemFile.h"
#include "document/CBrushly1Doc.h"
#include "document/CBrushly2Doc.h"
#include "document/SampleWordGroups.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/CFileSizeLimit.h"
#include "support/CTempDirectory.h"
#include "support/ExpectedBytes.h"
#include "support/RealData.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using testing::CFileSizeLimit;
using testing::CTempDirectory;
using testing::Int32;

const std::string kIchi = "\x88\xea";  // 一
const std::string kNi = "\x93\xf1";    // 二

std::string OptionsBody(CBrushlyOptions options) {
    CMemFile file;
    CArchive archive(file, CArchive::Mode::Store);
    options.Serialize(archive);
    archive.Close();
    return file.Bytes();
}

class DocumentTest : public ::testing::Test {
protected:
    std::unique_ptr<CBrushly2Doc> MakeDocument(bool withDatabase = true) {
        auto document = std::make_unique<CBrushly2Doc>(m_settings, m_prompter, 12345u);
        if (withDatabase) document->SetKanjiLibrary(testing::MakeSmallKanjiLibrary());
        return document;
    }
    // A document of no cards, groups or statistics with the given title.
    std::unique_ptr<CBrushly2Doc> MakeEmptyDocument(const std::string& title) {
        auto document = MakeDocument(false);
        document->SetDatabaseTitle(title);
        return document;
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CTempDirectory m_directory;
};

TEST_F(DocumentTest, ConstructionReadsTheDisplaySettingsAndStartsEmpty) {
    auto document = MakeDocument(false);
    EXPECT_EQ(document->LongOMode(), 0);
    EXPECT_EQ(document->VerticalMode(), 0);
    EXPECT_EQ(document->RomajiMode(), 1);
    EXPECT_TRUE(document->AutosaveOn());
    EXPECT_EQ(document->ClipboardCardKind(), CBrushly2Doc::kClipboardEmpty);
    EXPECT_EQ(document->CommonWordsOnly(), 1);
    EXPECT_TRUE(document->DatabaseTitle().empty());
    EXPECT_EQ(document->Cards().GroupCount(), 0u);

    m_settings.WriteInt("oomode", 1);
    m_settings.WriteInt("vertmode", 1);
    m_settings.WriteInt("romajimode", 0);
    m_settings.WriteInt("autosave", 2);
    auto configured = MakeDocument(false);
    EXPECT_EQ(configured->LongOMode(), 1);
    EXPECT_EQ(configured->VerticalMode(), 1);
    EXPECT_EQ(configured->RomajiMode(), 0);
    EXPECT_FALSE(configured->AutosaveOn());  // on exactly when 1
}

TEST_F(DocumentTest, SeedIsWarmedUpByAThousandDraws) {
    auto document = MakeDocument(false);
    CScriptedPrompter prompter;
    CRandom expected(prompter, 12345u);
    expected.Discard(1000);
    EXPECT_EQ(document->Random().Rand(), expected.Rand());
}

TEST_F(DocumentTest, EmptyDocumentIsWrittenByteForByte) {
    auto document = MakeEmptyDocument("Title");
    const std::string path = m_directory.File("empty.bly");
    ASSERT_TRUE(document->SaveAs(path));

    std::string expected = Int32(3) + "\x05Title" + OptionsBody(CBrushlyOptions());
    for (int array = 0; array < 6; ++array)
        expected += std::string("\0\0", 2);
    expected += std::string("\0\0", 2) + Int32(1);
    EXPECT_EQ(CTempDirectory::Read(path), expected);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(DocumentTest, SaveAndOpenKeepCardsOfEveryKindStatisticsGroupsAndOptions) {
    auto document = MakeDocument();
    document->NewDocument();  // the sample groups: cards of all four kinds
    CFlashcardSet& cards = document->Cards();
    ASSERT_FALSE(cards.CompoundCards().empty());
    ASSERT_FALSE(cards.KanaWordCards().empty());
    ASSERT_FALSE(cards.CounterCards().empty());
    CKanjiCard& kanji = *cards.KanjiCards()[0];
    kanji.rightCount = 3;
    kanji.wrongCount = 2;
    kanji.active = 0;
    kanji.comments = "note";
    kanji.readings.push_back(std::make_unique<CKanjiReading>());
    kanji.readings.back()->kunReadings = {"ta(beru)"};
    cards.CompoundCards()[0]->wrongCount = 7;
    cards.KanaWordCards()[0]->rightCount = 4;
    cards.CounterCards()[0]->counterType = CCounterCard::kName;
    cards.CounterCards()[0]->extraText1 = "\x82\xa0";
    ASSERT_EQ(document->HiraganaStats().size(), 1u);
    document->HiraganaStats()[0]->rightCount = 5;
    document->HiraganaStats()[0]->wrongCount = 6;
    document->Options().flash.quizMode = 2;
    document->Options().kanaFlash.timeLimitSeconds = 12.5;
    document->SetCommonWordsOnly(0);
    document->SetModified(true);

    const std::string first = m_directory.File("cards.bly");
    ASSERT_TRUE(document->SaveAs(first));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->Path(), first);

    auto reopened = MakeDocument();
    ASSERT_TRUE(reopened->Open(first));
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_EQ(reopened->FileVersion(), 3);
    EXPECT_EQ(reopened->DatabaseTitle(), "T");
    EXPECT_FALSE(reopened->NewDatabase());
    EXPECT_EQ(reopened->CommonWordsOnly(), 0);
    EXPECT_EQ(reopened->Options(), document->Options());
    const CFlashcardSet& read = reopened->Cards();
    EXPECT_EQ(read.GroupNames(), cards.GroupNames());
    EXPECT_EQ(read.GroupCount(), kSampleGroupNames.size());
    ASSERT_EQ(read.KanjiCards().size(), cards.KanjiCards().size());
    EXPECT_EQ(read.KanjiCards()[0]->comments, "note");
    EXPECT_EQ(read.KanjiCards()[0]->rightCount, 3);
    EXPECT_EQ(read.KanjiCards()[0]->active, 0);
    ASSERT_EQ(read.KanjiCards()[0]->readings.size(), 1u);
    EXPECT_EQ(read.KanjiCards()[0]->readings[0]->kunReadings, std::vector<std::string>{"ta(beru)"});
    EXPECT_EQ(read.CompoundCards()[0]->wrongCount, 7);
    EXPECT_EQ(read.KanaWordCards()[0]->rightCount, 4);
    EXPECT_EQ(read.CounterCards()[0]->counterType, CCounterCard::kName);
    EXPECT_EQ(read.CounterCards()[0]->formRomaji, cards.CounterCards()[0]->formRomaji);
    const CWordGroup* animals = read.FindGroup("Animals");
    ASSERT_NE(animals, nullptr);
    EXPECT_EQ(animals->cardCount, cards.FindGroup("Animals")->cardCount);
    ASSERT_EQ(reopened->HiraganaStats().size(), 1u);
    EXPECT_EQ(reopened->HiraganaStats()[0]->rightCount, 5);
    EXPECT_EQ(reopened->HiraganaStats()[0]->wrongCount, 6);
    // Linked to the reopening document's own database.
    EXPECT_EQ(reopened->HiraganaStats()[0]->kanaRecord,
              reopened->KanjiLibrary()->Hiragana()[0].get());

    // Written again, the file is the same to the byte.
    const std::string second = m_directory.File("again.bly");
    ASSERT_TRUE(reopened->SaveAs(second));
    EXPECT_EQ(CTempDirectory::Read(second), CTempDirectory::Read(first));
}

TEST_F(DocumentTest, FileEndingAfterTheNamesKeepsOrSetsCommonWordsOnlyByVersion) {
    auto source = MakeEmptyDocument("Title");
    const std::string full = m_directory.File("full.bly");
    ASSERT_TRUE(source->SaveAs(full));
    const std::string bytes = CTempDirectory::Read(full);
    for (const auto& [version, expected] : {std::pair{2, 0}, std::pair{3, 1}}) {
        const std::string path =
            m_directory.Write("cut.bly", Int32(version) + bytes.substr(4, bytes.size() - 8));
        auto document = MakeDocument(false);
        document->SetCommonWordsOnly(0);
        ASSERT_TRUE(document->Open(path));
        EXPECT_TRUE(m_prompter.Texts().empty());
        EXPECT_EQ(document->FileVersion(), version);
        EXPECT_EQ(document->DatabaseTitle(), "Title");
        EXPECT_EQ(document->CommonWordsOnly(), expected) << "version " << version;
    }
}

TEST_F(DocumentTest, FailedSaveLeavesTheOldFileWholeAndTheDocumentModified) {
    auto document = MakeEmptyDocument("Title");
    const std::string path = m_directory.File("kept.bly");
    ASSERT_TRUE(document->SaveAs(path));
    const std::string before = CTempDirectory::Read(path);

    document->Cards().AddGroup("Big");
    for (int i = 0; i < 200; ++i) {
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = "Big";
        card->comments = std::string(500, 'x');
        document->Cards().AddCard(std::move(card));
    }
    document->SetModified(true);
    {
        CFileSizeLimit limit(16 * 1024);
        EXPECT_FALSE(document->Save());
    }
    ASSERT_EQ(m_prompter.Entries().size(), 1u);
    EXPECT_EQ(m_prompter.Entries()[0].kind, CPrompter::Kind::Error);
    EXPECT_FALSE(m_prompter.Entries()[0].text.empty());
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(CTempDirectory::Read(path), before);
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_directory.Path()),
                            std::filesystem::directory_iterator()),
              1);

    // Once writing is possible again, the same document saves.
    EXPECT_TRUE(document->Save());
    EXPECT_FALSE(document->IsModified());
    EXPECT_GT(CTempDirectory::Read(path).size(), before.size());
}

// A file that is no document at all, nor a version-1 one, is refused after both messages:
// the open document stays as it was, with its own file, and nothing is written over the other.
TEST_F(DocumentTest, GarbageIsRefusedAndTheOpenDocumentStays) {
    auto document = MakeDocument();
    document->NewDocument();
    const std::string own = m_directory.File("own.bly");
    ASSERT_TRUE(document->SaveAs(own));
    document->Options().draw.demoSpeed = 5;
    const std::size_t hiragana = document->HiraganaStats().size();
    ASSERT_GT(hiragana, 0u);
    const std::string garbage = "\x07garbage and more garbage";
    const std::string path = m_directory.Write("garbage.bly", garbage);

    EXPECT_FALSE(document->Open(path));
    ASSERT_EQ(m_prompter.Entries().size(), 2u);
    EXPECT_EQ(m_prompter.Entries()[0].kind, CPrompter::Kind::Information);
    EXPECT_EQ(m_prompter.Entries()[0].text, CBrushly2Doc::kConversionMessage);
    EXPECT_EQ(m_prompter.Entries()[1].kind, CPrompter::Kind::Error);
    EXPECT_EQ(document->ConversionPending(), 0);
    EXPECT_EQ(document->Cards().GroupCount(), kSampleGroupNames.size());
    EXPECT_EQ(document->HiraganaStats().size(), hiragana);
    EXPECT_EQ(document->Options().draw.demoSpeed, 5);
    EXPECT_EQ(document->Path(), own);
    ASSERT_TRUE(document->Save());
    EXPECT_EQ(CTempDirectory::Read(path), garbage);
}

TEST_F(DocumentTest, TruncatedCurrentFileIsRefusedAfterTheConversionFails) {
    auto source = MakeDocument();
    source->NewDocument();
    const std::string full = m_directory.File("full.bly");
    ASSERT_TRUE(source->SaveAs(full));
    const std::string bytes = CTempDirectory::Read(full);
    const std::string path = m_directory.Write("cut.bly", bytes.substr(0, bytes.size() / 2));

    auto document = MakeDocument();
    document->Options().draw.demoSpeed = 5;
    EXPECT_FALSE(document->Open(path));
    ASSERT_FALSE(m_prompter.Texts().empty());
    EXPECT_EQ(m_prompter.Texts()[0], CBrushly2Doc::kConversionMessage);
    EXPECT_EQ(document->Options().draw.demoSpeed, 5);
    EXPECT_EQ(document->ConversionPending(), 0);
    EXPECT_TRUE(document->Path().empty());
}

// A version-1 file read in part keeps what was read, untitled and modified, so that saving
// cannot write over the file that still holds the rest; missing kana statistics are built.
TEST_F(DocumentTest, AVersionOneFileReadInPartIsKeptUntitled) {
    CBrushly1Doc version1;
    for (const char* group : {"Old", "Older"}) {
        auto kanji = std::make_unique<CKanjiCard>();
        kanji->groupName = group;
        kanji->character = kIchi;
        version1.kanjiCards.push_back(std::move(kanji));
    }
    version1.groupNames = {"Old", "Older"};
    const std::string whole = m_directory.File("whole.bly");
    {
        CDiskFile file(whole, CDiskFile::Mode::Create);
        version1.Write(file);
        file.Commit();
    }
    const std::string bytes = CTempDirectory::Read(whole);
    // Cut in the options at the end: the cards and the group names are read.
    const std::string part = bytes.substr(0, bytes.size() - 2);
    const std::string path = m_directory.Write("part.bly", part);

    auto document = MakeDocument();
    ASSERT_TRUE(document->Open(path));
    EXPECT_EQ(m_prompter.Texts().front(), CBrushly2Doc::kConversionMessage);
    EXPECT_EQ(document->Cards().KanjiCards().size(), 2u);
    EXPECT_TRUE(document->Path().empty());
    EXPECT_TRUE(document->IsModified());
    auto fresh = MakeDocument();
    fresh->NewDocument();
    ASSERT_FALSE(fresh->HiraganaStats().empty());
    EXPECT_EQ(document->HiraganaStats().size(), fresh->HiraganaStats().size());
    EXPECT_EQ(document->KatakanaStats().size(), fresh->KatakanaStats().size());
    EXPECT_EQ(CTempDirectory::Read(path), part);
}

TEST_F(DocumentTest, VersionOneFileIsConvertedAndItsGroupsRebuilt) {
    CBrushly1Doc version1;
    auto kanji = std::make_unique<CKanjiCard>();
    kanji->groupName = "Old";
    kanji->character = kIchi;
    for (int i = 0; i < 2; ++i) {
        auto compound = std::make_unique<CKanjiCompound>();
        compound->headword = kIchi + kNi;
        compound->active = 0;
        kanji->compounds.push_back(std::move(compound));
    }
    version1.kanjiCards.push_back(std::move(kanji));
    version1.groupNames = {"Old"};
    const std::string path = m_directory.File("old.bly");
    {
        CDiskFile file(path, CDiskFile::Mode::Create);
        version1.Write(file);
        file.Commit();
    }

    auto document = MakeDocument();
    ASSERT_TRUE(document->Open(path));
    ASSERT_EQ(m_prompter.Texts(), std::vector<std::string>{CBrushly2Doc::kConversionMessage});
    const CWordGroup* old = document->Cards().FindGroup("Old");
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->cardCount, 3);
    EXPECT_EQ(old->kanjiCards.size(), 1u);
    ASSERT_EQ(old->compoundCards.size(), 2u);
    EXPECT_EQ(old->compoundCards[0]->active, 1);
    EXPECT_EQ(document->ConversionPending(), 0);
}

TEST_F(DocumentTest, AnotherExtensionIsRefused) {
    auto document = MakeDocument();
    document->NewDocument();
    const std::string path = m_directory.Write("notes.txt", "anything");
    EXPECT_FALSE(document->Open(path));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CBrushly2Doc::kWrongExtensionMessage});
    EXPECT_EQ(std::string(CBrushly2Doc::kWrongExtensionMessage),
              "You can only Open a Brushly file (.bly).");
    EXPECT_EQ(document->Cards().GroupCount(), kSampleGroupNames.size());
    EXPECT_TRUE(document->Path().empty());
}

TEST_F(DocumentTest, OnlyBlyAndBly2AreDocumentExtensions) {
    EXPECT_TRUE(CBrushly2Doc::HasDocumentExtension("/home/a/cards.bly"));
    EXPECT_TRUE(CBrushly2Doc::HasDocumentExtension("cards.bly2"));
    EXPECT_TRUE(CBrushly2Doc::HasDocumentExtension("CARDS.BLY"));
    EXPECT_FALSE(CBrushly2Doc::HasDocumentExtension("cards.bly3"));
    EXPECT_FALSE(CBrushly2Doc::HasDocumentExtension("cards.bly.txt"));
    EXPECT_FALSE(CBrushly2Doc::HasDocumentExtension("dir.bly/cards"));
    EXPECT_FALSE(CBrushly2Doc::HasDocumentExtension("bly"));
}

TEST_F(DocumentTest, AutosaveOfANeverSavedDocumentWritesNothing) {
    auto document = MakeDocument();
    document->NewDocument();
    document->SetModified(true);
    int statusCalls = 0;
    EXPECT_FALSE(document->Autosave([&](const std::string&) { ++statusCalls; }));
    EXPECT_EQ(statusCalls, 0);
    EXPECT_TRUE(document->IsModified());
    EXPECT_TRUE(std::filesystem::is_empty(m_directory.Path()));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(DocumentTest, AutosaveWritesToThePathAndReportsTheFileName) {
    auto document = MakeDocument();
    document->NewDocument();
    const std::string path = m_directory.File("auto.bly");
    ASSERT_TRUE(document->SaveAs(path));
    document->Cards().AddGroup("Later");
    document->SetModified(true);
    std::vector<std::string> status;
    EXPECT_TRUE(document->Autosave([&](const std::string& text) { status.push_back(text); }));
    EXPECT_EQ(status, std::vector<std::string>{"Brushly is saving auto.bly."});
    EXPECT_FALSE(document->IsModified());

    auto reopened = MakeDocument();
    ASSERT_TRUE(reopened->Open(path));
    EXPECT_NE(reopened->Cards().FindGroup("Later"), nullptr);
}

TEST_F(DocumentTest, OnlyTheFirstNewOfARunHasTheSampleGroups) {
    auto document = MakeDocument();
    document->NewDocument();
    EXPECT_EQ(document->DatabaseTitle(), "T");
    EXPECT_EQ(document->Cards().GroupNames().size(), kSampleGroupNames.size());
    for (std::string_view name : kSampleGroupNames) {
        const CWordGroup* group = document->Cards().FindGroup(name);
        ASSERT_NE(group, nullptr) << name;
        EXPECT_GT(group->cardCount, 0) << name;
    }
    EXPECT_FALSE(document->IsModified());

    document->Options().flash.quizMode = 1;
    document->SetCommonWordsOnly(0);
    document->NewDocument();
    EXPECT_EQ(document->Cards().GroupCount(), 0u);
    EXPECT_TRUE(document->Cards().KanjiCards().empty());
    EXPECT_EQ(document->Options(), CBrushlyOptions());
    EXPECT_EQ(document->CommonWordsOnly(), 1);
    EXPECT_EQ(document->HiraganaStats().size(), 1u);  // built afresh
}

TEST_F(DocumentTest, BuilderChoicesLastTheRunButAreNotSaved) {
    auto document = MakeDocument();
    EXPECT_EQ(document->BuilderSettings().rootName, "Hadam. & Spahn");
    EXPECT_EQ(document->BuilderSettings().cardsPerGroup, "20");
    document->BuilderSettings().rootName = "Heisig";
    document->NewDocument();
    const std::string path = m_directory.File("builder.bly");
    ASSERT_TRUE(document->SaveAs(path));
    ASSERT_TRUE(document->Open(path));
    EXPECT_EQ(document->BuilderSettings().rootName, "Heisig");
    EXPECT_EQ(MakeDocument()->BuilderSettings().rootName, "Hadam. & Spahn");
}

TEST_F(DocumentTest, KanaStatisticsFollowTheDatabaseKanaRecords) {
    auto document = MakeDocument(false);
    document->NewDocument();
    EXPECT_TRUE(document->HiraganaStats().empty());  // no database yet

    document->SetKanjiLibrary(testing::MakeSmallKanjiLibrary());
    const auto& hiragana = document->HiraganaStats();
    ASSERT_EQ(hiragana.size(), 1u);
    EXPECT_EQ(hiragana[0]->kana, "\x82\xb1");
    EXPECT_EQ(hiragana[0]->romaji, "ko");
    EXPECT_EQ(hiragana[0]->rightCount, 0);
    EXPECT_EQ(hiragana[0]->kanaRecord, document->KanjiLibrary()->Hiragana()[0].get());
    EXPECT_TRUE(document->KatakanaStats().empty());
}

TEST_F(DocumentTest, RelinkingSetsTheLinksTheTitleAndReportsProgress) {
    auto document = MakeDocument();
    CFlashcardSet& cards = document->Cards();
    cards.AddGroup("G");
    for (const std::string& character : {kNi, kIchi, std::string("\x8c\xa2")}) {
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = "G";
        card->character = character;
        card->dbGroup = 9;
        card->dbIndex = 9;
        cards.AddCard(std::move(card));
    }
    auto counter = std::make_unique<CCounterCard>();
    counter->groupName = "G";
    counter->character = kIchi;
    cards.AddCard(std::move(counter));
    document->SetDatabaseTitle("old");

    std::vector<int> progress;
    document->RelinkToDatabase([&](int percent) { progress.push_back(percent); });
    EXPECT_EQ(progress, (std::vector<int>{0, 25, 50, 75}));
    EXPECT_EQ(document->DatabaseTitle(), "T");
    EXPECT_EQ(cards.KanjiCards()[0]->dbGroup, 2);
    EXPECT_EQ(cards.KanjiCards()[0]->dbIndex, 0);
    EXPECT_EQ(cards.KanjiCards()[1]->dbGroup, 1);
    EXPECT_EQ(cards.KanjiCards()[2]->dbGroup, 0);  // not in the database
    EXPECT_EQ(cards.KanjiCards()[2]->dbIndex, -1);
    EXPECT_EQ(cards.CounterCards()[0]->dbGroup, 1);
    EXPECT_EQ(cards.CounterCards()[0]->dbIndex, 0);
}

// The generated database: the first New's kanji cards carry the records' reading groups.
TEST_F(DocumentTest, FirstNewTakesTheSampleReadingsFromTheRealDatabase) {
    const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
    BRUSHLY_REQUIRE_REAL_DATA(std::filesystem::exists(file), "generated kanji database");
    auto library = std::make_unique<CKanjiLibrary>();
    ASSERT_TRUE(library->Load(file.string(), m_prompter));
    auto document = MakeDocument(false);
    document->SetKanjiLibrary(std::move(library));
    EXPECT_EQ(document->HiraganaStats().size(), 104u);
    EXPECT_EQ(document->KatakanaStats().size(), 104u);
    document->NewDocument();

    const CKanjiLibrary& database = *document->KanjiLibrary();
    EXPECT_EQ(document->DatabaseTitle(), database.Title());
    const auto& kanjiCards = document->Cards().KanjiCards();
    ASSERT_FALSE(kanjiCards.empty());
    for (const auto& card : kanjiCards) {
        const CKanjiRef ref = database.FindByCharacter(card->character);
        ASSERT_TRUE(ref) << card->groupName;
        EXPECT_EQ(card->dbGroup, ref.group);
        EXPECT_EQ(card->dbIndex, ref.index);
        ASSERT_EQ(card->readings.size(), ref.record->readings.size());
        ASSERT_FALSE(card->readings.empty());
        for (std::size_t i = 0; i < card->readings.size(); ++i)
            EXPECT_EQ(card->readings[i]->DisplayText(0), ref.record->readings[i]->DisplayText(0));
    }
    for (const auto& counter : document->Cards().CounterCards())
        EXPECT_EQ(database.FindByCharacter(counter->character).group, counter->dbGroup);
    // The kanji of the first sample group is the dog, 4 strokes.
    EXPECT_EQ(kanjiCards[0]->dbGroup, 4);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

}  // namespace
}  // namespace brushly
