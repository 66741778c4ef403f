#include "kanjidb/MousePoints.h"

#include <gtest/gtest.h>

#include <cmath>

#include "handwriting/CStrokeRecogniser.h"
#include "kanjidb/KanjiVgStrokes.h"

namespace brushly::kanjidb {
namespace {

// A KanjiVG path (109 x 109 view box) flattened into the draw-box frame.
std::vector<CPointF> FramePath(const char* data) {
    const std::optional<CSvgPath> path = ParseSvgPath(data);
    EXPECT_TRUE(path.has_value());
    const CSvgPath framed =
        ScaledPath(path.value_or(CSvgPath{}), kFrameSquare / kVgViewBox, {kFrameLeft, 0.0});
    return FlattenPath(framed, kFlattenTolerance);
}

// The first point more than 5 px from the first: the end of the recogniser's first leg.
CPoint FirstLegEnd(const std::vector<CPoint>& points) {
    for (const CPoint& p : points) {
        if (Distance(points.front(), p) > 5.0) return p;
    }
    return points.back();
}

double DistanceToNearest(CPoint p, const std::vector<CPoint>& points) {
    double nearest = 1e9;
    for (const CPoint& q : points)
        nearest = std::min(nearest, Distance(p, q));
    return nearest;
}

TEST(MousePoints, TheBrushEntryOfAVerticalIsLeftToTheRecogniser) {
    // 七's bend: the brush enters down and to the right, then the stroke runs straight down.
    const auto path = FramePath("M43,20c1.38,1.38,2.15,3.25,2.15,5.26C45.15,29.5,45,71.84,45,76");
    const auto raw = SamplePoints(path, kMouseStep);
    const auto points = MousePoints(path);
    EXPECT_LT(Direction(raw.front(), FirstLegEnd(raw)), 85);
    EXPECT_EQ(points.front(), raw.front());
    EXPECT_EQ(points.back(), raw.back());
    // The recogniser starts the stroke where the entry ends: one straight vertical.
    const auto segments = RecogniseStroke(points);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(Direction(segments[0].start, segments[0].end), 90);
    EXPECT_GT(segments[0].start.y, raw.front().y);
    EXPECT_LE(Distance(raw.front(), segments[0].start), 12.0);
}

TEST(MousePoints, RoundedCornersBecomeCorners) {
    const auto path = FramePath("M30,15L30,70C30,80 33,82 43,82L90,82");
    const auto points = MousePoints(path);
    const CPointF corner = ToFrame({30, 82});
    const CPoint pixel{static_cast<int>(std::lround(corner.x)),
                       static_cast<int>(std::lround(corner.y))};
    EXPECT_LE(DistanceToNearest(pixel, points), 1.5);
    // The sampled path cuts the corner.
    EXPECT_GT(DistanceToNearest(pixel, SamplePoints(path, kMouseStep)), 4.0);
}

TEST(MousePoints, SweepsAndDotsKeepTheirShape) {
    for (const char* data : {"M70,15C68,50 50,75 15,92", "M40,40C44,43 48,47 50,52"}) {
        const auto path = FramePath(data);
        const auto raw = SamplePoints(path, kMouseStep);
        const auto points = MousePoints(path);
        EXPECT_EQ(points.front(), raw.front()) << data;
        for (const CPoint& p : points)
            EXPECT_LE(DistanceToNearest(p, raw), 2.5) << data;
    }
}

TEST(MousePoints, PointsAreDistinctNeighboursAboutAStepApart) {
    const auto points = MousePoints(FramePath("M20,20L80,20L80,90L30,90"));
    ASSERT_GT(points.size(), 2u);
    for (std::size_t i = 1; i < points.size(); ++i) {
        EXPECT_FALSE(points[i] == points[i - 1]);
        EXPECT_LE(Distance(points[i - 1], points[i]), kMouseStep + 1.5);
    }
    EXPECT_TRUE(MousePoints({}).empty());
}

}  // namespace
}  // namespace brushly::kanjidb
