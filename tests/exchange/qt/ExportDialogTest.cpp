#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "document/CFlashcardSet.h"
#include "exchange/CExportCommand.h"
#include "exchange/CWordGroupExporter.h"
#include "exchange/qt/CExportDialog.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using testing::Child;

// A set of the groups "Verbs" (two kana words), 食べ物 (one) and "Empty".
class ExportDialogTest : public ::testing::Test {
protected:
    ExportDialogTest() {
        testing::EnsureQtApplication();
        AddGroup("Verbs", {"taberu", "nomu"});
        AddGroup(kFood, {"sakana"});
        AddGroup("Empty", {});
    }

    void AddGroup(const std::string& name, const std::vector<std::string>& romaji) {
        ASSERT_TRUE(m_cards.AddGroup(name));
        for (const std::string& word : romaji) {
            auto card = std::make_unique<CKanaWord>();
            card->groupName = name;
            card->kana = sjis::FromUtf8("かな");
            card->romaji = word;
            card->meaning = "meaning of " + word;
            m_cards.AddCard(std::move(card));
        }
    }

    // Checks exactly these groups, types the path and clicks Export.
    void Export(CExportDialog& dialog, const std::vector<std::string>& groups,
                const std::string& path) {
        auto& list = Child<QListWidget>(dialog, "groupList");
        for (int row = 0; row < list.count(); ++row) {
            const std::string name = list.item(row)->data(Qt::UserRole).toByteArray().toStdString();
            const bool checked = std::ranges::find(groups, name) != groups.end();
            list.item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        }
        Child<QLineEdit>(dialog, "pathEdit").setText(QString::fromStdString(path));
        Child<QPushButton>(dialog, "exportButton").click();
    }

    static QStringList Checked(const CExportDialog& dialog) {
        auto& list = Child<QListWidget>(dialog, "groupList");
        QStringList checked;
        for (int row = 0; row < list.count(); ++row)
            if (list.item(row)->checkState() == Qt::Checked) checked << list.item(row)->text();
        return checked;
    }

    const std::string kFood = sjis::FromUtf8("食べ物");
    CFlashcardSet m_cards;
    CScriptedPrompter m_prompter;
    testing::CTempDirectory m_folder;
};

TEST_F(ExportDialogTest, ListsTheGroupsWithCountsCheckingTheSelection) {
    CExportDialog dialog(m_cards, {"Verbs"}, m_prompter);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export Word Groups as Text Files"));
    EXPECT_EQ(Checked(dialog), QStringList{QStringLiteral("Verbs (2)")});
    Child<QPushButton>(dialog, "selectAllButton").click();
    const QStringList all = {QStringLiteral("Empty (0)"), QStringLiteral("Verbs (2)"),
                             QStringLiteral("食べ物 (1)")};
    EXPECT_EQ(Checked(dialog), all);
    Child<QPushButton>(dialog, "clearButton").click();
    EXPECT_TRUE(Checked(dialog).isEmpty());

    CExportDialog noSelection(m_cards, {}, m_prompter);
    EXPECT_EQ(Checked(noSelection), all);
}

TEST_F(ExportDialogTest, RefusesWithoutAGroupOrAPathAndStaysOpen) {
    CExportDialog dialog(m_cards, {}, m_prompter);
    dialog.show();
    Export(dialog, {}, m_folder.Path().string());
    Export(dialog, {"Verbs"}, "  ");
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{"Select the Word Groups to export.",
                                                            "Choose where to write the files."}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(std::filesystem::is_empty(m_folder.Path()));
}

TEST_F(ExportDialogTest, WritesAFileForEachGroupAndCloses) {
    CExportDialog dialog(m_cards, {}, m_prompter);
    dialog.show();
    const std::string folder = m_folder.Path().string();
    Export(dialog, {"Verbs", kFood}, folder);
    const std::vector<std::string> names =
        CWordGroupExporter::FileNamesFor({kFood, "Verbs"}, ExportFormat::kTable);
    ASSERT_EQ(names, (std::vector<std::string>{"食べ物.tsv", "Verbs.tsv"}));
    for (const std::string& name : names) {
        const std::string text = testing::CTempDirectory::Read(m_folder.File(name));
        EXPECT_EQ(text.rfind("kind\tjapanese\t", 0), 0u) << name << ": " << text;
    }
    EXPECT_NE(testing::CTempDirectory::Read(m_folder.File("Verbs.tsv")).find("taberu"),
              std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 2);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Exported 3 flashcards in 2 Word "
                                                           "Groups to " +
                                                           folder + "."});
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ExportDialogTest, AsksOnceBeforeReplacingFilesAndKeepsThemOnNo) {
    const std::string folder = m_folder.Path().string();
    m_folder.Write("Verbs.tsv", "mine");
    m_folder.Write("Empty.tsv", "mine too");
    const std::string question =
        "These files already exist in " + folder + ":\nEmpty.tsv\nVerbs.tsv\nReplace them?";
    CExportDialog dialog(m_cards, {}, m_prompter);
    dialog.show();
    m_prompter.ScriptAnswers({false});
    Export(dialog, {"Verbs", "Empty", kFood}, folder);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{question});
    EXPECT_EQ(testing::CTempDirectory::Read(m_folder.File("Verbs.tsv")), "mine");
    EXPECT_FALSE(std::filesystem::exists(m_folder.File("食べ物.tsv")));
    EXPECT_TRUE(dialog.isVisible());

    m_prompter.Clear();
    m_prompter.ScriptAnswers({true});
    Child<QPushButton>(dialog, "exportButton").click();
    ASSERT_EQ(m_prompter.Texts().size(), 2u);
    EXPECT_EQ(m_prompter.Texts().front(), question);
    EXPECT_EQ(testing::CTempDirectory::Read(m_folder.File("Verbs.tsv")).rfind("kind\t", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("食べ物.tsv")));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ExportDialogTest, TheReplaceQuestionNamesTenFilesAndCountsTheRest) {
    CExportChoice choice;
    choice.path = m_folder.Path().string();
    for (int number = 1; number <= 13; ++number) {
        const std::string name = "Group " + std::to_string(number);
        choice.groups.push_back(name);
        if (number != 4) m_folder.Write(name + ".tsv", "old");
    }
    std::string expected = "These files already exist in " + choice.path + ":\n";
    for (int number : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11})
        expected += "Group " + std::to_string(number) + ".tsv\n";
    expected += "and 2 more\nReplace them?";
    EXPECT_EQ(CExportCommand::ReplaceQuestion(choice, CExportCommand::Targets(choice)), expected);
}

TEST_F(ExportDialogTest, WritesAllCheckedGroupsToOneFile) {
    CExportDialog dialog(m_cards, {}, m_prompter);
    dialog.show();
    Child<QRadioButton>(dialog, "notesFormat").setChecked(true);
    Child<QRadioButton>(dialog, "oneFile").setChecked(true);
    const std::string path = m_folder.File("all.txt");
    Export(dialog, {"Verbs", kFood}, path);
    const std::string text = testing::CTempDirectory::Read(path);
    EXPECT_EQ(text.rfind("#separator:tab\n", 0), 0u) << text;
    EXPECT_NE(text.find("\tVerbs"), std::string::npos) << text;
    EXPECT_NE(text.find("\t食べ物"), std::string::npos) << text;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path()), {}), 1);
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Exported 3 flashcards in 2 Word "
                                                           "Groups to " +
                                                           path + "."});

    // Writing it again asks about that one file.
    CExportDialog again(m_cards, {}, m_prompter);
    again.show();
    Child<QRadioButton>(again, "oneFile").setChecked(true);
    m_prompter.Clear();
    m_prompter.ScriptAnswers({false});
    Export(again, {"Verbs"}, path);
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"These files already exist in " + m_folder.Path().string() +
                                       ":\nall.txt\nReplace them?"});
    EXPECT_TRUE(again.isVisible());
}

TEST_F(ExportDialogTest, AFailedWriteIsToldAndTheDialogStays) {
    CExportDialog dialog(m_cards, {}, m_prompter);
    dialog.show();
    Export(dialog, {"Verbs"}, m_folder.File("no such folder"));
    ASSERT_EQ(m_prompter.Entries().size(), 1u);
    EXPECT_EQ(m_prompter.Entries().front().kind, CPrompter::Kind::Error);
    EXPECT_NE(m_prompter.Texts().front().find("Verbs.tsv"), std::string::npos)
        << m_prompter.Texts().front();
    EXPECT_FALSE(std::filesystem::exists(m_folder.File("no such folder")));
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ExportDialogTest, SavesAScreenshot) {
    AddGroup(sjis::FromUtf8("動詞・五段"), {"kaku", "yomu", "hanasu"});
    AddGroup(sjis::FromUtf8("日本の地名"), {"toukyou"});
    CExportDialog dialog(m_cards, {"Verbs", kFood}, m_prompter);
    Child<QLineEdit>(dialog, "pathEdit").setText(QStringLiteral("/home/student/Word Groups"));
    dialog.show();
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("export-dialog.png"));
    ASSERT_TRUE(dialog.grab().save(path));
    std::cout << "Export dialog screenshot: " << path.toStdString() << '\n';
}

}  // namespace
}  // namespace brushly
