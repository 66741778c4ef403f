#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "writingeval/CHandVariation.h"

namespace brushly::writingeval {
namespace {

// A straight run into a wide arc (radius 80 px), so that chords and arc lengths stay within
// a fraction of a pixel of each other at every spacing tested.
CPath GentleCurve() {
    CPath path;
    for (int x = 20; x <= 100; x += 10)
        path.push_back({static_cast<double>(x), 40.0});
    for (int degree = 1; degree <= 90; ++degree) {
        const double angle = degree * std::numbers::pi / 180.0;
        path.push_back({100.0 + 80.0 * std::sin(angle), 120.0 - 80.0 * std::cos(angle)});
    }
    return path;
}

double Distance(CPoint a, CPoint b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

CHandParameters Spacing(double low, double high) {
    CHandParameters hand;
    hand.minSpacing = low;
    hand.maxSpacing = high;
    return hand;
}

TEST(HandVariation, TheSameSeedWritesTheSamePoints) {
    const CPaths paths{GentleCurve(), {{30.0, 150.0}, {160.0, 150.0}}};
    for (const ERange range : {ERange::kSpacing, ERange::kFull}) {
        const CWriting first = RandomHand(7, range, 3.0).Write(paths);
        EXPECT_EQ(RandomHand(7, range, 3.0).Write(paths), first);
        EXPECT_NE(RandomHand(8, range, 3.0).Write(paths), first);
    }
    CHandVariation hand = RandomHand(7, ERange::kFull);
    const CWriting written = hand.Write(paths);
    EXPECT_EQ(hand.Restarted().Write(paths), written);
}

TEST(HandVariation, StepsStayWithinTheSpacingUpToRounding) {
    const double rounding = std::sqrt(2.0);
    for (const double spacing : {1.0, 3.0, 8.0}) {
        const double low = 0.7 * spacing;
        const double high = 1.3 * spacing;
        const std::vector<CPoint> points =
            CHandVariation(Spacing(low, high), 11).WriteStroke(GentleCurve());
        ASSERT_GT(points.size(), 10u) << spacing;
        for (std::size_t i = 1; i < points.size(); ++i) {
            // Without pauses no point repeats the one before it.
            ASSERT_NE(points[i], points[i - 1]) << spacing << " at " << i;
            const double step = Distance(points[i - 1], points[i]);
            EXPECT_LE(step, high + rounding) << spacing << " at " << i;
            // The last step ends the stroke wherever the path ends.
            if (i + 1 < points.size()) {
                EXPECT_GE(step, low - rounding) << spacing << " at " << i;
            }
        }
        EXPECT_EQ(points.front(), (CPoint{20, 40}));
        EXPECT_EQ(points.back(), (CPoint{180, 120}));
    }
}

TEST(HandVariation, PausesRepeatPointsAndAlwaysTheFirst) {
    CHandParameters hand = Spacing(2.0, 4.0);
    hand.pauseChance = 0.2;
    const std::vector<CPoint> points = CHandVariation(hand, 3).WriteStroke(GentleCurve());
    ASSERT_GT(points.size(), 2u);
    EXPECT_EQ(points[0], points[1]);
    int repeats = 0;
    for (std::size_t i = 2; i < points.size(); ++i)
        repeats += points[i] == points[i - 1] ? 1 : 0;
    EXPECT_GT(repeats, 3);
}

TEST(HandVariation, EntryTrimRemovesATwistAndLeavesStraightPathsAlone) {
    // 5 px up and to the right, then straight down: the brush's entry twist.
    const CPath twisted{{50.0, 50.0}, {53.0, 46.0}, {53.0, 120.0}};
    const CPath trimmed = TrimEntryTwist(twisted);
    ASSERT_FALSE(trimmed.empty());
    EXPECT_NEAR(trimmed.front().x, 53.0, 0.5);
    EXPECT_NEAR(trimmed.front().y, 46.0, 0.6);
    EXPECT_EQ(trimmed.back(), twisted.back());

    const CPath straight{{20.0, 30.0}, {60.0, 60.0}, {100.0, 90.0}};
    EXPECT_EQ(TrimEntryTwist(straight), straight);
    const CPath shortTwist{{50.0, 50.0}, {53.0, 46.0}, {53.0, 66.0}};
    EXPECT_EQ(TrimEntryTwist(shortTwist), shortTwist);
    // A bend 12 px in is part of the stroke, not a twist.
    const CPath bend{{50.0, 50.0}, {62.0, 50.0}, {62.0, 120.0}};
    EXPECT_EQ(TrimEntryTwist(bend), bend);

    CHandParameters hand = Spacing(1.0, 1.0);
    hand.keepEntryTwist = false;
    EXPECT_EQ(CHandVariation(hand, 1).WriteStroke(twisted).front(), (CPoint{53, 46}));
}

TEST(HandVariation, CharacterTransformMovesPointsAboutTheCentre) {
    const CHandParameters identity;
    const CPointF point{135.0, 44.0};
    EXPECT_EQ(CharacterTransform(identity, point), point);
    const CPath line{{20.0, 50.0}, {120.0, 50.0}};
    const std::vector<CPoint> points = CHandVariation(Spacing(5.0, 5.0), 1).WriteStroke(line);
    ASSERT_EQ(points.size(), 21u);
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(points[i], (CPoint{20 + 5 * static_cast<int>(i), 50})) << i;

    CHandParameters scaled;
    scaled.scaleX = 1.2;
    scaled.scaleY = 0.8;
    const CPointF moved = CharacterTransform(scaled, point);
    EXPECT_NEAR(moved.x, 95.0 + 40.0 * 1.2, 1e-9);
    EXPECT_NEAR(moved.y, 84.0 - 40.0 * 0.8, 1e-9);

    // A quarter turn clockwise on screen takes right of the centre to below it.
    CHandParameters turned;
    turned.rotation = 90.0;
    const CPointF below = CharacterTransform(turned, point);
    EXPECT_NEAR(below.x, 95.0 + 40.0, 1e-9);
    EXPECT_NEAR(below.y, 84.0 + 40.0, 1e-9);
    turned.rotation = 4.0;
    const CPointF slightly = CharacterTransform(turned, {135.0, 84.0});
    EXPECT_NEAR(slightly.x, 95.0 + 40.0 * std::cos(4.0 * std::numbers::pi / 180.0), 1e-9);
    EXPECT_NEAR(slightly.y, 84.0 + 40.0 * std::sin(4.0 * std::numbers::pi / 180.0), 1e-9);

    CHandParameters sheared;
    sheared.shear = 0.1;
    const CPointF leaning = CharacterTransform(sheared, {95.0, 134.0});
    EXPECT_NEAR(leaning.x, 95.0 + 5.0, 1e-9);
    EXPECT_NEAR(leaning.y, 134.0, 1e-9);
}

TEST(HandVariation, PointsStayInsideTheDrawArea) {
    CHandParameters hand = Spacing(2.0, 4.0);
    hand.scaleX = hand.scaleY = 1.2;
    hand.jitter = 1.5;
    const CPath outside{{-20.0, 190.0}, {230.0, 215.0}};
    for (const CPoint point : CHandVariation(hand, 5).WriteStroke(outside)) {
        EXPECT_GE(point.x, 0);
        EXPECT_LE(point.x, kLastPixel);
        EXPECT_GE(point.y, 0);
        EXPECT_LE(point.y, kLastPixel);
    }
}

}  // namespace
}  // namespace brushly::writingeval
