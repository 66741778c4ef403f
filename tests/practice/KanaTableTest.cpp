#include "practice/KanaTable.h"

#include <gtest/gtest.h>

#include "document/CBrushlyOptions.h"
#include "practice/KanaDemonstration.h"
#include "practice/KanaSets.h"

namespace brushly {
namespace {

KanaCell Cell(int right, int wrong) {
    CKanaStats stats;
    stats.kana = "\x82\xa9";  // か
    stats.romaji = "ka";
    stats.rightCount = right;
    stats.wrongCount = wrong;
    const CKanaFlashOptions defaults;
    return KanaTableCell(stats, defaults.lowerRange, defaults.upperRange);
}

TEST(KanaTableTest, BandsFollowTheDefaultLevels) {
    const KanaCell green = Cell(3, 1);
    EXPECT_EQ(green.band, kKanaBandGreen);
    EXPECT_EQ(green.percent, "75 %");
    EXPECT_EQ(green.counts, "(3/4)");
    EXPECT_EQ(green.romaji, "ka");
    EXPECT_EQ(Cell(2, 2).band, kKanaBandYellow);
    EXPECT_EQ(Cell(1, 2).band, kKanaBandRed);
    const KanaCell never = Cell(0, 0);
    EXPECT_EQ(never.band, kKanaBandNone);
    EXPECT_EQ(never.percent, "-- %");
    EXPECT_EQ(never.counts, "(0/0)");
    EXPECT_EQ(Cell(0, 3).band, kKanaBandRed);
}

TEST(KanaTableTest, SetsHoldTheirRowsOfTheTable) {
    EXPECT_EQ(KanaSetPositions(KanaSet::kAll).size(), 104u);
    const std::vector<int> gojuu = KanaSetPositions(KanaSet::kGojuuOn);
    ASSERT_EQ(gojuu.size(), 46u);
    EXPECT_EQ(gojuu.back(), 45);  // n
    const std::vector<int> voiced = KanaSetPositions(KanaSet::kGojuuOnVoiced);
    ASSERT_EQ(voiced.size(), 71u);
    EXPECT_FALSE(IsCombinedKanaPosition(voiced.back()));
    EXPECT_TRUE(IsCombinedKanaPosition(71));
}

TEST(KanaTableTest, DemonstrationStrokesAreStraightChainsInThePrimaryForm) {
    CHiraganaData kana;
    kana.strokes.resize(2);
    const auto point = [](int x, int y) {
        CKanaPoint p;
        p.x = x;
        p.y = y;
        return p;
    };
    for (auto [x, y] : {std::pair{10, 10}, {10, 10}, {20, 10}, {230, 40}})
        kana.strokes[0].points.push_back(point(x, y));
    kana.strokes[1].points.push_back(point(50, 60));
    const CKanjiStrokes strokes = KanaDemonstrationStrokes(kana);
    ASSERT_EQ(strokes.Size(), 3u);
    EXPECT_EQ(strokes.StrokeCount(), 2);
    EXPECT_EQ(strokes[0].newStroke, 1);
    EXPECT_EQ(strokes[1].newStroke, 0);
    EXPECT_EQ(strokes[1].end, (CPoint{30, 40}));
    EXPECT_EQ(strokes[2].start, strokes[2].end);
    EXPECT_EQ(strokes[2].newStroke, 1);
}

}  // namespace
}  // namespace brushly
