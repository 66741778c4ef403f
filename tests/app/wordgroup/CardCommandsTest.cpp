#include "app/wordgroup/CCardCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestCards.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"

namespace brushly {
namespace {

using Texts = std::vector<std::string>;
using testing::AddCompound;
using testing::AddCounter;
using testing::AddKanaWord;
using testing::AddKanji;

// The card editors, scripted: each call returns the next prepared card and is recorded.
class CScriptedEditors final : public CCardEditorHost {
public:
    const CObject* AddCard(CardKind kind, const std::string& groupName) override {
        added.emplace_back(kind, groupName);
        return result;
    }
    const CObject* EditCard(CardKind kind, const CObject& card) override {
        edited.emplace_back(kind, &card);
        return result;
    }
    const CObject* result = nullptr;
    std::vector<std::pair<CardKind, std::string>> added;
    std::vector<std::pair<CardKind, const CObject*>> edited;
};

class CardCommandsTest : public ::testing::Test {
protected:
    CardCommandsTest()
        : m_document(m_settings, m_prompter, 1u), m_commands(m_document, m_prompter) {
        CFlashcardSet& cards = m_document.Cards();
        cards.AddGroup("Food");
        cards.AddGroup("Other");
        m_eat = &AddKanji(cards, "Food", "\x90\x48", {"SHOKU"}, {"ta(beru)"}, {"eat"});
        m_drink = &AddKanji(cards, "Food", "\x88\xf9", {"IN"}, {"no(mu)"}, {"drink"});
        m_rice = &AddCompound(cards, "Food", "\x8c\xe4\x94\xd1", "gohan", "rice");
        m_commands.SetGroup("Food");
    }

    const CWordGroup& Food() const { return *m_document.Cards().FindGroup("Food"); }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
    CCardCommands m_commands;
    CKanjiCard* m_eat;
    CKanjiCard* m_drink;
    CKanjiCompound* m_rice;
};

TEST_F(CardCommandsTest, CommandsNeedingACardSayWhichOneIsMissing) {
    CScriptedEditors editors;
    EXPECT_FALSE(m_commands.Edit(editors));
    EXPECT_FALSE(m_commands.ResetStats());
    EXPECT_FALSE(m_commands.Cut());
    EXPECT_FALSE(m_commands.Copy());
    EXPECT_FALSE(m_commands.CopyToGroups([] { return std::vector<std::string>{"Other"}; }));
    EXPECT_FALSE(m_commands.MoveToGroups([] { return std::vector<std::string>{"Other"}; }));
    // Commands offered only with a selection do nothing without one.
    EXPECT_FALSE(m_commands.Delete());
    EXPECT_FALSE(m_commands.ToggleActive());
    EXPECT_FALSE(m_commands.MoveUp());
    EXPECT_EQ(
        m_prompter.Texts(),
        (Texts{"Select a flashcard to be edited", "Select a flashcard to reset",
               "Select a flashcard to be cut or copied", "Select a flashcard to be cut or copied",
               "Select a flashcard to be moved or copied",
               "Select a flashcard to be moved or copied"}));
    EXPECT_TRUE(editors.edited.empty());
    EXPECT_FALSE(m_document.IsModified());
    EXPECT_EQ(m_document.ClipboardCard(), nullptr);
}

TEST_F(CardCommandsTest, DeleteAsksByKindAndSelectsTheCardThatTookItsPlace) {
    m_commands.Select(CardKind::kKanji, 0);
    m_prompter.ScriptAnswers({false, true});
    EXPECT_FALSE(m_commands.Delete());
    EXPECT_EQ(Food().kanjiCards.size(), 2u);
    EXPECT_FALSE(m_document.IsModified());

    EXPECT_TRUE(m_commands.Delete());
    EXPECT_EQ(m_prompter.Texts(),
              (Texts{"Verify delete this Kanji?", "Verify delete this Kanji?"}));
    EXPECT_EQ(Food().kanjiCards, std::vector<CKanjiCard*>{m_drink});
    EXPECT_EQ(Food().cardCount, 2);
    EXPECT_EQ(m_document.Cards().KanjiCards().size(), 1u);
    EXPECT_EQ(m_commands.SelectedCard(), m_drink);
    EXPECT_TRUE(m_document.IsModified());

    // The last card of a list: the one before it is selected, then none.
    m_commands.Select(CardKind::kCompound, 0);
    m_prompter.ScriptAnswers({true});
    EXPECT_TRUE(m_commands.Delete());
    EXPECT_EQ(m_prompter.Texts().back(), "Verify delete this Compound?");
    EXPECT_FALSE(m_commands.Selection().has_value());
}

TEST_F(CardCommandsTest, ResetActivateAndMoveKeepTheCardSelected) {
    m_drink->rightCount = 3;
    m_drink->wrongCount = 2;
    m_rice->rightCount = 1;
    m_commands.Select(CardKind::kKanji, 1);
    m_prompter.ScriptAnswers({true, false, true});
    EXPECT_TRUE(m_commands.ResetStats());
    EXPECT_EQ(m_drink->rightCount + m_drink->wrongCount, 0);
    EXPECT_FALSE(m_commands.ResetAll());
    EXPECT_EQ(m_rice->rightCount, 1);
    EXPECT_TRUE(m_commands.ResetAll());
    EXPECT_EQ(m_rice->rightCount, 0);
    EXPECT_EQ(m_prompter.Texts(), (Texts{"Verify reset this Flashcard?",
                                         "Reset ALL recognition statistics in this Word Group?",
                                         "Reset ALL recognition statistics in this Word Group?"}));

    EXPECT_TRUE(m_commands.SelectedCardActive());
    EXPECT_TRUE(m_commands.ToggleActive());
    EXPECT_EQ(m_drink->active, 0);
    EXPECT_FALSE(m_commands.SelectedCardActive());
    m_rice->active = 0;
    EXPECT_TRUE(m_commands.ActivateAll());
    EXPECT_EQ(m_drink->active + m_rice->active, 2);

    EXPECT_TRUE(m_commands.CanMoveUp());
    EXPECT_FALSE(m_commands.CanMoveDown());
    EXPECT_FALSE(m_commands.MoveDown());
    EXPECT_TRUE(m_commands.MoveUp());
    EXPECT_EQ(Food().kanjiCards, (std::vector<CKanjiCard*>{m_drink, m_eat}));
    EXPECT_EQ(m_commands.Selection(), (CCardSelection{CardKind::kKanji, 0}));
    EXPECT_EQ(m_commands.SelectedCard(), m_drink);
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(CardCommandsTest, CutThenTwoPastesGiveTwoIndependentCardsAndTheClipboardKeepsItsCopy) {
    m_eat->rightCount = 4;
    m_commands.Select(CardKind::kKanji, 0);
    EXPECT_FALSE(m_commands.CanPaste());
    EXPECT_TRUE(m_commands.Cut());
    EXPECT_TRUE(m_prompter.Texts().empty()) << "Cut deletes without asking";
    EXPECT_EQ(Food().kanjiCards, std::vector<CKanjiCard*>{m_drink});
    ASSERT_NE(m_document.ClipboardCard(), nullptr);
    EXPECT_EQ(m_document.ClipboardCardKind(), CBrushly2Doc::kClipboardKanji);

    m_commands.SetGroup("Other");
    ASSERT_TRUE(m_commands.Paste());
    ASSERT_TRUE(m_commands.Paste());
    const CWordGroup& other = *m_document.Cards().FindGroup("Other");
    ASSERT_EQ(other.kanjiCards.size(), 2u);
    CKanjiCard* first = other.kanjiCards[0];
    CKanjiCard* second = other.kanjiCards[1];
    EXPECT_NE(first, second);
    EXPECT_NE(first->readings.front().get(), second->readings.front().get());
    EXPECT_EQ(first->groupName, "Other");
    EXPECT_EQ(first->rightCount, 4);
    EXPECT_EQ(m_commands.SelectedCard(), second);
    first->readings.front()->meanings = {"changed"};
    EXPECT_EQ(second->readings.front()->meanings, std::vector<std::string>{"eat"});
    const auto* held = dynamic_cast<const CKanjiCard*>(m_document.ClipboardCard());
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->character, "\x90\x48");
    EXPECT_EQ(held->readings.front()->meanings, std::vector<std::string>{"eat"});
    EXPECT_EQ(other.cardCount, 2);
}

TEST_F(CardCommandsTest, CopyToTheCardsOwnGroupGivesASecondIndependentCard) {
    m_commands.Select(CardKind::kCompound, 0);
    int asked = 0;
    EXPECT_TRUE(m_commands.CopyToGroups([&asked] {
        ++asked;
        return std::vector<std::string>{"Food"};
    }));
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(Food().compoundCards.size(), 2u);
    CKanjiCompound* copy = Food().compoundCards[1];
    EXPECT_NE(copy, m_rice);
    EXPECT_EQ(copy->headword, m_rice->headword);
    EXPECT_EQ(m_commands.SelectedCard(), m_rice) << "Copy keeps the original selected";
    copy->meaning = "cooked rice";
    EXPECT_EQ(m_rice->meaning, "rice");
    EXPECT_EQ(Food().cardCount, 4);
    EXPECT_EQ(m_document.Cards().CompoundCards().size(), 2u);
}

TEST_F(CardCommandsTest, MoveToGroupsCopiesToEachTargetAndDeletesTheCard) {
    m_document.Cards().AddGroup("Third");
    m_commands.Select(CardKind::kKanji, 0);
    EXPECT_FALSE(m_commands.MoveToGroups([] { return std::vector<std::string>{}; }));
    EXPECT_EQ(Food().kanjiCards.size(), 2u);

    EXPECT_TRUE(m_commands.MoveToGroups([] { return std::vector<std::string>{"Other", "Third"}; }));
    EXPECT_EQ(Food().kanjiCards, std::vector<CKanjiCard*>{m_drink});
    EXPECT_EQ(m_document.Cards().FindGroup("Other")->kanjiCards.front()->groupName, "Other");
    EXPECT_EQ(m_document.Cards().FindGroup("Third")->kanjiCards.size(), 1u);
    EXPECT_FALSE(m_commands.Selection().has_value());

    // Moved into its own group as well: the copy there is selected.
    m_commands.Select(CardKind::kKanji, 0);
    EXPECT_TRUE(m_commands.MoveToGroups([] { return std::vector<std::string>{"Food"}; }));
    ASSERT_EQ(Food().kanjiCards.size(), 1u);
    EXPECT_NE(Food().kanjiCards.front(), m_drink);
    EXPECT_EQ(m_commands.SelectedCard(), Food().kanjiCards.front());
}

TEST_F(CardCommandsTest, TheEditorsHostAddsAndEditsAndItsCardIsSelected) {
    CScriptedEditors editors;
    CKanaWord& word = AddKanaWord(m_document.Cards(), "Food", "\x82\xb7\x82\xb5", "sushi", "sushi");
    editors.result = &word;
    EXPECT_TRUE(m_commands.Add(CardKind::kKanaWord, editors));
    EXPECT_EQ(editors.added.front(), std::make_pair(CardKind::kKanaWord, std::string("Food")));
    EXPECT_EQ(m_commands.Selection(), (CCardSelection{CardKind::kKanaWord, 0}));

    m_commands.Select(CardKind::kKanji, 1);
    editors.result = nullptr;
    EXPECT_FALSE(m_commands.Edit(editors));
    EXPECT_EQ(editors.edited.front(), std::make_pair(CardKind::kKanji, (const CObject*)m_drink));

    // Stored into another group: nothing stays selected here.
    CCounterCard& counter =
        AddCounter(m_document.Cards(), "Other", "\x96\x87", "mai", "flat things", {"ichimai"});
    editors.result = &counter;
    EXPECT_TRUE(m_commands.Edit(editors));
    EXPECT_FALSE(m_commands.Selection().has_value());
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(CardCommandsTest, AGroupThatHasGoneLeavesEveryCommandIdle) {
    m_commands.Select(CardKind::kKanji, 0);
    m_document.Cards().DeleteGroup("Food");
    EXPECT_EQ(m_commands.Group(), nullptr);
    EXPECT_EQ(m_commands.SelectedCard(), nullptr);
    EXPECT_FALSE(m_commands.ResetAll());
    EXPECT_FALSE(m_commands.ActivateAll());
    EXPECT_FALSE(m_commands.Paste());
    m_commands.Select(CardKind::kKanji, 0);
    EXPECT_FALSE(m_commands.Selection().has_value());
}

TEST_F(CardCommandsTest, PasteClipboardServesTheMainViewToo) {
    EXPECT_EQ(CCardCommands::PasteClipboard(m_document, "Other"), nullptr);
    CCardCommands::PutOnClipboard(m_document, CardKind::kCompound, *m_rice);
    EXPECT_EQ(CCardCommands::PasteClipboard(m_document, "Nowhere"), nullptr);
    const CObject* pasted = CCardCommands::PasteClipboard(m_document, "Other");
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(m_document.Cards().FindGroup("Other")->compoundCards.front(), pasted);
}

}  // namespace
}  // namespace brushly
