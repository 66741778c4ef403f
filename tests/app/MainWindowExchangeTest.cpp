#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeView>
#include <string>
#include <vector>

#include "app/CMainView.h"
#include "app/CMainWindow.h"
#include "app/CWordGroupCommands.h"
#include "app/MainWindowFixture.h"
#include "document/CBrushly2Doc.h"
#include "exchange/qt/CExportDialog.h"
#include "exchange/qt/CImportDialog.h"
#include "support/NamedChild.h"

namespace brushly {
namespace {

using testing::Child;

class MainWindowExchangeTest : public testing::MainWindowFixture {
protected:
    // A tab-separated file of three words in the groups "Numbers" (AddNumbersGroup's name) and
    // "Snacks".
    std::string WordsFile() {
        return m_data.Write("words.tsv",
                            "japanese\treading\tmeaning\tgroup\n"
                            "ひとつ\tひとつ\tone thing\tNumbers\n"
                            "せんべい\tせんべい\trice cracker\tSnacks\n"
                            "あめ\tあめ\tcandy\tSnacks\n");
    }

    // Runs the import of path, answering its dialog with `answer` (given the dialog).
    bool Import(const std::string& path, const std::function<void(CImportDialog&)>& answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = dynamic_cast<CImportDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
        return m_window->ImportWordGroups(path);
    }

    QStringList ListedGroups() {
        const QAbstractItemModel* rows =
            m_window->findChild<QTreeView*>(QStringLiteral("groupDetails"))->model();
        QStringList listed;
        for (int row = 0; row < rows->rowCount(); ++row)
            listed << rows->index(row, 0).data().toString();
        return listed;
    }
};

TEST_F(MainWindowExchangeTest, TheFileMenuImportsAndExportsAfterSaveAs) {
    auto* fileMenu = qobject_cast<QMenu*>(Action("saveAsAction")->associatedObjects().front());
    ASSERT_NE(fileMenu, nullptr);
    QStringList texts;
    for (const QAction* action : fileMenu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    const qsizetype saveAs = texts.indexOf(QStringLiteral("Save &As..."));
    ASSERT_GE(saveAs, 0) << texts.join(u',').toStdString();
    EXPECT_EQ(texts.mid(saveAs, 5),
              (QStringList{QStringLiteral("Save &As..."), QStringLiteral("-"),
                           QStringLiteral("&Import Word Groups..."),
                           QStringLiteral("Ex&port Word Groups..."), QStringLiteral("-")}))
        << texts.join(u',').toStdString();
    EXPECT_TRUE(Action("importAction")->isEnabled());
    EXPECT_TRUE(Action("exportAction")->isEnabled());
}

TEST_F(MainWindowExchangeTest, ImportAddsTheCheckedGroupsAndMarksTheDocument) {
    AddNumbersGroup();
    m_window->show();
    QString shownName;
    EXPECT_TRUE(Import(WordsFile(), [&shownName](CImportDialog& dialog) {
        const auto& table = Child<QTableWidget>(dialog, "groupTable");
        shownName = table.item(0, CImportDialog::kNameColumn)->text();
        Child<QPushButton>(dialog, "importButton").click();
    }));
    EXPECT_EQ(shownName, QStringLiteral("Numbers_1"));
    const CFlashcardSet& cards = m_application.Document().Cards();
    ASSERT_NE(cards.FindGroup("Numbers_1"), nullptr);
    ASSERT_NE(cards.FindGroup("Snacks"), nullptr);
    EXPECT_EQ(cards.FindGroup("Numbers_1")->cardCount, 1);
    EXPECT_EQ(cards.FindGroup("Snacks")->cardCount, 2);
    EXPECT_EQ(cards.FindGroup("Numbers")->cardCount, 1);
    EXPECT_TRUE(m_application.Document().IsModified());
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"Imported 3 flashcards in 2 Word Groups."});
    EXPECT_TRUE(ListedGroups().contains(QStringLiteral("Snacks")))
        << ListedGroups().join(u',').toStdString();
}

TEST_F(MainWindowExchangeTest, CancelledImportLeavesTheDocumentUntouched) {
    const std::vector<std::string> groups = m_application.Document().Cards().GroupNames();
    const std::size_t kanaWords = m_application.Document().Cards().KanaWordCards().size();
    EXPECT_FALSE(Import(WordsFile(), [](CImportDialog& dialog) {
        Child<QPushButton>(dialog, "cancelButton").click();
    }));
    EXPECT_EQ(m_application.Document().Cards().GroupNames(), groups);
    EXPECT_EQ(m_application.Document().Cards().KanaWordCards().size(), kanaWords);
    EXPECT_FALSE(m_application.Document().IsModified());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowExchangeTest, AFileWithoutFlashcardsIsToldWithoutADialog) {
    const std::string path = m_data.Write("empty.tsv", "japanese\treading\tmeaning\n");
    EXPECT_FALSE(m_window->ImportWordGroups(path));
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"No flashcards were found in empty.tsv."});
    EXPECT_FALSE(m_application.Document().IsModified());

    // Rows that make no card: the first twenty are listed.
    std::string rows = "japanese\tmeaning\tactive\n";
    for (int row = 0; row < 23; ++row)
        rows += "あ\ta\tmaybe\n";
    m_prompter.Clear();
    EXPECT_FALSE(m_window->ImportWordGroups(m_data.Write("bad.tsv", rows)));
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    const QStringList lines = QString::fromStdString(m_prompter.Texts().front()).split(u'\n');
    ASSERT_EQ(lines.size(), 22);
    EXPECT_EQ(lines[0], QStringLiteral("No flashcards were found in bad.tsv."));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Line 2: active is neither 1 nor 0")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[20].startsWith(QStringLiteral("Line 21: "))) << lines[20].toStdString();
    EXPECT_EQ(lines[21], QStringLiteral("and 3 more"));

    m_prompter.Clear();
    EXPECT_FALSE(m_window->ImportWordGroups(m_data.File("missing.tsv")));
    ASSERT_EQ(m_prompter.Entries().size(), 1u);
    EXPECT_EQ(m_prompter.Entries().front().kind, CPrompter::Kind::Error);
}

TEST_F(MainWindowExchangeTest, ExportOpensTheDialogOverTheSelection) {
    m_window->MainView().Commands().SetSelection({"Verbs"});
    QString title;
    QStringList checked;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        title = dialog->windowTitle();
        const auto& list = Child<QListWidget>(*dialog, "groupList");
        for (int row = 0; row < list.count(); ++row)
            if (list.item(row)->checkState() == Qt::Checked) checked << list.item(row)->text();
        dialog->close();
    });
    Action("exportAction")->trigger();
    EXPECT_EQ(title, QStringLiteral("Export Word Groups as Text Files"));
    const int verbs = m_application.Document().Cards().FindGroup("Verbs")->cardCount;
    EXPECT_EQ(checked, QStringList{QStringLiteral("Verbs (%1)").arg(verbs)});
}

}  // namespace
}  // namespace brushly
