// The geometry primitives: stroke width, direction, elliptical arcs and outlines.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <vector>

#include "handwriting/StrokeGeometry.h"
#include "platform/CRecordingCanvas.h"

namespace brushly {
namespace {

using Points = std::vector<CPoint>;

TEST(StrokeWidth, GrowsSlowlyWithTheLength) {
    EXPECT_EQ(StrokeWidth(0), 0);
    EXPECT_EQ(StrokeWidth(5), 4);
    EXPECT_EQ(StrokeWidth(10), 5);
    EXPECT_EQ(StrokeWidth(20), 6);
    EXPECT_EQ(StrokeWidth(50), 8);
    EXPECT_EQ(StrokeWidth(100), 10);
    EXPECT_EQ(StrokeWidth(200), 13);
}

TEST(StrokeWidth, TruncatesTheLengthFirst) {
    EXPECT_EQ(StrokeWidth(5.99), StrokeWidth(5));
    EXPECT_EQ(StrokeWidth(0.9), 0);
}

TEST(StrokeWidth, NonsenseLengthsHaveNoWidth) {
    EXPECT_EQ(StrokeWidth(-10), 0);
    EXPECT_EQ(StrokeWidth(std::nan("")), 0);
    EXPECT_GT(StrokeWidth(1e300), 0);
}

TEST(Direction, WholeDegreesWithYDown) {
    EXPECT_EQ(Direction({0, 0}, {10, 0}), 0);
    EXPECT_EQ(Direction({0, 0}, {0, 10}), 90);
    EXPECT_EQ(Direction({0, 0}, {0, -10}), -90);
    EXPECT_EQ(Direction({0, 0}, {-10, 0}), 180);
    EXPECT_EQ(Direction({0, 0}, {10, 10}), 45);
    EXPECT_EQ(Direction({0, 0}, {-10, -1}), -174);  // -174.29 truncated toward zero
    EXPECT_EQ(Direction({5, 5}, {5, 5}), 0);
}

// The ellipse x^2 / 10^2 + y^2 / 20^2 = 1 around (100, 50) passes through offsets (6, 16),
// (-6, 16) and (8, 12).
constexpr CPoint kCentre{100, 50};

TEST(ArcPoints, StepsAlongTheEllipseFromPToQ) {
    EXPECT_EQ(ArcPoints({106, 66}, {108, 62}, kCentre), (Points{{106, 66}, {107, 65}, {108, 62}}));
}

TEST(ArcPoints, OnePointPerIntegerXClampedBetweenTheEndHeights) {
    const CPoint p{94, 66};
    const CPoint q{108, 62};
    const Points points = ArcPoints(p, q, kCentre);
    ASSERT_EQ(points.size(), 15u);
    EXPECT_EQ(points.front(), p);
    EXPECT_EQ(points.back(), q);
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].x, p.x + static_cast<int>(i));
        EXPECT_GE(points[i].y, 62);
        EXPECT_LE(points[i].y, 66);  // the ellipse itself reaches y = 70 at x = 100
    }
    EXPECT_EQ(points[6], (CPoint{100, 66}));
    EXPECT_EQ(points[13], (CPoint{107, 65}));
}

TEST(ArcPoints, StepsLeftWhenQLiesLeft) {
    const Points points = ArcPoints({108, 62}, {94, 66}, kCentre);
    ASSERT_EQ(points.size(), 15u);
    EXPECT_EQ(points[1], (CPoint{107, 65}));
    EXPECT_EQ(points.back(), (CPoint{94, 66}));
}

TEST(ArcPoints, TakesTheSideOfTheCentreTowardsQ) {
    EXPECT_EQ(ArcPoints({106, 34}, {108, 38}, kCentre), (Points{{106, 34}, {107, 35}, {108, 38}}));
}

TEST(ArcPoints, CloseEndsAreJustTheTwoPoints) {
    EXPECT_EQ(ArcPoints({10, 10}, {11, 40}, {0, 0}), (Points{{10, 10}, {11, 40}}));
    EXPECT_EQ(ArcPoints({10, 10}, {10, 10}, {0, 0}), (Points{{10, 10}, {10, 10}}));
}

TEST(ArcPoints, DegenerateEllipsesFallBackToTheStraightLine) {
    // P level with the centre: no finite semi-axis from P.
    EXPECT_EQ(ArcPoints({10, 0}, {0, 10}, {0, 0}), (Points{{10, 0}, {0, 10}}));
    // P and Q mirror images across the upright axis: the heights fix nothing.
    EXPECT_EQ(ArcPoints({-5, 5}, {5, 5}, {0, 0}), (Points{{-5, 5}, {5, 5}}));
    // Q farther out on both axes than P: the second semi-axis would be imaginary.
    EXPECT_EQ(ArcPoints({2, 2}, {10, 12}, {0, 0}), (Points{{2, 2}, {10, 12}}));
    // A centre on the line through both points.
    EXPECT_EQ(ArcPoints({0, 0}, {10, 10}, {5, 5}), (Points{{0, 0}, {10, 10}}));
}

TEST(ArcPoints, NeverYieldsMoreThanTheArcBuffer) {
    const Points points = ArcPoints({-600, 1600}, {800, 1200}, {0, 0});
    ASSERT_EQ(points.size(), kMaxArcPoints);
    EXPECT_EQ(points.front(), (CPoint{-600, 1600}));
    EXPECT_EQ(points[kMaxArcPoints - 2].x, -600 + static_cast<int>(kMaxArcPoints) - 2);
    EXPECT_EQ(points.back(), (CPoint{800, 1200}));
}

TEST(ArcPoints, ExtremeCoordinatesStayInRange) {
    const Points points = ArcPoints({INT_MIN, INT_MAX}, {INT_MAX, INT_MIN + 5}, {0, 0});
    ASSERT_GE(points.size(), 2u);
    EXPECT_LE(points.size(), kMaxArcPoints);
    EXPECT_EQ(points.front(), (CPoint{INT_MIN, INT_MAX}));
    EXPECT_EQ(points.back(), (CPoint{INT_MAX, INT_MIN + 5}));
}

TEST(OutlinePoints, VerticesAndArcsInOrder) {
    const std::array pieces{COutlinePiece{{1, 2}, std::nullopt, {}},
                            COutlinePiece{{106, 66}, CPoint{108, 62}, kCentre},
                            COutlinePiece{{3, 4}, std::nullopt, {}}};
    EXPECT_EQ(OutlinePoints(pieces), (Points{{1, 2}, {106, 66}, {107, 65}, {108, 62}, {3, 4}}));
}

TEST(OutlinePoints, NeverYieldsMoreThanTheOutlineBuffer) {
    const COutlinePiece arc{{-600, 1600}, CPoint{800, 1200}, {0, 0}};
    const std::array pieces{arc, arc, arc, COutlinePiece{{7, 7}, std::nullopt, {}}};
    const Points points = OutlinePoints(pieces);
    ASSERT_EQ(points.size(), kMaxOutlinePoints);
    EXPECT_EQ(points[2 * kMaxArcPoints], (CPoint{-600, 1600}));
}

TEST(OutlinePolygon, FillsThePointsAsOnePolygon) {
    CRecordingCanvas canvas(200, 200);
    const std::array pieces{COutlinePiece{{1, 2}, std::nullopt, {}},
                            COutlinePiece{{106, 66}, CPoint{108, 62}, kCentre}};
    OutlinePolygon(canvas, pieces);
    ASSERT_EQ(canvas.Calls().size(), 1u);
    EXPECT_EQ(canvas.Calls()[0].kind, CDrawCall::Kind::Polygon);
    EXPECT_EQ(canvas.Calls()[0].points, (Points{{1, 2}, {106, 66}, {107, 65}, {108, 62}}));

    OutlinePolygon(canvas, std::span<const COutlinePiece>{});
    EXPECT_EQ(canvas.Calls().size(), 1u);
}

}  // namespace
}  // namespace brushly
