// brushly-tool card: its verbs and options and their mistakes, one card of each kind added
// through the card editors into a saved document, and the editors' refusals printed with a
// failing exit status.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "Commands.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"
#include "tools/ToolOutput.h"

namespace brushly::tool {
namespace {

using testing::CToolOutput;
using testing::UsageFailure;
using Names = std::vector<std::string>;

// A document with the empty Word Group "Words" and the small kanji database beside it.
class CardCommand : public ::testing::Test {
protected:
    void SetUp() override {
        m_directory.Write("MasterDB.kdb",
                          testing::KanjiLibraryBytes(*testing::MakeSmallKanjiLibrary()));
        CBrushly2Doc document(m_settings, m_prompter);
        document.Cards().AddGroup("Words");
        ASSERT_TRUE(document.SaveAs(m_document));
    }

    CToolOutput Run(Names arguments) {
        arguments.insert(arguments.begin(), "card");
        arguments.insert(arguments.end(), {"--data", m_directory.Path().string()});
        return testing::RunCommand(std::span(&kCardCommand, 1), arguments);
    }
    CToolOutput Add(Names options) {
        options.insert(options.begin(), {m_document, "add", "--group", "Words"});
        return Run(options);
    }

    // The saved document's group "Words".
    void Open(CBrushly2Doc& document) const { ASSERT_TRUE(document.Open(m_document)); }

    CMemorySettingsStore m_settings;
    CScriptedPrompter m_prompter;
    testing::CTempDirectory m_directory;
    const std::string m_document = m_directory.File("cards.bly");
};

TEST_F(CardCommand, UsageErrorsExitWithTwoAndTheUsage) {
    EXPECT_EQ(Run({"--help"}).out, std::string(kCardCommand.usage));
    const std::pair<Names, std::string> cases[] = {
        {{m_document}, "give the document and a verb: DOC.bly add, or DOC.bly find"},
        {{"cards.txt", "add"}, "the document must be a .bly file: cards.txt"},
        {{m_document, "remove"}, "unknown verb 'remove'; the verbs are: add, find"},
        {{m_document, "find"}, "give --reading, --meaning or both"},
        {{m_document, "find", "--reading", "a", "--kinds", "kanji,verbs"},
         "--kinds takes kanji, compound, kana and counter, not 'verbs'"},
        {{m_document, "find", "--group", "Words", "--reading", "a"},
         "--group does not go with find"},
        {{m_document, "add", "--group", "Words", "--kanji", "x", "--and"},
         "--and does not go with add"},
        {{m_document, "add", "--group", "Words"},
         "give exactly one of --kanji, --compound, --kana-word or --counter"},
        {{m_document, "add", "--group", "Words", "--kanji", "x", "--counter", "y"},
         "give exactly one of --kanji, --compound, --kana-word or --counter"},
        {{m_document, "add", "--kanji", "x"}, "missing --group"},
        {{m_document, "add", "--group", "Words", "--kanji", "x", "--romaji", "r"},
         "--romaji cannot go with --kanji"},
        {{m_document, "add", "--group", "Words", "--compound", "x", "--romaji", "r"},
         "missing --meaning"},
        {{m_document, "add", "--group", "Words", "--compound", "x", "--romaji", "r", "--meaning",
          "m", "--forms", "1:a"},
         "--forms goes with --counter"},
        {{m_document, "add", "--group", "Words", "--counter", "x", "--romaji", "r", "--meaning",
          "m"},
         "missing --forms"},
        {{m_document, "add", "--group", "Words", "--counter", "x", "--romaji", "r", "--meaning",
          "m", "--forms", "1:ippon,2"},
         "--forms takes NUMBER:ROMAJI pairs separated by commas, not '2'"},
        {{m_document, "add", "--group", "Words", "--kana-word", "neko", "--romaji", "r",
          "--meaning", "m"},
         "--kana-word must be written in kana"},
    };
    for (const auto& [arguments, message] : cases) {
        Names withData = arguments;
        withData.insert(withData.end(), {"--data", m_directory.Path().string()});
        withData.insert(withData.begin(), "card");
        EXPECT_EQ(testing::RunCommand(std::span(&kCardCommand, 1), withData),
                  UsageFailure(kCardCommand, message))
            << message;
    }
}

TEST_F(CardCommand, OneCardOfEachKindIsAddedAndSaved) {
    EXPECT_EQ(Add({"--kanji", "一"}),
              testing::Printed("Added a kanji card to 'Words' in " + m_document + "\n"));
    EXPECT_EQ(Add({"--compound", "一二", "--romaji", "ichini", "--meaning", "one two"}).status, 0);
    EXPECT_EQ(
        Add({"--kana-word", "ねこ", "--romaji", "neko", "--meaning", "cat", "--inactive"}).status,
        0);
    EXPECT_EQ(Add({"--counter", "本", "--romaji", "hon", "--meaning", "long things", "--forms",
                   "1:ippon,2:nihon"})
                  .status,
              0);

    CBrushly2Doc document(m_settings, m_prompter);
    Open(document);
    const CWordGroup& words = *document.Cards().FindGroup("Words");
    EXPECT_EQ(words.cardCount, 4);
    ASSERT_EQ(words.kanjiCards.size(), 1u);
    const CKanjiCard& kanji = *words.kanjiCards.front();
    EXPECT_EQ(sjis::ToUtf8(kanji.character), "一");
    ASSERT_EQ(kanji.readings.size(), 1u);  // from the kanji database
    EXPECT_EQ(kanji.readings.front()->DisplayText(0), "ICHI : one");
    EXPECT_EQ(kanji.dbGroup, 1);
    EXPECT_EQ(sjis::ToUtf8(words.compoundCards.front()->headword), "一二");
    EXPECT_EQ(sjis::ToUtf8(words.kanaWordCards.front()->kana), "ねこ");
    EXPECT_EQ(words.kanaWordCards.front()->active, 0);
    const CCounterCard& counter = *words.counterCards.front();
    EXPECT_EQ(counter.formNumbers, (Names{"1", "2"}));
    EXPECT_EQ(counter.formRomaji, (Names{"ippon", "nihon"}));
}

TEST_F(CardCommand, FindListsWhatFindFlashcardFinds) {
    ASSERT_EQ(Add({"--kanji", "一"}).status, 0);
    ASSERT_EQ(Add({"--compound", "一二", "--romaji", "ichini", "--meaning", "one two"}).status, 0);
    ASSERT_EQ(Add({"--kana-word", "とう", "--romaji", "too", "--meaning", "ten"}).status, 0);
    EXPECT_EQ(Run({m_document, "find", "--reading", "ICHI"}),
              testing::Printed("Words\tkanji\tICHI : one\n1 match\n"));
    // "tou" finds the word stored with "oo", shown as stored in the "oo" display; the
    // compound's meaning holds "one" too.
    EXPECT_EQ(Run({m_document, "find", "--reading", "tou", "--meaning", "one"}),
              testing::Printed("Words\tkanji\tICHI : one\nWords\tcompound\tichini / one "
                               "two\nWords\tkana\ttoo / ten\n3 matches\n"));
    EXPECT_EQ(Run({m_document, "find", "--reading", "ichi", "--meaning", "two", "--and"}),
              testing::Printed("0 matches\n"));
    EXPECT_EQ(Run({m_document, "find", "--meaning", "one", "--kinds", "compound"}),
              testing::Printed("Words\tcompound\tichini / one two\n1 match\n"));
}

TEST_F(CardCommand, RefusalsPrintTheEditorsMessageAndSaveNothing) {
    const auto failed = [&](const std::string& err) { return CToolOutput{1, "", err}; };
    // A double-byte character and a letter is 3 bytes: not a compound.
    EXPECT_EQ(Add({"--compound", "一a", "--romaji", "ichi", "--meaning", "one"}),
              failed("brushly-tool: A compound must contain at least 2 characters.\n"));
    EXPECT_EQ(
        Add({"--counter", "本", "--romaji", "hon", "--meaning", "m", "--forms", "1:ippon,2:ippon"}),
        failed("brushly-tool: This Romaji string already added\n"));
    EXPECT_EQ(Add({"--kanji", "本"}),
              failed("brushly-tool card: '本' is not a kanji of the database\n"));
    EXPECT_EQ(Add({"--kanji", "二"}), failed("brushly-tool: No readings are entered\n"));
    EXPECT_EQ(Run({m_document, "add", "--group", "Other", "--kanji", "一"}),
              failed("brushly-tool card: " + m_document + " has no Word Group 'Other'\n"));
    EXPECT_EQ(Run({m_directory.File("none.bly"), "add", "--group", "Words", "--kanji", "一"}),
              failed("brushly-tool card: there is no document " + m_directory.File("none.bly") +
                     " (brushly-tool doc --new writes one)\n"));

    CBrushly2Doc document(m_settings, m_prompter);
    Open(document);
    EXPECT_EQ(document.Cards().FindGroup("Words")->cardCount, 0);
}

}  // namespace
}  // namespace brushly::tool
