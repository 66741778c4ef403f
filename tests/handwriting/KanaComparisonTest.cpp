// Free-hand stroke comparison: densifying, the reference forms, ComparePolyline and the
// conversion of kanji strokes to polylines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "handwriting/KanaComparison.h"
#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeTestUtil.h"

namespace brushly {
namespace {

using namespace testing;
using Points = std::vector<CPoint>;

constexpr int kTolerance = 20;  // ends close within 34 px, rejected beyond 68 px

Points Dense(const Points& points) {
    return Densify(points);
}

Points Moved(Points points, int dx, int dy) {
    for (CPoint& point : points) {
        point.x += dx;
        point.y += dy;
    }
    return points;
}

TEST(Densify, InterpolatesAndRoundsUp) {
    EXPECT_EQ(Dense({{0, 0}, {3, 1}}), (Points{{0, 0}, {1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(Dense({{0, 0}, {1, 3}}), (Points{{0, 0}, {1, 1}, {1, 2}, {1, 3}}));
    EXPECT_EQ(Dense({{5, 5}, {5, 5}}), (Points{{5, 5}, {5, 5}}));
    EXPECT_TRUE(Dense({}).empty());
}

TEST(Densify, LeavesNeighboursAtMostOnePixelApart) {
    const Points stroke{{10, 10}, {50, 23}, {47, 90}, {47, 90}, {120, 5}, {3, 180}};
    const Points dense = Dense(stroke);
    for (std::size_t i = 1; i < dense.size(); ++i) {
        EXPECT_LE(std::abs(dense[i].x - dense[i - 1].x), 1) << i;
        EXPECT_LE(std::abs(dense[i].y - dense[i - 1].y), 1) << i;
    }
    // The drawn points all survive, in order.
    std::size_t next = 0;
    for (const CPoint point : dense)
        if (next < stroke.size() && point == stroke[next]) ++next;
    EXPECT_EQ(next, stroke.size());
}

TEST(Densify, FarPointsCostABoundedNumberOfPoints) {
    constexpr int kFar = 1 << 30;
    const Points dense = Dense({{0, 0}, {kFar, 5}, {-kFar, -kFar}});
    EXPECT_LE(dense.size(), std::size_t{4} * kMaxDensifySteps);
    EXPECT_EQ(dense.front(), (CPoint{0, 0}));
    EXPECT_EQ(dense.back(), (CPoint{-kFar, -kFar}));
    // Below the cap the spacing is still one pixel.
    EXPECT_EQ(Dense({{0, 0}, {kMaxDensifySteps, 0}}).size(),
              static_cast<std::size_t>(kMaxDensifySteps) + 1);
    // Comparing strokes that reach that far stays bounded too, and matches nothing.
    EXPECT_FALSE(
        ComparePolyline(dense, Dense({{0, 0}, {5, 5}, {10, 10}, {15, 15}, {20, 20}}), kTolerance)
            .matched);
}

TEST(KanaForms, PointsBeyond200BelongToThePrimaryFormOnly) {
    const Points reference{{40, 60}, {140, 60}, {140, 120}, {380, 190}};
    EXPECT_EQ(PrimaryForm(reference), (Points{{40, 60}, {140, 60}, {140, 120}, {180, 190}}));
    EXPECT_EQ(AlternativeForm(reference), (Points{{40, 60}, {140, 60}, {140, 120}}));
}

TEST(KanaForms, ClosedLoopIsMirroredAboutItsFirstPoint) {
    const Points loop{{100, 40}, {140, 80}, {100, 120}, {70, 80}, {100, 40}};
    EXPECT_EQ(PrimaryForm(loop), loop);
    EXPECT_EQ(AlternativeForm(loop),
              (Points{{100, 40}, {60, 80}, {100, 120}, {130, 80}, {100, 40}}));
}

TEST(KanaForms, PlainStrokeHasNoAlternative) {
    EXPECT_FALSE(AlternativeForm(Points{{10, 10}, {100, 100}, {200, 10}}));
    EXPECT_FALSE(AlternativeForm(Points{}));
}

// A bent stroke: right, then down and to the right.
Points Bend() {
    return Dense({{40, 60}, {140, 60}, {140, 140}, {160, 170}});
}

TEST(ComparePolyline, StrokeOfFourPointsNeverMatches) {
    const Points four{{40, 60}, {80, 60}, {120, 60}, {160, 60}};
    EXPECT_FALSE(ComparePolyline(four, four, kTolerance).matched);
    EXPECT_FALSE(ComparePolyline(four, Dense(four), 100).matched);
    const Points five{{40, 60}, {80, 60}, {120, 60}, {140, 60}, {160, 60}};
    EXPECT_TRUE(ComparePolyline(five, five, kTolerance).matched);
}

TEST(ComparePolyline, IdenticalStrokesMatchAtDistanceZero) {
    const CPolylineMatch match = ComparePolyline(Bend(), Bend(), kTolerance);
    EXPECT_TRUE(match.matched);
    EXPECT_DOUBLE_EQ(match.distance, 0.0);
}

TEST(ComparePolyline, EmptyStrokesNeverMatch) {
    EXPECT_FALSE(ComparePolyline(Bend(), Points{}, kTolerance).matched);
    EXPECT_FALSE(ComparePolyline(Points{}, Bend(), kTolerance).matched);
}

TEST(ComparePolyline, EndsWithin34PixelsMatchTheShapeWhenShifted) {
    // Moved as a whole, the mean distance is far above the limit; the shifted retry
    // recovers the shape only while both ends are close.
    const CPolylineMatch close = ComparePolyline(Moved(Bend(), 0, 34), Bend(), kTolerance);
    EXPECT_TRUE(close.matched);
    EXPECT_DOUBLE_EQ(close.distance, 34.0);
    EXPECT_FALSE(ComparePolyline(Moved(Bend(), 0, 35), Bend(), kTolerance).matched);
    EXPECT_FALSE(ComparePolyline(Moved(Bend(), -35, 0), Bend(), kTolerance).matched);
    EXPECT_TRUE(ComparePolyline(Moved(Bend(), -34, 0), Bend(), kTolerance).matched);
}

TEST(ComparePolyline, EndsBeyond68PixelsNeverMatch) {
    // The same points plus a stray last point: the shape is exact, only the end is off.
    const Points reference = Dense({{40, 100}, {100, 100}});
    Points user = reference;
    user.push_back({100, 168});
    const CPolylineMatch outer = ComparePolyline(user, reference, kTolerance);
    EXPECT_TRUE(outer.matched);
    EXPECT_DOUBLE_EQ(outer.distance, 34.0);
    user.back() = {100, 169};
    EXPECT_FALSE(ComparePolyline(user, reference, kTolerance).matched);
}

TEST(ComparePolyline, DifferentShapeWithTheSameEndsAndBoxFails) {
    // Right then down against down then right: ends and bounding box coincide.
    const Points reference = Dense({{40, 40}, {160, 40}, {160, 100}});
    const Points user = Dense({{40, 40}, {40, 100}, {160, 100}});
    EXPECT_FALSE(ComparePolyline(user, reference, kTolerance).matched);
    EXPECT_TRUE(ComparePolyline(user, reference, 200).matched);
}

TEST(ComparePolyline, DifferentlyProportionedCopyMatchesThroughScaling) {
    // Narrower and taller, ends within reach: neither the plain mean distance (21.8 px)
    // nor the end-aligned ones (28 px) are below the limit of 19.2 px, the scaled one is.
    const Points reference = Dense({{40, 40}, {160, 40}, {160, 100}});
    const Points user = Dense({{60, 40}, {130, 40}, {130, 115}});
    EXPECT_TRUE(ComparePolyline(user, reference, kTolerance).matched);
    // Without close ends there is no scaled retry.
    EXPECT_FALSE(ComparePolyline(Moved(user, 0, 20), reference, kTolerance).matched);
}

TEST(ComparePolyline, LargeAreaOrCountDifferenceFails) {
    // Ends and path identical up to the corner, but the box 6000 px^2 larger.
    const Points flat = Dense({{40, 100}, {160, 100}, {160, 110}});
    const Points tall = Dense({{40, 100}, {160, 100}, {160, 160}});
    EXPECT_FALSE(ComparePolyline(tall, flat, 100).matched);
    // 105 points more than the reference is too many, 104 still compared.
    const Points reference = Dense({{40, 100}, {100, 100}});
    Points user = reference;
    user.insert(user.end(), 104, reference.back());
    EXPECT_TRUE(ComparePolyline(user, reference, kTolerance).matched);
    user.push_back(reference.back());
    EXPECT_FALSE(ComparePolyline(user, reference, kTolerance).matched);
}

TEST(ComparePolyline, LoopInTheOppositeRotationMatchesTheMirroredForm) {
    const Points clockwise{{100, 40}, {140, 80}, {100, 120}, {60, 80}, {100, 40}};
    const Points anticlockwise = Dense({{100, 40}, {60, 80}, {100, 120}, {140, 80}, {100, 40}});
    EXPECT_FALSE(ComparePolyline(anticlockwise, Dense(PrimaryForm(clockwise)), kTolerance).matched);
    const auto alternative = AlternativeForm(clockwise);
    ASSERT_TRUE(alternative);
    const CPolylineMatch match = ComparePolyline(anticlockwise, Dense(*alternative), kTolerance);
    EXPECT_TRUE(match.matched);
    EXPECT_DOUBLE_EQ(match.distance, 0.0);
}

TEST(ComparePolyline, ReferenceBeyond200AcceptsFullAndShortenedForms) {
    const Points reference{{40, 60}, {140, 60}, {140, 120}, {380, 190}};
    const Points primary = Dense(PrimaryForm(reference));
    const Points shortened = Dense(*AlternativeForm(reference));
    const Points fullUser = Dense({{42, 62}, {139, 61}, {141, 121}, {179, 188}});
    const Points shortUser = Dense({{41, 59}, {139, 61}, {141, 119}});
    EXPECT_TRUE(ComparePolyline(fullUser, primary, kTolerance).matched);
    EXPECT_FALSE(ComparePolyline(shortUser, primary, kTolerance).matched);
    EXPECT_TRUE(ComparePolyline(shortUser, shortened, kTolerance).matched);
}

TEST(StrokesToPolylines, NewPolylineAtEachStrokeStart) {
    const CKanjiStrokes strokes = List({
        Segment(kStraightNoArrow, 1, {20, 30}, {20, 150}),
        Segment(kStraightNoArrow, 1, {60, 40}, {60, 100}),
        Segment(kStraightNoArrow, 0, {60, 100}, {90, 140}),
        Segment(kStraightBc, 1, {120, 30}, {180, 30}),
    });
    EXPECT_EQ(StrokesToPolylines(strokes), (std::vector<Points>{{{20, 30}, {20, 150}},
                                                                {{60, 40}, {60, 100}, {90, 140}},
                                                                {{120, 30}, {180, 30}}}));
}

TEST(StrokesToPolylines, JoinsTheStrokesOnACopyFirst) {
    // A flat straight runs on one pixel past the continuation's start.
    const CKanjiStrokes strokes = List({
        Segment(kStraight, 1, {20, 50}, {100, 50}),
        Segment(kStraight, 0, {100, 50}, {100, 150}),
    });
    EXPECT_EQ(StrokesToPolylines(strokes),
              (std::vector<Points>{{{20, 50}, {101, 50}, {100, 50}, {100, 150}}}));
    EXPECT_EQ(strokes[0].end, (CPoint{100, 50}));
}

TEST(StrokesToPolylines, CurvedCodesContributeTheirSimpleShapes) {
    const CKanjiStrokes sweep = List({Segment(kCurve, 1, {120, 40}, {60, 120})});
    EXPECT_EQ(StrokesToPolylines(sweep),
              (std::vector<Points>{ArcPoints({120, 40}, {60, 120}, {0, -40})}));
    const CKanjiStrokes lShape = List({
        Segment(kLHookBegin, 1, {30, 20}, {30, 100}),
        Segment(kLHookEnd, 0, {30, 100}, {120, 100}),
        Segment(kStraight, 1, {150, 20}, {150, 120}),
    });
    EXPECT_EQ(StrokesToPolylines(lShape),
              (std::vector<Points>{{{30, 20}, {30, 100}, {120, 100}, {120, 90}},
                                   {{150, 20}, {150, 120}}}));
}

TEST(StrokesToPolylines, StrokesWithoutPointsAreLeftOut) {
    const CKanjiStrokes strokes = List({
        Segment(kStraight, 0, {10, 10}, {50, 10}),
        Segment(kSuperSharpCurve, 1, {60, 40}, {100, 120}),
        Segment(kStraight, 1, {20, 30}, {20, 150}),
    });
    EXPECT_EQ(StrokesToPolylines(strokes), (std::vector<Points>{{{20, 30}, {20, 150}}}));
}

}  // namespace
}  // namespace brushly
