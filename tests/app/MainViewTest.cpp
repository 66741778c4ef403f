#include "app/CMainView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <set>

#include "app/CGroupConfirmDialog.h"
#include "app/CNameDialog.h"
#include "app/GroupIcons.h"
#include "document/SampleWordGroups.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using Names = std::vector<std::string>;

class MainViewTest : public ::testing::Test {
protected:
    MainViewTest() : m_document(m_settings, m_prompter, 1u) {
        testing::EnsureQtApplication();
        m_document.SetKanjiLibrary(testing::MakeSmallKanjiLibrary());
    }

    // The view of the sample document.
    std::unique_ptr<CMainView> SampleView() {
        m_document.NewDocument();
        return std::make_unique<CMainView>(m_document, m_prompter);
    }

    template <class Widget>
    static Widget* Child(const QWidget& view, const char* name) {
        auto* child = view.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
};

// Without a Japanese font a Japanese group name is drawn by the character renderer: a kanji
// the database lacks shows as its red cross.
TEST_F(MainViewTest, JapaneseNamesAreDrawnByTheCharacterRendererWithoutAFont) {
    m_document.NewDocument();
    ASSERT_TRUE(m_document.Cards().AddGroup("\x90\x48"));  // 食, not in the small database
    CMainView view(m_document, m_prompter);
    view.SetJapaneseTextStyle(
        {.mode = CJapaneseFontMode::kBuiltIn, .library = m_document.KanjiLibrary()});
    view.SetLatinFace({});
    view.resize(1000, 600);
    view.show();
    view.Refresh();
    QApplication::processEvents();
    const QImage image = view.grab().toImage();
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
        for (int x = 0; x < image.width() && !red; ++x)
            red = image.pixelColor(x, y).red() > 200 && image.pixelColor(x, y).green() < 80 &&
                  image.pixelColor(x, y).blue() < 80;
    EXPECT_TRUE(red);
}

TEST_F(MainViewTest, ListsTheSampleGroupsInElevenColumns) {
    const auto view = SampleView();
    view->show();
    auto* details = Child<QTreeView>(*view, "groupDetails");
    const QAbstractItemModel* model = details->model();
    ASSERT_EQ(model->rowCount(), static_cast<int>(kSampleGroupNames.size()));
    ASSERT_EQ(model->columnCount(), 11);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Word Group Name"));
    EXPECT_EQ(model->headerData(9, Qt::Horizontal).toString(), QStringLiteral("TOT."));
    EXPECT_EQ(details->columnWidth(0), 200);
    EXPECT_EQ(details->columnWidth(3), 90);
    EXPECT_EQ(model->index(0, 0).data().toString().toStdString(),
              m_document.Cards().GroupNames().front());
    EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("--"));
    EXPECT_FALSE(model->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    EXPECT_EQ(Child<QStackedWidget>(*view, "groupListStack")->currentWidget(), details);
    EXPECT_TRUE(Child<QLabel>(*view, "guidedTourLine")->isHidden());
}

TEST_F(MainViewTest, KanaSummaryShowsBothSyllabaries) {
    const auto view = SampleView();
    auto* kana = Child<QTreeWidget>(*view, "kanaSummary");
    EXPECT_EQ(kana->headerItem()->text(0), QStringLiteral("Kana"));
    EXPECT_EQ(kana->headerItem()->text(1), QStringLiteral("Recognition"));
    ASSERT_EQ(kana->topLevelItemCount(), 2);
    EXPECT_EQ(kana->topLevelItem(0)->text(0), QStringLiteral("Hiragana"));
    EXPECT_EQ(kana->topLevelItem(1)->text(0), QStringLiteral("Katakana"));
    EXPECT_EQ(kana->topLevelItem(0)->text(1), QStringLiteral("-- % (0 / 0)"));
    view->SetKanaRow(1);
    EXPECT_EQ(kana->currentItem(), kana->topLevelItem(1));
}

TEST_F(MainViewTest, EmptyDocumentShowsTheDeletedLines) {
    CMainView view(m_document, m_prompter);
    auto* empty = Child<QLabel>(view, "emptyDocument");
    EXPECT_EQ(Child<QStackedWidget>(view, "groupListStack")->currentWidget(), empty);
    EXPECT_EQ(empty->text(),
              QStringLiteral("** All Word Groups DELETED **\nTo instantly generate Word Groups "
                             "with flashcards, click the 'Flashcard Builder' button above,\nor "
                             "create a new Word Group (Alt W, N) and add flashcards using the "
                             "buttons on the left."));
    EXPECT_FALSE(Child<QLabel>(view, "guidedTourLine")->isHidden());
    EXPECT_EQ(
        Child<QLabel>(view, "guidedTourLine")->text(),
        QStringLiteral("*** Select ''Help - Guided Tour'' for a guided overview of Brushly ***"));
    EXPECT_FALSE(view.SetDisplayMode(CWordGroupCommands::kList));
}

TEST_F(MainViewTest, DisplayModesSwitchTheList) {
    const auto view = SampleView();
    auto* stack = Child<QStackedWidget>(*view, "groupListStack");
    auto* icons = Child<QListView>(*view, "groupIcons");
    EXPECT_FALSE(view->SetDisplayMode(CWordGroupCommands::kDetails));
    EXPECT_TRUE(view->SetDisplayMode(CWordGroupCommands::kList));
    EXPECT_EQ(stack->currentWidget(), icons);
    EXPECT_EQ(icons->viewMode(), QListView::ListMode);
    EXPECT_EQ(icons->flow(), QListView::TopToBottom);
    EXPECT_TRUE(view->SetDisplayMode(CWordGroupCommands::kSmallIcons));
    EXPECT_EQ(icons->flow(), QListView::LeftToRight);
    EXPECT_EQ(icons->iconSize(), QSize(16, 16));
    EXPECT_TRUE(view->SetDisplayMode(CWordGroupCommands::kLargeIcons));
    EXPECT_EQ(icons->viewMode(), QListView::IconMode);
    EXPECT_EQ(icons->iconSize(), QSize(32, 32));
    EXPECT_TRUE(view->SetDisplayMode(CWordGroupCommands::kDetails));
    EXPECT_EQ(stack->currentWidget(), Child<QTreeView>(*view, "groupDetails"));
}

TEST_F(MainViewTest, SelectionFollowsTheListInSelectionOrderAndSurvivesRefresh) {
    const auto view = SampleView();
    auto* details = Child<QTreeView>(*view, "groupDetails");
    auto* selection = details->selectionModel();
    const auto& names = m_document.Cards().GroupNames();
    selection->select(details->model()->index(3, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(details->model()->index(1, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(view->Commands().Selection(), (Names{names[3], names[1]}));
    view->Refresh();
    EXPECT_TRUE(selection->isRowSelected(1, QModelIndex()));
    EXPECT_TRUE(selection->isRowSelected(3, QModelIndex()));
    EXPECT_EQ(view->Commands().Selection(), (Names{names[3], names[1]}));
    view->SelectAllGroups();
    EXPECT_EQ(static_cast<std::size_t>(selection->selectedRows().size()), names.size());
}

TEST_F(MainViewTest, ToolHeadingsStandSideBySideOnlyWhenWide) {
    const auto view = SampleView();
    view->show();
    auto* tools = Child<QBoxLayout>(*view, "toolsLayout");
    view->resize(850, 600);
    EXPECT_EQ(tools->direction(), QBoxLayout::LeftToRight);
    view->resize(849, 600);
    EXPECT_EQ(tools->direction(), QBoxLayout::TopToBottom);
}

TEST_F(MainViewTest, ButtonsOfMissingViewsAreDisabled) {
    const auto view = SampleView();
    for (const char* name :
         {"flashcardBuilderButton", "compoundSearchButton", "kanjiSearchButton",
          "hiraganaReadButton", "hiraganaWriteButton", "katakanaReadButton", "katakanaWriteButton",
          "kanaTableButton", "practiceReadingButton", "practiceWritingButton"})
        EXPECT_FALSE(Child<QPushButton>(*view, name)->isEnabled()) << name;
    EXPECT_EQ(Child<QPushButton>(*view, "compoundSearchButton")->text(),
              QStringLiteral("Compound Search"));
    int searches = 0;
    view->SetToolHandler(CMainView::Tool::kKanjiSearch, [&searches] { ++searches; });
    auto* kanjiSearch = Child<QPushButton>(*view, "kanjiSearchButton");
    EXPECT_TRUE(kanjiSearch->isEnabled());
    kanjiSearch->click();
    EXPECT_EQ(searches, 1);
    auto* flash = view->findChild<QAction*>(QStringLiteral("flashAction"));
    ASSERT_NE(flash, nullptr);
    EXPECT_FALSE(flash->isEnabled());
    int readings = 0;
    view->SetPracticeHandlers([&readings] { ++readings; }, nullptr);
    EXPECT_TRUE(flash->isEnabled());
    EXPECT_FALSE(view->findChild<QAction*>(QStringLiteral("drawAction"))->isEnabled());
    auto* practiceReading = Child<QPushButton>(*view, "practiceReadingButton");
    EXPECT_TRUE(practiceReading->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(*view, "practiceWritingButton")->isEnabled());
    practiceReading->click();
    EXPECT_EQ(m_prompter.Texts(), Names{"Select Word group(s) to practice reading"});
    view->Commands().SetSelection({m_document.Cards().GroupNames().front()});
    practiceReading->click();
    flash->trigger();
    EXPECT_EQ(readings, 2);

    auto* katakanaWrite = Child<QPushButton>(*view, "katakanaWriteButton");
    EXPECT_FALSE(katakanaWrite->isEnabled());
    std::vector<int> written;
    view->SetKanaHandlers(
        nullptr, [&written](int script) { written.push_back(script); }, nullptr);
    EXPECT_FALSE(Child<QPushButton>(*view, "hiraganaReadButton")->isEnabled());
    EXPECT_FALSE(Child<QPushButton>(*view, "kanaTableButton")->isEnabled());
    katakanaWrite->click();
    Child<QPushButton>(*view, "hiraganaWriteButton")->click();
    EXPECT_EQ(written, (std::vector<int>{1, 0}));
    EXPECT_EQ(view->KanaRow(), 0);
}

TEST_F(MainViewTest, EditPassesTheOneSelectedGroup) {
    const auto view = SampleView();
    QAction* edit = view->findChild<QAction*>(QStringLiteral("editGroupAction"));
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->isEnabled());  // nothing to open a group in yet
    Names edited;
    view->SetEditHandler([&edited](const std::string& name) { edited.push_back(name); });
    EXPECT_TRUE(edit->isEnabled());
    view->SetGroupCommandsEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
    view->SetGroupCommandsEnabled(true);
    EXPECT_TRUE(edit->isEnabled());
    view->EditGroup();
    EXPECT_EQ(m_prompter.Texts(), Names{"Select a Word group to display"});
    const std::string name = m_document.Cards().GroupNames().back();
    view->Commands().SetSelection({name});
    view->EditGroup();
    EXPECT_EQ(edited, Names{name});
}

TEST_F(MainViewTest, NewThroughTheNameDialogAddsARow) {
    const auto view = SampleView();
    ASSERT_EQ(view->WordGroupActions().size(), 11);  // with Paste, a separator, Flash, Draw
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<CNameDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Add New Word Group"));
        dialog->findChild<QLineEdit*>(QStringLiteral("nameField"))->setText("Birds");
        dialog->accept();
    });
    view->WordGroupActions().front()->trigger();
    EXPECT_NE(m_document.Cards().FindGroup("Birds"), nullptr);
    EXPECT_EQ(Child<QTreeView>(*view, "groupDetails")->model()->rowCount(),
              static_cast<int>(kSampleGroupNames.size()) + 1);
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(MainViewTest, NameDialogRefusesAnEmptyNameAndStaysOpen) {
    CNameDialog dialog("Change Word Group Name", "Verbs", m_prompter);
    dialog.show();
    EXPECT_EQ(dialog.Name(), "Verbs");
    dialog.findChild<QLineEdit*>(QStringLiteral("nameField"))->clear();
    dialog.accept();
    EXPECT_EQ(m_prompter.Texts(), Names{"No name was entered"});
    EXPECT_TRUE(dialog.isVisible());
    dialog.findChild<QLineEdit*>(QStringLiteral("nameField"))->setText("Nouns");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Name(), "Nouns");
}

TEST_F(MainViewTest, ConfirmDialogOffersFourButtons) {
    using Confirmation = CWordGroupDialogs::Confirmation;
    for (const auto action :
         {CWordGroupDialogs::Action::Delete, CWordGroupDialogs::Action::Reset}) {
        CGroupConfirmDialog dialog(action, "Do you want?");
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Delete Word Groups?"));
        QStringList texts;
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            texts.append(button->text());
        if (action == CWordGroupDialogs::Action::Delete)
            EXPECT_EQ(texts, (QStringList{"DELETE", "DELETE ALL", "NO", "Cancel"}));
        else
            EXPECT_EQ(texts, (QStringList{"RESET", "RESET ALL", "NO", "Cancel"}));
        EXPECT_EQ(dialog.Answer(), Confirmation::Cancel);
        dialog.findChildren<QPushButton*>()[2]->click();
        EXPECT_EQ(dialog.Answer(), Confirmation::Skip);
        dialog.findChildren<QPushButton*>()[1]->click();
        EXPECT_EQ(dialog.Answer(), Confirmation::ActOnAll);
    }
}

// Group names are Shift-JIS in the document; the dialogs show them as text.
TEST_F(MainViewTest, DialogsShowAJapaneseGroupNameAsText) {
    const auto view = SampleView();
    const std::string animals = sjis::FromUtf8("動物たち");
    ASSERT_TRUE(m_document.Cards().AddGroup(animals));
    view->Refresh();
    view->Commands().SetSelection({animals});
    for (const auto command : {&CMainView::DeleteGroups, &CMainView::ResetGroups}) {
        QString shown;
        QTimer::singleShot(0, [&shown] {
            auto* dialog = dynamic_cast<CGroupConfirmDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                shown += label->text();
            dialog->reject();
        });
        (view.get()->*command)();
        EXPECT_TRUE(shown.contains(QStringLiteral("動物たち"))) << shown.toStdString();
    }
    QString named;
    QTimer::singleShot(0, [&named] {
        auto* dialog = dynamic_cast<CNameDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        named = dialog->findChild<QLineEdit*>(QStringLiteral("nameField"))->text();
        dialog->reject();
    });
    view->RenameGroup();
    EXPECT_EQ(named, QStringLiteral("動物たち"));
    EXPECT_NE(m_document.Cards().FindGroup(animals), nullptr);
}

TEST_F(MainViewTest, SixteenDistinctGroupIconsInTwoSizes) {
    std::set<std::pair<int, QByteArray>> images;
    for (int index = 0; index < kGroupIconCount; ++index) {
        for (const int size : {kSmallGroupIconSize, kLargeGroupIconSize}) {
            const QImage image = GroupIconPixmap(index, size).toImage();
            EXPECT_EQ(image.size(), QSize(size, size));
            images.emplace(size, QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                            static_cast<int>(image.sizeInBytes())));
        }
        EXPECT_EQ(GroupIcon(index).availableSizes().size(), 2);
    }
    EXPECT_EQ(images.size(), 32u);
}

}  // namespace
}  // namespace brushly
