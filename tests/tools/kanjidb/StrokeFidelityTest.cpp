#include "kanjidb/StrokeFidelity.h"

#include <gtest/gtest.h>

#include "reference/StrokeType.h"

namespace brushly::kanjidb {
namespace {

// Points every 2 px along the straight lines through the corners.
std::vector<CPoint> Path(const std::vector<CPoint>& corners) {
    std::vector<CPoint> path{corners.front()};
    for (std::size_t i = 1; i < corners.size(); ++i) {
        const CPoint a = corners[i - 1];
        const CPoint b = corners[i];
        const int steps = static_cast<int>(Distance(a, b) / 2.0) + 1;
        for (int k = 1; k <= steps; ++k)
            path.push_back({a.x + (b.x - a.x) * k / steps, a.y + (b.y - a.y) * k / steps});
    }
    return path;
}

TEST(StrokeFidelity, SegmentsAlongThePathStayOnIt) {
    const auto path = Path({{20, 20}, {20, 120}, {100, 120}});
    EXPECT_DOUBLE_EQ(DistanceFromPath(path, {{{20, 20}, {20, 120}, kLHookBegin},
                                             {{20, 120}, {100, 120}, kLNoHookEnd}}),
                     0.0);
    // One straight segment from start to end cuts the corner.
    EXPECT_NEAR(DistanceFromPath(path, {{{20, 20}, {100, 120}, kStraightNoArrow}}), 62.5, 0.1);
    EXPECT_EQ(DistanceFromPath(path, {}), 0.0);
    EXPECT_EQ(DistanceFromPath({}, {{{20, 20}, {100, 120}, kStraightNoArrow}}), 0.0);
}

TEST(StrokeFidelity, CurvesAndHooksFollowThePathAsDrawn) {
    const auto path = Path({{20, 20}, {20, 120}, {100, 120}});
    EXPECT_EQ(DistanceFromPath(path, {{{20, 20}, {100, 120}, kExtraSharpCurve}}), 0.0);
    const auto flick = Path({{50, 20}, {50, 120}, {90, 90}});
    EXPECT_EQ(DistanceFromPath(
                  flick, {{{50, 20}, {50, 120}, kStraightNoArrow}, {{50, 120}, {60, 112}, kHook}}),
              0.0);
}

TEST(StrokeFidelity, TheLShapeWithHookCountsItsHook) {
    // 100 px high: the hook rises 32 px at the foot's end.
    const std::vector<CTypedSegment> l{{{20, 20}, {20, 120}, kLHookBegin},
                                       {{20, 120}, {100, 120}, kLHookEnd}};
    EXPECT_NEAR(DistanceFromPath(Path({{20, 20}, {20, 120}, {100, 120}, {100, 90}}), l), 0.0, 0.1);
    EXPECT_NEAR(DistanceFromPath(Path({{20, 20}, {20, 120}, {100, 120}, {100, 70}}), l), 18.0, 0.1);
    const std::vector<CTypedSegment> plain{l[0], {l[1].start, l[1].end, kLNoHookEnd}};
    EXPECT_NEAR(DistanceFromPath(Path({{20, 20}, {20, 120}, {100, 120}, {100, 90}}), plain), 30.0,
                0.1);
}

}  // namespace
}  // namespace brushly::kanjidb
