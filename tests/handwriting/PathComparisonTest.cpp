// The drawn path held against a database stroke's shape, where the recogniser cut the stroke
// into other pieces than the database.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "handwriting/CStrokeRecogniser.h"
#include "handwriting/PathComparison.h"

namespace brushly {
namespace {

CStrokeData Segment(CPoint start, CPoint end, int type, int newStroke) {
    CStrokeData segment;
    segment.start = start;
    segment.end = end;
    segment.type = type;
    segment.newStroke = newStroke;
    return segment;
}

// ㇕: across to the right, then down.
CKanjiStrokes AcrossAndDown() {
    CKanjiStrokes strokes;
    strokes.Append(Segment({60, 60}, {140, 60}, kStraightHalfRectOnly, 1));
    strokes.Append(Segment({140, 60}, {140, 140}, kStraightNoArrow, 0));
    return strokes;
}

CKanjiStrokes Single(CPoint start, CPoint end, int type) {
    CKanjiStrokes strokes;
    strokes.Append(Segment(start, end, type, 1));
    return strokes;
}

void AddLine(std::vector<CPoint>& path, double x0, double y0, double x1, double y1) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    const int steps = std::max(1, static_cast<int>(length / 3.0));
    for (int step = path.empty() ? 0 : 1; step <= steps; ++step) {
        const double t = static_cast<double>(step) / steps;
        path.push_back({static_cast<int>(std::lround(x0 + (x1 - x0) * t)),
                        static_cast<int>(std::lround(y0 + (y1 - y0) * t))});
    }
}

// Right from start to a corner rounded with the radius, then down to end, 3 px apart,
// everything moved by shift.
std::vector<CPoint> RoundedAcrossAndDown(CPoint start, CPoint corner, CPoint end, double radius,
                                         CPoint shift = {}) {
    std::vector<CPoint> path;
    AddLine(path, start.x, start.y, corner.x - radius, corner.y);
    const double cx = corner.x - radius;
    const double cy = corner.y + radius;
    for (int step = 1; step <= 8; ++step) {
        const double angle = -std::numbers::pi / 2 + step * std::numbers::pi / 16;
        path.push_back({static_cast<int>(std::lround(cx + radius * std::cos(angle))),
                        static_cast<int>(std::lround(cy + radius * std::sin(angle)))});
    }
    AddLine(path, corner.x, corner.y + radius, end.x, end.y);
    for (CPoint& p : path)
        p = {p.x + shift.x, p.y + shift.y};
    return path;
}

// A horizontal path from x0 to x1 at height y, bowed down by sag in its middle.
std::vector<CPoint> Bowed(int x0, int x1, int y, double sag) {
    std::vector<CPoint> path;
    for (int x = x0; x <= x1; x += 3) {
        const double t = static_cast<double>(x - x0) / (x1 - x0);
        path.push_back({x, y + static_cast<int>(std::lround(4.0 * sag * t * (1.0 - t)))});
    }
    return path;
}

TEST(PathComparison, ARoundedCornerFollowsTheStrokeTheRecogniserCutDifferently) {
    const CKanjiStrokes database = AcrossAndDown();
    const std::vector<CPoint> path = RoundedAcrossAndDown({60, 60}, {140, 60}, {140, 140}, 30);
    // The recogniser reads the rounded corner as one sweep from the start to the end.
    CKanjiStrokes user = Single({60, 60}, {140, 140}, kTeardrop);
    EXPECT_EQ(CompareStroke(user, 0, 1, database, 0, 2, kTypeModeSimilar, 40).result,
              CStrokeMatch::None);

    for (const int mode : {kTypeModeExact, kTypeModeSimilar, kTypeModeAny}) {
        const CStrokeComparison drawn =
            CompareDrawnStroke(user, 0, 1, path, database, 0, 2, mode, 40);
        EXPECT_EQ(drawn.result, CStrokeMatch::Full) << "mode " << mode;
        EXPECT_FALSE(drawn.aligned);
        EXPECT_EQ(drawn.segmentMap, std::vector<int>{0});
        // Start and end lie on the database's; the corner rounds 9 px inside its point.
        EXPECT_NEAR(drawn.averageDistance, 3.0, 1.5);
    }
    // Without its path the stroke stays unmatched.
    EXPECT_EQ(CompareDrawnStroke(user, 0, 1, {}, database, 0, 2, kTypeModeAny, 40).result,
              CStrokeMatch::None);
}

TEST(PathComparison, APathMustPassEveryCornerAndReachBothEnds) {
    const CKanjiStrokes database = AcrossAndDown();
    std::vector<CPoint> diagonal;
    AddLine(diagonal, 60, 60, 140, 140);
    EXPECT_FALSE(FollowPath(diagonal, 1, database, 0, 2, kTypeModeAny, 40));
    // Down first, then across: the same ends, the corner on the wrong side.
    std::vector<CPoint> downThenAcross;
    AddLine(downThenAcross, 60, 60, 60, 140);
    AddLine(downThenAcross, 60, 140, 140, 140);
    EXPECT_FALSE(FollowPath(downThenAcross, 2, database, 0, 2, kTypeModeAny, 40));
    // Right shape, but the end 45 px below the database's.
    const std::vector<CPoint> tooLong = RoundedAcrossAndDown({60, 60}, {140, 60}, {140, 185}, 10);
    EXPECT_FALSE(FollowPath(tooLong, 2, database, 0, 2, kTypeModeAny, 40));
    EXPECT_FALSE(FollowPath(std::vector<CPoint>{{60, 60}}, 1, database, 0, 2, kTypeModeAny, 40));
}

TEST(PathComparison, TheWritersPlacementIsLeftToTheThreshold) {
    const CKanjiStrokes database = AcrossAndDown();
    const std::vector<CPoint> path =
        RoundedAcrossAndDown({60, 60}, {140, 60}, {140, 140}, 10, {12, 10});
    const auto followed = FollowPath(path, 2, database, 0, 2, kTypeModeExact, 40);
    ASSERT_TRUE(followed);
    EXPECT_NEAR(followed->averageDistance, std::hypot(12, 10), 2.0);
    // Moved as far as the threshold, it no longer matches.
    const std::vector<CPoint> far =
        RoundedAcrossAndDown({60, 60}, {140, 60}, {140, 140}, 10, {40, 0});
    EXPECT_FALSE(FollowPath(far, 2, database, 0, 2, kTypeModeAny, 40));
}

TEST(PathComparison, TheExactModeKeepsStraightsAndSweepsApart) {
    const CKanjiStrokes straight = Single({40, 100}, {160, 100}, kStraightNoArrow);
    const std::vector<CPoint> bowed = Bowed(40, 160, 100, 16);
    EXPECT_FALSE(FollowPath(bowed, 1, straight, 0, 1, kTypeModeExact, 40));
    EXPECT_TRUE(FollowPath(bowed, 1, straight, 0, 1, kTypeModeSimilar, 40));
    EXPECT_TRUE(FollowPath(Bowed(40, 160, 100, 3), 1, straight, 0, 1, kTypeModeExact, 40));

    const CKanjiStrokes sweep = Single({40, 100}, {160, 100}, kExtraCurve);
    const std::vector<CPoint> flat = Bowed(40, 160, 100, 0);
    EXPECT_FALSE(FollowPath(flat, 1, sweep, 0, 1, kTypeModeExact, 40));
    EXPECT_TRUE(FollowPath(flat, 1, sweep, 0, 1, kTypeModeSimilar, 40));
    EXPECT_TRUE(FollowPath(bowed, 1, sweep, 0, 1, kTypeModeExact, 40));
    // A sweep may bow farther from its chord than a straight may stray.
    EXPECT_TRUE(FollowPath(Bowed(40, 160, 100, 40), 1, sweep, 0, 1, kTypeModeAny, 40));
    EXPECT_FALSE(FollowPath(Bowed(40, 160, 100, 40), 1, straight, 0, 1, kTypeModeAny, 40));
}

}  // namespace
}  // namespace brushly
