#include "kanjidb/KanaRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>

#include "support/CTempDirectory.h"
#include "support/KanaTestFolder.h"

namespace brushly::kanjidb {
namespace {

using testing::CTempDirectory;
using testing::WriteKanaFolder;

TEST(KanaTable, OrderAndKeys) {
    ASSERT_EQ(kKanaTable.size(), 104u);
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < kKanaTable.size(); ++i) {
        keys.insert(kKanaTable[i].romaji);
        EXPECT_EQ(kKanaTable[i].small != 0, i >= kSingleKanaCount) << i;
    }
    EXPECT_EQ(keys.size(), 104u);
    const std::vector<std::pair<std::size_t, std::string_view>> landmarks{
        {0, "a"},       {4, "o"},       {11, "shi"}, {16, "chi"}, {17, "tsu"},
        {27, "fu"},     {44, "wo"},     {45, "n"},   {46, "ga"},  {52, "ji"},
        {57, "ji(di)"}, {58, "zu(du)"}, {65, "bo"},  {66, "pa"},  {70, "po"},
        {71, "kya"},    {79, "cho"},    {95, "ja"},  {103, "pyo"}};
    for (const auto& [position, romaji] : landmarks) {
        EXPECT_EQ(kKanaTable[position].romaji, romaji) << position;
    }
    EXPECT_EQ(kKanaTable[57].kana, U'ぢ');
    EXPECT_EQ(kKanaTable[95].kana, U'じ');
    EXPECT_EQ(kKanaTable[95].small, U'ゃ');
    EXPECT_EQ(kKanaTable[103].kana, U'ぴ');
    EXPECT_EQ(kKanaTable[103].small, U'ょ');
}

TEST(KanaStrokes, PolylinesOfNearbyIntegerPointsWithExactEnds) {
    CVgStroke line;
    line.points = {{20.4, 10.6}, {100.2, 10.6}, {100.2, 90.5}};
    CVgStroke loop;
    loop.points = {{50, 50}, {70, 50}, {70, 70}, {50, 70}, {50, 50}};
    const std::vector<CObArray> strokes = KanaStrokes({line, loop});
    ASSERT_EQ(strokes.size(), 2u);
    const std::vector<CKanaPoint>& points = strokes[0].points;
    ASSERT_GT(points.size(), 30u);
    EXPECT_EQ(points.front().x, 20);
    EXPECT_EQ(points.front().y, 11);
    EXPECT_EQ(points.back().x, 100);
    EXPECT_EQ(points.back().y, 91);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const double gap = std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
        EXPECT_GT(gap, 0.0);
        EXPECT_LE(gap, kKanaPointStep + 1.5);
    }
    // A closed loop stays closed, which the kana box reads as a mirrorable loop.
    EXPECT_EQ(strokes[1].points.front().x, strokes[1].points.back().x);
    EXPECT_EQ(strokes[1].points.front().y, strokes[1].points.back().y);
}

TEST(KanaStrokes, PointsStayInsideTheCharacterSquare) {
    CVgStroke stroke;
    stroke.points = {{5, -3}, {185, 172}};
    const std::vector<CObArray> strokes = KanaStrokes({stroke});
    for (const CKanaPoint& p : strokes[0].points) {
        EXPECT_TRUE(p.x >= 11 && p.x <= 179 && p.y >= 0 && p.y <= 168) << p.x << "," << p.y;
    }
}

TEST(KanaStrokes, CombinedKanaPutsTheSmallKanaToTheRight) {
    CVgStroke big;
    big.points = {ToFrame({10, 10}), ToFrame({99, 99})};
    CVgStroke small;
    small.points = {ToFrame({26, 34}), ToFrame({86, 94})};
    const std::vector<CVgStroke> combined = CombinedKanaStrokes({big}, {small});
    ASSERT_EQ(combined.size(), 2u);
    // The big kana: squeezed to the left 62% of the square, its heights kept.
    EXPECT_NEAR(combined[0].points[0].x, 11 + 0.62 * 168 * 10 / 109, 1e-9);
    EXPECT_NEAR(combined[0].points[1].x, 11 + 0.62 * 168 * 99 / 109, 1e-9);
    EXPECT_EQ(combined[0].points[1].y, big.points[1].y);
    // The small kana: from 60% to 97% of the square, its bottom where it was.
    EXPECT_NEAR(combined[1].points[0].x, 11 + 0.60 * 168, 1e-9);
    EXPECT_NEAR(combined[1].points[1].x, 11 + 0.97 * 168, 1e-9);
    EXPECT_NEAR(combined[1].points[1].y, small.points[1].y, 1e-9);
    const double scale = 0.37 * 168 / (small.points[1].x - small.points[0].x);
    EXPECT_NEAR(combined[1].points[1].y - combined[1].points[0].y,
                scale * (small.points[1].y - small.points[0].y), 1e-9);
}

TEST(KanaRecords, BuildsBothScriptsInTableOrder) {
    const CTempDirectory folder;
    WriteKanaFolder(folder);
    std::vector<std::unique_ptr<CHiraganaData>> hiragana;
    std::vector<std::unique_ptr<CKatakanaData>> katakana;
    BuildKanaRecords(folder.Path().string(), hiragana, katakana);
    ASSERT_EQ(hiragana.size(), 104u);
    ASSERT_EQ(katakana.size(), 104u);
    for (std::size_t i = 0; i < 104; ++i) {
        EXPECT_EQ(hiragana[i]->romaji, kKanaTable[i].romaji);
        EXPECT_EQ(katakana[i]->romaji, kKanaTable[i].romaji);
        const std::size_t strokes = i < kSingleKanaCount ? 1 : 2;
        EXPECT_EQ(hiragana[i]->StrokeCount(), strokes);
        EXPECT_EQ(katakana[i]->StrokeCount(), strokes);
    }
    // Shift-JIS: hiragana lead byte 0x82, katakana 0x83; a combined kana is two characters.
    EXPECT_EQ(hiragana[0]->kana, "\x82\xA0");            // あ
    EXPECT_EQ(katakana[0]->kana, "\x83\x41");            // ア
    EXPECT_EQ(hiragana[57]->kana, "\x82\xC0");           // ぢ
    EXPECT_EQ(hiragana[71]->kana, "\x82\xAB\x82\xE1");   // きゃ
    EXPECT_EQ(katakana[103]->kana, "\x83\x73\x83\x87");  // ピョ
    // The kana's own stroke, at its place in the frame: x' = 11 + 168 x / 109.
    const CKanaPoint first = hiragana[0]->strokes[0].points.front();
    EXPECT_EQ(first.x, static_cast<int>(std::lround(11 + 168.0 * (0x3042 % 50) / 109)));
    EXPECT_EQ(first.y, static_cast<int>(std::lround(168.0 * 10 / 109)));
}

TEST(KanaRecords, MissingKanaFileThrows) {
    const CTempDirectory folder;
    std::vector<std::unique_ptr<CHiraganaData>> hiragana;
    std::vector<std::unique_ptr<CKatakanaData>> katakana;
    EXPECT_THROW(BuildKanaRecords(folder.Path().string(), hiragana, katakana), std::runtime_error);
}

}  // namespace
}  // namespace brushly::kanjidb
