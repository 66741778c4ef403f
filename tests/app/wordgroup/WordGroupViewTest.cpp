#include "app/wordgroup/qt/CWordGroupView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "TestCards.h"
#include "app/wordgroup/CCardRows.h"
#include "app/wordgroup/qt/CTargetGroupDialog.h"
#include "builder/CSingleGroupBuilder.h"
#include "handwriting/CJapaneseTextWidget.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using Texts = std::vector<std::string>;
using testing::AddCompound;
using testing::AddKanji;
using testing::Child;

// Card editors that add a prepared kanji card to the group they are given.
class CAddingEditors final : public CCardEditorHost {
public:
    explicit CAddingEditors(CFlashcardSet& cards) : m_cards(cards) {}
    const CObject* AddCard(CardKind kind, const std::string& groupName) override {
        kinds.push_back(kind);
        return &AddKanji(m_cards, groupName, "\x88\xea", {"ICHI"}, {"hito(tsu)"}, {"one"});
    }
    const CObject* EditCard(CardKind, const CObject& card) override {
        edited.push_back(&card);
        return &card;
    }
    std::vector<CardKind> kinds;
    std::vector<const CObject*> edited;

private:
    CFlashcardSet& m_cards;
};

class WordGroupViewTest : public ::testing::Test {
protected:
    WordGroupViewTest() : m_document(m_settings, m_prompter, 1u) {
        testing::EnsureQtApplication();
        CFlashcardSet& cards = m_document.Cards();
        cards.AddGroup("Food");
        cards.AddGroup("Empty");
        AddKanji(cards, "Food", "\x90\x48", {"SHOKU"}, {"ta(beru)"}, {"eat"});
        AddKanji(cards, "Food", "\x88\xf9", {"IN"}, {"no(mu)"}, {"drink"});
        AddCompound(cards, "Food", "\x8c\xe4\x94\xd1", "gohan", "rice");
        m_view = std::make_unique<CWordGroupView>(m_document, m_prompter);
        m_view->ShowGroup("Food");
    }

    QAction& Action(const char* name) { return Child<QAction>(*m_view, name); }
    QTreeWidget& List(CardKind kind) {
        return *m_view->findChild<QTreeWidget*>(
            QStringLiteral("cardList%1").arg(static_cast<int>(kind)));
    }
    void Click(CardKind kind, int row) { List(kind).topLevelItem(row)->setSelected(true); }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
    std::unique_ptr<CWordGroupView> m_view;
};

TEST_F(WordGroupViewTest, ShowsTheGroupsListsAndTheirTotal) {
    EXPECT_EQ(Child<CJapaneseTextWidget>(*m_view, "groupName").Text(), "Food");
    ASSERT_EQ(List(CardKind::kKanji).topLevelItemCount(), 2);
    const QTreeWidgetItem* eat = List(CardKind::kKanji).topLevelItem(0);
    EXPECT_EQ(eat->text(0), QStringLiteral("食"));
    EXPECT_EQ(eat->text(1), QStringLiteral("SHOKU, ta(beru)"));
    EXPECT_EQ(eat->text(2), QStringLiteral("eat"));
    EXPECT_EQ(List(CardKind::kKanji).headerItem()->text(1), QStringLiteral("Reading (1)"));
    EXPECT_EQ(List(CardKind::kCounter).headerItem()->text(1), QStringLiteral("Romaji (1,2,3,...)"));
    EXPECT_EQ(Child<QLabel>(*m_view, "totalLine").text(), QStringLiteral("Total: 3 flashcards"));
    EXPECT_EQ(m_view->Menu()->title(), QStringLiteral("Flash&card"));

    m_view->ShowGroup("Empty");
    EXPECT_TRUE(Child<QLabel>(*m_view, "emptyGroup").isVisibleTo(m_view.get()));
    EXPECT_EQ(Child<QLabel>(*m_view, "emptyGroup").text(),
              QStringLiteral("This group contains no cards"));
}

TEST_F(WordGroupViewTest, CommandsWithoutTargetsAreDisabledNotSilent) {
    for (const char* name :
         {"addKanjiAction", "addCompoundAction", "addKanaWordAction", "addCounterAction",
          "editCardAction", "deleteCardAction", "activateCardAction", "moveCardUpAction",
          "moveCardDownAction", "pasteCardAction", "flashGroupAction", "drawGroupAction"})
        EXPECT_FALSE(Action(name).isEnabled()) << name;
    for (const char* name :
         {"resetCardAction", "resetAllCardsAction", "activateAllCardsAction", "cutCardAction",
          "copyCardAction", "moveToGroupAction", "copyToGroupAction", "groupBuilderAction"})
        EXPECT_TRUE(Action(name).isEnabled()) << name;
    m_view->SetCommandsEnabled(false);
    EXPECT_FALSE(Action("resetAllCardsAction").isEnabled());
}

TEST_F(WordGroupViewTest, SelectionDrivesTheMenuAndCommandsRebuildTheLists) {
    Click(CardKind::kKanji, 1);
    EXPECT_EQ(m_view->Commands().Selection(), (CCardSelection{CardKind::kKanji, 1}));
    EXPECT_TRUE(Action("moveCardUpAction").isEnabled());
    EXPECT_FALSE(Action("moveCardDownAction").isEnabled());
    EXPECT_EQ(Action("activateCardAction").text(), QStringLiteral("Deacti&vate"));

    Action("activateCardAction").trigger();
    EXPECT_EQ(Action("activateCardAction").text(), QStringLiteral("Acti&vate"));
    EXPECT_TRUE(m_document.IsModified());

    Action("moveCardUpAction").trigger();
    EXPECT_EQ(List(CardKind::kKanji).topLevelItem(0)->text(2), QStringLiteral("drink"));
    EXPECT_TRUE(List(CardKind::kKanji).topLevelItem(0)->isSelected());

    // Selecting in another list leaves one selection.
    Click(CardKind::kCompound, 0);
    EXPECT_TRUE(List(CardKind::kKanji).selectedItems().isEmpty());
    EXPECT_EQ(m_view->Commands().Selection(), (CCardSelection{CardKind::kCompound, 0}));

    m_prompter.ScriptAnswers({true});
    Action("deleteCardAction").trigger();
    EXPECT_EQ(m_prompter.Texts(), Texts{"Verify delete this Compound?"});
    EXPECT_EQ(List(CardKind::kCompound).topLevelItemCount(), 0);
    EXPECT_EQ(Child<QLabel>(*m_view, "totalLine").text(), QStringLiteral("Total: 2 flashcards"));
    EXPECT_FALSE(Action("deleteCardAction").isEnabled());
}

TEST_F(WordGroupViewTest, CopyThenPasteAndCopyToAnotherGroupThroughTheTargetDialog) {
    Click(CardKind::kKanji, 0);
    Action("copyCardAction").trigger();
    EXPECT_TRUE(Action("pasteCardAction").isEnabled());
    Action("pasteCardAction").trigger();
    ASSERT_EQ(List(CardKind::kKanji).topLevelItemCount(), 3);
    EXPECT_TRUE(List(CardKind::kKanji).topLevelItem(2)->isSelected());

    QString title;
    QTimer::singleShot(0, [&title] {
        auto* dialog = dynamic_cast<CTargetGroupDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        auto& groups = Child<QListWidget>(*dialog, "targetGroups");
        ASSERT_EQ(groups.count(), 2);
        groups.item(0)->setSelected(true);  // "Empty"
        dialog->accept();
    });
    Action("copyToGroupAction").trigger();
    EXPECT_EQ(title, QStringLiteral("Select the target Word Groups"));
    EXPECT_EQ(m_document.Cards().FindGroup("Empty")->kanjiCards.size(), 1u);
    EXPECT_EQ(List(CardKind::kKanji).topLevelItemCount(), 3);
}

TEST_F(WordGroupViewTest, TheEditorsHostOpensForAddAndEditAndDoubleClick) {
    CAddingEditors editors(m_document.Cards());
    m_view->SetEditorHost(&editors);
    EXPECT_TRUE(Action("addCounterAction").isEnabled());
    Action("addCounterAction").trigger();
    EXPECT_EQ(editors.kinds, std::vector<CardKind>{CardKind::kCounter});
    ASSERT_EQ(List(CardKind::kKanji).topLevelItemCount(), 3);
    EXPECT_TRUE(List(CardKind::kKanji).topLevelItem(2)->isSelected());

    Action("editCardAction").trigger();
    ASSERT_EQ(editors.edited.size(), 1u);
    EXPECT_EQ(editors.edited.front(), m_document.Cards().FindGroup("Food")->kanjiCards[2]);
    QTreeWidget& list = List(CardKind::kKanji);
    Q_EMIT list.itemDoubleClicked(list.topLevelItem(0), 0);
    EXPECT_EQ(editors.edited.size(), 2u);

    m_view->SetEditorHost(nullptr);
    EXPECT_FALSE(Action("editCardAction").isEnabled());
}

TEST_F(WordGroupViewTest, PracticeAndTheBuilderWorkOnThisGroup) {
    std::vector<std::string> flashed;
    m_view->SetPracticeHandlers(
        [&](const std::string& name) { flashed.push_back(name); },
        [&](const std::string& name) { flashed.push_back("draw " + name); });
    Action("flashGroupAction").trigger();
    Action("drawGroupAction").trigger();
    EXPECT_EQ(flashed, (Texts{"Food", "draw Food"}));

    // No compound library is loaded.
    Action("groupBuilderAction").trigger();
    EXPECT_EQ(m_prompter.Texts(), Texts{CSingleGroupBuilder::kInstallEdictMessage});
}

TEST_F(WordGroupViewTest, SavesAScreenshot) {
    m_view->resize(900, 600);
    m_view->show();
    QApplication::processEvents();
    EXPECT_TRUE(m_view->grab().save(QStringLiteral("word-group-view.png")));
}

}  // namespace
}  // namespace brushly
