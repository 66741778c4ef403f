// The dictionary commands end to end on a small EDICT: prepare-edict, import-edict, words.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <sstream>

#include "Commands.h"
#include "archive/CArchiveException.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/CEdictImporter.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::tool {
namespace {

// 一 and 二 are the kanji of the small database; 三 is not in it.
constexpr const char* kEdict =
    "\xe3\x80\x80\xef\xbc\x9f\xef\xbc\x9f\xef\xbc\x9f /EDICT, EDICT_SUB(P), EDICT2 test/\n"
    "一二 [いちに] /(n) one-two/(P)/\n"
    "二一 [にいち] /(n) two-one/\n"
    "一三 [いちさん] /(n) one-three/(P)/\n"
    "一 [いち] /(num) one/(P)/\n"
    "すし /(n) sushi/(P)/\n"
    "ヴァイオリン /(n) violin/\n";

class DictionaryCommands : public ::testing::Test {
protected:
    void SetUp() override {
        auto library = testing::MakeSmallKanjiLibrary();
        m_directory.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
        sjis::CCodeConverter toEucJp("UTF-8", "EUC-JP", "?");
        m_directory.Write("edict", toEucJp.Convert(kEdict));
    }

    int Run(std::vector<std::string> arguments) {
        const std::array commands{kPrepareEdictCommand, kImportEdictCommand, kWordsCommand};
        std::ostringstream out, err;
        const int status = RunTool(commands, arguments, out, err);
        m_out = out.str();
        m_err = err.str();
        return status;
    }

    std::string Data() const { return m_directory.Path().string(); }

    testing::CTempDirectory m_directory;
    std::string m_out, m_err;
};

TEST_F(DictionaryCommands, PrepareImportAndSearch) {
    ASSERT_EQ(Run({"prepare-edict", "--edict", m_directory.File("edict"), "--out", Data()}), 0)
        << m_err;
    EXPECT_NE(m_out.find("edict_SJIS.txt: 7 lines, 0 dropped"), std::string::npos) << m_out;
    // The delivered library keeps the common words of two school kanji.
    EXPECT_NE(m_out.find("CompDBdemo.kdb2: 1 common words of two school kanji"), std::string::npos);

    // Before the import the delivered library answers; its emptiness points at EDICT.
    ASSERT_EQ(Run({"words", "--meaning", "one", "--data", Data()}), 0) << m_err;
    EXPECT_EQ(m_out, "Match 1 out of 1\n一二\tichini\t(n) one-two\tcommon compound\n");
    EXPECT_EQ(Run({"words", "--romaji", "sushi", "--data", Data()}), 1);
    EXPECT_EQ(m_out, "No Matches:\n");
    EXPECT_EQ(m_err,
              "brushly-tool: There are no matches in the Brushly compound database.\n\nThe much "
              "larger EDICT electronic dictionary can be installed in its place: see 'EDICT "
              "Information' for the instructions.\n");

    ASSERT_EQ(Run({"import-edict", "--data", Data()}), 0) << m_err;
    EXPECT_NE(m_out.find("Identification: EDICT, EDICT_SUB(P), "), std::string::npos) << m_out;
    EXPECT_NE(m_out.find("Compounds: 2\nKana words: 2\n"), std::string::npos) << m_out;

    // Arrays in their fixed order: i before n; the kana words follow the compounds.
    ASSERT_EQ(Run({"words", "--kanji", "二", "--data", Data()}), 0) << m_err;
    EXPECT_EQ(m_out,
              "Matches 1 to 2 out of 2\n一二\tichini\t(n) one-two\tcommon compound\n"
              "二一\tniichi\t(n) two-one\tcompound\n");
    ASSERT_EQ(Run({"words", "--romaji", "i", "--common-only", "--data", Data()}), 0);
    EXPECT_EQ(m_out,
              "Matches 1 to 2 out of 2\n一二\tichini\t(n) one-two\tcommon compound\n"
              "すし\tsushi\t(n) sushi\tcommon kana word\n");
    ASSERT_EQ(Run({"words", "--romaji", "vaio", "--data", Data()}), 0);
    EXPECT_EQ(m_out, "Match 1 out of 1\nヴァイオリン\tVAIORIN\t(n) violin\tkana word\n");
    ASSERT_EQ(Run({"words", "--romaji", "ichi", "--meaning", "two-", "--data", Data()}), 0);
    EXPECT_EQ(m_out, "Match 1 out of 1\n二一\tniichi\t(n) two-one\tcompound\n");
}

TEST_F(DictionaryCommands, BadInputFailsClearly) {
    EXPECT_EQ(Run({"prepare-edict", "--out", Data()}), 2);
    EXPECT_EQ(Run({"prepare-edict", "--edict", m_directory.File("none"), "--out", Data()}), 1);
    EXPECT_EQ(Run({"import-edict", "--data", Data()}), 1);
}

TEST_F(DictionaryCommands, ImportThatCannotSaveFailsAndKeepsTheOldPair) {
    m_directory.Write(std::string(kEdictFileName), sjis::FromUtf8(kEdict));
    ASSERT_EQ(Run({"import-edict", "--data", Data()}), 0) << m_err;
    const std::string compounds =
        m_directory.Read(m_directory.File(std::string(kEdictCompoundFileName)));
    const std::string kanaWordPath = m_directory.File(std::string(kEdictKanaWordFileName));
    std::filesystem::remove(kanaWordPath);
    std::filesystem::create_directory(kanaWordPath);

    EXPECT_EQ(Run({"import-edict", "--data", Data()}), 1);
    EXPECT_EQ(m_out, "");
    EXPECT_EQ(m_err, "brushly-tool: " +
                         std::string(CFileException(kanaWordPath, "replace", EISDIR).what()) +
                         "\nbrushly-tool: " + CEdictImporter::kSaveFailureMessage + "\n");
    EXPECT_EQ(m_directory.Read(m_directory.File(std::string(kEdictCompoundFileName))), compounds);
}

TEST_F(DictionaryCommands, WordsFailsWhenTheKanaWordLibraryIsDamaged) {
    m_directory.Write(std::string(kEdictFileName), sjis::FromUtf8(kEdict));
    ASSERT_EQ(Run({"import-edict", "--data", Data()}), 0) << m_err;
    const std::string kanaWordPath = m_directory.File(std::string(kEdictKanaWordFileName));
    const std::string bytes = m_directory.Read(kanaWordPath);
    m_directory.Write(std::string(kEdictKanaWordFileName), bytes.substr(0, bytes.size() / 2));

    EXPECT_EQ(Run({"words", "--romaji", "i", "--data", Data()}), 1);
    EXPECT_EQ(m_out, "");
    EXPECT_NE(m_err.find(CCompoundLibrary::LoadFailureMessage(kanaWordPath)), std::string::npos)
        << m_err;
}

}  // namespace
}  // namespace brushly::tool
