// The EDICT import when its libraries cannot be saved, and readers beside an import: the two
// word libraries are replaced together or not at all, a failed save is reported as one, and a
// reader never keeps a pair from two editions.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <set>
#include <thread>

#include "archive/CArchiveException.h"
#include "dictionary/CAbbreviationList.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/CLoadingDisplay.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/LibraryPair.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/ChildProcess.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::testing {
namespace {

// Edition `edition` of a small EDICT: one compound of the small database's kanji and
// `kanaWords` kana words.
std::string Edict(int edition, int kanaWords = 1) {
    std::string text = sjis::FromUtf8("　？？？ /EDICT, Version 05/") +
                       std::to_string(100 + edition) + " test/\n" +
                       sjis::FromUtf8("一二 [いちに] /(n) one-two/\n");
    for (int i = 0; i < kanaWords; ++i)
        text += sjis::FromUtf8("すし /(n) sushi ") + std::to_string(i) + "/\n";
    return text;
}

std::string EditionName(int edition) {
    return "EDICT, Version 05/" + std::to_string(100 + edition) + " test/";
}

class EdictImportSafety : public ::testing::Test {
protected:
    // Imports the EDICT text into fresh libraries; returns whether both were saved.
    bool Import(const std::string& edict, CPrompter& prompter) {
        m_directory.Write(std::string(kEdictFileName), edict);
        return ImportWritten(prompter);
    }

    // Imports the EDICT file of the folder as it stands; returns whether both were saved.
    bool ImportWritten(CPrompter& prompter) {
        CCompoundLibrary compounds;
        CCompoundLibrary kanaWords;
        CSilentLoadingDisplay display;
        CEdictImporter importer(compounds, kanaWords, *m_kanji, prompter, display, Data());
        EXPECT_TRUE(importer.ImportEdict(false, false));
        return importer.Saved();
    }

    // The identification stored in a library file; empty when it cannot be read.
    std::string StoredEdition(std::string_view name) {
        CCompoundLibrary library;
        CScriptedPrompter prompter;
        library.Load(m_directory.File(std::string(name)), true, prompter);
        return library.Identification();
    }

    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_directory.Path()))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string Data() const { return m_directory.Path().string(); }
    std::string PathOf(std::string_view name) const { return DataFilePath(Data(), name); }

    CTempDirectory m_directory;
    std::unique_ptr<CKanjiLibrary> m_kanji = MakeSmallKanjiLibrary();
    CScriptedPrompter m_prompter;
};

const std::set<std::string> kPairFiles{std::string(kEdictFileName),
                                       std::string(kEdictCompoundFileName),
                                       std::string(kEdictKanaWordFileName)};

TEST_F(EdictImportSafety, SecondLibraryThatCannotBeReplacedKeepsTheOldPair) {
    ASSERT_TRUE(Import(Edict(1), m_prompter));
    std::filesystem::remove(PathOf(kEdictKanaWordFileName));
    std::filesystem::create_directory(PathOf(kEdictKanaWordFileName));

    EXPECT_FALSE(Import(Edict(2), m_prompter));
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{
                  CFileException(PathOf(kEdictKanaWordFileName), "replace", EISDIR).what(),
                  CEdictImporter::kSaveFailureMessage}));
    // The compound library was put back; nothing temporary is left.
    EXPECT_EQ(StoredEdition(kEdictCompoundFileName), EditionName(1));
    EXPECT_EQ(Files(), kPairFiles);
}

TEST_F(EdictImportSafety, FirstSaveWithoutAnOldPairLeavesNoLibraryAtAll) {
    std::filesystem::create_directory(PathOf(kEdictKanaWordFileName));
    EXPECT_FALSE(Import(Edict(1), m_prompter));
    EXPECT_EQ(m_prompter.Texts().back(), CEdictImporter::kSaveFailureMessage);
    EXPECT_EQ(Files(), (std::set<std::string>{std::string(kEdictFileName),
                                              std::string(kEdictKanaWordFileName)}));
}

// The import runs as an ordinary user, for whom the folder's permissions hold.
TEST_F(EdictImportSafety, ReadOnlyFolderKeepsTheOldPair) {
    ASSERT_TRUE(Import(Edict(1), m_prompter));
    m_directory.Write(std::string(kEdictFileName), Edict(2));
    ASSERT_EQ(chmod(Data().c_str(), 0555), 0);
    const int status = RunAsUserInChild([this] {
        CScriptedPrompter prompter;
        const std::vector<std::string> expected{
            CFileException(PathOf(kEdictCompoundFileName), "create", EACCES).what(),
            CEdictImporter::kSaveFailureMessage};
        return !ImportWritten(prompter) && prompter.Texts() == expected ? 0 : 1;
    });
    ASSERT_EQ(chmod(Data().c_str(), 0700), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(StoredEdition(kEdictCompoundFileName), EditionName(1));
    EXPECT_EQ(StoredEdition(kEdictKanaWordFileName), EditionName(1));
    EXPECT_EQ(Files(), kPairFiles);
}

// The file-size limit lets the small compound library through and stops the larger kana-word
// library half-way; the import runs in a child so that the limit stays there.
TEST_F(EdictImportSafety, FileSizeLimitKeepsTheOldPairAndRemovesTheTemporaries) {
    ASSERT_TRUE(Import(Edict(1), m_prompter));
    m_directory.Write(std::string(kEdictFileName), Edict(2, 2000));
    const int status = RunInChild([this] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        CScriptedPrompter prompter;
        CCompoundLibrary compounds;
        CCompoundLibrary kanaWords;
        CSilentLoadingDisplay display;
        CEdictImporter importer(compounds, kanaWords, *m_kanji, prompter, display, Data());
        const bool reported =
            importer.ImportEdict(false, false) && !importer.Saved() &&
            prompter.Texts() ==
                std::vector<std::string>{
                    CFileException(PathOf(kEdictKanaWordFileName), "write", EFBIG).what(),
                    CEdictImporter::kSaveFailureMessage};
        return reported ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(StoredEdition(kEdictCompoundFileName), EditionName(1));
    EXPECT_EQ(StoredEdition(kEdictKanaWordFileName), EditionName(1));
    EXPECT_EQ(Files(), kPairFiles);
}

TEST_F(EdictImportSafety, MixedPairIsReadAgainThenReportedAndTheKanaWordsLeftOut) {
    ASSERT_TRUE(Import(Edict(1), m_prompter));
    const std::string firstEdition = m_directory.Read(PathOf(kEdictCompoundFileName));
    ASSERT_TRUE(Import(Edict(2), m_prompter));
    m_directory.Write(std::string(kEdictCompoundFileName), firstEdition);

    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    const CLibraryPairLoad loaded =
        LoadLibraryPair(compounds, PathOf(kEdictCompoundFileName), kanaWords,
                        PathOf(kEdictKanaWordFileName), m_prompter);
    EXPECT_TRUE(loaded.first);
    EXPECT_FALSE(loaded.second);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{kMixedEditionsMessage});
    EXPECT_EQ(compounds.TotalCount(), 1);  // read three times, kept once
    EXPECT_EQ(kanaWords.TotalCount(), 0);
}

// A reader loads the pair over and over while imports replace it; every pair it keeps is of
// one edition.
TEST_F(EdictImportSafety, ReaderBesideImportsNeverKeepsAMixedPair) {
    constexpr int kImports = 12;
    ASSERT_TRUE(Import(Edict(0, 300), m_prompter));
    std::atomic<bool> importing{true};
    int pairsRead = 0;
    int mixedPairs = 0;
    std::thread reader([&] {
        while (importing) {
            CScriptedPrompter prompter;
            CCompoundLibrary compounds;
            CCompoundLibrary kanaWords;
            const CLibraryPairLoad loaded =
                LoadLibraryPair(compounds, PathOf(kEdictCompoundFileName), kanaWords,
                                PathOf(kEdictKanaWordFileName), prompter);
            ++pairsRead;
            if (!loaded.first || !loaded.second ||
                compounds.Identification() != kanaWords.Identification()) {
                ++mixedPairs;
            }
        }
    });
    for (int edition = 1; edition <= kImports; ++edition)
        EXPECT_TRUE(Import(Edict(edition, 300), m_prompter));
    importing = false;
    reader.join();
    EXPECT_GT(pairsRead, 0);
    EXPECT_EQ(mixedPairs, 0);
    EXPECT_EQ(StoredEdition(kEdictKanaWordFileName), EditionName(kImports));
}

// Pipes in place of the data files are refused at once instead of waited on.
TEST_F(EdictImportSafety, PipesAsDataFilesAreRefusedWithoutBlocking) {
    for (const std::string_view name :
         {kEdictFileName, kEdictCompoundFileName, kEdictKanaWordFileName, kAbbreviationFileName}) {
        ASSERT_EQ(mkfifo(PathOf(name).c_str(), 0600), 0) << name;
    }
    const auto refusal = [this](std::string_view name) {
        return std::string(CFileException(PathOf(name), "open", kNotRegularFileReason).what());
    };
    CCompoundLibrary compounds;
    CCompoundLibrary kanaWords;
    CSilentLoadingDisplay display;
    CEdictImporter importer(compounds, kanaWords, *m_kanji, m_prompter, display, Data());
    EXPECT_FALSE(importer.ImportEdict(false, false));
    const CLibraryPairLoad loaded =
        LoadLibraryPair(compounds, PathOf(kEdictCompoundFileName), kanaWords,
                        PathOf(kEdictKanaWordFileName), m_prompter);
    EXPECT_FALSE(loaded.first || loaded.second);
    CAbbreviationList abbreviations;
    abbreviations.Load(PathOf(kAbbreviationFileName), m_prompter);
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{
                  refusal(kEdictFileName), refusal(kEdictCompoundFileName),
                  CCompoundLibrary::LoadFailureMessage(PathOf(kEdictCompoundFileName)),
                  refusal(kEdictKanaWordFileName),
                  CCompoundLibrary::LoadFailureMessage(PathOf(kEdictKanaWordFileName)),
                  refusal(kAbbreviationFileName)}));
}

}  // namespace
}  // namespace brushly::testing
