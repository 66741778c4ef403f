// What the card editors share (group choice, fixed-group mode, the group-change question,
// storing new and existing cards), the Kanji card editor with its readings, and the reading
// editor.
#include <gtest/gtest.h>

#include "app/editors/CKanaWordEditor.h"
#include "app/editors/CKanjiCardEditor.h"
#include "app/editors/CReadingEditor.h"
#include "app/editors/EditorTestDocument.h"

namespace brushly {
namespace {

using Texts = std::vector<std::string>;

class CardEditorTest : public ::testing::Test, protected testing::CEditorTestDocument {
protected:
    CKanaWord& AddWord(const std::string& group, const std::string& romaji) {
        auto card = std::make_unique<CKanaWord>();
        card->groupName = group;
        card->romaji = romaji;
        card->kana = "\x82\xa0";
        card->meaning = "m";
        card->rightCount = 3;
        return document.Cards().AddCard(std::move(card));
    }
};

TEST_F(CardEditorTest, ANewCardIsAddedToTheChosenGroupAndTheEditorIsReadyForTheNext) {
    CKanaWordEditor editor(document, prompter, "Alpha", false);
    EXPECT_EQ(editor.GroupNames(), (Texts{"Alpha", "Beta"}));
    EXPECT_FALSE(editor.Editing());
    EXPECT_TRUE(editor.Active());
    editor.SetRomaji("neko");
    editor.SetMeaning(" cat ");
    EXPECT_TRUE(editor.ChooseGroup("Beta"));
    editor.SetActive(false);
    ASSERT_TRUE(editor.Save());
    EXPECT_TRUE(prompter.Texts().empty());
    EXPECT_TRUE(document.IsModified());

    const CWordGroup& beta = *document.Cards().FindGroup("Beta");
    ASSERT_EQ(beta.kanaWordCards.size(), 1u);
    const CKanaWord& stored = *beta.kanaWordCards.front();
    EXPECT_EQ(editor.Stored(), &stored);
    EXPECT_EQ(stored.groupName, "Beta");
    EXPECT_EQ(stored.meaning, "cat");
    EXPECT_EQ(stored.kana, "\x82\xcb\x82\xb1");  // ねこ
    EXPECT_EQ(stored.active, 0);

    // Ready for the next card: empty, same group and flag.
    EXPECT_TRUE(editor.Working().romaji.empty());
    EXPECT_EQ(editor.Group(), "Beta");
    EXPECT_FALSE(editor.Active());
    editor.SetRomaji("inu");
    editor.SetMeaning("dog");
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(beta.kanaWordCards.size(), 2u);
    EXPECT_EQ(beta.cardCount, 2);
}

TEST_F(CardEditorTest, AnEditedCardIsChangedInPlaceAndKeepsItsStatistics) {
    AddWord("Alpha", "a");
    CKanaWord& card = AddWord("Alpha", "b");
    AddWord("Alpha", "c");
    CKanaWordEditor editor(document, prompter, card, false);
    EXPECT_TRUE(editor.Editing());
    editor.SetRomaji("neko");
    EXPECT_EQ(card.romaji, "b");  // nothing changes before the store
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(editor.Stored(), &card);
    EXPECT_EQ(card.romaji, "neko");
    EXPECT_EQ(card.rightCount, 3);
    const auto& list = document.Cards().FindGroup("Alpha")->kanaWordCards;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1], &card);
    EXPECT_FALSE(editor.Editing());  // the next card is a new one
}

TEST_F(CardEditorTest, AGroupChangeIsAskedAndNoPutsTheGroupBack) {
    CKanaWord& card = AddWord("Alpha", "a");
    CKanaWordEditor editor(document, prompter, card, false);
    ASSERT_TRUE(editor.ChooseGroup("Beta"));
    prompter.ScriptAnswers({false});
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(prompter.Texts(), (Texts{"Verify change groupnames?"}));
    EXPECT_EQ(editor.Group(), "Alpha");
    EXPECT_EQ(card.groupName, "Alpha");
    EXPECT_FALSE(document.IsModified());

    editor.ChooseGroup("Beta");
    prompter.ScriptAnswers({true});
    ASSERT_TRUE(editor.Save());
    EXPECT_TRUE(document.Cards().FindGroup("Alpha")->kanaWordCards.empty());
    const auto& beta = document.Cards().FindGroup("Beta")->kanaWordCards;
    ASSERT_EQ(beta.size(), 1u);
    EXPECT_EQ(editor.Stored(), beta.front());
    EXPECT_EQ(beta.front()->rightCount, 3);
    EXPECT_EQ(document.Cards().FindGroup("Alpha")->cardCount, 0);
}

TEST_F(CardEditorTest, FixedGroupModeRefusesAnyOtherGroup) {
    CKanaWord& card = AddWord("Alpha", "a");
    CKanaWordEditor editor(document, prompter, card, true);
    EXPECT_FALSE(editor.ChooseGroup("Beta"));
    EXPECT_EQ(prompter.Texts(), (Texts{"Must use the active word group"}));
    EXPECT_EQ(editor.Group(), "Alpha");
    EXPECT_TRUE(editor.ChooseGroup("Alpha"));
    CKanaWordEditor adding(document, prompter, "Beta", true);
    EXPECT_FALSE(adding.ChooseGroup("Alpha"));
    EXPECT_EQ(adding.Group(), "Beta");
}

TEST_F(CardEditorTest, KanjiChecksRunInOrder) {
    CKanjiCardEditor editor(document, prompter, "", false);
    EXPECT_STREQ(editor.Title(), "Add Kanji Flashcard");
    EXPECT_FALSE(editor.Save());
    editor.SetCharacter("x" + testing::kNi);  // typed: the first double-byte character
    EXPECT_EQ(editor.Working().character, testing::kNi);
    EXPECT_FALSE(editor.Save());
    CKanjiReading reading;
    reading.kunReadings = {"ni"};
    editor.AddReading(reading);
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(prompter.Texts(), (Texts{"No kanji character is selected", "No readings are entered",
                                       "No Word Group is selected"}));
    editor.ChooseGroup("Alpha");
    EXPECT_TRUE(editor.Save());
    EXPECT_EQ(document.Cards().KanjiCards().size(), 1u);
}

TEST_F(CardEditorTest, KanjiReadingsAreImportedEditedAndDeleted) {
    CKanjiCardEditor editor(document, prompter, "Alpha", false);
    editor.SetCharacter("\xff");
    EXPECT_FALSE(editor.ImportReadings());  // no character, no record
    editor.SetCharacter(testing::kIchi);
    ASSERT_NE(editor.Record(), nullptr);
    EXPECT_EQ(editor.Working().dbGroup, 1);
    EXPECT_EQ(editor.Working().dbIndex, 0);
    ASSERT_TRUE(editor.ImportReadings());
    ASSERT_TRUE(editor.ImportReadings());  // replaces, does not append
    EXPECT_EQ(editor.ReadingLines(0), (Texts{"ICHI : one"}));

    CKanjiReading kun;
    kun.kunReadings = {"hito(tsu)"};
    kun.meanings = {"one thing"};
    editor.AddReading(kun);
    EXPECT_EQ(editor.SelectedReading(-1), nullptr);
    EXPECT_EQ(editor.SelectedReading(2), nullptr);
    ASSERT_NE(editor.SelectedReading(1), nullptr);
    kun.meanings = {"single"};
    editor.ReplaceReading(1, kun);
    EXPECT_FALSE(editor.DeleteReading(-1));
    prompter.ScriptAnswers({false, true});
    EXPECT_FALSE(editor.DeleteReading(0));
    EXPECT_TRUE(editor.DeleteReading(0));
    EXPECT_EQ(prompter.Texts(), (Texts{"Select a reading", "Select a reading", "Select a reading",
                                       "Verify delete reading?", "Verify delete reading?"}));
    EXPECT_EQ(editor.ReadingLines(0), (Texts{"hito(tsu) : single"}));
    editor.SetComments("note");
    ASSERT_TRUE(editor.Save());
    const CKanjiCard& stored = *document.Cards().KanjiCards().front();
    EXPECT_EQ(stored.comments, "note");
    EXPECT_EQ(stored.dbGroup, 1);
    EXPECT_EQ(stored.readings.size(), 1u);
}

TEST_F(CardEditorTest, TheReadingEditorBuildsAGroupAndChecksMeaningFirst) {
    CReadingEditor editor(prompter, CKanjiReading(), false);
    EXPECT_STREQ(editor.Title(), "Add Kanji Reading");
    EXPECT_FALSE(editor.Add(CReadingEditor::List::kOn, "  "));
    EXPECT_FALSE(editor.Accept());
    ASSERT_TRUE(editor.Add(CReadingEditor::List::kMeaning, " to eat "));
    EXPECT_FALSE(editor.Accept());
    EXPECT_EQ(prompter.Texts(),
              (Texts{"There is no meaning entered for this reading.",
                     "There are no ON or Kun readings entered for this reading."}));
    editor.Add(CReadingEditor::List::kOn, "shoku");
    editor.Add(CReadingEditor::List::kKun, "TA(BERU)");
    editor.Add(CReadingEditor::List::kKun, "kui");
    EXPECT_TRUE(editor.Accept());
    EXPECT_EQ(editor.Reading().DisplayText(0), "SHOKU, ta(beru), kui : to eat");
    EXPECT_TRUE(editor.Remove(CReadingEditor::List::kKun, 1));
    EXPECT_FALSE(editor.Remove(CReadingEditor::List::kKun, 1));

    // The word type follows the class marker: -ru, then godan, not a verb, suru (ON), -ru.
    EXPECT_EQ(editor.WordType(0), "-ru");
    Texts types;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(editor.AdjustWordType(0));
        types.push_back(editor.WordType(0));
    }
    EXPECT_EQ(types, (Texts{"-u", "none", "suru (ON)", "-ru"}));
    editor.Add(CReadingEditor::List::kKun, "hi");
    EXPECT_FALSE(editor.AdjustWordType(1));

    EXPECT_EQ(CReadingEditor::SwapLongO("KOO"), "KOU");
    EXPECT_EQ(CReadingEditor::SwapLongO("tou"), "too");
    EXPECT_EQ(CReadingEditor::Kana("TOOKYOO"), "\x83\x67\x81\x5b\x83\x4c\x83\x87\x81\x5b");
}

}  // namespace
}  // namespace brushly
