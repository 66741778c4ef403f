// The program keeps the student's work through failures: a data folder it cannot fully read,
// and the recovery copy written after an unexpected error.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/CApplicationUnderTest.h"
#include "document/CBrushly2Doc.h"

namespace brushly {
namespace {

using testing::CTempDirectory;

class ApplicationSafetyTest : public ::testing::Test, protected testing::CApplicationUnderTest {
protected:
    bool Shown(const std::string& text) const {
        const std::vector<std::string>& texts = m_prompter.Texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
};

TEST_F(ApplicationSafetyTest, AJlptListThatLinksToItselfIsReportedAndTheStartGoesOn) {
    const std::string list = m_data.File("blyjlptsjis.txt");
    std::filesystem::create_symlink(list, list);

    ASSERT_EQ(m_application.Start(""), 0);
    EXPECT_TRUE(m_application.Document().DatabasesLoaded());
    EXPECT_TRUE(Shown("Cannot open the file " + list + ": Too many levels of symbolic links."));
}

TEST_F(ApplicationSafetyTest, AFailureSavesAnUntitledDocumentInTheDataFolder) {
    ASSERT_EQ(m_application.Start(""), 0);
    m_application.Document().Cards().AddGroup("Unsaved work");
    m_application.Document().SetModified(true);
    m_prompter.Clear();

    m_application.RecoverFromFailure("boom");
    const std::string recovered = m_data.File("Untitled.recovered.bly");
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"Brushly met an unexpected error: boom\nYour Word Groups "
                                       "were saved to " +
                                       recovered + "."});
    EXPECT_TRUE(m_application.Document().Path().empty());
    EXPECT_TRUE(m_application.Document().IsModified());
    CScriptedPrompter quiet;
    CBrushly2Doc copy(m_settings, quiet, 1u);
    ASSERT_TRUE(copy.Open(recovered));
    EXPECT_NE(copy.Cards().FindGroup("Unsaved work"), nullptr);
}

TEST_F(ApplicationSafetyTest, AFailureSavesBesideTheDocumentNeverOverIt) {
    ASSERT_EQ(m_application.Start(""), 0);
    const std::string path = m_data.File("kanji.bly");
    ASSERT_TRUE(m_application.FileSaveAs(path));
    const std::string saved = CTempDirectory::Read(path);
    m_application.Document().Cards().AddGroup("Since the save");
    m_prompter.Clear();

    m_application.RecoverFromFailure("boom");
    EXPECT_EQ(CTempDirectory::Read(path), saved);
    EXPECT_EQ(m_application.RecoveryPath(), m_data.File("kanji.recovered.bly"));
    EXPECT_NE(CTempDirectory::Read(m_data.File("kanji.recovered.bly")), saved);

    // A folder that cannot be written: the message says why nothing was saved.
    std::filesystem::remove(m_data.File("kanji.recovered.bly"));
    std::filesystem::create_directory(m_data.File("kanji.recovered.bly"));
    m_prompter.Clear();
    m_application.RecoverFromFailure("boom");
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts()[0],
              "Brushly met an unexpected error: boom\nYour Word Groups could not be saved: "
              "Cannot write the file " +
                  m_data.File("kanji.recovered.bly") + ": Is a directory.");
}

}  // namespace
}  // namespace brushly
