// The recogniser point by point, as the draw box feeds it.
#include "handwriting/CStrokeRecogniser.h"

#include <gtest/gtest.h>

#include <cmath>

#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeType.h"

namespace brushly {
namespace {

std::vector<CPoint> Line(CPoint from, CPoint to, int steps) {
    std::vector<CPoint> points;
    for (int i = 0; i <= steps; ++i) {
        points.push_back(
            {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
    return points;
}

TEST(StrokeRecogniser, WorkingSegmentsTrailThePointerByOnePointAndTheReleaseCommits) {
    const std::vector<CPoint> points = Line({20, 100}, {180, 100}, 50);
    CStrokeRecogniser recogniser;
    EXPECT_TRUE(recogniser.Working().empty());
    for (std::size_t i = 0; i < points.size(); ++i) {
        recogniser.AddPoint(points[i]);
        if (i == 20) {
            ASSERT_EQ(recogniser.Working().size(), 1u);
            EXPECT_EQ(recogniser.Working()[0].end, points[i - 1]);
        }
    }
    EXPECT_FALSE(recogniser.Finished());
    const std::vector<CTypedSegment> committed = recogniser.Release();
    ASSERT_EQ(committed.size(), 1u);
    EXPECT_EQ(committed[0].start, (CPoint{20, 100}));
    EXPECT_EQ(committed[0].end, (CPoint{180, 100}));
    EXPECT_EQ(committed, RecogniseStroke(points));
}

// A hand's jitter of up to two pixels along a vertical neither bends it nor ends it early.
TEST(StrokeRecogniser, JitterAlongAVerticalLeavesOneStraight) {
    constexpr int kWobble[] = {0, 2, -1, -2, 1, 2, 0, -2, 1, -1};
    std::vector<CPoint> points;
    for (int i = 0; i <= 45; ++i)
        points.push_back({100 + kWobble[i % 10], 20 + 3 * i + kWobble[(i + 3) % 10]});
    const std::vector<CTypedSegment> segments = RecogniseStroke(points);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].type, kStraightNoArrow);
    EXPECT_NEAR(segments[0].start.x, 100, 2);
    EXPECT_EQ(segments[0].end, (CPoint{segments[0].start.x, points.back().y}));
}

TEST(StrokeRecogniser, ASharpCornerStartsANewSegment) {
    std::vector<CPoint> points = Line({40, 40}, {160, 40}, 40);
    const std::vector<CPoint> down = Line({160, 40}, {160, 160}, 40);
    points.insert(points.end(), down.begin() + 1, down.end());
    const std::vector<CTypedSegment> segments = RecogniseStroke(points);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_NEAR(segments[0].end.x, 160, 6);
    EXPECT_EQ(segments[1].end, (CPoint{160, 160}));
}

TEST(StrokeRecogniser, PointsAfterAFinishAreIgnored) {
    // A vertical stem ending in a short flick up and left finishes as a hook.
    std::vector<CPoint> points = Line({100, 20}, {100, 150}, 45);
    const std::vector<CPoint> flick = Line({100, 150}, {88, 140}, 4);
    points.insert(points.end(), flick.begin() + 1, flick.end());
    CStrokeRecogniser recogniser;
    for (const CPoint& point : points)
        recogniser.AddPoint(point);
    const std::vector<CTypedSegment> before = recogniser.Release();
    recogniser.AddPoint({10, 10});
    EXPECT_EQ(recogniser.Release(), before);
    EXPECT_TRUE(recogniser.Finished());
    EXPECT_EQ(before.back().type, kHook);
    EXPECT_TRUE(RecogniseStroke({}).empty());
}

// A brush-like twist at the pen-down point (a few pixels to the right before the stroke runs
// down) is skipped: the stroke starts where it settles into its direction.
TEST(StrokeRecogniser, AnEntryTwistIsSkipped) {
    std::vector<CPoint> points = {{95, 20}, {98, 22}, {100, 25}};
    const std::vector<CPoint> down = Line({100, 25}, {100, 160}, 45);
    points.insert(points.end(), down.begin() + 1, down.end());
    const std::vector<CTypedSegment> segments = RecogniseStroke(points);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].type, kStraightNoArrow);
    EXPECT_NEAR(segments[0].start.x, 100, 1);
    EXPECT_GE(segments[0].start.y, 22);
    EXPECT_EQ(segments[0].end, (CPoint{segments[0].start.x, 160}));
}

// A corner that a hand draws open (a turn of about 65 degrees between two straight arms) is a
// corner; a curve that turns as much along its whole length is one sweep.
TEST(StrokeRecogniser, AnOpenCornerBetweenStraightArmsSplits) {
    std::vector<CPoint> points = Line({80, 30}, {60, 100}, 30);
    const std::vector<CPoint> on = Line({60, 100}, {110, 140}, 25);
    points.insert(points.end(), on.begin() + 1, on.end());
    const std::vector<CTypedSegment> cornered = RecogniseStroke(points);
    ASSERT_EQ(cornered.size(), 2u);
    EXPECT_LE(Distance(cornered[0].end, {60, 100}), 4.0);
    std::vector<CPoint> arc;
    for (int k = 0; k <= 60; ++k) {
        const double angle = 1.85 - 1.15 * k / 60.0;  // from 106 to 40 degrees
        arc.push_back({static_cast<int>(std::lround(60 + 80 * std::cos(angle + 1.5708))),
                       static_cast<int>(std::lround(30 + 80 * std::sin(angle + 1.5708) + 80))});
    }
    EXPECT_EQ(RecogniseStroke(arc).size(), 1u);
}

// A stroke whose head reads like a dot but that runs on far beyond any dot is no dot.
TEST(StrokeRecogniser, ADotThatRunsOnIsReclassified) {
    std::vector<CPoint> points;
    for (int k = 0; k <= 40; ++k) {
        const double t = k / 40.0;
        points.push_back({static_cast<int>(std::lround(40 + 110 * t + 12 * std::sin(3.14159 * t))),
                          static_cast<int>(std::lround(40 + 100 * t))});
    }
    const std::vector<CTypedSegment> segments = RecogniseStroke(points);
    ASSERT_FALSE(segments.empty());
    for (const CTypedSegment& segment : segments)
        EXPECT_NE(segment.type, kTeardrop);
}

}  // namespace
}  // namespace brushly
