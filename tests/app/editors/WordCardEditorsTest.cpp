// The Compound, Kana Word and Counter card editors: each one's checks in order with their
// texts, the compound builder, the counted forms and the auto expansion.
#include <gtest/gtest.h>

#include "app/editors/CCompoundCardEditor.h"
#include "app/editors/CCounterCardEditor.h"
#include "app/editors/CKanaWordEditor.h"
#include "app/editors/EditorTestDocument.h"

namespace brushly {
namespace {

using Texts = std::vector<std::string>;

const std::string kHon = "\x96\x7b";  // 本

class WordCardEditorsTest : public ::testing::Test, protected testing::CEditorTestDocument {};

TEST_F(WordCardEditorsTest, CompoundChecksRunInOrder) {
    CCompoundCardEditor editor(document, prompter, "", false);
    EXPECT_STREQ(editor.Title(), "Add Compound Flashcard");
    // One double-byte character and a letter: 3 bytes, not yet a compound.
    editor.Take({testing::kIchi + "a", "", ""});
    EXPECT_FALSE(editor.Save());
    editor.Take({testing::kIchi + testing::kNi, "", ""});
    EXPECT_FALSE(editor.Save());
    editor.SetRomaji(" ichini ");
    EXPECT_FALSE(editor.Save());
    editor.SetMeaning("one two");
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(prompter.Texts(),
              (Texts{"A compound must contain at least 2 characters.",
                     "Enter the romaji for the compound.", "Enter a meaning for the compound.",
                     "No Word Group is selected."}));
    editor.ChooseGroup("Alpha");
    ASSERT_TRUE(editor.Save());
    const CKanjiCompound& stored = *document.Cards().FindGroup("Alpha")->compoundCards.front();
    EXPECT_EQ(stored.headword, testing::kIchi + testing::kNi);
    EXPECT_EQ(stored.romaji, "ichini");
}

TEST_F(WordCardEditorsTest, TheCompoundIsBuiltFromKanjiKanaAndTheRepeatMark) {
    CCompoundCardEditor editor(document, prompter, "Alpha", false);
    EXPECT_FALSE(editor.AddRepeat());  // nothing to repeat
    EXPECT_FALSE(editor.Back());
    EXPECT_FALSE(editor.AddKanji("abc"));
    ASSERT_TRUE(editor.AddKanji(testing::kIchi));
    ASSERT_TRUE(editor.AddRepeat());
    ASSERT_TRUE(editor.AddKana("no"));
    EXPECT_EQ(editor.Compound(), testing::kIchi + "\x81\x58\x82\xcc");  // 一々の
    ASSERT_TRUE(editor.Back());
    EXPECT_EQ(editor.Compound(), testing::kIchi + "\x81\x58");
    EXPECT_FALSE(editor.AddKana(""));
    EXPECT_FALSE(editor.AddKana("q"));  // no kana of it
    EXPECT_EQ(prompter.Texts(), (Texts{"No Kana to Add", "No Kana to Add"}));

    prompter.Clear();
    const std::string room(CCompoundCardEditor::kMaxCompoundBytes - editor.Compound().size(), 'a');
    EXPECT_FALSE(editor.AddKana(std::string(room.size() / 2 + 1, 'a')));  // one kana too many
    EXPECT_EQ(prompter.Texts(), (Texts{"The kana string is too long."}));
    ASSERT_TRUE(editor.AddKana(std::string(room.size() / 2, 'a')));
    EXPECT_EQ(editor.Compound().size(), CCompoundCardEditor::kMaxCompoundBytes);
    EXPECT_FALSE(editor.HasRoom());
    EXPECT_FALSE(editor.AddKanji(testing::kNi));
    editor.Clear();
    EXPECT_TRUE(editor.Compound().empty());
}

TEST_F(WordCardEditorsTest, KanaWordChecksRunInOrder) {
    CKanaWordEditor editor(document, prompter, "", false);
    EXPECT_STREQ(editor.Title(), "Add Kana Word Flashcard");
    EXPECT_FALSE(editor.Save());
    editor.ChooseGroup("Beta");
    EXPECT_FALSE(editor.Save());
    editor.SetRomaji("qq");
    EXPECT_FALSE(editor.Save());
    editor.SetRomaji("TOOKYOO");
    EXPECT_EQ(editor.Working().kana, "\x83\x67\x81\x5b\x83\x4c\x83\x87\x81\x5b");  // トーキョー
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(prompter.Texts(),
              (Texts{"No Word Group is selected.", "Enter the romaji for this Kana word.",
                     "The romaji gives no kana for this Kana word.",
                     "Enter the meaning for this Kana word."}));
    editor.SetMeaning("Tokyo");
    EXPECT_TRUE(editor.Save());

    // A library word keeps its own kana while its romaji is not retyped.
    editor.Take({"\x82\xa0", "a", "ah"});
    editor.SetRomaji("a ");
    EXPECT_EQ(editor.Working().kana, "\x82\xa0");
    editor.Clear();
    EXPECT_TRUE(editor.Working().kana.empty());
    EXPECT_TRUE(editor.Working().meaning.empty());
}

TEST_F(WordCardEditorsTest, CounterChecksRunInOrder) {
    CCounterCardEditor editor(document, prompter, "", false);
    EXPECT_STREQ(editor.Title(), "Add Counter Flashcard");
    EXPECT_FALSE(editor.Save());
    editor.SetCharacter(kHon);
    EXPECT_FALSE(editor.Save());
    editor.SetMeaning("long thin objects");
    EXPECT_FALSE(editor.Save());
    editor.SetRomaji("hon");
    EXPECT_FALSE(editor.Save());
    ASSERT_TRUE(editor.AddForm("1", "ippon"));
    EXPECT_FALSE(editor.Save());
    EXPECT_EQ(prompter.Texts(),
              (Texts{"No kanji character is entered.", "Enter the meaning for this counter.",
                     "Enter the romaji for this counter.", "No counters have been added yet.",
                     "No Word Group is selected."}));
    editor.ChooseGroup("Alpha");
    editor.SetCounterType(CCounterCard::kName);
    ASSERT_TRUE(editor.Save());
    const CCounterCard& stored = *document.Cards().FindGroup("Alpha")->counterCards.front();
    EXPECT_EQ(stored.formRomaji, (Texts{"ippon"}));
    EXPECT_EQ(stored.counterType, CCounterCard::kName);
    EXPECT_EQ(stored.dbGroup, 0);  // 本 is not in the small database
}

TEST_F(WordCardEditorsTest, CountedFormsAreRefusedInOrderAndDeleted) {
    CCounterCardEditor editor(document, prompter, "Alpha", false);
    EXPECT_FALSE(editor.AddForm("", ""));
    EXPECT_FALSE(editor.AddForm("", "ippon"));
    ASSERT_TRUE(editor.AddForm("1", "ippon"));
    EXPECT_FALSE(editor.AddForm("1", "hitotsu"));
    EXPECT_FALSE(editor.AddForm("2", " ippon"));
    EXPECT_EQ(prompter.Texts(),
              (Texts{"No Romaji Entered", "No Number Selected", "This number already added",
                     "This Romaji string already added"}));
    ASSERT_TRUE(editor.AddForm("2", "nihon"));
    EXPECT_FALSE(editor.DeleteForm(2));
    ASSERT_TRUE(editor.DeleteForm(0));
    EXPECT_EQ(editor.Working().formNumbers, (Texts{"2"}));
    EXPECT_EQ(editor.Working().formRomaji, (Texts{"nihon"}));
}

TEST_F(WordCardEditorsTest, AutoExpansionAppliesTheSoundChanges) {
    CCounterCardEditor editor(document, prompter, "Alpha", false);
    editor.AddForm("3", "x");
    EXPECT_FALSE(editor.AutoExpand("hon", {}));
    editor.SetCharacter(kHon);
    EXPECT_FALSE(editor.AutoExpand(" ", {}));
    EXPECT_EQ(prompter.Texts(),
              (Texts{"Must first select a Kanji character", "Must first enter a romaji root"}));
    EXPECT_EQ(editor.Working().formRomaji, (Texts{"x"}));  // refused: unchanged

    ASSERT_TRUE(editor.AutoExpand("HON", {}));
    EXPECT_EQ(editor.Working().formRomaji,
              (Texts{"ippon", "nihon", "sanbon", "yonhon", "gohon", "roppon", "nanahon", "happon",
                     "kyuuhon", "juppon"}));
    ASSERT_TRUE(editor.AutoExpand("hon", {.nativeWords = true}));
    EXPECT_EQ(editor.Working().formNumbers.size(), 10u);
}

}  // namespace
}  // namespace brushly
