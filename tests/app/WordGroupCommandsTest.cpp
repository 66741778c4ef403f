#include "app/CWordGroupCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"

namespace brushly {
namespace {

using Names = std::vector<std::string>;
using Answer = CWordGroupDialogs::Confirmation;

// Answers the name and confirmation dialogs from scripts and records what they were asked.
class CScriptedDialogs final : public CWordGroupDialogs {
public:
    std::optional<std::string> AskName(const std::string& title,
                                       const std::string& initialName) override {
        askedTitles.push_back(title);
        askedInitialNames.push_back(initialName);
        EXPECT_FALSE(names.empty()) << "unexpected name dialog " << title;
        if (names.empty()) return std::nullopt;
        auto name = names.front();
        names.pop_front();
        return name;
    }
    Confirmation Confirm(Action, const std::string& text) override {
        confirmations.push_back(text);
        EXPECT_FALSE(answers.empty()) << "unexpected confirmation " << text;
        if (answers.empty()) return Confirmation::Cancel;
        const Confirmation answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<std::string>> names;
    std::deque<Confirmation> answers;
    Names askedTitles;
    Names askedInitialNames;
    Names confirmations;
};

class WordGroupCommandsTest : public ::testing::Test {
protected:
    WordGroupCommandsTest() : m_document(m_settings, m_prompter, 1u) {
        for (const char* name : {"Animals", "Colors", "Verbs"})
            m_document.Cards().AddGroup(name);
    }

    CKanjiCard& AddKanji(const std::string& group, const std::string& character, int right = 0,
                         int wrong = 0) {
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = group;
        card->character = character;
        card->rightCount = right;
        card->wrongCount = wrong;
        return m_document.Cards().AddCard(std::move(card));
    }

    Names Characters(const std::string& group) {
        Names characters;
        for (const CKanjiCard* card : m_document.Cards().FindGroup(group)->kanjiCards)
            characters.push_back(card->character);
        return characters;
    }

    Names GroupNames() const { return m_document.Cards().GroupNames(); }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    CBrushly2Doc m_document;
    CScriptedDialogs m_dialogs;
    CWordGroupCommands m_commands{m_document, m_prompter, m_dialogs};
};

TEST_F(WordGroupCommandsTest, NewAddsAnEmptyGroupAndMarksModified) {
    m_dialogs.names = {"Birds"};
    EXPECT_TRUE(m_commands.New());
    EXPECT_EQ(m_dialogs.askedTitles, Names{"Add New Word Group"});
    EXPECT_EQ(m_dialogs.askedInitialNames, Names{""});
    EXPECT_EQ(GroupNames(), (Names{"Animals", "Birds", "Colors", "Verbs"}));
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(WordGroupCommandsTest, NewRefusesAnExistingNameInAnyCase) {
    m_dialogs.names = {"colors"};
    EXPECT_FALSE(m_commands.New());
    EXPECT_EQ(m_prompter.Texts(), Names{"A group with this name already exists"});
    EXPECT_EQ(GroupNames(), (Names{"Animals", "Colors", "Verbs"}));
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, NewCancelledChangesNothing) {
    m_dialogs.names = {std::nullopt};
    EXPECT_FALSE(m_commands.New());
    EXPECT_EQ(GroupNames().size(), 3u);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(WordGroupCommandsTest, RenameNeedsExactlyOneSelectedGroup) {
    EXPECT_FALSE(m_commands.Rename());
    m_commands.SetSelection({"Animals", "Colors"});
    EXPECT_FALSE(m_commands.Rename());
    EXPECT_EQ(m_prompter.Texts(),
              (Names{"Select a Word group to rename", "Select only ONE Word group to rename"}));
    EXPECT_TRUE(m_dialogs.askedTitles.empty());
}

TEST_F(WordGroupCommandsTest, RenameRenamesCardsAndSelectsTheNewName) {
    CKanjiCard& card = AddKanji("Colors", "a");
    m_commands.SetSelection({"Colors"});
    m_dialogs.names = {"Paints"};
    EXPECT_TRUE(m_commands.Rename());
    EXPECT_EQ(m_dialogs.askedTitles, Names{"Change Word Group Name"});
    EXPECT_EQ(m_dialogs.askedInitialNames, Names{"Colors"});
    EXPECT_EQ(GroupNames(), (Names{"Animals", "Paints", "Verbs"}));
    EXPECT_EQ(card.groupName, "Paints");
    EXPECT_EQ(m_commands.Selection(), Names{"Paints"});
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, RenameToAnExistingNameOrItsOwnInAnotherCaseIsRefused) {
    m_commands.SetSelection({"Colors"});
    m_dialogs.names = {"VERBS", "COLORS"};
    EXPECT_FALSE(m_commands.Rename());
    EXPECT_FALSE(m_commands.Rename());
    EXPECT_EQ(m_prompter.Texts(),
              (Names{"This group already exists", "This group already exists"}));
    EXPECT_EQ(GroupNames(), (Names{"Animals", "Colors", "Verbs"}));
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, MergeNeedsTwoSelectedGroups) {
    m_commands.SetSelection({"Colors"});
    EXPECT_FALSE(m_commands.Merge());
    EXPECT_EQ(m_prompter.Texts(), Names{"Select multiple word groups to merge into one"});
}

TEST_F(WordGroupCommandsTest, MergeIntoASelectedGroupKeepsItsCardsFirst) {
    AddKanji("Animals", "a1");
    AddKanji("Verbs", "v1");
    AddKanji("Colors", "c1");
    AddKanji("Animals", "a2");
    m_commands.SetSelection({"Verbs", "Animals", "Colors"});
    m_dialogs.names = {"animals"};
    EXPECT_TRUE(m_commands.Merge());
    EXPECT_EQ(m_dialogs.askedTitles, Names{"New Name for merged groups"});
    EXPECT_EQ(GroupNames(), Names{"Animals"});
    EXPECT_EQ(Characters("Animals"), (Names{"a1", "a2", "v1", "c1"}));
    EXPECT_EQ(m_document.Cards().FindGroup("Animals")->cardCount, 4);
    for (const auto& card : m_document.Cards().KanjiCards())
        EXPECT_EQ(card->groupName, "Animals");
    EXPECT_EQ(m_commands.Selection(), Names{"Animals"});
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, MergeDoesNotDuplicateACardTheTargetAlreadyLists) {
    CKanjiCard& shared = AddKanji("Animals", "s");
    AddKanji("Colors", "c1");
    CWordGroup* colors = m_document.Cards().FindGroup("Colors");
    colors->kanjiCards.insert(colors->kanjiCards.begin(), &shared);
    ++colors->cardCount;
    m_commands.SetSelection({"Animals", "Colors"});
    m_dialogs.names = {"Animals"};
    EXPECT_TRUE(m_commands.Merge());
    EXPECT_EQ(Characters("Animals"), (Names{"s", "c1"}));
    EXPECT_EQ(m_document.Cards().FindGroup("Animals")->cardCount, 2);
    EXPECT_EQ(m_document.Cards().KanjiCards().size(), 2u);
}

TEST_F(WordGroupCommandsTest, MergeIntoANewNameCreatesTheGroup) {
    AddKanji("Verbs", "v1");
    AddKanji("Colors", "c1");
    m_commands.SetSelection({"Verbs", "Colors"});
    m_dialogs.names = {"Mixed"};
    EXPECT_TRUE(m_commands.Merge());
    EXPECT_EQ(GroupNames(), (Names{"Animals", "Mixed"}));
    EXPECT_EQ(Characters("Mixed"), (Names{"v1", "c1"}));
    EXPECT_EQ(m_commands.Selection(), Names{"Mixed"});
}

TEST_F(WordGroupCommandsTest, MergeIntoTheNameOfAnUnselectedGroupIsRefused) {
    m_commands.SetSelection({"Verbs", "Colors"});
    m_dialogs.names = {"ANIMALS"};
    EXPECT_FALSE(m_commands.Merge());
    EXPECT_EQ(m_prompter.Texts(), Names{"A group with this name already exists"});
    EXPECT_EQ(GroupNames(), (Names{"Animals", "Colors", "Verbs"}));
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, ResetAndDeleteNeedASelection) {
    EXPECT_FALSE(m_commands.Reset());
    EXPECT_FALSE(m_commands.Delete());
    EXPECT_EQ(m_prompter.Texts(),
              (Names{"Select a Word group(s) to reset", "Select a Word group(s) to delete"}));
}

TEST_F(WordGroupCommandsTest, DeleteAsksPerGroupAndCancelKeepsEarlierDeletions) {
    AddKanji("Colors", "c1");
    AddKanji("Colors", "c2");
    m_commands.SetSelection({"Colors", "Animals", "Verbs"});
    m_dialogs.answers = {Answer::Act, Answer::Cancel};
    EXPECT_TRUE(m_commands.Delete());
    EXPECT_EQ(m_dialogs.confirmations,
              (Names{"Do you want to delete word group ''Colors'', containing 2 flashcards?",
                     "Do you want to delete the empty word group ''Animals''?"}));
    EXPECT_EQ(GroupNames(), (Names{"Animals", "Verbs"}));
    EXPECT_TRUE(m_document.Cards().KanjiCards().empty());
    EXPECT_TRUE(m_commands.Selection().empty());
    EXPECT_TRUE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, DeleteSkipsOnNoAndStopsAskingAfterDeleteAll) {
    m_commands.SetSelection({"Verbs", "Animals", "Colors"});
    m_dialogs.answers = {Answer::Skip, Answer::ActOnAll};
    EXPECT_TRUE(m_commands.Delete());
    EXPECT_EQ(m_dialogs.confirmations.size(), 2u);
    EXPECT_EQ(GroupNames(), Names{"Verbs"});
}

TEST_F(WordGroupCommandsTest, CancelAtTheFirstGroupChangesNothing) {
    m_commands.SetSelection({"Verbs"});
    m_dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(m_commands.Delete());
    EXPECT_EQ(GroupNames().size(), 3u);
    EXPECT_EQ(m_commands.Selection(), Names{"Verbs"});
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, ResetZeroesTheCountsOfConfirmedGroupsOnly) {
    CKanjiCard& colors = AddKanji("Colors", "c", 3, 1);
    CKanjiCard& verbs = AddKanji("Verbs", "v", 2, 2);
    m_commands.SetSelection({"Colors", "Verbs"});
    m_dialogs.answers = {Answer::Act, Answer::Skip};
    EXPECT_TRUE(m_commands.Reset());
    EXPECT_EQ(m_dialogs.confirmations,
              (Names{"Do you want to reset word group ''Colors'', containing 1 flashcards?",
                     "Do you want to reset word group ''Verbs'', containing 1 flashcards?"}));
    EXPECT_EQ(colors.rightCount + colors.wrongCount, 0);
    EXPECT_EQ(verbs.rightCount, 2);
    EXPECT_EQ(GroupNames().size(), 3u);
    EXPECT_TRUE(m_commands.Selection().empty());
}

TEST_F(WordGroupCommandsTest, ResetOfTheEmptyGroupNamesItEmpty) {
    m_commands.SetSelection({"Verbs"});
    m_dialogs.answers = {Answer::Skip};
    EXPECT_FALSE(m_commands.Reset());
    EXPECT_EQ(m_dialogs.confirmations,
              Names{"Do you want to reset the empty word group ''Verbs''?"});
    EXPECT_EQ(m_commands.Selection(), Names{"Verbs"});
}

TEST_F(WordGroupCommandsTest, SelectAllTakesTheNameOrder) {
    m_commands.SetSelection({"Verbs"});
    m_commands.SelectAll();
    EXPECT_EQ(m_commands.Selection(), (Names{"Animals", "Colors", "Verbs"}));
    EXPECT_FALSE(m_document.IsModified());
}

TEST_F(WordGroupCommandsTest, SelectionKeepsOrderAndDropsUnknownNames) {
    m_commands.SetSelection({"Verbs", "Nope", "Animals", "Verbs"});
    EXPECT_EQ(m_commands.Selection(), (Names{"Verbs", "Animals"}));
    m_document.Cards().DeleteGroup("Verbs");
    m_commands.PruneSelection();
    EXPECT_EQ(m_commands.Selection(), Names{"Animals"});
}

TEST_F(WordGroupCommandsTest, EditNeedsExactlyOneSelectedGroup) {
    EXPECT_EQ(m_commands.Edit(), nullptr);
    m_commands.SetSelection({"Animals", "Verbs"});
    EXPECT_EQ(m_commands.Edit(), nullptr);
    EXPECT_EQ(m_prompter.Texts(),
              (Names{"Select a Word group to display", "Select only ONE Word group to display"}));
    m_commands.SetSelection({"Verbs"});
    ASSERT_NE(m_commands.Edit(), nullptr);
    EXPECT_EQ(m_commands.Edit()->name, "Verbs");
}

TEST_F(WordGroupCommandsTest, PracticeNeedsASelection) {
    EXPECT_FALSE(m_commands.PracticeReading());
    EXPECT_FALSE(m_commands.PracticeWriting());
    EXPECT_EQ(m_prompter.Texts(), (Names{"Select Word group(s) to practice reading",
                                         "Select Word group(s) to practice writing"}));
    m_commands.SetSelection({"Verbs", "Colors"});
    EXPECT_TRUE(m_commands.PracticeReading());
    EXPECT_TRUE(m_commands.PracticeWriting());
}

TEST_F(WordGroupCommandsTest, DisplayModeChangesOnlyWithGroupsAndANewMode) {
    EXPECT_EQ(m_commands.CurrentDisplayMode(), CWordGroupCommands::kDetails);
    EXPECT_FALSE(m_commands.SetDisplayMode(CWordGroupCommands::kDetails));
    EXPECT_TRUE(m_commands.SetDisplayMode(CWordGroupCommands::kLargeIcons));
    for (const std::string& name : Names{"Animals", "Colors", "Verbs"})
        m_document.Cards().DeleteGroup(name);
    EXPECT_FALSE(m_commands.SetDisplayMode(CWordGroupCommands::kList));
    EXPECT_EQ(m_commands.CurrentDisplayMode(), CWordGroupCommands::kLargeIcons);
}

}  // namespace
}  // namespace brushly
