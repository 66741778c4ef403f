#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "support/CTempDirectory.h"
#include "support/RealData.h"
#include "support/SmallKanjiDatabase.h"
#include "writingeval/SampleSets.h"
#include "writingeval/StrokeSources.h"

namespace brushly::writingeval {
namespace {

using testing::CTempDirectory;

// A straight stroke in the draw-box frame.
struct CLine {
    CPointF from;
    CPointF to;
};

std::string Number(double value) {
    return std::to_string(value);
}

// A KanjiVG document whose paths trace the lines (view box coordinates: the frame mapping of
// KanjiVgStrokes.h undone).
std::string KanjiVgSvg(const std::vector<CLine>& lines) {
    const auto x = [](double frameX) { return Number((frameX - 11.0) * 109.0 / 168.0); };
    const auto y = [](double frameY) { return Number(frameY * 109.0 / 168.0); };
    std::string svg =
        R"(<svg xmlns="http://www.w3.org/2000/svg" xmlns:kvg="http://kanjivg.tagaini.net"><g>)";
    for (const CLine& line : lines) {
        svg += "<path d=\"M" + x(line.from.x) + "," + y(line.from.y) + " L" + x(line.to.x) + "," +
               y(line.to.y) + "\"/>";
    }
    return svg + "</g></svg>";
}

// A hanzi-writer-data document whose medians trace the lines (FromHanziFrame undone).
std::string HanziJson(const std::vector<CLine>& lines) {
    const auto point = [](CPointF frame) {
        return "[" + Number((frame.x - 11.0) * 1024.0 / 168.0) + ", " +
               Number(900.0 - frame.y * 1024.0 / 168.0) + "]";
    };
    std::string json = R"({"strokes": [], "medians": [)";
    for (std::size_t i = 0; i < lines.size(); ++i)
        json += (i > 0 ? ", [" : "[") + point(lines[i].from) + ", " + point(lines[i].to) + "]";
    return json + "]}";
}

// A fixture kanji: its database strokes trace lines, its KanjiVG file the same lines, its
// hanzi file the lines of hanzi (none when empty).
void AddKanji(CKanjiLibrary& library, const CTempDirectory& kanjiVg, const CTempDirectory& hanzi,
              const std::string& utf8, int grade, const std::vector<CLine>& lines,
              const std::vector<CLine>& medians) {
    auto kanji = std::make_unique<CKanjiData>();
    kanji->character = sjis::FromUtf8(utf8);
    kanji->grade = grade;
    for (const CLine& line : lines) {
        kanji->strokes.segments.push_back(testing::Segment(
            static_cast<int>(std::lround(line.from.x)), static_cast<int>(std::lround(line.from.y)),
            static_cast<int>(std::lround(line.to.x)), static_cast<int>(std::lround(line.to.y)), 1,
            1));
    }
    const std::u16string utf16 = sjis::ToUtf16(kanji->character);
    kanjiVg.Write(kanjidb::KanjiVgFileName(utf16[0]), KanjiVgSvg(lines));
    if (!medians.empty()) hanzi.Write(utf8 + ".json", HanziJson(medians));
    library.AddKanji(static_cast<int>(lines.size()), std::move(kanji));
}

TEST(DevelopmentSet, KeepsOnlyNonJouyouKanjiWhoseMediansComeInTheDatabaseOrder) {
    const CTempDirectory kanjiVg;
    const CTempDirectory hanzi;
    CKanjiLibrary library;
    const std::vector<CLine> two{{{40, 60}, {160, 60}}, {{10, 150}, {190, 150}}};
    const std::vector<CLine> three{
        {{50, 30}, {140, 30}}, {{60, 90}, {130, 90}}, {{20, 150}, {170, 150}}};
    const std::vector<CLine> threeBottomFirst{three[2], three[0], three[1]};
    const std::vector<CLine> cross{{{20, 80}, {170, 80}}, {{95, 10}, {95, 160}}};
    const std::vector<CLine> river{
        {{50, 20}, {40, 150}}, {{95, 30}, {95, 130}}, {{140, 10}, {140, 160}}};
    AddKanji(library, kanjiVg, hanzi, "二", 0, two, two);
    AddKanji(library, kanjiVg, hanzi, "三", 0, three, threeBottomFirst);
    AddKanji(library, kanjiVg, hanzi, "十", 1, cross, cross);
    AddKanji(library, kanjiVg, hanzi, "川", 0, river, {river[0], river[1]});
    AddKanji(library, kanjiVg, hanzi, "山", 0, three, {});
    hanzi.Write("山.json", "{\"medians\": [[[0, 0]], 7]}");

    const std::vector<CSample> samples = DevelopmentSamples(library, kanjiVg.Path(), hanzi.Path());
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].name, "二");
    EXPECT_EQ(samples[0].kanji.record->character, sjis::FromUtf8("二"));
    ASSERT_EQ(samples[0].paths.size(), 2u);
    // The fixture's numbers carry six decimals.
    EXPECT_NEAR(samples[0].paths[1].front().x, 10.0, 1e-6);
    EXPECT_NEAR(samples[0].paths[1].back().y, 150.0, 1e-6);

    // The same medians in order are accepted; the jouyou kanji only fails for its grade.
    const auto paths = [](const std::vector<CLine>& lines) {
        CPaths result;
        for (const CLine& line : lines)
            result.push_back({line.from, line.to});
        return result;
    };
    EXPECT_TRUE(InKanjiVgOrder(paths(three), paths(three)));
    EXPECT_FALSE(InKanjiVgOrder(paths(threeBottomFirst), paths(three)));
    EXPECT_TRUE(InKanjiVgOrder(paths(cross), paths(cross)));
    EXPECT_FALSE(InKanjiVgOrder(paths(two), paths(three)));
}

TEST(SampleSets, KanjiVgAndKanaSamplesOfASmallDatabase) {
    const auto library = testing::MakeSmallKanjiLibrary();
    const CTempDirectory kanjiVg;
    kanjiVg.Write("04e00.svg", KanjiVgSvg({{{20, 84}, {170, 84}}}));
    const std::vector<CSample> samples = KanjiVgSamples(JouyouKanji(*library), kanjiVg.Path());
    ASSERT_EQ(samples.size(), 1u);  // 二 has no file
    EXPECT_EQ(samples[0].name, "一");
    EXPECT_EQ(samples[0].kanji.group, 1);
    EXPECT_EQ(AllKanji(*library).size(), 2u);

    const std::vector<CSample> kana = KanaSamples(*library);
    ASSERT_EQ(kana.size(), 1u);
    EXPECT_EQ(kana[0].name, "こ");
    ASSERT_EQ(kana[0].paths.size(), 2u);
    EXPECT_EQ(kana[0].paths[1].front(), (CPointF{50.0, 140.0}));
    EXPECT_EQ(kana[0].paths[1].back(), (CPointF{150.0, 140.0}));
}

TEST(SampleSets, RealSetsLoad) {
    const std::filesystem::path database = testing::RealDataDirectory() / "MasterDB.kdb";
    BRUSHLY_REQUIRE_REAL_DATA(std::filesystem::exists(database) &&
                                  std::filesystem::is_directory(KanjiVgDirectory()) &&
                                  std::filesystem::is_directory(HanziDirectory()),
                              "generated kanji data, KanjiVG or hanzi-writer-data");
    CKanjiLibrary library;
    CScriptedPrompter prompter;
    ASSERT_TRUE(library.Load(database.string(), prompter));
    const std::vector<CKanjiRef> jouyou = JouyouKanji(library);
    EXPECT_EQ(jouyou.size(), 2136u);
    EXPECT_EQ(KanjiVgSamples(jouyou, KanjiVgDirectory()).size(), jouyou.size());
    const std::vector<CSample> development =
        DevelopmentSamples(library, KanjiVgDirectory(), HanziDirectory());
    EXPECT_GT(development.size(), 100u);
    for (const CSample& sample : development)
        EXPECT_FALSE(sample.kanji.record->grade >= 1 && sample.kanji.record->grade <= 8);
    EXPECT_EQ(KanaSamples(library).size(), 208u);
}

}  // namespace
}  // namespace brushly::writingeval
