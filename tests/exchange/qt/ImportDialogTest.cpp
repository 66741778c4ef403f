#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "document/CFlashcardSet.h"
#include "exchange/CImportPlan.h"
#include "exchange/qt/CImportDialog.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using testing::Child;

// A document holding the group "Verbs", and a plan of the file's groups "Verbs" (two kana
// words, proposed as "Verbs_1") and 食べ物 (one).
class ImportDialogTest : public ::testing::Test {
protected:
    ImportDialogTest() {
        testing::EnsureQtApplication();
        EXPECT_TRUE(m_cards.AddGroup("Verbs"));
        AddGroup("Verbs", 2);
        AddGroup(sjis::FromUtf8("食べ物"), 1);
        m_plan.encoding = "UTF-8";
        m_plan.layout = "Brushly table";
        m_plan.rowCount = 5;
        m_plan.problems = {{2, "no Japanese text"}, {4, "no reading or meaning"}};
        m_plan.ProposeNames(m_cards, "");
    }

    void AddGroup(const std::string& name, int cards) {
        CImportGroup& group = m_plan.groups.emplace_back();
        group.sourceName = name;
        group.name = name;
        for (int index = 0; index < cards; ++index) {
            auto card = std::make_unique<CKanaWord>();
            card->kana = sjis::FromUtf8("かな");
            card->romaji = "kana";
            group.kanaWordCards.push_back(std::move(card));
        }
    }

    static QTableWidgetItem* Cell(const CImportDialog& dialog, int row, int column) {
        return Child<QTableWidget>(dialog, "groupTable").item(row, column);
    }
    static QString Text(const CImportDialog& dialog, int row, int column) {
        return Cell(dialog, row, column)->text();
    }

    CFlashcardSet m_cards;
    CImportPlan m_plan;
    CScriptedPrompter m_prompter;
};

TEST_F(ImportDialogTest, ShowsTheFileItsGroupsCountsAndRenamedNames) {
    CImportDialog dialog(m_plan, m_cards, m_prompter, QStringLiteral("words.tsv"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select the Word Groups to Import"));
    EXPECT_EQ(Child<QLabel>(dialog, "fileDescription").text(),
              QStringLiteral("words.tsv: UTF-8, Brushly table, 5 rows read"));
    ASSERT_EQ(Child<QTableWidget>(dialog, "groupTable").rowCount(), 2);
    EXPECT_EQ(Cell(dialog, 0, CImportDialog::kSelectedColumn)->checkState(), Qt::Checked);
    EXPECT_EQ(Text(dialog, 0, CImportDialog::kNameColumn), QStringLiteral("Verbs_1"));
    EXPECT_EQ(Text(dialog, 0, CImportDialog::kCountColumn), QStringLiteral("2"));
    EXPECT_EQ(Text(dialog, 0, CImportDialog::kNoteColumn), QStringLiteral("renamed: Verbs exists"));
    EXPECT_EQ(Text(dialog, 1, CImportDialog::kNameColumn), QStringLiteral("食べ物"));
    EXPECT_EQ(Text(dialog, 1, CImportDialog::kCountColumn), QStringLiteral("1"));
    EXPECT_EQ(Text(dialog, 1, CImportDialog::kNoteColumn), QString());
}

TEST_F(ImportDialogTest, ATakenNameIsRefusedWithTheFocusOnItUntilChanged) {
    CImportDialog dialog(m_plan, m_cards, m_prompter, QStringLiteral("words.tsv"));
    dialog.show();
    Cell(dialog, 1, CImportDialog::kNameColumn)->setText(QStringLiteral("verbs"));
    EXPECT_EQ(m_plan.groups[1].name, "verbs");
    EXPECT_EQ(Text(dialog, 1, CImportDialog::kNoteColumn),
              QStringLiteral("renamed: 食べ物 exists"));
    Child<QPushButton>(dialog, "importButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"A Word Group named \"verbs\" already "
                                                           "exists. Choose another name."});
    EXPECT_TRUE(dialog.isVisible());
    const auto& table = Child<QTableWidget>(dialog, "groupTable");
    EXPECT_EQ(table.currentRow(), 1);
    EXPECT_EQ(table.currentColumn(), CImportDialog::kNameColumn);

    // The same name for both groups, then a name of its own.
    m_prompter.Clear();
    Cell(dialog, 1, CImportDialog::kNameColumn)->setText(QStringLiteral("VERBS_1"));
    Child<QPushButton>(dialog, "importButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Two Word Groups to import are named "
                                                           "\"VERBS_1\". Choose another name."});
    EXPECT_TRUE(dialog.isVisible());
    Cell(dialog, 1, CImportDialog::kNameColumn)->setText(QStringLiteral("Food"));
    Child<QPushButton>(dialog, "importButton").click();
    EXPECT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_plan.groups[1].name, "Food");
    EXPECT_EQ(m_cards.GroupCount(), 1u);  // the caller applies the plan
}

TEST_F(ImportDialogTest, UncheckedGroupsStayOutAndNoneCheckedIsRefused) {
    CImportDialog dialog(m_plan, m_cards, m_prompter, QStringLiteral("words.tsv"));
    dialog.show();
    // An unchecked group's taken name does not matter.
    Cell(dialog, 0, CImportDialog::kNameColumn)->setText(QStringLiteral("Verbs"));
    Cell(dialog, 0, CImportDialog::kSelectedColumn)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(m_plan.groups[0].selected);
    Cell(dialog, 1, CImportDialog::kSelectedColumn)->setCheckState(Qt::Unchecked);
    Child<QPushButton>(dialog, "importButton").click();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Select the Word Groups to import."});
    EXPECT_TRUE(dialog.isVisible());
    Cell(dialog, 1, CImportDialog::kSelectedColumn)->setCheckState(Qt::Checked);
    Child<QPushButton>(dialog, "importButton").click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_plan.SelectedTotals().groups, 1);
}

TEST_F(ImportDialogTest, ListsEveryRowThatWillNotBeImported) {
    for (int line = 10; line < 60; ++line)
        m_plan.problems.push_back({line, sjis::FromUtf8("読みがない")});
    CImportDialog dialog(m_plan, m_cards, m_prompter, QStringLiteral("words.tsv"));
    EXPECT_EQ(Child<QLabel>(dialog, "problemsLabel").text(),
              QStringLiteral("Rows that will not be imported:"));
    const auto& list = Child<QListWidget>(dialog, "problemList");
    ASSERT_EQ(list.count(), 52);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("Line 2: no Japanese text"));
    EXPECT_EQ(list.item(51)->text(), QStringLiteral("Line 59: 読みがない"));

    m_plan.problems.clear();
    CImportDialog clean(m_plan, m_cards, m_prompter, QStringLiteral("words.tsv"));
    EXPECT_EQ(clean.findChild<QListWidget*>(QStringLiteral("problemList")), nullptr);
    EXPECT_EQ(clean.findChild<QLabel*>(QStringLiteral("problemsLabel")), nullptr);
}

TEST_F(ImportDialogTest, CancelLeavesTheDocumentAsItWas) {
    CImportDialog dialog(m_plan, m_cards, m_prompter, QStringLiteral("words.tsv"));
    dialog.show();
    Cell(dialog, 1, CImportDialog::kNameColumn)->setText(QStringLiteral("Food"));
    Child<QPushButton>(dialog, "cancelButton").click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(m_cards.GroupNames(), std::vector<std::string>{"Verbs"});
    EXPECT_EQ(m_cards.KanaWordCards().size(), 0u);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(ImportDialogTest, SavesAScreenshot) {
    EXPECT_TRUE(m_cards.AddGroup(sjis::FromUtf8("動詞・五段")));
    AddGroup(sjis::FromUtf8("動詞・五段"), 12);
    AddGroup(sjis::FromUtf8("日本の地名"), 40);
    m_plan.ProposeNames(m_cards, "");
    m_plan.problems.push_back({17, sjis::FromUtf8("the reading \"たべru\" is not kana")});
    m_plan.problems.push_back({23, "a compound needs at least two characters, not \"x\""});
    CImportDialog dialog(m_plan, m_cards, m_prompter, QStringLiteral("日本語の単語.tsv"));
    dialog.show();
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("import-dialog.png"));
    ASSERT_TRUE(dialog.grab().save(path));
    std::cout << "Import dialog screenshot: " << path.toStdString() << '\n';
}

}  // namespace
}  // namespace brushly
