#include <gtest/gtest.h>

#include <sstream>

#include "Commands.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly::tool {
namespace {

class EvaluateCommand : public ::testing::Test {
protected:
    void SetUp() override {
        auto library = testing::MakeSmallKanjiLibrary();
        m_data.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
        // 一 along its database stroke, (10,100)-(190,100), in KanjiVG's view box.
        m_kanjiVg.Write("04e00.svg", R"(<svg xmlns="http://www.w3.org/2000/svg"><g>)"
                                     R"(<path d="M-0.6488,64.8810 L116.1369,64.8810"/></g></svg>)");
    }

    int Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "evaluate-writing");
        std::ostringstream out, err;
        const int status = RunTool(std::span(&kEvaluateWritingCommand, 1), arguments, out, err);
        m_out = out.str();
        m_err = err.str();
        return status;
    }

    testing::CTempDirectory m_data;
    testing::CTempDirectory m_kanjiVg;
    std::string m_out, m_err;
};

TEST_F(EvaluateCommand, WritesTheSetAndPrintsOneRowPerSpacingAndMode) {
    ASSERT_EQ(Run({"--set", "jouyou", "--data", m_data.Path().string(), "--kanjivg",
                   m_kanjiVg.Path().string(), "--spacing", "all", "--mode", "any", "--search"}),
              0)
        << m_err;
    EXPECT_EQ(m_out.rfind("set jouyou: 1 of 1 characters; hand spacing, seed 1\n", 0), 0u) << m_out;
    EXPECT_NE(m_out.find("spacing mode     count correct%  top1% top10%  ms/srch\n"),
              std::string::npos);
    EXPECT_NE(m_out.find("\n1       any          1    100.0  100.0  100.0 "), std::string::npos)
        << m_out;
    EXPECT_NE(m_out.find("\nall     any          8    100.0  100.0  100.0 "), std::string::npos)
        << m_out;

    ASSERT_EQ(Run({"--set", "kana", "--data", m_data.Path().string(), "--hand", "full"}), 0)
        << m_err;
    EXPECT_NE(m_out.find("\n1-8     kana         1 "), std::string::npos) << m_out;
}

TEST_F(EvaluateCommand, OnlyTheNamedCharactersAndEveryFailureListed) {
    const std::vector<std::string> jouyou{"--set",     "jouyou",
                                          "--data",    m_data.Path().string(),
                                          "--kanjivg", m_kanjiVg.Path().string()};
    std::vector<std::string> arguments = jouyou;
    arguments.insert(arguments.end(), {"--only", "\xE4\xB8\x80\xE5\x8F\xB3", "--failures"});
    ASSERT_EQ(Run(arguments), 0) << m_err;
    EXPECT_NE(m_out.find("set jouyou: 1 of 1 characters"), std::string::npos) << m_out;
    EXPECT_TRUE(m_out.ends_with("\nFailures:\n")) << m_out;

    arguments = jouyou;
    arguments.insert(arguments.end(), {"--only", "\xE5\x8F\xB3"});  // 右 is not in the set
    EXPECT_EQ(Run(arguments), 1);
    EXPECT_EQ(m_err, "brushly-tool evaluate-writing: the jouyou set has no characters\n");
}

TEST_F(EvaluateCommand, BadOptionsAndMissingDataFailClearly) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> mistakes{
        {{}, "missing --set"},
        {{"--set", "hiragana"}, "--set must be jouyou, dev, kana or all-kanjivg, not 'hiragana'"},
        {{"--set", "kana", "--hand", "left"}, "--hand must be spacing or full, not 'left'"},
        {{"--set", "kana", "--spacing", "9"}, "--spacing takes a whole number from 1 to 8"},
        {{"--set", "kana", "--hand", "full", "--spacing", "3"}, "--spacing is for --hand spacing"},
        {{"--set", "kana", "--mode", "strict"}, "--mode must be exact, similar, any or all"},
        {{"--set", "kana", "--limit", "0"}, "--limit takes a whole number from 1 to 1000000"},
        {{"--set", "kana", "--every", "x"}, "--every takes a whole number"},
        {{"--set", "kana", "extra"}, "unexpected argument 'extra'"}};
    for (const auto& [arguments, message] : mistakes) {
        EXPECT_EQ(Run(arguments), 2) << message;
        EXPECT_NE(m_err.find(message), std::string::npos) << m_err;
        EXPECT_NE(m_err.find("Usage: brushly-tool evaluate-writing"), std::string::npos);
    }

    EXPECT_EQ(Run({"--set", "jouyou", "--data", m_data.Path().string(), "--kanjivg",
                   m_data.File("none")}),
              1);
    EXPECT_EQ(m_err,
              "brushly-tool evaluate-writing: no KanjiVG folder at " + m_data.File("none") + "\n");
    EXPECT_EQ(Run({"--set", "kana", "--data", m_data.File("none")}), 1);
    EXPECT_NE(m_err.find("MasterDB.kdb"), std::string::npos) << m_err;
    EXPECT_EQ(Run({"--set", "all-kanjivg", "--data", m_data.Path().string(), "--kanjivg",
                   m_data.Path().string()}),
              1);
    EXPECT_EQ(m_err, "brushly-tool evaluate-writing: the all-kanjivg set has no characters\n");
}

}  // namespace
}  // namespace brushly::tool
