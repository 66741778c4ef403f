#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "Commands.h"
#include "tools/ToolOutput.h"

namespace brushly::tool {
namespace {

using testing::CToolOutput;

CToolOutput RunKanaTool(const std::vector<std::string>& arguments) {
    const std::array commands{kKanaCommand, kRomajiCommand};
    return testing::RunCommand(commands, arguments);
}

TEST(KanaCommand, PrintsTheKanaOfRomaji) {
    const CToolOutput result = RunKanaTool({"kana", "gakkou"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "がっこう\n");
    EXPECT_EQ(result.err, "");

    EXPECT_EQ(RunKanaTool({"kana", "TOOKYOO"}).out, "トウキョウ\n");
    EXPECT_EQ(RunKanaTool({"kana", "TOOKYOO", "--long-mark"}).out, "トーキョー\n");
    EXPECT_EQ(RunKanaTool({"kana", "--long-mark", "--vertical", "TOOKYOO"}).out, "ト丨キョ丨\n");
    EXPECT_EQ(RunKanaTool({"kana", "--vertical", "TOOKYOO"}).out, "トウキョウ\n");
    EXPECT_EQ(RunKanaTool({"kana", "shimbun"}).out, "しぶん\n");
}

TEST(KanaCommand, RejectsMissingExtraAndEmptyText) {
    const CToolOutput missing = RunKanaTool({"kana"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing TEXT"), std::string::npos);
    EXPECT_NE(missing.err.find("Usage: brushly-tool kana TEXT"), std::string::npos);
    EXPECT_EQ(missing.out, "");

    const CToolOutput extra = RunKanaTool({"kana", "ka", "ki"});
    EXPECT_EQ(extra.status, 2);
    EXPECT_NE(extra.err.find("exactly one TEXT"), std::string::npos);

    EXPECT_EQ(RunKanaTool({"kana", "ka", "--bold"}).status, 2);

    const CToolOutput nothing = RunKanaTool({"kana", "123"});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.out, "");
    EXPECT_EQ(nothing.err, "brushly-tool kana: no romaji to convert in '123'\n");
}

TEST(RomajiCommand, PrintsTheRomajiOfKana) {
    const CToolOutput result = RunKanaTool({"romaji", "おおきい"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "o'okii\n");
    EXPECT_EQ(result.err, "");

    EXPECT_EQ(RunKanaTool({"romaji", "ラーメン"}).out, "RAAMEN\n");
    EXPECT_EQ(RunKanaTool({"romaji", "ゃ"}).out, "X\n");
    EXPECT_EQ(RunKanaTool({"romaji", "日本のきって"}).out, "nokitte\n");
}

TEST(RomajiCommand, ReportsTextWithoutKana) {
    for (const std::string text : {"abc", "ＡＢＣ", "日本", ""}) {
        const CToolOutput result = RunKanaTool({"romaji", text});
        EXPECT_EQ(result.status, 1) << text;
        EXPECT_EQ(result.out, "") << text;
        EXPECT_EQ(result.err, "brushly-tool romaji: no kana to convert in '" + text + "'\n");
    }
    EXPECT_EQ(RunKanaTool({"romaji"}).status, 2);
    EXPECT_EQ(RunKanaTool({"romaji", "か", "き"}).status, 2);
    EXPECT_EQ(RunKanaTool({"romaji", "か", "--long-mark"}).status, 2);
}

TEST(KanaCommands, HelpDescribesTheUsage) {
    const CToolOutput kana = RunKanaTool({"kana", "--help"});
    EXPECT_EQ(kana.status, 0);
    EXPECT_EQ(kana.out.rfind("Usage: brushly-tool kana TEXT [--long-mark] [--vertical]\n", 0), 0u);
    EXPECT_NE(kana.out.find("--long-mark"), std::string::npos);
    EXPECT_NE(kana.out.find("--vertical"), std::string::npos);

    const CToolOutput romaji = RunKanaTool({"romaji", "--help"});
    EXPECT_EQ(romaji.status, 0);
    EXPECT_EQ(romaji.out.rfind("Usage: brushly-tool romaji TEXT\n", 0), 0u);

    const std::string overview = RunKanaTool({"--help"}).out;
    EXPECT_NE(overview.find("kana"), std::string::npos);
    EXPECT_NE(overview.find("romaji"), std::string::npos);
}

}  // namespace
}  // namespace brushly::tool
