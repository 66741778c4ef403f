// Saving never costs the student a document: the previous version kept, permissions and
// links kept, the longest file names, a full disk, and damaged files never written over.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "archive/CArchiveException.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/CFileSizeLimit.h"
#include "support/CTempDirectory.h"
#include "support/ChildProcess.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using testing::CFileSizeLimit;
using testing::CTempDirectory;

class DocumentSafetyTest : public ::testing::Test {
protected:
    DocumentSafetyTest() : m_document(m_settings, m_prompter, 7u) {
        m_document.SetKanjiLibrary(testing::MakeSmallKanjiLibrary());
        m_document.NewDocument();
    }

    // The names in the test folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_directory.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static mode_t Permissions(const std::string& path) {
        struct stat status {};
        EXPECT_EQ(stat(path.c_str(), &status), 0);
        return status.st_mode & 07777;
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CTempDirectory m_directory;
    CBrushly2Doc m_document;
};

TEST_F(DocumentSafetyTest, EachSaveKeepsThePreviousVersionBesideTheDocument) {
    const std::string path = m_directory.File("kanji.bly");
    ASSERT_TRUE(m_document.SaveAs(path));
    EXPECT_EQ(Names(), std::vector<std::string>{"kanji.bly"});
    const std::string first = CTempDirectory::Read(path);

    m_document.Cards().AddGroup("Second");
    ASSERT_TRUE(m_document.Save());
    const std::string second = CTempDirectory::Read(path);
    EXPECT_NE(second, first);
    EXPECT_EQ(CTempDirectory::Read(path + "~"), first);

    m_document.Cards().AddGroup("Third");
    ASSERT_TRUE(m_document.Autosave({}));
    EXPECT_EQ(CTempDirectory::Read(path + "~"), second);
    EXPECT_EQ(Names(), (std::vector<std::string>{"kanji.bly", "kanji.bly~"}));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(DocumentSafetyTest, SavesKeepPermissionsAndWriteThroughALink) {
    const std::string path = m_directory.File("private.bly");
    ASSERT_TRUE(m_document.SaveAs(path));
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(m_document.Save());
    EXPECT_EQ(Permissions(path), 0600u);
    EXPECT_EQ(Permissions(path + "~"), 0600u);

    std::filesystem::create_directory(m_directory.Path() / "elsewhere");
    const std::string target = m_directory.File("elsewhere/real.bly");
    ASSERT_TRUE(m_document.SaveAs(target));
    const std::string link = m_directory.File("link.bly");
    std::filesystem::create_symlink(target, link);
    const std::string before = CTempDirectory::Read(target);
    m_document.Cards().AddGroup("Through the link");
    ASSERT_TRUE(m_document.SaveAs(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), target);
    EXPECT_EQ(CTempDirectory::Read(target + "~"), before);
    EXPECT_FALSE(std::filesystem::exists(link + "~"));
    CBrushly2Doc reopened(m_settings, m_prompter, 7u);
    ASSERT_TRUE(reopened.Open(target));
    EXPECT_NE(reopened.Cards().FindGroup("Through the link"), nullptr);
}

TEST_F(DocumentSafetyTest, TheLongestFileNameSaves) {
    const std::string name = std::string(255 - 4, 'k') + ".bly";
    const std::string path = m_directory.File(name);
    ASSERT_TRUE(m_document.SaveAs(path)) << m_prompter.Texts().front();
    ASSERT_TRUE(m_document.Save());
    EXPECT_EQ(Names(), std::vector<std::string>{name});  // the backup's name would be too long
    CBrushly2Doc reopened(m_settings, m_prompter, 7u);
    EXPECT_TRUE(reopened.Open(path));
}

TEST_F(DocumentSafetyTest, ASaveStoppedByTheFileSizeLimitLeavesTheOldFileAndNoTemporaryFile) {
    const std::string path = m_directory.File("big.bly");
    ASSERT_TRUE(m_document.SaveAs(path));
    const std::string before = CTempDirectory::Read(path);
    m_document.Cards().AddGroup("More");
    m_document.SetModified(true);
    {
        CFileSizeLimit limit(before.size() / 2);
        EXPECT_FALSE(m_document.Save());
    }
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"Cannot write the file " + path + ": File too large."});
    EXPECT_EQ(CTempDirectory::Read(path), before);
    EXPECT_EQ(Names(), std::vector<std::string>{"big.bly"});
    EXPECT_TRUE(m_document.IsModified());
}

// The save runs as an ordinary user, for whom the folder's permissions hold.
TEST_F(DocumentSafetyTest, ASaveIntoAReadOnlyFolderFailsAndLeavesTheOldFile) {
    const std::string path = m_directory.File("kanji.bly");
    ASSERT_TRUE(m_document.SaveAs(path));
    const std::string before = CTempDirectory::Read(path);
    m_document.Cards().AddGroup("More");
    m_document.SetModified(true);
    ASSERT_EQ(chmod(m_directory.Path().c_str(), 0555), 0);
    const int status = testing::RunAsUserInChild([&] {
        const std::vector<std::string> expected{CFileException(path, "write", EACCES).what()};
        return !m_document.Save() && m_document.IsModified() && m_prompter.Texts() == expected ? 0
                                                                                               : 1;
    });
    ASSERT_EQ(chmod(m_directory.Path().c_str(), 0700), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(CTempDirectory::Read(path), before);
    EXPECT_EQ(Names(), std::vector<std::string>{"kanji.bly"});
}

// Zeros where the end of a document was (what a crash can leave) still read as a document;
// the bytes after it show the damage, and the file is never written over.
TEST_F(DocumentSafetyTest, ADamagedDocumentOpensUntitledAndIsNeverWrittenOver) {
    const std::string full = m_directory.File("full.bly");
    ASSERT_TRUE(m_document.SaveAs(full));
    std::string bytes = CTempDirectory::Read(full);
    std::fill(bytes.begin() + 20, bytes.end(), '\0');
    const std::string path = m_directory.Write("damaged.bly", bytes);

    ASSERT_TRUE(m_document.Open(path));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CBrushly2Doc::kDamagedFileMessage});
    EXPECT_TRUE(m_document.Path().empty());
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_FALSE(m_document.Autosave({}));
    EXPECT_FALSE(m_document.Save());
    EXPECT_EQ(CTempDirectory::Read(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(path + "~"));

    // Save As to another name is possible.
    const std::string rescued = m_directory.File("rescued.bly");
    EXPECT_TRUE(m_document.SaveAs(rescued));
    EXPECT_EQ(m_document.Path(), rescued);
}

}  // namespace
}  // namespace brushly
