#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "CJsonReader.h"
#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "handwriting/CKanaDrawBox.h"
#include "handwriting/KanaComparison.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/SmallKanjiDatabase.h"
#include "support/WritingHarness.h"

namespace brushly::tool {
namespace {

// The small database: 一 is one stroke (10,100)-(190,100); 二 is (40,60)-(160,60) then
// (10,150)-(190,150).
constexpr std::string_view kOneWritten =
    R"({"strokes": [[[20,100],[60,100],[100,100],[140,100],[180,100]]]})";
constexpr std::string_view kTwoWritten =
    R"({"strokes": [[[40,60],[80,60],[120,60],[160,60]], [[10,150],[70,150],[130,150],[190,150]]]})";

class StrokeCommands : public ::testing::Test {
protected:
    void SetUp() override {
        auto library = testing::MakeSmallKanjiLibrary();
        m_directory.Write("MasterDB.kdb", testing::KanjiLibraryBytes(*library));
    }

    // Runs the command on strokes written to a file named strokes.json.
    int Run(const CToolCommand& command, std::string_view strokes,
            std::vector<std::string> arguments = {}) {
        m_directory.Write("strokes.json", std::string(strokes));
        arguments.insert(arguments.begin(), std::string(command.name));
        arguments.insert(arguments.end(), {"--strokes", m_directory.File("strokes.json"), "--data",
                                           m_directory.Path().string()});
        std::ostringstream out, err;
        const int status = RunTool(std::span(&command, 1), arguments, out, err);
        m_out = out.str();
        m_err = err.str();
        return status;
    }

    // The error message of a bad stroke file, after the file's name.
    std::string FileError(std::string_view strokes) {
        EXPECT_EQ(Run(kWriteCommand, strokes, {"一"}), 2) << strokes;
        EXPECT_EQ(m_out, "");
        const std::string prefix = "brushly-tool write: " + m_directory.File("strokes.json") + ": ";
        EXPECT_EQ(m_err.rfind(prefix, 0), 0u) << m_err;
        return m_err.substr(std::min(prefix.size(), m_err.size()));
    }

    testing::CTempDirectory m_directory;
    std::string m_out, m_err;
};

TEST_F(StrokeCommands, SyntaxErrorsNameThePlace) {
    EXPECT_EQ(FileError(R"({"strokes": [[[1,2],[3)"),
              "byte 22 (line 1, column 23): invalid JSON: syntax error while parsing array - "
              "unexpected end of input; expected ']'\n");
    EXPECT_EQ(FileError("{\"strokes\": []}\n x"),
              "byte 17 (line 2, column 2): invalid JSON: syntax error while parsing value - "
              "invalid literal; expected end of input\n");
    EXPECT_EQ(FileError(R"({"strokes": [], "strokes": []})"),
              "byte 16 (line 1, column 17): invalid JSON: duplicate member name \"strokes\"\n");
    EXPECT_EQ(FileError(R"({"strokes": [[[01,2]]]})"),
              "byte 16 (line 1, column 17): invalid JSON: syntax error while parsing array - "
              "unexpected number literal; expected ']'\n");
    EXPECT_EQ(FileError(""),
              "byte 0 (line 1, column 1): invalid JSON: syntax error while parsing value - "
              "unexpected end of input; expected '[', '{', or a literal\n");
}

TEST_F(StrokeCommands, ShapeErrorsNameTheValue) {
    EXPECT_EQ(FileError(R"({"strokes": [[1,2]]})"),
              "byte 14 (line 1, column 15): strokes[0][0]: expected a point [x, y], found a "
              "number\n");
    EXPECT_EQ(FileError(R"({"strokes": [[[1,2.5]]]})"),
              "byte 17 (line 1, column 18): strokes[0][0][1]: coordinate 2.5 is not a whole "
              "number\n");
    EXPECT_EQ(FileError(R"({"strokes": [[[1,2,3]]]})"),
              "byte 14 (line 1, column 15): strokes[0][0]: a point has two coordinates, not 3\n");
    EXPECT_EQ(FileError(R"({"strokes": [[]]})"),
              "byte 13 (line 1, column 14): strokes[0]: a stroke needs at least one point\n");
    EXPECT_EQ(FileError(R"([{"strokes": []}, {"stroke": []}])"),
              "byte 29 (line 1, column 30): [1]: unknown member \"stroke\" (expected \"strokes\" "
              "and optionally \"char\")\n");
    EXPECT_EQ(FileError(R"([{"strokes": [], "char": 1}])"),
              "byte 25 (line 1, column 26): [0].char: expected a string, found a number\n");
    EXPECT_EQ(FileError("3"),
              "byte 0 (line 1, column 1): expected an object with \"strokes\" or "
              "an array of such objects, found a number\n");
    // Whole numbers written with a fraction or an exponent are whole all the same.
    EXPECT_EQ(Run(kWriteCommand, R"({"strokes": [[[20,100.0],[1.8e2,100]]]})", {"一"}), 0) << m_err;
}

TEST_F(StrokeCommands, AFileThatCannotBeReadFailsWithStatusTwo) {
    const std::string missing = m_directory.File("missing.json");
    std::ostringstream out, err;
    EXPECT_EQ(RunTool(std::span(&kWriteCommand, 1),
                      {"write", "一", "--strokes", missing, "--data", m_directory.Path().string()},
                      out, err),
              2);
    EXPECT_EQ(err.str(), "brushly-tool write: " + missing + ": cannot open the file\n");
}

TEST_F(StrokeCommands, TheReaderChecksStringsNumbersAndDepth) {
    const CJsonValue value = CJsonReader::Parse(R"(["a\u00e9\ud83d\ude00\n", -1.5e1, true, null])");
    ASSERT_EQ(value.items.size(), 4u);
    EXPECT_EQ(value.items[0].text, "a\xc3\xa9\xf0\x9f\x98\x80\n");
    EXPECT_EQ(value.items[1].number, -15.0);
    EXPECT_TRUE(value.items[2].boolean);
    EXPECT_EQ(value.items[3].kind, CJsonValue::Kind::kNull);
    EXPECT_EQ(value.items[3].offset, 40u);

    const auto errorOf = [](std::string_view text) {
        try {
            CJsonReader::Parse(text);
        } catch (const CJsonError& error) {
            return std::to_string(error.Offset()) + " " + error.what();
        }
        return std::string("parsed");
    };
    const std::string syntax = "syntax error while parsing value - ";
    EXPECT_EQ(errorOf(R"("\ud83d")"),
              "7 " + syntax +
                  "invalid string: surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF");
    EXPECT_EQ(errorOf("\"a\tb\""), "2 " + syntax +
                                       "invalid string: control character U+0009 (HT) must be "
                                       "escaped to \\u0009 or \\t");
    EXPECT_EQ(errorOf("\"\xc3\x28\""), "2 " + syntax + "invalid string: ill-formed UTF-8 byte");
    EXPECT_EQ(errorOf("\"\xc0\xaf\""), "1 " + syntax + "invalid string: ill-formed UTF-8 byte");
    EXPECT_EQ(errorOf("[1,]"), "3 " + syntax + "unexpected ']'; expected '[', '{', or a literal");
    EXPECT_EQ(errorOf("tru"), "3 " + syntax + "invalid literal");
    EXPECT_EQ(errorOf("1e999"), "4 number overflow parsing '1e999'");
    EXPECT_EQ(errorOf(std::string(64, '[') + std::string(64, ']')), "parsed");
    EXPECT_EQ(errorOf(std::string(65, '[') + std::string(65, ']')),
              "64 nesting deeper than 64 levels");
}

TEST_F(StrokeCommands, TheReaderPlacesEveryValueAfterEscapesAndAtTheEnd) {
    const CJsonValue object =
        CJsonReader::Parse(R"({"a\"b": "x\\\"\\", "n": -1.5e3, "t": [true, false, null]})");
    ASSERT_EQ(object.keys, (std::vector<std::string>{"a\"b", "n", "t"}));
    EXPECT_EQ(object.items[0].text, "x\\\"\\");
    EXPECT_EQ(object.items[0].offset, 9u);
    EXPECT_EQ(object.items[1].offset, 25u);
    EXPECT_EQ(object.items[1].text, "-1.5e3");
    const CJsonValue& array = object.items[2];
    EXPECT_EQ(array.offset, 38u);
    ASSERT_EQ(array.items.size(), 3u);
    EXPECT_EQ(array.items[0].offset, 39u);
    EXPECT_EQ(array.items[1].offset, 45u);
    EXPECT_EQ(array.items[2].offset, 52u);

    // A number that ends the document, and one before white space.
    EXPECT_EQ(CJsonReader::Parse("  12").offset, 2u);
    EXPECT_EQ(CJsonReader::Parse("  12").text, "12");
    EXPECT_EQ(CJsonReader::Parse("-0.5 \n").text, "-0.5");
    try {
        CJsonReader::Parse(R"({"a\"": 1, "a\"": 2})");
        FAIL() << "parsed";
    } catch (const CJsonError& error) {
        EXPECT_EQ(error.Offset(), 11u);
    }
}

TEST_F(StrokeCommands, WriteJudgesEachStroke) {
    ASSERT_EQ(Run(kWriteCommand, kOneWritten, {"一"}), 0) << m_err;
    EXPECT_EQ(m_out, "Caption: Kanji is CORRECT\nStroke 1: correct\n");

    // A vertical stroke in the corner matches nothing.
    ASSERT_EQ(Run(kWriteCommand, R"({"strokes": [[[20,10],[20,40],[20,70]]]})", {"一"}), 0);
    EXPECT_EQ(m_out, "Caption: Incorrect Stroke(s)\nStroke 1: incorrect\n");

    ASSERT_EQ(Run(kWriteCommand, kTwoWritten, {"二"}), 0) << m_err;
    EXPECT_EQ(m_out, "Caption: Kanji is CORRECT\nStroke 1: correct\nStroke 2: correct\n");
}

TEST_F(StrokeCommands, WriteReportsStrokesOutOfOrderUnlessOrderIsOff) {
    const std::string_view reversed =
        R"({"strokes": [[[10,150],[70,150],[130,150],[190,150]], [[40,60],[80,60],[120,60],[160,60]]]})";
    ASSERT_EQ(Run(kWriteCommand, reversed, {"二"}), 0) << m_err;
    // The rejected stroke is gone by the second check, which finds the first stroke alone.
    EXPECT_EQ(m_out, "Caption: Correct (so far)\nStroke 1: out of order\nStroke 2: correct\n");
    ASSERT_EQ(Run(kWriteCommand, reversed, {"二", "--order", "off"}), 0) << m_err;
    EXPECT_EQ(m_out, "Caption: Kanji is CORRECT\nStroke 1: correct\nStroke 2: correct\n");
}

TEST_F(StrokeCommands, WriteChecksKanaInTheKanaBox) {
    // こ of the small database: (50,60)-(150,60), then (50,140)-(150,140).
    const std::string_view ko =
        R"({"strokes": [[[50,60],[75,60],[100,60],[125,60],[150,60]],
                        [[50,140],[75,140],[100,140],[125,140],[150,140]]]})";
    ASSERT_EQ(Run(kWriteCommand, ko, {"こ"}), 0) << m_err;
    EXPECT_EQ(m_out, "Caption: Hiragana is CORRECT\nStroke 1: correct\nStroke 2: correct\n");

    const std::string_view reversed =
        R"({"strokes": [[[50,140],[75,140],[100,140],[125,140],[150,140]],
                        [[20,10],[20,30],[20,50],[20,70],[20,90]]]})";
    ASSERT_EQ(Run(kWriteCommand, reversed, {"こ"}), 0) << m_err;
    EXPECT_EQ(m_out, "Caption: Incorrect Stroke(s)\nStroke 1: out of order\nStroke 2: incorrect\n");
}

TEST_F(StrokeCommands, WriteBatchPrintsOneLinePerObjectInOrder) {
    const std::string_view batch = R"([
        {"char": "二", "strokes": [[[20,10],[20,40],[20,70]]]},
        {"strokes": [[[20,100],[100,100],[180,100]]]},
        {"char": "二", "strokes": [[[40,60],[100,60],[160,60]], [[400,150],[500,150]]]},
        {"char": "一", "strokes": []}
    ])";
    ASSERT_EQ(Run(kWriteCommand, batch, {"一"}), 0) << m_err;
    EXPECT_EQ(m_out,
              "二\tIncorrect Stroke(s)\tincorrect\n"
              "一\tKanji is CORRECT\tcorrect\n"
              "二\tCorrect (so far)\tcorrect; outside the box\n"
              "一\t(none)\t(no strokes)\n");
}

TEST_F(StrokeCommands, WriteNeedsAKnownCharacter) {
    EXPECT_EQ(Run(kWriteCommand, kOneWritten), 2);
    EXPECT_NE(m_err.find("the object has no \"char\" and no CHAR argument was given"),
              std::string::npos)
        << m_err;
    EXPECT_EQ(Run(kWriteCommand, R"([{"char": "一", "strokes": []}, {"strokes": []}])"), 2);
    EXPECT_NE(m_err.find("object 1 has no \"char\""), std::string::npos) << m_err;
    EXPECT_EQ(m_out, "");

    EXPECT_EQ(Run(kWriteCommand, kOneWritten, {"食"}), 1);
    EXPECT_EQ(m_err, "brushly-tool write: '食' is not a kanji or kana of the database\n");
    // A batch goes on past an unknown character and keeps its lines in step.
    EXPECT_EQ(Run(kWriteCommand, R"([{"char": "食", "strokes": []}, {"strokes": []}])", {"一"}), 1);
    EXPECT_EQ(m_out, "食\t(not in the database)\n一\t(none)\t(no strokes)\n");
}

TEST_F(StrokeCommands, WriteValidatesItsOptions) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--type-mode", "3"}, "--type-mode must be a whole number from 0 to 2, not '3'"},
        {{"--tolerance", "0"}, "--tolerance must be a whole number from 1 to 1000, not '0'"},
        {{"--tolerance", "12px"}, "--tolerance must be a whole number from 1 to 1000"},
        {{"--order", "yes"}, "--order must be on or off, not 'yes'"},
        {{"--autocorrect", "1"}, "--autocorrect must be on or off, not '1'"},
        {{"二"}, "at most one CHAR expected"}};
    for (const auto& [options, message] : cases) {
        std::vector<std::string> arguments{"一"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        EXPECT_EQ(Run(kWriteCommand, kOneWritten, arguments), 2) << message;
        EXPECT_NE(m_err.find(message), std::string::npos) << m_err;
        EXPECT_NE(m_err.find("Usage: brushly-tool write"), std::string::npos);
    }
}

TEST_F(StrokeCommands, SearchPutsTheWrittenCharacterFirst) {
    ASSERT_EQ(Run(kSearchStrokesCommand, kOneWritten), 0) << m_err;
    EXPECT_EQ(m_out.rfind("一 ", 0), 0u) << m_out;
    EXPECT_EQ(m_out.back(), '\n');

    ASSERT_EQ(Run(kSearchStrokesCommand, kTwoWritten, {"--max", "1"}), 0) << m_err;
    EXPECT_EQ(m_out.rfind("二 ", 0), 0u) << m_out;
    EXPECT_EQ(m_out.find('\n'), m_out.size() - 1) << m_out;

    EXPECT_EQ(Run(kSearchStrokesCommand, kOneWritten, {"--max", "0"}), 2);
    EXPECT_EQ(Run(kSearchStrokesCommand, "[1]"), 2);
    EXPECT_NE(m_err.find("[0]: expected an object with \"strokes\", found a number"),
              std::string::npos)
        << m_err;
}

TEST_F(StrokeCommands, SearchBatchPrintsOneLinePerObject) {
    const std::string batch =
        "[" + std::string(kTwoWritten) + ", {\"strokes\": []}, " + std::string(kOneWritten) + "]";
    ASSERT_EQ(Run(kSearchStrokesCommand, batch), 0) << m_err;
    std::istringstream lines(m_out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line))
        all.push_back(line);
    ASSERT_EQ(all.size(), 3u) << m_out;
    EXPECT_EQ(all[0].rfind("二 ", 0), 0u) << all[0];
    EXPECT_EQ(all[1], "");
    EXPECT_EQ(all[2].rfind("一 ", 0), 0u) << all[2];
}

TEST_F(StrokeCommands, EachCommandPrintsHelp) {
    for (const CToolCommand* command : {&kWriteCommand, &kSearchStrokesCommand}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunTool(std::span(command, 1), {std::string(command->name), "--help"}, out, err),
                  0);
        EXPECT_EQ(out.str(), command->usage);
    }
}

// One object of a stroke file.
std::string SampleJson(const std::string& character,
                       const std::vector<std::vector<CPoint>>& strokes) {
    std::string json = "{\"char\": \"" + character + "\", \"strokes\": [";
    for (std::size_t stroke = 0; stroke < strokes.size(); ++stroke) {
        json += stroke > 0 ? ", [" : "[";
        for (std::size_t i = 0; i < strokes[stroke].size(); ++i) {
            json += (i > 0 ? ", [" : "[") + std::to_string(strokes[stroke][i].x) + ", " +
                    std::to_string(strokes[stroke][i].y) + "]";
        }
        json += "]";
    }
    return json + "]}";
}

// The lines a command prints for a batch file.
std::vector<std::string> RunBatch(const CToolCommand& command, const std::string& batch,
                                  std::vector<std::string> options = {}) {
    testing::CTempDirectory directory;
    directory.Write("set.json", batch);
    std::ostringstream out, err;
    std::vector<std::string> arguments{std::string(command.name), "--strokes",
                                       directory.File("set.json")};
    arguments.insert(arguments.end(), options.begin(), options.end());
    EXPECT_EQ(RunTool(std::span(&command, 1), arguments, out, err), 0) << err.str();
    std::istringstream text(out.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

// The generated database and KanjiVG, read through the commands' own default data folder.
// Skips without them, except in CI.
class StrokeCommandsRealData : public ::testing::Test {
protected:
    void SetUp() override {
        std::ostringstream notices;
        CStreamPrompter prompter(notices);
        const std::string directory = DataDirectory(CCommandLine({}, {}));
        if (std::filesystem::exists(std::filesystem::path(directory) / "MasterDB.kdb") &&
            std::filesystem::is_directory(testing::KanjiVgDirectory())) {
            m_library = LoadKanjiLibrary(directory, prompter);
        }
        if (m_library) return;
        const char* ci = std::getenv("CI");
        if (ci && std::string(ci) == "true") FAIL() << "no generated kanji data in CI";
        GTEST_SKIP() << "no generated kanji database or KanjiVG folder";
    }

    std::unique_ptr<CKanjiLibrary> m_library;
};

TEST_F(StrokeCommandsRealData, KanjiWrittenAlongTheirPathsAreCorrectAndFoundFirst) {
    const std::vector<std::string> kanji{"食", "右", "国", "水", "書"};
    std::string batch;
    for (const std::string& character : kanji) {
        const auto paths =
            testing::ReadKanjiVgCharacter(testing::KanjiVgDirectory(), sjis::FromUtf8(character));
        ASSERT_TRUE(paths) << character;
        batch +=
            (batch.empty() ? "[" : ",\n") + SampleJson(character, testing::WriteAlongPaths(*paths));
    }
    batch += "]";

    // Stroke types as the Draw View checks them by default: similar.
    const std::vector<std::string> checked = RunBatch(kWriteCommand, batch, {"--type-mode", "1"});
    const std::vector<std::string> found = RunBatch(kSearchStrokesCommand, batch);
    ASSERT_EQ(checked.size(), kanji.size());
    ASSERT_EQ(found.size(), kanji.size());
    for (std::size_t i = 0; i < kanji.size(); ++i) {
        EXPECT_EQ(checked[i].rfind(kanji[i] + "\tKanji is CORRECT\tcorrect", 0), 0u) << checked[i];
        EXPECT_EQ(checked[i].find("incorrect"), std::string::npos) << checked[i];
        EXPECT_EQ(checked[i].find("out of order"), std::string::npos) << checked[i];
        EXPECT_EQ(found[i].rfind(kanji[i] + " ", 0), 0u) << found[i];
    }
}

TEST_F(StrokeCommandsRealData, KanaWrittenAlongTheirStrokesAreCorrect) {
    // Each reference stroke's primary form, with a pen position about every 3 px between its
    // points, as a mouse gives them.
    const auto written = [](const CKanaData& kana) {
        std::vector<std::vector<CPoint>> strokes;
        for (const CPolyline& reference : KanaReference(kana)) {
            const std::vector<CPoint> form = PrimaryForm(reference);
            std::vector<CPoint> points{form.front()};
            for (std::size_t i = 1; i < form.size(); ++i) {
                const CPoint from = form[i - 1];
                const CPoint to = form[i];
                const int steps =
                    std::max({1, std::abs(to.x - from.x) / 3, std::abs(to.y - from.y) / 3});
                for (int step = 1; step <= steps; ++step)
                    points.push_back({from.x + (to.x - from.x) * step / steps,
                                      from.y + (to.y - from.y) * step / steps});
            }
            strokes.push_back(points);
        }
        return strokes;
    };
    const CKanaData* a = m_library->FindHiraganaByKana(sjis::FromUtf8("あ"));
    const CKanaData* ki = m_library->FindKatakanaByKana(sjis::FromUtf8("キ"));
    ASSERT_TRUE(a && ki);
    const std::vector<std::string> lines =
        RunBatch(kWriteCommand,
                 "[" + SampleJson("あ", written(*a)) + ", " + SampleJson("キ", written(*ki)) + "]");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "あ\tHiragana is CORRECT\tcorrect; correct; correct");
    EXPECT_EQ(lines[1], "キ\tKatakana is CORRECT\tcorrect; correct; correct");
}

}  // namespace
}  // namespace brushly::tool
