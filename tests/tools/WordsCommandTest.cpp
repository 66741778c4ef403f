// brushly-tool words: its options and their mistakes, the pages, captions and kinds printed
// over EDICT-built libraries the test writes, the dialog's questions on standard error, and
// everyday searches over the generated EDICT libraries.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "Commands.h"
#include "dictionary/CCompoundLibrary.h"
#include "dictionary/DictionaryFiles.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/RealData.h"
#include "tools/ToolOutput.h"

namespace brushly::tool {
namespace {

using testing::CToolOutput;
using testing::Printed;

struct CWord {
    const char* headword;
    const char* romaji;
    const char* meaning;
};

// 17 compounds and 4 kana words hold "ka" in their romaji; each library's are listed in
// their letters' order (g, h, k, a, c; k, s), as a search returns them.
constexpr CWord kCompounds[] = {
    {"画家", "gaka", "(n) painter/(P)"},      {"発火", "hakka", "(n,vs) ignition"},
    {"火山", "kazan", "(n) volcano/(P)"},     {"火事", "kaji", "(n) fire/(P)"},
    {"火力", "karyoku", "(n) heating power"}, {"下流", "karyuu", "(n) downstream/(P)"},
    {"川下", "kawashimo", "(n) downstream"},  {"金物", "kanamono", "(n) hardware/(P)"},
    {"仮名", "kana", "(n) kana/(P)"},         {"会話", "kaiwa", "(n,vs) conversation/(P)"},
    {"会社", "kaisha", "(n) company/(P)"},    {"高価", "kouka", "(adj-na,n) expensive/(P)"},
    {"歌手", "kashu", "(n) singer/(P)"},      {"家族", "kazoku", "(n) family/(P)"},
    {"海上", "kaijou", "(n) on the sea"},     {"水鳥", "mizutori", "(n) water bird"},
    {"赤字", "akaji", "(n) deficit/(P)"},     {"水車", "suisha", "(n) water wheel"},
    {"滝", "taki", "(n) waterfall/(P)"},      {"中華", "chuuka", "(n) Chinese (food)/(P)"},
};
constexpr CWord kKanaWords[] = {
    {"かかし", "kakashi", "(n) scarecrow"},
    {"カメラ", "KAMERA", "(n) camera/(P)"},
    {"すっかり", "sukkari", "(adv) completely/(P)"},
    {"しかし", "shikashi", "(conj) however/(P)"},
    {"みずみずしい", "mizumizushii", "(adj-i) fresh and juicy"},
};

// The lines of the 11th to 17th compounds holding "ka", as printed.
constexpr const char* kLastCompounds =
    "会社\tkaisha\t(n) company\tcommon compound\n"
    "高価\tkouka\t(adj-na,n) expensive\tcommon compound\n"
    "歌手\tkashu\t(n) singer\tcommon compound\n"
    "家族\tkazoku\t(n) family\tcommon compound\n"
    "海上\tkaijou\t(n) on the sea\tcompound\n"
    "赤字\takaji\t(n) deficit\tcommon compound\n"
    "中華\tchuuka\t(n) Chinese (food)\tcommon compound\n";

CToolOutput Words(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "words");
    return testing::RunCommand(std::span(&kWordsCommand, 1), arguments);
}

// A search without matches: the caption, and the dialog's questions and message on
// standard error.
CToolOutput NoMatches(const std::string& err) {
    return {1, "No Matches:\n", err};
}

void WriteLibrary(std::span<const CWord> words, const std::string& path) {
    CCompoundLibrary library;
    library.SetIdentification("EDICT, EDRDG test");
    for (const CWord& word : words) {
        auto entry = std::make_unique<CCompoundData>();
        entry->headword = sjis::FromUtf8(word.headword);
        entry->romaji = word.romaji;
        entry->meaning = word.meaning;
        library.Add(std::move(entry));
    }
    CScriptedPrompter prompter;
    ASSERT_TRUE(library.Save(path, prompter)) << path;
}

class WordsCommand : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLibrary(kCompounds, m_directory.File(std::string(kEdictCompoundFileName)));
        WriteLibrary(kKanaWords, m_directory.File(std::string(kEdictKanaWordFileName)));
        m_directory.Write(std::string(kAbbreviationFileName), "adj-i\nadj-na\nadv\nconj\nn\nvs\n");
    }

    CToolOutput Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--data", m_directory.Path().string()});
        return Words(arguments);
    }

    testing::CTempDirectory m_directory;
};

TEST_F(WordsCommand, UsageErrorsExitWithTwoAndTheUsage) {
    EXPECT_EQ(Words({"--help"}), Printed(std::string(kWordsCommand.usage)));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "give --romaji, --meaning or --kanji"},
        {{"--any", "--whole-word"}, "give --romaji, --meaning or --kanji"},
        {{"kaji"}, "unexpected argument 'kaji'"},
        {{"--romaji", ""}, "--romaji needs a query"},
        {{"--romaji", "ka", "--kana-words"}, "unknown option --kana-words"},
        {{"--romaji", "ka", "--no-compounds", "--no-kana-words"},
         "--no-compounds with --no-kana-words leaves nothing to search"},
        {{"--kanji", "水", "--no-compounds"},
         "--kanji searches compounds only; it cannot go with --no-compounds"},
        {{"--kanji", "か"}, "--kanji must be one kanji, not 'か'"},
        {{"--kanji", "水車"}, "--kanji must be one kanji, not '水車'"},
        {{"--kanji", "w"}, "--kanji must be one kanji, not 'w'"},
        {{"--romaji", "ka", "--page", "0"},
         "--page must be a whole number from 1 to 99999, not '0'"},
        {{"--romaji", "ka", "--page", "two"},
         "--page must be a whole number from 1 to 99999, not 'two'"},
    };
    for (const auto& [arguments, message] : cases) {
        EXPECT_EQ(Run(arguments), testing::UsageFailure(kWordsCommand, message));
    }
}

TEST_F(WordsCommand, PagesOfTenCompoundsFirstWithTheirCaptions) {
    EXPECT_EQ(Run({"--romaji", "ka"}),
              Printed("Matches 1 to 10 out of 21\n"
                      "画家\tgaka\t(n) painter\tcommon compound\n"
                      "発火\thakka\t(n,vs) ignition\tcompound\n"
                      "火山\tkazan\t(n) volcano\tcommon compound\n"
                      "火事\tkaji\t(n) fire\tcommon compound\n"
                      "火力\tkaryoku\t(n) heating power\tcompound\n"
                      "下流\tkaryuu\t(n) downstream\tcommon compound\n"
                      "川下\tkawashimo\t(n) downstream\tcompound\n"
                      "金物\tkanamono\t(n) hardware\tcommon compound\n"
                      "仮名\tkana\t(n) kana\tcommon compound\n"
                      "会話\tkaiwa\t(n,vs) conversation\tcommon compound\n"));
    EXPECT_EQ(Run({"--romaji", "ka", "--page", "2"}),
              Printed("Matches 11 to 20 out of 21\n" + std::string(kLastCompounds) +
                      "かかし\tkakashi\t(n) scarecrow\tkana word\n"
                      "カメラ\tKAMERA\t(n) camera\tcommon kana word\n"
                      "すっかり\tsukkari\t(adv) completely\tcommon kana word\n"));
    EXPECT_EQ(Run({"--romaji", "ka", "--page", "3"}),
              Printed("Match 21 out of 21\nしかし\tshikashi\t(conj) however\tcommon kana word\n"));
    EXPECT_EQ(
        Run({"--romaji", "ka", "--page", "4"}),
        (CToolOutput{2, "", "brushly-tool words: there is no page 4: the matches fill 3 pages\n"}));
    EXPECT_EQ(
        Run({"--kanji", "水", "--page", "2"}),
        (CToolOutput{2, "", "brushly-tool words: there is no page 2: the matches fill 1 page\n"}));
}

TEST_F(WordsCommand, TheOptionsChooseTheLibrariesCommonWordsAndMeanings) {
    EXPECT_EQ(Run({"--romaji", "ka", "--no-compounds"}),
              Printed("Matches 1 to 4 out of 4\n"
                      "かかし\tkakashi\t(n) scarecrow\tkana word\n"
                      "カメラ\tKAMERA\t(n) camera\tcommon kana word\n"
                      "すっかり\tsukkari\t(adv) completely\tcommon kana word\n"
                      "しかし\tshikashi\t(conj) however\tcommon kana word\n"));
    EXPECT_EQ(Run({"--romaji", "ka", "--no-kana-words", "--page", "2"}),
              Printed("Matches 11 to 17 out of 17\n" + std::string(kLastCompounds)));
    // 発火, 火力, 川下, 海上 and かかし are not common.
    EXPECT_EQ(Run({"--romaji", "ka", "--common-only", "--page", "2"}),
              Printed("Matches 11 to 16 out of 16\n"
                      "家族\tkazoku\t(n) family\tcommon compound\n"
                      "赤字\takaji\t(n) deficit\tcommon compound\n"
                      "中華\tchuuka\t(n) Chinese (food)\tcommon compound\n"
                      "カメラ\tKAMERA\t(n) camera\tcommon kana word\n"
                      "すっかり\tsukkari\t(adv) completely\tcommon kana word\n"
                      "しかし\tshikashi\t(conj) however\tcommon kana word\n"));
    EXPECT_EQ(Run({"--romaji", "kaiwa", "--hide-abbreviations"}),
              Printed("Match 1 out of 1\n会話\tkaiwa\tconversation\tcommon compound\n"));
    EXPECT_EQ(
        Run({"--meaning", "juicy", "--hide-abbreviations"}),
        Printed("Match 1 out of 1\nみずみずしい\tmizumizushii\tfresh and juicy\tkana word\n"));
}

TEST_F(WordsCommand, CriteriaWholeWordsAndAnyOfThem) {
    // Meanings match anywhere unless --whole-word; the kanji leaves out the kana words.
    EXPECT_EQ(Run({"--meaning", "water"}), Printed("Matches 1 to 3 out of 3\n"
                                                   "水鳥\tmizutori\t(n) water bird\tcompound\n"
                                                   "水車\tsuisha\t(n) water wheel\tcompound\n"
                                                   "滝\ttaki\t(n) waterfall\tcommon compound\n"));
    EXPECT_EQ(Run({"--meaning", "water", "--whole-word"}),
              Printed("Matches 1 to 2 out of 2\n"
                      "水鳥\tmizutori\t(n) water bird\tcompound\n"
                      "水車\tsuisha\t(n) water wheel\tcompound\n"));
    EXPECT_EQ(Run({"--romaji", "mizu", "--meaning", "water"}),
              Printed("Match 1 out of 1\n水鳥\tmizutori\t(n) water bird\tcompound\n"));
    EXPECT_EQ(Run({"--romaji", "mizu", "--meaning", "fall", "--any"}),
              Printed("Matches 1 to 3 out of 3\n"
                      "水鳥\tmizutori\t(n) water bird\tcompound\n"
                      "滝\ttaki\t(n) waterfall\tcommon compound\n"
                      "みずみずしい\tmizumizushii\t(adj-i) fresh and juicy\tkana word\n"));
    EXPECT_EQ(Run({"--romaji", "mizu", "--kanji", "水"}),
              Printed("Match 1 out of 1\n水鳥\tmizutori\t(n) water bird\tcompound\n"));
}

TEST_F(WordsCommand, AnEmptyResultAnswersTheQuestionsNoOnStandardError) {
    EXPECT_EQ(Run({"--romaji", "xyz"}),
              NoMatches("brushly-tool: There are no matches in the EDICT electronic "
                        "dictionary.\n\nDouble-check your search criteria.\n"));
    EXPECT_EQ(Run({"--romaji", "kakashi", "--common-only"}),
              NoMatches("brushly-tool: There are no COMMON word matches in the EDICT electronic "
                        "dictionary.\n\nWould you like to see the matches that are not common "
                        "words? (answered No)\n"));
    EXPECT_EQ(Run({"--romaji", "kawashimo", "--no-compounds"}),
              NoMatches("brushly-tool: There are no KANA WORD matches in the EDICT electronic "
                        "dictionary.\n\nWould you like to see the COMPOUND matches? (answered "
                        "No)\n"));

    const CToolOutput noData = Words({"--romaji", "ka", "--data", m_directory.File("none")});
    EXPECT_EQ(noData.status, 1);
    EXPECT_EQ(noData.out, "");
    EXPECT_NE(noData.err.find("Loading the Brushly compound database failed."), std::string::npos)
        << noData.err;
}

// The line of out that begins with prefix, without its line feed; empty when there is none.
std::string LineStarting(const std::string& out, const std::string& prefix) {
    const std::size_t at = out.find("\n" + prefix);
    if (at == std::string::npos) return "";
    return out.substr(at + 1, out.find('\n', at + 1) - at - 1);
}

// The EDICT libraries generated from the Debian package by brushly-tool import-edict.
TEST(WordsCommandRealData, FindsCommonCompoundsAndHidesAbbreviations) {
    const std::filesystem::path directory = testing::RealDataDirectory();
    BRUSHLY_REQUIRE_REAL_DATA(std::filesystem::exists(directory / kEdictCompoundFileName) &&
                                  std::filesystem::exists(directory / kEdictKanaWordFileName),
                              "EDICT-built word libraries");
    const auto words = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--data", directory.string()});
        return Words(arguments);
    };
    const CToolOutput common = words({"--romaji", "benkyou", "--common-only"});
    EXPECT_EQ(common.status, 0) << common.err;
    EXPECT_EQ(LineStarting(common.out, "勉強\t"),
              "勉強\tbenkyou\t(n,vs) (1) study/(n,vs) (2) diligence/(n,vs) (3) "
              "discount/reduction\tcommon compound");
    // 不勉強 (lazy study habits) is not a common word.
    EXPECT_EQ(common.out.find("不勉強"), std::string::npos) << common.out;

    const CToolOutput shown = words({"--romaji", "benkyou", "--meaning", "study", "--whole-word"});
    EXPECT_NE(LineStarting(shown.out, "勉強\tbenkyou\t(n,vs) (1) study/"), "") << shown.out;
    const CToolOutput hidden = words(
        {"--romaji", "benkyou", "--meaning", "study", "--whole-word", "--hide-abbreviations"});
    EXPECT_EQ(hidden.status, 0) << hidden.err;
    EXPECT_EQ(hidden.out.rfind("Matches 1 to ", 0), 0u) << hidden.out;
    EXPECT_EQ(LineStarting(hidden.out, "勉強\t"),
              "勉強\tbenkyou\t(1) study/ (2) diligence/ (3) discount/reduction\tcommon compound");
    EXPECT_EQ(hidden.out.find("(n,vs)"), std::string::npos) << hidden.out;

    const CToolOutput kana = words({"--romaji", "sukkari", "--no-compounds", "--common-only"});
    EXPECT_NE(LineStarting(kana.out, "すっかり\tsukkari\t"), "") << kana.out;
    EXPECT_TRUE(LineStarting(kana.out, "すっかり\t").ends_with("\tcommon kana word")) << kana.out;
}

}  // namespace
}  // namespace brushly::tool
