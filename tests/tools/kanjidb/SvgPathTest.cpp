#include "kanjidb/SvgPath.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kanjidb/KanjiVgStrokes.h"

namespace brushly::kanjidb {
namespace {

std::vector<CPointF> Flat(std::string_view data, double tolerance = 0.1) {
    const std::optional<CSvgPath> path = ParseSvgPath(data);
    EXPECT_TRUE(path.has_value()) << data;
    return path ? FlattenPath(*path, tolerance) : std::vector<CPointF>{};
}

void ExpectPoints(const std::vector<CPointF>& actual, const std::vector<CPointF>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i].x, expected[i].x, 1e-9) << "point " << i;
        EXPECT_NEAR(actual[i].y, expected[i].y, 1e-9) << "point " << i;
    }
}

TEST(SvgPath, AbsoluteAndRelativeLines) {
    ExpectPoints(Flat("M10,20L30,40"), {{10, 20}, {30, 40}});
    ExpectPoints(Flat("m10,20l5,0l0,5"), {{10, 20}, {15, 20}, {15, 25}});
    ExpectPoints(Flat("M0,0H10V5h-3v2"), {{0, 0}, {10, 0}, {10, 5}, {7, 5}, {7, 7}});
}

TEST(SvgPath, ExtraPairsAfterAMovetoAreLinetosOfTheSameKind) {
    ExpectPoints(Flat("m10,20 5,0 0,5"), {{10, 20}, {15, 20}, {15, 25}});
    ExpectPoints(Flat("M10,20 15,20 15,25"), {{10, 20}, {15, 20}, {15, 25}});
    ExpectPoints(Flat("M0,0L1,1 2,0 3,1"), {{0, 0}, {1, 1}, {2, 0}, {3, 1}});
}

TEST(SvgPath, NumberForms) {
    ExpectPoints(Flat("M1.5.5L-0.19,2e1"), {{1.5, 0.5}, {-0.19, 20}});
    ExpectPoints(Flat("M.5-.5l1E-1,+2"), {{0.5, -0.5}, {0.6, 1.5}});
    ExpectPoints(Flat("M 1 , 2\n\tL 3 4"), {{1, 2}, {3, 4}});
}

TEST(SvgPath, RepeatedCubicParametersAreFurtherCurves) {
    const std::optional<CSvgPath> path = ParseSvgPath("M0,0c0,1,1,1,1,0 0,-1,1,-1,1,0");
    ASSERT_TRUE(path);
    ASSERT_EQ(path->subpaths.size(), 1u);
    ASSERT_EQ(path->subpaths[0].pieces.size(), 2u);
    EXPECT_EQ(path->subpaths[0].pieces[1].end, (CPointF{2, 0}));
    EXPECT_EQ(path->subpaths[0].pieces[1].control1, (CPointF{1, -1}));
}

TEST(SvgPath, SmoothCurveReflectsThePreviousControlPoint) {
    const std::optional<CSvgPath> path = ParseSvgPath("M0,0C0,10,10,10,10,0S20,-10,20,0s5,5,10,0");
    ASSERT_TRUE(path);
    const std::vector<CCubic>& pieces = path->subpaths[0].pieces;
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[1].control1, (CPointF{10, -10}));
    EXPECT_EQ(pieces[1].control2, (CPointF{20, -10}));
    EXPECT_EQ(pieces[2].control1, (CPointF{20, 10}));
    EXPECT_EQ(pieces[2].control2, (CPointF{25, 5}));
    EXPECT_EQ(pieces[2].end, (CPointF{30, 0}));
}

TEST(SvgPath, SmoothCurveAfterALineStartsAtTheCurrentPoint) {
    const std::optional<CSvgPath> path = ParseSvgPath("M0,0L10,0S20,10,20,0");
    ASSERT_TRUE(path);
    EXPECT_EQ(path->subpaths[0].pieces[1].control1, (CPointF{10, 0}));
}

TEST(SvgPath, QuadraticCurvesAndTheirReflection) {
    const std::optional<CSvgPath> path = ParseSvgPath("M0,0Q5,10,10,0T20,0");
    ASSERT_TRUE(path);
    const std::vector<CCubic>& pieces = path->subpaths[0].pieces;
    ASSERT_EQ(pieces.size(), 2u);
    // The cubic of a quadratic: controls two thirds of the way to the quadratic control.
    EXPECT_NEAR(pieces[0].control1.y, 20.0 / 3.0, 1e-9);
    EXPECT_NEAR(pieces[1].control1.x, 10 + 2.0 / 3.0 * 5, 1e-9);
    EXPECT_NEAR(pieces[1].control1.y, -20.0 / 3.0, 1e-9);
    // The quadratic's own midpoint lies on the flattened path.
    const std::vector<CPointF> points = FlattenPath(*path, 0.01);
    bool found = false;
    for (const CPointF& p : points)
        found |= std::abs(p.x - 5) < 1e-9 && std::abs(p.y - 5) < 1e-9;
    EXPECT_TRUE(found);
}

TEST(SvgPath, CloseReturnsToTheSubpathStart) {
    ExpectPoints(Flat("M0,0L10,0L10,10Z"), {{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    ExpectPoints(Flat("M0,0L10,0zl0,5"), {{0, 0}, {10, 0}, {0, 0}, {0, 5}});
}

TEST(SvgPath, MalformedDataIsRefused) {
    for (const char* data : {"", "L10,10", "M10", "M1,2X3,4", "M1,2Z3", "M1,2L3", "12 M1,2",
                             "M1,2A1,1,0,0,1,3,4", "M-,2", "M.,2"}) {
        EXPECT_FALSE(ParseSvgPath(data).has_value()) << data;
    }
}

TEST(SvgPath, FlatteningKeepsEndPointsExactAndStaysNearTheCurve) {
    const std::vector<CPointF> points = Flat("M0,0C0,100,100,100,100,0", 0.1);
    ASSERT_GT(points.size(), 10u);
    EXPECT_EQ(points.front(), (CPointF{0, 0}));
    EXPECT_EQ(points.back(), (CPointF{100, 0}));
    // Every flattened point lies on the curve y = 300 t (1 - t), x = 300 t^2 (1 - t) + t^3.
    for (const CPointF& p : points) {
        double best = 1e9;
        for (int i = 0; i <= 2000; ++i) {
            const double t = i / 2000.0;
            const double x = 300 * t * t * (1 - t) + 100 * t * t * t;
            const double y = 300 * t * (1 - t);
            best = std::min(best, std::hypot(p.x - x, p.y - y));
        }
        EXPECT_LT(best, 0.2);
    }
    // Subdivision halves the curve, so its top (t = 0.5) is one of the points.
    double highest = 0.0;
    for (const CPointF& p : points)
        highest = std::max(highest, p.y);
    EXPECT_NEAR(highest, 75.0, 0.1);
    // A coarser tolerance needs fewer points.
    EXPECT_LT(Flat("M0,0C0,100,100,100,100,0", 2.0).size(), points.size());
}

TEST(SvgPath, ScalingMapsEveryPoint) {
    const std::optional<CSvgPath> path = ParseSvgPath("M1,2C3,4,5,6,7,8");
    ASSERT_TRUE(path);
    const CSvgPath scaled = ScaledPath(*path, 2.0, {10, 0});
    EXPECT_EQ(scaled.subpaths[0].start, (CPointF{12, 4}));
    EXPECT_EQ(scaled.subpaths[0].pieces[0].control1, (CPointF{16, 8}));
    EXPECT_EQ(scaled.subpaths[0].pieces[0].end, (CPointF{24, 16}));
}

// A KanjiVG document with the parts the reader must cope with: the internal DTD subset,
// nested groups, kvg attributes and the stroke-number text.
std::string KanjiVgDocument(const std::string& paths) {
    return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 1.0//EN" "svg10.dtd" [
<!ATTLIST g
xmlns:kvg CDATA #FIXED "http://kanjivg.tagaini.net"
kvg:element CDATA #IMPLIED >
<!ATTLIST path
xmlns:kvg CDATA #FIXED "http://kanjivg.tagaini.net"
kvg:type CDATA #IMPLIED >
]>
<svg xmlns="http://www.w3.org/2000/svg" width="109" height="109" viewBox="0 0 109 109">
<g id="kvg:StrokePaths_04e8c" style="fill:none;stroke:#000000;stroke-width:3;">
<g id="kvg:04e8c" kvg:element="X">
)svg" + paths +
           R"svg(
</g>
</g>
<g id="kvg:StrokeNumbers_04e8c" style="font-size:8;fill:#808080">
	<text transform="matrix(1 0 0 1 44.25 10.50)">1</text>
</g>
</svg>)svg";
}

TEST(KanjiVgStrokes, ReadsPathsInOrderIntoTheDrawBoxFrame) {
    const auto strokes = ParseKanjiVg(KanjiVgDocument(
        R"(<path id="kvg:04e8c-s1" kvg:type="㇐" d="M0,0L109,109"/>
<g><path id="kvg:04e8c-s2" kvg:type="㇑a" d="M54.5,54.5l0,10"/></g>
<path id="kvg:04e8c-s3" d="M10,10H20"/>)"));
    ASSERT_TRUE(strokes);
    ASSERT_EQ(strokes->size(), 3u);
    EXPECT_EQ((*strokes)[0].type, "㇐");
    EXPECT_EQ((*strokes)[1].type, "㇑a");
    EXPECT_EQ((*strokes)[2].type, "");
    // x' = 11 + 168 x / 109, y' = 168 y / 109.
    ExpectPoints((*strokes)[0].points, {{11, 0}, {179, 168}});
    ExpectPoints((*strokes)[1].points, {{95, 84}, {95, 84 + 1680.0 / 109}});
    EXPECT_EQ(ToFrame({54.5, 54.5}), (CPointF{95, 84}));
}

TEST(KanjiVgStrokes, MalformedDocumentsAreRefused) {
    EXPECT_FALSE(ParseKanjiVg("<svg><path d='M0,0L1,1'></svg>").has_value());
    EXPECT_FALSE(ParseKanjiVg(KanjiVgDocument(R"(<path d="M0,0Q1"/>)")).has_value());
    const auto empty = ParseKanjiVg(KanjiVgDocument(""));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    EXPECT_FALSE(ReadKanjiVgFile("/nonexistent/kanjivg/098df.svg").has_value());
}

TEST(KanjiVgStrokes, FileNamesAreFiveHexDigits) {
    EXPECT_EQ(KanjiVgFileName(0x98DF), "098df.svg");
    EXPECT_EQ(KanjiVgFileName(0x3042), "03042.svg");
    EXPECT_EQ(KanjiVgFileName(0x20B9F), "20b9f.svg");
}

TEST(KanjiVgStrokes, SamplesAreEvenlySpacedIntegerPointsWithExactEnds) {
    const std::vector<CPoint> samples =
        SamplePoints({{10.4, 20.6}, {40.2, 20.6}, {40.2, 50.7}}, 3.0);
    ASSERT_GE(samples.size(), 20u);
    EXPECT_EQ(samples.front(), (CPoint{10, 21}));
    EXPECT_EQ(samples.back(), (CPoint{40, 51}));
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double gap =
            std::hypot(samples[i].x - samples[i - 1].x, samples[i].y - samples[i - 1].y);
        EXPECT_GT(gap, 0.0);
        EXPECT_LE(gap, 4.3);
    }
    EXPECT_TRUE(SamplePoints({}, 3.0).empty());
    EXPECT_EQ(SamplePoints({{1.2, 1.2}}, 3.0), (std::vector<CPoint>{{1, 1}}));
}

}  // namespace
}  // namespace brushly::kanjidb
