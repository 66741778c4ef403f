// brushly-tool find-kanji: its options and their mistakes, the printed pages over a database
// the test writes, and everyday searches over the generated database.
#include <gtest/gtest.h>

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "Commands.h"
#include "lookup/CKanjiSearch.h"
#include "platform/ShiftJis.h"
#include "reference/StrokeType.h"
#include "support/CTempDirectory.h"
#include "support/RealData.h"
#include "support/SmallKanjiDatabase.h"
#include "tools/ToolOutput.h"

namespace brushly::tool {
namespace {

using testing::CToolOutput;
using testing::Printed;

// 一 is drawn along its one database stroke, (10,100)-(190,100).
constexpr std::string_view kOneWritten =
    R"({"strokes": [[[20,100],[60,100],[100,100],[140,100],[180,100]]]})";

// A search without matches: the caption, and the prompter's message on standard error.
CToolOutput NoMatches(const std::string& message) {
    return {1, "No Kanji Matches:\n", "brushly-tool: " + message + "\n"};
}

CToolOutput Find(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "find-kanji");
    return testing::RunCommand(std::span(&kFindKanjiCommand, 1), arguments);
}

// The small database and 23 kanji of four strokes read "ki", from 亜 (Shift-JIS 889F) on,
// whose grades run 0 to 8 and round again.
class FindKanjiCommand : public ::testing::Test {
protected:
    void SetUp() override {
        auto library = testing::MakeSmallKanjiLibrary();
        for (int i = 0; i < 23; ++i) {
            auto record = std::make_unique<CKanjiData>();
            record->character = {'\x88', static_cast<char>(0x9F + i)};
            for (int y = 20; y <= 140; y += 40)
                record->strokes.segments.push_back(testing::Segment(20, y, 180, y, kStraight, 1));
            auto reading = std::make_unique<CKanjiReading>();
            reading->kunReadings = {"ki"};
            reading->meanings = {"tree"};
            record->readings.push_back(std::move(reading));
            record->grade = i % 9;
            library->AddKanji(4, std::move(record));
        }
        m_directory.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
    }

    CToolOutput Run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--data", m_directory.Path().string()});
        return Find(arguments);
    }

    // A search of written strokes, the file's text given.
    CToolOutput RunStrokes(std::string_view strokes) {
        return Run({"--strokes-file", m_directory.Write("strokes.json", std::string(strokes))});
    }

    testing::CTempDirectory m_directory;
};

TEST_F(FindKanjiCommand, HelpListsEveryReferenceNameAndLabel) {
    const CToolOutput help = Find({"--help"});
    EXPECT_EQ(help, Printed(std::string(kFindKanjiCommand.usage)));
    EXPECT_EQ(help.out.rfind("Usage: brushly-tool find-kanji --reading R [--on] [--kun]", 0), 0u);
    for (int row = 0; row < CKanjiSearch::kShiftJisRow; ++row) {
        const std::string name(ReferenceKeyName(row + kFirstBookKey));
        const std::string label = CKanjiSearch::kReferenceRows[static_cast<std::size_t>(row)];
        EXPECT_NE(help.out.find(name + std::string(17 - name.size(), ' ') + label + "\n"),
                  std::string::npos)
            << name;
    }
}

TEST_F(FindKanjiCommand, UsageErrorsExitWithTwoAndTheUsage) {
    const std::string batch = m_directory.Write("batch.json", "[" + std::string(kOneWritten) + "]");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{},
         "nothing to search for: give --reading and/or --meaning, --reference, --sjis or "
         "--strokes-file"},
        {{"--reading", "ki", "--sjis", "88EA"},
         "one search only: give --reading and/or --meaning, --reference, --sjis or "
         "--strokes-file"},
        {{"水"}, "unexpected argument '水'"},
        {{"--colour", "red"}, "unknown option --colour"},
        {{"--reading"}, "option --reading needs a value"},
        {{"--meaning", ""}, "missing --meaning"},
        {{"--sjis", "88EA", "--on"}, "--on goes with --reading or --meaning"},
        {{"--reference", "heisig", "--number", "1", "--and"},
         "--and goes with --reading or --meaning"},
        {{"--reading", "ki", "--plus-minus", "2"}, "--plus-minus needs --strokes"},
        {{"--reading", "ki", "--number", "2"}, "--number goes with --reference"},
        {{"--reading", "ki", "--strokes", "100"},
         "--strokes must be a whole number from 0 to 99, not '100'"},
        {{"--reading", "ki", "--strokes", "4", "--plus-minus", "11"},
         "--plus-minus must be a whole number from 0 to 10, not '11'"},
        {{"--reading", "ki", "--page", "0"},
         "--page must be a whole number from 1 to 9999, not '0'"},
        {{"--reading", "ki", "--page", "2nd"},
         "--page must be a whole number from 1 to 9999, not '2nd'"},
        {{"--reference", "heisig"}, "missing --number"},
        {{"--reference", "webster", "--number", "1"},
         "unknown reference 'webster'; the references are hadamitzkySpahn (Hadam../Spahn), "
         "halpernKld (Halpern (KLD)), halpernNjecd (Halpern (NJECD)), heisig (Heisig), "
         "henshall (Henshall), kodansha (Kodansha), nelsonOriginal (Nelson (Original)), "
         "nelsonNew (Nelson (New)), oNeill (O'Neill), sakade (Sakade)"},
        {{"--sjis", "88E"}, "--sjis must be four hexadecimal digits, not '88E'"},
        {{"--sjis", "88EG"}, "--sjis must be four hexadecimal digits, not '88EG'"},
        {{"--sjis", "088EA"}, "--sjis must be four hexadecimal digits, not '088EA'"},
        {{"--strokes-file", batch}, "--strokes-file must hold one object, not an array of them"},
    };
    for (const auto& [arguments, message] : cases) {
        EXPECT_EQ(Run(arguments), testing::UsageFailure(kFindKanjiCommand, message));
    }
}

TEST_F(FindKanjiCommand, ATextSearchPrintsItsCaptionAndAPageOfTen) {
    EXPECT_EQ(Run({"--reading", "KI"}),
              Printed("23 matches with 1 to 24 strokes:\n"
                      "亜\t4\tnone\tki : tree\n唖\t4\t1\tki : tree\n娃\t4\t2\tki : tree\n"
                      "阿\t4\t3\tki : tree\n哀\t4\t4\tki : tree\n愛\t4\t5\tki : tree\n"
                      "挨\t4\t6\tki : tree\n姶\t4\t7\tki : tree\n逢\t4\t7+\tki : tree\n"
                      "葵\t4\tnone\tki : tree\n"));
    EXPECT_EQ(Run({"--reading", "ki", "--kun", "--page", "3", "--strokes", "4"}),
              Printed("23 matches with 4 strokes\n"
                      "圧\t4\t2\tki : tree\n斡\t4\t3\tki : tree\n扱\t4\t4\tki : tree\n"));
    EXPECT_EQ(Run({"--meaning", "one"}),
              Printed("1 match with 1 to 24 strokes:\n一\t1\t1\tICHI : one\n"));

    const CToolOutput both = Run({"--reading", "ichi", "--on", "--kun", "--meaning", "tree"});
    EXPECT_EQ(both.out.rfind("24 matches with 1 to 24 strokes:\n一\t1\t1\tICHI : one\n", 0), 0u)
        << both.out;
    const CToolOutput window = Run({"--meaning", "tree", "--strokes", "2", "--plus-minus", "2"});
    EXPECT_EQ(window.out.rfind("23 matches with 1 to 4 strokes:\n", 0), 0u) << window.out;
}

TEST_F(FindKanjiCommand, NoMatchesAndRefusedSearchesReportThroughThePrompter) {
    EXPECT_EQ(Run({"--reading", "ichi", "--kun"}), NoMatches("No Matches"));
    EXPECT_EQ(Run({"--reading", "ki", "--on"}), NoMatches("No Matches"));
    EXPECT_EQ(Run({"--reading", "ichi", "--meaning", "tree", "--and"}), NoMatches("No Matches"));
    EXPECT_EQ(Run({"--reading", "ki", "--strokes", "2"}),
              NoMatches("No Matches.\nTry changing the number of strokes."));
    EXPECT_EQ(Run({"--reading", "ki", "--and"}),
              (CToolOutput{
                  2, "",
                  "brushly-tool: Both 'Reading' and 'Meaning' must be entered for AND search.\n"}));

    const CToolOutput noData = Find({"--reading", "ki", "--data", m_directory.File("none")});
    EXPECT_EQ(noData.status, 1);
    EXPECT_NE(noData.err.find("The correct Brushly Kanji Database could not be loaded."),
              std::string::npos)
        << noData.err;
}

TEST_F(FindKanjiCommand, APageBeyondTheLastNamesThePageCount) {
    EXPECT_EQ(
        Run({"--reading", "ki", "--page", "4"}),
        (CToolOutput{2, "",
                     "brushly-tool find-kanji: there is no page 4: the matches fill 3 pages\n"}));
    EXPECT_EQ(
        Run({"--meaning", "one", "--page", "2"}),
        (CToolOutput{2, "",
                     "brushly-tool find-kanji: there is no page 2: the matches fill 1 page\n"}));
}

TEST_F(FindKanjiCommand, ReferenceNamesAndLabelsFindTheBooksEntry) {
    for (const char* name : {"heisig", "HEISIG", "Heisig"}) {
        // 二 has no reading group.
        EXPECT_EQ(Run({"--reference", name, "--number", "2"}),
                  Printed("Reference Match:\n二\t2\t1\t\n"))
            << name;
    }
    for (const char* name : {"hadamitzkyspahn", "hadam../spahn"}) {
        EXPECT_EQ(Run({"--reference", name, "--number", "2nd"}),
                  Printed("Reference Match:\n一\t1\t1\tICHI : one\n"))
            << name;
    }
    EXPECT_EQ(Run({"--reference", "Nelson (New)", "--number", "1"}), NoMatches("No Matches"));
}

TEST_F(FindKanjiCommand, ShiftJisCodesInAndOutsideTheDatabase) {
    EXPECT_EQ(Run({"--sjis", "88ea"}),
              Printed("Shift-JIS Database Match:\n一\t1\t1\tICHI : one\n"));
    for (const char* code : {"82A0", "0041"}) {  // あ; no double-byte character at all
        EXPECT_EQ(Run({"--sjis", code}), Printed("That Shift-JIS is not in the Database\n"))
            << code;
    }
}

TEST_F(FindKanjiCommand, WrittenStrokesFindTheirKanjiFirst) {
    const CToolOutput one = RunStrokes(kOneWritten);
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_NE(one.out.find(" Best Matches:\n一\t1\t1\tICHI : one\n"), std::string::npos) << one.out;
    EXPECT_EQ(RunStrokes(R"({"strokes": []})"), NoMatches("No Matches"));

    const std::string missing = m_directory.File("missing.json");
    EXPECT_EQ(
        Run({"--strokes-file", missing}),
        (CToolOutput{2, "", "brushly-tool find-kanji: " + missing + ": cannot open the file\n"}));
}

// The generated database: a dictionary's answers, and 十 drawn by hand in the 200 x 200 box.
TEST(FindKanjiCommandRealData, FindsByTextReferenceAndHandwriting) {
    const std::filesystem::path directory = testing::RealDataDirectory();
    BRUSHLY_REQUIRE_REAL_DATA(std::filesystem::exists(directory / "MasterDB.kdb"),
                              "generated kanji database");
    const auto find = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--data", directory.string()});
        return Find(arguments);
    };
    const CToolOutput water = find({"--reading", "mizu", "--meaning", "water", "--and"});
    EXPECT_EQ(water.status, 0) << water.err;
    EXPECT_NE(water.out.find("\n水\t4\t1\t"), std::string::npos) << water.out;

    const CToolOutput one = find({"--reference", "heisig", "--number", "1"});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out.rfind("Reference Match:\n一\t1\t1\t", 0), 0u) << one.out;

    std::string across, down;
    for (int x = 25; x <= 175; x += 6)
        across += (across.empty() ? "[" : ",[") + std::to_string(x) + ",95]";
    for (int y = 20; y <= 180; y += 6)
        down += std::string(down.empty() ? "[" : ",[") + "100," + std::to_string(y) + "]";
    testing::CTempDirectory files;
    const std::string ten =
        files.Write("ten.json", "{\"strokes\": [[" + across + "], [" + down + "]]}");
    const CToolOutput written = find({"--strokes-file", ten});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out.rfind("10 Best Matches:\n十\t2\t1\t", 0), 0u) << written.out;
}

}  // namespace
}  // namespace brushly::tool
