#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>

#include "app/CBrushlyApplication.h"
#include "app/CMainView.h"
#include "app/CMainWindow.h"
#include "app/COptionSheet.h"
#include "app/CPracticeViews.h"
#include "app/CViewSwitcher.h"
#include "app/MainWindowFixture.h"
#include "app/wordgroup/qt/CFindFlashcardDialog.h"
#include "app/wordgroup/qt/CWordGroupView.h"
#include "builder/qt/CFlashcardBuilderWizard.h"
#include "dictionary/qt/CCompoundSearchDialog.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/CDrawBoxPracticeDialog.h"
#include "lookup/qt/CKanjiSearchDialog.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "practice/CDrawPractice.h"
#include "practice/CDrawView.h"
#include "practice/CFlashCardWidget.h"
#include "practice/CFlashView.h"
#include "support/CTempDirectory.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

class MainWindowTest : public testing::MainWindowFixture {};

TEST_F(MainWindowTest, ShowsTheDocumentTitleAndTheReadyStatus) {
    m_window->show();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Untitled - Brushly"));
    EXPECT_EQ(m_window->statusBar()->currentMessage(), QStringLiteral("For Help, press F1"));
    ASSERT_NE(m_window->WordGroupMenu(), nullptr);
    EXPECT_TRUE(m_window->Views().MainViewShown());
    EXPECT_FALSE(Action("japaneseFontAction")->isEnabled());
}

TEST_F(MainWindowTest, FlashRunsOnTheSelectionWithItsToolBarUntilLeft) {
    m_window->show();
    Action("flashAction")->trigger();
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{"Select Word group(s) to practice reading"});
    EXPECT_EQ(m_window->FlashView(), nullptr);

    m_application.Document().Options().flash.includeCompounds = 0;
    m_application.Document().Options().flash.includeKanaWords = 0;
    m_application.Document().Options().flash.includeCounters = 0;
    m_window->MainView().Commands().SetSelection({"Animals"});
    Action("flashAction")->trigger();
    CFlashView* view = m_window->FlashView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(m_window->Views().currentWidget(), view);
    auto* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("practiceToolBar"));
    ASSERT_NE(toolBar, nullptr);
    EXPECT_TRUE(toolBar->isVisible());
    EXPECT_EQ(toolBar->actions(), view->ToolbarActions());
    ASSERT_NE(view->Quiz().Current(), nullptr);

    // Kana Mode draws the kanji card's reading answers as kana at once.
    ASSERT_EQ(view->Quiz().Current()->kind, FlashKind::kKanji);
    EXPECT_FALSE(view->Card().Content().slots.showKana);
    Action("romajiModeAction")->trigger();
    EXPECT_TRUE(view->Card().Content().slots.showKana);

    Action("mainViewAction")->trigger();
    EXPECT_TRUE(m_window->Views().MainViewShown());
    EXPECT_EQ(m_window->FlashView(), nullptr);
    EXPECT_FALSE(toolBar->isVisible());
}

TEST_F(MainWindowTest, FlashOverGroupsWithoutActiveCardsSaysSo) {
    ASSERT_TRUE(m_application.Document().Cards().AddGroup("Empty"));
    m_window->MainView().Commands().SetSelection({"Empty"});
    m_window->Practice().StartFlash();
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{CWordGroupCommands::kReadingEmptyMessage});
    EXPECT_EQ(m_window->FlashView(), nullptr);
    EXPECT_TRUE(m_window->Views().MainViewShown());
}

TEST_F(MainWindowTest, DrawKanaDrillsAndTheKanaTableOpenFromTheMainView) {
    AddNumbersGroup();
    m_window->show();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    auto* toolBar = m_window->findChild<QToolBar*>(QStringLiteral("practiceToolBar"));

    // The first Draw of the run shows the draw box practice dialog; its check box is kept.
    int dialogs = 0;
    QTimer::singleShot(0, [&dialogs] {
        auto* dialog = dynamic_cast<CDrawBoxPracticeDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ++dialogs;
        dialog->accept();
    });
    Action("drawAction")->trigger();
    EXPECT_EQ(dialogs, 1);
    CDrawView* draw = m_window->Practice().Draw();
    ASSERT_NE(draw, nullptr);
    EXPECT_EQ(draw->Practice().Mode(), CDrawPractice::kKanjiMode);
    EXPECT_EQ(toolBar->actions(), draw->ToolbarActions());
    Action("drawViewAction")->trigger();  // again: no dialog, a fresh view
    EXPECT_NE(m_window->Practice().Draw(), nullptr);

    const auto click = [this](const char* name) {
        m_window->MainView().findChild<QPushButton*>(QString::fromLatin1(name))->click();
    };
    Action("mainViewAction")->trigger();
    click("hiraganaWriteButton");
    ASSERT_NE(m_window->Practice().Draw(), nullptr);
    EXPECT_EQ(m_window->Practice().Draw()->Practice().Mode(), CDrawPractice::kHiraganaMode);

    Action("mainViewAction")->trigger();
    click("hiraganaReadButton");
    ASSERT_NE(m_window->Practice().KanaReading(), nullptr);
    EXPECT_TRUE(toolBar->isVisible());

    Action("mainViewAction")->trigger();
    click("kanaTableButton");
    ASSERT_NE(m_window->Practice().KanaTable(), nullptr);
    EXPECT_FALSE(toolBar->isVisible());
    Action("mainViewAction")->trigger();
    EXPECT_EQ(m_window->Practice().Current(), nullptr);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

// No Word Group command may destroy or move the cards a practice view drills: while one is
// shown they are disabled, and they come back with the main view.
TEST_F(MainWindowTest, GroupCommandsWaitWhileAPracticeViewIsShown) {
    CBrushly2Doc& document = m_application.Document();
    m_settings.WriteInt(CDrawBoxPracticeDialog::kPracticeKey, 1);
    AddNumbersGroup();
    m_window->show();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    const char* const changing[] = {"newGroupAction",     "renameGroupAction",
                                    "mergeGroupsAction",  "resetGroupsAction",
                                    "deleteGroupsAction", "selectAllGroupsAction"};
    const auto expectEnabled = [&](bool enabled, const char* view) {
        for (const char* name : changing)
            EXPECT_EQ(Action(name)->isEnabled(), enabled) << name << " with " << view;
        EXPECT_TRUE(Action("flashAction")->isEnabled()) << view;
        EXPECT_TRUE(Action("drawAction")->isEnabled()) << view;
    };
    const auto click = [this](const char* name) {
        m_window->MainView().findChild<QPushButton*>(QString::fromLatin1(name))->click();
    };
    const std::pair<const char*, std::function<void()>> views[] = {
        {"the Flash View", [&] { Action("flashAction")->trigger(); }},
        {"the Draw View", [&] { Action("drawAction")->trigger(); }},
        {"hiragana reading", [&] { click("hiraganaReadButton"); }},
        {"hiragana writing", [&] { click("hiraganaWriteButton"); }},
        {"the kana table", [&] { click("kanaTableButton"); }}};
    expectEnabled(true, "the main view");
    for (const auto& [view, start] : views) {
        start();
        ASSERT_NE(m_window->Practice().Current(), nullptr) << view;
        expectEnabled(false, view);
        // A disabled action does nothing even when triggered: the group and its card stay.
        Action("deleteGroupsAction")->trigger();
        EXPECT_NE(document.Cards().FindGroup("Numbers"), nullptr) << view;
        Action("mainViewAction")->trigger();
        expectEnabled(true, view);
    }
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, TheWordGroupViewAddsCardsThroughTheCardEditors) {
    AddNumbersGroup();
    m_window->show();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    Action("editGroupAction")->trigger();
    ASSERT_TRUE(Action("addKanaWordAction")->isEnabled());
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->findChild<QLineEdit*>(QStringLiteral("romajiEdit"))
            ->setText(QStringLiteral("neko"));
        dialog->findChild<QLineEdit*>(QStringLiteral("meaningEdit"))
            ->setText(QStringLiteral("cat"));
        dialog->findChild<QPushButton*>(QStringLiteral("saveExitButton"))->click();
    });
    Action("addKanaWordAction")->trigger();
    EXPECT_EQ(title, QStringLiteral("Add Kana Word Flashcard"));
    const CWordGroup* numbers = m_application.Document().Cards().FindGroup("Numbers");
    ASSERT_EQ(numbers->kanaWordCards.size(), 1u);
    EXPECT_EQ(numbers->kanaWordCards[0]->meaning, "cat");
    EXPECT_EQ(m_window->WordGroupView().Commands().SelectedCard(), numbers->kanaWordCards[0]);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, EditOpensTheWordGroupViewWithItsFlashcardMenu) {
    AddNumbersGroup();
    m_window->show();
    QMenu* flashcardMenu = m_window->WordGroupView().Menu();
    EXPECT_FALSE(flashcardMenu->menuAction()->isVisible());
    Action("wordGroupViewAction")->trigger();
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{"Select a Word group to display"});
    EXPECT_TRUE(m_window->Views().MainViewShown());

    m_window->MainView().Commands().SetSelection({"Numbers"});
    Action("editGroupAction")->trigger();
    EXPECT_EQ(m_window->Views().currentWidget(), &m_window->WordGroupView());
    EXPECT_EQ(m_window->WordGroupView().Commands().GroupName(), "Numbers");
    EXPECT_TRUE(flashcardMenu->menuAction()->isVisible());
    EXPECT_TRUE(Action("resetAllCardsAction")->isEnabled());
    EXPECT_FALSE(Action("renameGroupAction")->isEnabled());

    // The card copied here is pasted by the main view into its one selected group.
    m_window->WordGroupView().Commands().Select(CardKind::kKanji, 0);
    Action("copyCardAction")->trigger();
    m_window->findChild<QPushButton*>(QStringLiteral("returnButton"))->click();
    EXPECT_TRUE(m_window->Views().MainViewShown());
    EXPECT_FALSE(flashcardMenu->menuAction()->isVisible());
    EXPECT_FALSE(Action("resetAllCardsAction")->isEnabled());
    ASSERT_TRUE(Action("pasteIntoGroupAction")->isEnabled());
    Action("pasteIntoGroupAction")->trigger();
    EXPECT_EQ(m_application.Document().Cards().FindGroup("Numbers")->kanjiCards.size(), 2u);
    const auto& names = m_application.Document().Cards().GroupNames();
    const int row = static_cast<int>(std::ranges::find(names, "Numbers") - names.begin());
    EXPECT_EQ(m_window->MainView()
                  .findChild<QTreeView*>(QStringLiteral("groupDetails"))
                  ->model()
                  ->index(row, 1)
                  .data()
                  .toString(),
              QStringLiteral("2"));
    m_window->MainView().Commands().SetSelection({"Numbers", "Animals"});
    m_window->MainView().Refresh();
    EXPECT_FALSE(Action("pasteIntoGroupAction")->isEnabled());

    // Flash of the group on show practises that group.
    m_window->MainView().Commands().SetSelection({"Animals"});
    m_window->OpenWordGroup("Numbers");
    Action("flashGroupAction")->trigger();
    ASSERT_NE(m_window->FlashView(), nullptr);
    EXPECT_FALSE(flashcardMenu->menuAction()->isVisible());
    EXPECT_FALSE(Action("deleteCardAction")->isEnabled());
}

TEST_F(MainWindowTest, FindFlashcardGoesToTheMatchsCardInItsWordGroupView) {
    AddNumbersGroup();
    auto reading = std::make_unique<CKanjiReading>();
    reading->meanings = {"firstnumber"};
    m_application.Document().Cards().FindGroup("Numbers")->kanjiCards.front()->readings.push_back(
        std::move(reading));
    m_window->show();
    QAction* find = Action("findFlashcardAction");
    EXPECT_EQ(find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<CFindFlashcardDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("meaningEdit"))
            ->setText(QStringLiteral("firstnumber"));
        dialog->Find();
        ASSERT_EQ(dialog->Finder().Matches().size(), 1u);
        dialog->Finder().SelectRow(0);
        dialog->GoTo();
    });
    find->trigger();
    EXPECT_EQ(m_window->Views().currentWidget(), &m_window->WordGroupView());
    EXPECT_EQ(m_window->WordGroupView().Commands().GroupName(), "Numbers");
    EXPECT_EQ(m_window->WordGroupView().Commands().SelectedCard(),
              m_application.Document().Cards().FindGroup("Numbers")->kanjiCards.front());
}

TEST_F(MainWindowTest, TheDrawBoxPracticeComesWhenADeckFirstStarts) {
    CBrushly2Doc& document = m_application.Document();
    ASSERT_TRUE(document.Cards().AddGroup("Empty"));
    AddNumbersGroup();
    m_window->show();
    int dialogs = 0;
    const auto acceptPractice = [&dialogs] {
        QTimer::singleShot(0, [&dialogs] {
            if (auto* dialog =
                    dynamic_cast<CDrawBoxPracticeDialog*>(QApplication::activeModalWidget())) {
                ++dialogs;
                dialog->accept();
            }
        });
    };
    m_window->MainView().Commands().SetSelection({"Empty"});
    acceptPractice();
    Action("drawAction")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{CWordGroupCommands::kWritingEmptyMessage});
    EXPECT_EQ(m_window->Practice().Draw(), nullptr);

    m_window->MainView().Commands().SetSelection({"Numbers"});
    acceptPractice();
    Action("drawAction")->trigger();
    EXPECT_EQ(dialogs, 1);
    EXPECT_NE(m_window->Practice().Draw(), nullptr);
}

TEST_F(MainWindowTest, KanjiSearchAddsTheKanjiToTheSelectedGroupOnAddAndExit) {
    AddNumbersGroup();
    m_window->show();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    QString okText;
    QTimer::singleShot(0, [&okText] {
        auto* dialog = dynamic_cast<CKanjiSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        okText = dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->text();
        dialog->findChild<QLineEdit*>(QStringLiteral("readingEdit"))
            ->setText(QStringLiteral("ichi"));
        dialog->findChild<QPushButton*>(QStringLiteral("searchButton"))->click();
        auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("resultList"));
        list->setCurrentItem(list->topLevelItem(0));
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    m_window->findChild<QPushButton*>(QStringLiteral("kanjiSearchButton"))->click();
    EXPECT_EQ(okText, QStringLiteral("Add and E&xit"));
    const CWordGroup* numbers = m_application.Document().Cards().FindGroup("Numbers");
    ASSERT_EQ(numbers->kanjiCards.size(), 2u);
    EXPECT_EQ(numbers->kanjiCards[1]->character, "\x88\xea");
    EXPECT_EQ(numbers->kanjiCards[1]->readings.size(), 1u);
    EXPECT_TRUE(m_application.Document().IsModified());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, CompoundSearchAddsTheWordToTheSelectedGroupOnAddAndExit) {
    AddNumbersGroup();
    CBrushly2Doc& document = m_application.Document();
    auto compounds = std::make_unique<CCompoundLibrary>();
    auto entry = std::make_unique<CCompoundData>();
    entry->headword = "\x88\xea\x93\xf1";  // 一二
    entry->romaji = "ichini";
    entry->meaning = "(n) one-two/(P)";
    compounds->Add(std::move(entry));
    document.SetWordLibraries(std::move(compounds), nullptr);
    m_window->show();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<CCompoundSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("romajiEdit"))
            ->setText(QStringLiteral("ichi"));
        dialog->findChild<QCheckBox*>(QStringLiteral("useRomajiCheck"))->setChecked(true);
        dialog->findChild<QPushButton*>(QStringLiteral("searchButton"))->click();
        auto* list = dialog->findChild<QTreeWidget*>(QStringLiteral("resultList"));
        list->setCurrentItem(list->topLevelItem(0));
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    m_window->findChild<QPushButton*>(QStringLiteral("compoundSearchButton"))->click();
    const CWordGroup* numbers = document.Cards().FindGroup("Numbers");
    ASSERT_EQ(numbers->compoundCards.size(), 1u);
    EXPECT_EQ(numbers->compoundCards[0]->romaji, "ichini");
    EXPECT_EQ(numbers->compoundCards[0]->meaning, "(n) one-two");
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, FlashcardBuilderBuildsGroupsTheMainViewThenLists) {
    m_window->show();
    QTimer::singleShot(0, [] {
        auto* wizard = dynamic_cast<CFlashcardBuilderWizard*>(QApplication::activeModalWidget());
        ASSERT_NE(wizard, nullptr);
        wizard->findChild<QListWidget*>(QStringLiteral("sourceList"))->setCurrentRow(0);
        wizard->next();
        wizard->next();
        wizard->accept();
    });
    m_window->findChild<QPushButton*>(QStringLiteral("flashcardBuilderButton"))->click();
    const CWordGroup* built = m_application.Document().Cards().FindGroup("Grade Level 1 #1");
    ASSERT_NE(built, nullptr);
    EXPECT_EQ(built->kanjiCards.size(), 2u);  // 一 and 二, the small database's grade 1
    const QAbstractItemModel* rows =
        m_window->findChild<QTreeView*>(QStringLiteral("groupDetails"))->model();
    QStringList listed;
    for (int row = 0; row < rows->rowCount(); ++row)
        listed << rows->index(row, 0).data().toString();
    EXPECT_TRUE(listed.contains(QStringLiteral("Grade Level 1 #1")))
        << listed.join(u',').toStdString();
    EXPECT_TRUE(m_application.Document().IsModified());
}

TEST_F(MainWindowTest, ToolsFlashcardBuilderOpensTheWizard) {
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* wizard = QApplication::activeModalWidget();
        title = wizard->windowTitle();
        wizard->close();
    });
    Action("flashcardBuilderAction")->trigger();
    EXPECT_EQ(title, QStringLiteral("Flashcard Builder"));
    EXPECT_EQ(Action("flashcardBuilderAction")->text(), QStringLiteral("&Flashcard Builder..."));
}

// Runs the command `open` and tells the page the options sheet opened at; the sheet is
// cancelled.
int OptionTabOpenedBy(const std::function<void()>& open) {
    int tab = -1;
    QTimer::singleShot(0, [&tab] {
        auto* sheet = dynamic_cast<COptionSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Brushly 2.0 Options"));
        tab = sheet->Tabs().currentIndex();
        sheet->reject();
    });
    open();
    return tab;
}

TEST_F(MainWindowTest, EachViewsOptionsOpensItsPageOfTheOptionsSheet) {
    AddNumbersGroup();
    m_settings.WriteInt("practice", 1);  // no draw box practice before the Draw View
    m_window->show();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    const auto tools = [this] {
        return OptionTabOpenedBy([this] { Action("optionsAction")->trigger(); });
    };
    const auto own = [this] {
        return OptionTabOpenedBy([this] {
            m_window->Practice()
                .Current()
                ->findChild<QAction*>(QStringLiteral("options"))
                ->trigger();
        });
    };
    EXPECT_EQ(tools(), static_cast<int>(OptionTab::kFlashView));

    Action("flashAction")->trigger();
    ASSERT_NE(m_window->FlashView(), nullptr);
    EXPECT_EQ(own(), static_cast<int>(OptionTab::kFlashView));

    Action("drawAction")->trigger();
    ASSERT_NE(m_window->Practice().Draw(), nullptr);
    EXPECT_EQ(own(), static_cast<int>(OptionTab::kDrawView));
    EXPECT_EQ(tools(), static_cast<int>(OptionTab::kFlashView));

    Action("mainViewAction")->trigger();
    m_window->MainView().findChild<QPushButton*>(QStringLiteral("hiraganaReadButton"))->click();
    ASSERT_NE(m_window->Practice().KanaReading(), nullptr);
    EXPECT_EQ(own(), static_cast<int>(OptionTab::kKanaFlashView));

    Action("kanaTableAction")->trigger();
    ASSERT_NE(m_window->Practice().KanaTable(), nullptr);
    EXPECT_EQ(tools(), static_cast<int>(OptionTab::kKanaTableView));

    m_window->OpenWordGroup("Numbers");
    EXPECT_EQ(tools(), static_cast<int>(OptionTab::kGeneral));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, OkInTheOptionsOfAViewTakesTheValuesOverAndKeepsTheView) {
    AddNumbersGroup();
    m_settings.WriteInt("practice", 1);
    m_window->show();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    Action("drawAction")->trigger();
    CDrawView* draw = m_window->Practice().Draw();
    ASSERT_NE(draw, nullptr);
    QTimer::singleShot(0, [] {
        auto* sheet = dynamic_cast<COptionSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        testing::ButtonWithText(*sheet->Tabs().currentWidget(), "On request").click();
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    draw->findChild<QAction*>(QStringLiteral("options"))->trigger();
    EXPECT_EQ(m_application.Document().Options().draw.feedback, 1);
    EXPECT_TRUE(m_application.Document().IsModified());
    EXPECT_EQ(m_window->Practice().Draw(), draw);
    EXPECT_EQ(m_settings.GetInt("oomode", -1), 0);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, CancellingTheOptionsAfterChangesOnSeveralPagesChangesNothing) {
    CBrushly2Doc& document = m_application.Document();
    const CBrushlyOptions before = document.Options();
    const std::int32_t commonWords = document.CommonWordsOnly();
    QTimer::singleShot(0, [] {
        auto* sheet = dynamic_cast<COptionSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        const auto click = [sheet](OptionTab tab, const char* text) {
            testing::ButtonWithText(*sheet->Tabs().widget(static_cast<int>(tab)), text).click();
        };
        click(OptionTab::kFlashView, "Word Group");
        click(OptionTab::kDrawView, "Simple Strokes");
        click(OptionTab::kKanaFlashView, "Fill in the Blank");
        sheet->findChild<QSpinBox*>(QStringLiteral("lowerLevel"))->setValue(10);
        click(OptionTab::kGeneral, "OU (as in KOU, ROU)");
        const COptionValues shown = sheet->Values();
        EXPECT_EQ(shown.options.flash.shuffleOrder, 1);
        EXPECT_EQ(shown.options.draw.drawingStyle, 1);
        EXPECT_EQ(shown.options.kanaFlash.quizMode, 1);
        EXPECT_EQ(shown.options.kanaFlash.lowerRange, 10);
        EXPECT_EQ(shown.longOMode, 1);
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    Action("optionsAction")->trigger();
    EXPECT_EQ(document.Options(), before);
    EXPECT_EQ(document.CommonWordsOnly(), commonWords);
    EXPECT_EQ(document.LongOMode(), 0);
    EXPECT_EQ(m_settings.GetInt("oomode", -1), -1);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(MainWindowTest, TheLongODisplayChosenInTheOptionsRedrawsTheWordGroupView) {
    AddNumbersGroup();
    auto compound = std::make_unique<CKanjiCompound>();
    compound->groupName = "Numbers";
    compound->headword = "\x91\xe5\x82\xab\x82\xa2";
    compound->romaji = "ookii";
    compound->meaning = "big";
    m_application.Document().Cards().AddCard(std::move(compound));
    m_window->show();
    m_window->OpenWordGroup("Numbers");
    auto* list = m_window->WordGroupView().findChild<QTreeWidget*>(QStringLiteral("cardList1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("ookii"));

    QTimer::singleShot(0, [] {
        auto* sheet = dynamic_cast<COptionSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        testing::ButtonWithText(*sheet->Tabs().currentWidget(), "OU (as in KOU, ROU)").click();
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Action("optionsAction")->trigger();
    EXPECT_EQ(m_settings.GetInt("oomode", -1), 1);
    EXPECT_EQ(m_application.Document().LongOMode(), 1);
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("oukii"));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

// Within one menu no two commands share a mnemonic letter.
TEST_F(MainWindowTest, EachMenusMnemonicsAreDistinct) {
    for (QAction* menuAction : m_window->menuBar()->actions()) {
        QMenu* menu = menuAction->menu();
        ASSERT_NE(menu, nullptr);
        menu->aboutToShow();  // the File menu lists its recent files then
        std::map<QChar, QString> letters;
        for (const QAction* action : menu->actions()) {
            const QString text = action->text();
            for (qsizetype i = 0; i + 1 < text.size(); ++i) {
                if (text[i] != u'&') continue;
                if (text[i + 1] == u'&') {
                    ++i;
                    continue;
                }
                const QChar letter = text[i + 1].toLower();
                EXPECT_FALSE(letters.contains(letter))
                    << menu->title().toStdString() << ": " << text.toStdString() << " and "
                    << letters[letter].toStdString();
                letters[letter] = text;
                break;
            }
        }
    }
}

TEST_F(MainWindowTest, ViewModesWriteTheirSettingsAtOnce) {
    QAction* vertical = Action("verticalModeAction");
    QAction* romaji = Action("romajiModeAction");
    EXPECT_EQ(vertical->text(), QStringLiteral("&Vertical Mode"));
    EXPECT_EQ(romaji->text(), QStringLiteral("&Kana Mode"));

    vertical->trigger();
    romaji->trigger();

    EXPECT_EQ(m_settings.GetInt("vertmode", -1), 1);
    EXPECT_EQ(m_settings.GetInt("romajimode", -1), 0);
    EXPECT_EQ(vertical->text(), QStringLiteral("&Horizontal Mode"));
    EXPECT_EQ(romaji->text(), QStringLiteral("&Romaji Mode"));
}

TEST_F(MainWindowTest, AutosaveMenuItemTogglesTheSetting) {
    QAction* autosave = Action("autosaveAction");
    EXPECT_TRUE(autosave->isChecked());
    autosave->trigger();
    EXPECT_EQ(m_settings.GetInt("autosave", -1), 0);
    EXPECT_FALSE(autosave->isChecked());
}

TEST_F(MainWindowTest, ExitWithAModifiedDocumentAsks) {
    m_window->show();
    m_application.Document().SetModified(true);
    // Cancel keeps the window; No leaves without saving.
    m_prompter.ScriptChoices({CPrompter::Answer::Cancel, CPrompter::Answer::No});

    Action("exitAction")->trigger();
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts().front(), "Save changes to Untitled?");
    EXPECT_TRUE(m_window->isVisible());

    Action("exitAction")->trigger();
    EXPECT_EQ(m_prompter.Texts().size(), 2u);
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(MainWindowTest, ExitWithAnUnmodifiedDocumentAsksNothing) {
    m_window->show();
    Action("exitAction")->trigger();
    EXPECT_TRUE(m_prompter.Texts().empty());
    EXPECT_FALSE(m_window->isVisible());
}

TEST_F(MainWindowTest, OpeningAnotherKindOfFileIsRefused) {
    EXPECT_FALSE(m_window->OpenDocument(m_data.File("notes.txt")));
    ASSERT_EQ(m_prompter.Texts().size(), 1u);
    EXPECT_EQ(m_prompter.Texts().front(), "You can only Open a Brushly file (.bly).");
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Untitled - Brushly"));
}

TEST_F(MainWindowTest, OpeningADocumentRetitlesTheWindowAndListsIt) {
    const std::string path = m_data.File("kanji.bly");
    ASSERT_TRUE(m_application.FileSaveAs(path));
    ASSERT_TRUE(m_application.FileNew([] { return std::optional<std::string>(); }));

    EXPECT_TRUE(m_window->OpenDocument(path));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("kanji.bly - Brushly"));
    EXPECT_EQ(m_application.RecentFiles().Paths().front(), path);
}

// What a crash can leave (zeros where the end of the file was) opens as an untitled
// document: the window says so, and no save of the program touches the damaged file.
TEST_F(MainWindowTest, ADamagedDocumentOpensUntitledAndNoSaveWritesOverIt) {
    const std::string path = m_data.File("kanji.bly");
    ASSERT_TRUE(m_application.FileSaveAs(path));
    std::string bytes = testing::CTempDirectory::Read(path);
    std::fill(bytes.begin() + 20, bytes.end(), '\0');
    m_data.Write("kanji.bly", bytes);
    ASSERT_TRUE(m_application.FileNew([] { return std::optional<std::string>(); }));
    m_application.Document().SetAutosave(1);

    EXPECT_TRUE(m_window->OpenDocument(path));
    EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{CBrushly2Doc::kDamagedFileMessage});
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Untitled - Brushly"));

    EXPECT_FALSE(m_application.AutosaveTick({}));
    EXPECT_FALSE(m_application.FileSave([] { return std::optional<std::string>(); }));
    m_prompter.ScriptChoices({CPrompter::Answer::No});
    m_window->show();
    Action("exitAction")->trigger();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_prompter.Texts().back(), "Save changes to Untitled?");
    EXPECT_EQ(testing::CTempDirectory::Read(path), bytes);
    EXPECT_FALSE(std::filesystem::exists(path + "~"));
}

TEST_F(MainWindowTest, ADroppedDocumentIsOpened) {
    const std::string path = m_data.File("dropped.bly");
    ASSERT_TRUE(m_application.FileSaveAs(path));
    ASSERT_TRUE(m_application.FileNew([] { return std::optional<std::string>(); }));
    m_window->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(m_data.File("notes.txt"))),
                  QUrl::fromLocalFile(QString::fromStdString(path))});
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);

    // Straight to the window's own handler, without the application's drag routing.
    static_cast<QObject*>(m_window.get())->event(&drop);

    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("dropped.bly - Brushly"));
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(MainWindowTest, HostsTheMainViewAndItsWordGroupCommands) {
    EXPECT_EQ(m_window->Views().MainView(), static_cast<QWidget*>(&m_window->MainView()));
    EXPECT_EQ(m_window->Views().count(), 2);  // and the word group view
    EXPECT_EQ(m_window->WordGroupMenu()->actions(), m_window->MainView().WordGroupActions());
}

TEST(ViewSwitcherTest, AMainViewTakesThePlaceholdersPage) {
    testing::EnsureQtApplication();
    CViewSwitcher switcher;
    auto* view = new QWidget;
    switcher.SetMainView(view);
    EXPECT_EQ(switcher.MainView(), view);
    EXPECT_EQ(switcher.currentWidget(), view);
    EXPECT_EQ(switcher.count(), 1);
}

TEST_F(MainWindowTest, SavesAScreenshot) {
    m_window->resize(1024, 720);
    m_window->show();
    QApplication::processEvents();
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("main-window.png"));
    ASSERT_TRUE(m_window->grab().save(path));
    std::cout << "Main window screenshot: " << path.toStdString() << '\n';
    EXPECT_TRUE(std::filesystem::exists(path.toStdString()));
}

}  // namespace
}  // namespace brushly
