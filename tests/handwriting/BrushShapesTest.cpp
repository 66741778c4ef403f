// The brush style's shapes, read back from a recording canvas.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

#include "handwriting/CStrokeCanvas.h"
#include "handwriting/RenderTestUtil.h"
#include "handwriting/ShapeSupport.h"
#include "handwriting/StrokeGeometry.h"
#include "platform/CRecordingCanvas.h"

namespace brushly {
namespace {

using namespace testing;
using Kind = CDrawCall::Kind;

class BrushShapes : public ::testing::Test {
protected:
    std::vector<Points> Draw(const CKanjiStrokes& list, int role = kRoleUser) {
        picture.Clear();
        canvas.DrawStrokes(list, role);
        return Polygons(picture);
    }
    std::vector<Points> DrawOne(int type, CPoint start, CPoint end) {
        return Draw(One(type, start, end));
    }

    CRecordingCanvas picture{200, 200};
    CStrokeCanvas canvas{picture};
};

// --- Straight strokes --------------------------------------------------------------------

TEST_F(BrushShapes, LevelStraightIsABarWithAFullSerif) {
    // Length 100: width 10, serif size h = 2w = 20 on top of the bar's right end.
    const auto shapes = DrawOne(kStraight, {50, 100}, {150, 100});
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0], (Points{{50, 102}, {50, 98}, {150, 98}, {150, 102}}));
    // (start.x + L - h, y - 2), (end.x, y - 2), (start.x + L - h/2, y - 2 - h/2).
    EXPECT_EQ(shapes[1], (Points{{130, 98}, {150, 98}, {140, 88}}));
}

TEST_F(BrushShapes, HalfArrowHasAHalfSizeSerif) {
    const auto shapes = DrawOne(kStraightHalfArrow, {50, 100}, {150, 100});
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1], (Points{{140, 98}, {150, 98}, {145, 93}}));
}

TEST_F(BrushShapes, NoArrowCodesHaveNoSerif) {
    for (int type : {kStraightNoArrow, kStraightNoArrowRectOnly, kBoxEnd}) {
        const auto shapes = DrawOne(type, {50, 100}, {150, 100});
        ASSERT_EQ(shapes.size(), 1u) << type;
        EXPECT_EQ(shapes[0], (Points{{50, 102}, {50, 98}, {150, 98}, {150, 102}})) << type;
    }
}

TEST_F(BrushShapes, GentlySlopingStraightTiltsBarAndSerif) {
    // Direction 5 degrees: the far end sits at end.y, the serif turns by m = 5 / 57.296.
    const auto shapes = DrawOne(kStraight, {20, 100}, {120, 110});
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0], (Points{{20, 102}, {20, 98}, {120, 108}, {120, 112}}));
    const double length = std::hypot(100.0, 10.0);
    const double m = 5 / kDegreesPerRadian;
    const double h = 20;
    const Points serif{
        {static_cast<int>(20 + (length - h) * std::cos(m)),
         static_cast<int>(std::ceil((length - h) * std::sin(m) + 98))},
        {120, 108},
        {static_cast<int>(20 + h / 2 * std::sin(m) + (length - h / 2) * std::cos(m)),
         static_cast<int>(98 + (length - h / 2) * std::sin(m) - h / 2 * std::cos(m))}};
    EXPECT_EQ(shapes[1], serif);
    EXPECT_EQ(serif, (Points{{100, 106}, {120, 108}, {111, 95}}));
}

TEST_F(BrushShapes, NearlyUprightStraightIsAnEightPixelBarStraightDown) {
    // 88 degrees, within 4 of upright: the bottom lies directly below the top.
    const auto shapes = DrawOne(kStraight, {100, 20}, {103, 120});
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0], (Points{{96, 20}, {104, 20}, {104, 120}, {96, 120}}));
}

TEST_F(BrushShapes, LeaningUprightStraightFollowsItsEnd) {
    // 78 degrees: still a bar (tolerance 15), its bottom under the end point.
    const auto shapes = DrawOne(kStraight, {100, 20}, {120, 120});
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0], (Points{{96, 20}, {104, 20}, {124, 120}, {116, 120}}));
}

TEST_F(BrushShapes, NoRectCodeIsAlwaysAWedge) {
    const auto shapes = DrawOne(kStraightNoRect, {50, 100}, {150, 100});
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0], (Points{{150, 100}, {45, 95}, {55, 105}}));
    const auto upright = DrawOne(kStraightNoRect, {100, 20}, {100, 120});
    ASSERT_EQ(upright.size(), 1u);
    EXPECT_EQ(upright[0], (Points{{100, 20}, {105, 115}, {95, 125}}));
}

TEST_F(BrushShapes, RectOnlyCodesStayBarsUpTo45Degrees) {
    const CPoint start{0, 0};
    const CPoint end{100, 58};  // 30 degrees
    const auto bar = DrawOne(kStraightRectOnly, start, end);
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0], (Points{{0, 2}, {0, -2}, {100, 56}, {100, 60}}));
    const int g = StrokeWidth(std::hypot(100.0, 58.0)) / 2;
    const auto wedge = DrawOne(kStraight, start, end);
    ASSERT_EQ(wedge.size(), 1u);
    EXPECT_EQ(wedge[0], (Points{start, {end.x + g, end.y - g}, {end.x - g, end.y + g}}));
}

TEST_F(BrushShapes, WedgeFormsByDirection) {
    // Leftwards and down (d > 90), leftwards and up (d < -90), rightwards and up.
    const int g = StrokeWidth(std::hypot(60.0, 60.0)) / 2;
    EXPECT_EQ(DrawOne(kStraight, {100, 40}, {40, 100})[0],
              (Points{{40, 100}, {100 - g, 40 - g}, {100 + g, 40 + g}}));
    EXPECT_EQ(DrawOne(kStraight, {100, 100}, {40, 40})[0],
              (Points{{100, 100}, {40 - g, 40 + g}, {40 + g, 40 - g}}));
    EXPECT_EQ(DrawOne(kStraight, {40, 100}, {100, 40})[0],
              (Points{{100, 40}, {40 - g, 100 - g}, {40 + g, 100 + g}}));
}

// --- Sweeps ------------------------------------------------------------------------------

TEST_F(BrushShapes, SweepWithItsHeadAtTheStart) {
    // Down and left (126 degrees), length 100: p = 10, q = 5, bx = 60, by = 80.
    const CPoint start{120, 40};
    const CPoint end{60, 120};
    const CPoint h1{115, 35};
    const CPoint h2{125, 45};
    const CPoint c{0, -45};
    const auto shapes = DrawOne(kCurve, start, end);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0], Outline({Arc(end, h1, c), Arc(h2, end, c)}));
    EXPECT_GT(shapes[0].size(), 100u);
}

TEST_F(BrushShapes, SweepWithItsHeadAtTheEnd) {
    // Down and right (45 degrees): the head at the end, p = 11, q = 5.
    const CPoint start{60, 40};
    const CPoint end{140, 120};
    const CPoint h1{135, 125};
    const CPoint h2{145, 115};
    const CPoint c{h2.x + 80, 40 - 80};
    const auto shapes = DrawOne(kCurve, start, end);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0], Outline({Arc(start, h1, c), Arc(h2, start, c)}));
}

TEST_F(BrushShapes, ReducedSweepHalvesItsExtents) {
    const CPoint start{120, 40};
    const CPoint end{60, 120};
    const CPoint c{60 - 30, 35 - 40};
    EXPECT_EQ(DrawOne(kExtraCurve, start, end)[0],
              Outline({Arc(end, {115, 35}, c), Arc({125, 45}, end, c)}));
}

TEST_F(BrushShapes, MirroredFlushSweepHasItsOneSidedHeadAtTheStart) {
    // Code 31 going down and right: s = -1, h1 = (start.x - p, start.y), h2 = start.
    const CPoint start{60, 40};
    const CPoint end{140, 120};
    const int p = StrokeWidth(std::hypot(80.0, 80.0));
    const CPoint h1{60 - p, 40};
    const CPoint c{end.x + 80, h1.y - 80};
    EXPECT_EQ(DrawOne(kCurveFlushMir, start, end)[0],
              Outline({Arc(end, h1, c), Arc(start, end, c)}));
}

TEST_F(BrushShapes, SweepInTheUprightBandIsATriangle) {
    EXPECT_EQ(DrawOne(kCurve, {100, 20}, {100, 120})[0], (Points{{100, 120}, {95, 15}, {105, 25}}));
    EXPECT_EQ(DrawOne(kCurveVe, {100, 20}, {100, 120})[0],
              (Points{{100, 120}, {100, 20}, {90, 20}}));
}

TEST_F(BrushShapes, SharpSweepUsesTheWidthAsItsExtents) {
    const CPoint start{120, 40};
    const CPoint end{60, 120};
    const CPoint c{60 - 10, 35 - 10};
    EXPECT_EQ(DrawOne(kSharpCurve, start, end)[0],
              Outline({Arc(end, {115, 35}, c), Arc({125, 45}, end, c)}));
    const CPoint extra{60 - 1, 35 - 1};
    EXPECT_EQ(DrawOne(kExtraSharpCurve, start, end)[0],
              Outline({Arc(end, {115, 35}, extra), Arc({125, 45}, end, extra)}));
}

TEST_F(BrushShapes, SharpSweepHasANarrowerUprightBand) {
    // 84 degrees: inside the sweep's band of 9, outside the sharp sweep's band of 3.
    const auto sweep = DrawOne(kCurve, {100, 20}, {110, 120});
    ASSERT_EQ(sweep.size(), 1u);
    EXPECT_EQ(sweep[0].size(), 3u);
    const auto sharp = DrawOne(kSharpCurve, {100, 20}, {110, 120});
    ASSERT_EQ(sharp.size(), 1u);
    EXPECT_GT(sharp[0].size(), 3u);
    EXPECT_EQ(DrawOne(kSharpCurveVe, {100, 20}, {104, 120})[0],
              (Points{{104, 120}, {100, 20}, {90, 20}}));
}

TEST_F(BrushShapes, UpwardSweepsDrawNothing) {
    for (int type : {kCurve, kExtraCurve, kCurveFlush, kCurveVe, kSharpCurve, kCurveFlushMir,
                     kSharpCurveFlushMir, kExtraSharpCurveFlushMir}) {
        EXPECT_TRUE(DrawOne(type, {100, 100}, {150, 50}).empty()) << type;
        EXPECT_TRUE(DrawOne(type, {100, 100}, {50, 50}).empty()) << type;
        EXPECT_TRUE(DrawOne(type, {100, 100}, {150, 100}).empty()) << type;
    }
}

TEST_F(BrushShapes, SuperSharpAndComparisonCodesDrawNothing) {
    for (int type : std::initializer_list<int>{kSuperSharpCurve, kSuperSharpCurveFlush, kCompStroke,
                                               kNoType, 99}) {
        EXPECT_TRUE(DrawOne(type, {120, 40}, {60, 120}).empty()) << type;
        EXPECT_TRUE(picture.Calls().empty()) << type;
    }
}

// --- Dots ----------------------------------------------------------------------------------

TEST_F(BrushShapes, DownwardDotIsADropWithARoundHead) {
    // Length 30: width 7, head radius trunc(0.75 * 7) = 5 around the end.
    const CPoint start{100, 50};
    const CPoint end{100, 80};
    const auto shapes = DrawOne(kTeardrop, start, end);
    const CPoint left{95, 80};
    const CPoint right{105, 80};
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0], Outline({Arc(start, left, DropArcCentre(start, left)),
                                  Arc(right, start, DropArcCentre(start, right))}));
    const auto chords = picture.CallsOf(Kind::Chord);
    ASSERT_EQ(chords.size(), 1u);
    EXPECT_EQ(chords[0].rect, (CRect{95, 75, 105, 85}));
    EXPECT_EQ(chords[0].points, (Points{left, right}));
}

TEST_F(BrushShapes, DropSidePointOnTheStartColumnMovesOutwards) {
    // Length 30.4, radius 5: the left side point would be (100, 81), right under the start.
    const CPoint start{100, 50};
    const CPoint end{105, 80};
    const auto shapes = DrawOne(kTeardrop, start, end);
    ASSERT_EQ(shapes.size(), 1u);
    const CPoint moved{98, 81};
    const CPoint right{110, 79};
    EXPECT_EQ(shapes[0], Outline({Arc(start, moved, DropArcCentre(start, moved)),
                                  Arc(right, start, DropArcCentre(start, right))}));
    EXPECT_EQ(picture.CallsOf(Kind::Chord)[0].points, (Points{{100, 81}, right}));
}

TEST_F(BrushShapes, UpwardDotIsAWedgeWithADropBelowIt) {
    // Length 22: width 6, h = 3; the drop runs from (103, 94) down to (103, 100 + 0.45 * 20).
    const auto shapes = DrawOne(kTeardrop, {100, 100}, {110, 80});
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0], (Points{{110, 80}, {97, 97}, {103, 103}}));
    EXPECT_EQ(shapes[1].front(), (CPoint{103, 94}));
    const auto chords = picture.CallsOf(Kind::Chord);
    ASSERT_EQ(chords.size(), 1u);
    // Drop length 15: width 5, radius 3 around (103, 109).
    EXPECT_EQ(chords[0].rect, (CRect{100, 106, 106, 112}));
}

TEST_F(BrushShapes, UpwardDotKeepsItsDropInsideTheDotArea) {
    // Near the top-left corner the drop would start at y = -1; near the bottom-right it
    // would hang past the area's corner.
    const auto top = DrawOne(kTeardrop, {2, 3}, {10, 0});
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[1].front(), (CPoint{4, 0}));
    const auto bottom = DrawOne(kTeardrop, {192, 166}, {199, 100});
    ASSERT_EQ(bottom.size(), 2u);
    EXPECT_EQ(bottom[1].front(), (CPoint{kDotAreaRight, 158}));
    const auto chords = picture.CallsOf(Kind::Chord);
    ASSERT_EQ(chords.size(), 1u);
    const CRect head = chords[0].rect;
    EXPECT_EQ((CPoint{(head.left + head.right) / 2, (head.top + head.bottom) / 2}),
              (CPoint{kDotAreaRight, kDotAreaBottom}));
}

// --- L-shapes and hooks --------------------------------------------------------------------

TEST_F(BrushShapes, HookedLShapeIsOneOutlineWithARoundCap) {
    const CKanjiStrokes list = List({Segment(kLHookBegin, 1, {50, 40}, {50, 120}),
                                     Segment(kLHookEnd, 0, {50, 120}, {130, 120})});
    const auto shapes = Draw(list);
    ASSERT_EQ(shapes.size(), 1u);
    // Limbs 8 wide; the hook rises 32 pixels (less than 0.75 of the height 80).
    EXPECT_EQ(shapes[0], (Points{{46, 40},
                                 {54, 40},
                                 {54, 116},
                                 {122, 116},
                                 {122, 88},
                                 {130, 88},
                                 {130, 124},
                                 {46, 124}}));
    const auto chords = picture.CallsOf(Kind::Chord);
    ASSERT_EQ(chords.size(), 1u);
    EXPECT_EQ(chords[0].rect, (CRect{122, 84, 130, 92}));
    EXPECT_EQ(chords[0].points, (Points{{130, 88}, {122, 88}}));
}

TEST_F(BrushShapes, ShortLShapeHookRisesThreeQuartersOfItsHeight) {
    const CKanjiStrokes list = List({Segment(kLHookBegin, 1, {50, 100}, {50, 120}),
                                     Segment(kLHookEnd, 0, {50, 120}, {130, 120})});
    const auto shapes = Draw(list);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0][4], (CPoint{122, 105}));
}

TEST_F(BrushShapes, LShapeWithoutHook) {
    const CKanjiStrokes list = List({Segment(kLHookBegin, 1, {50, 40}, {50, 120}),
                                     Segment(kLNoHookEnd, 0, {50, 120}, {130, 120})});
    const auto shapes = Draw(list);
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0],
              (Points{{46, 40}, {54, 40}, {54, 116}, {130, 116}, {130, 124}, {46, 124}}));
    EXPECT_TRUE(picture.CallsOf(Kind::Chord).empty());
}

TEST_F(BrushShapes, HookBendingRightGetsItsCap) {
    // 82 degrees; end.x moves to start.x + 18 = 118; k = 16; R5 at end.y - 28.
    const CPoint e{118, 120};
    const CPoint r1{104, 42};
    const CPoint r6{110, 104};
    const CPoint r7{114, 34};
    const Points hook =
        Outline({Vertex(r1), Arc({96, 38}, {110, 120}, r7), Vertex(e), Vertex({118, 112}),
                 Arc({122, 92}, r6, {102, 84}), Arc(r6, r1, r7)});
    const auto shapes = DrawOne(kHook, {100, 40}, {110, 120});
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0], hook);
    const auto chords = picture.CallsOf(Kind::Chord);
    ASSERT_EQ(chords.size(), 1u);
    EXPECT_EQ(chords[0].rect, (CRect{114, 112, 122, 120}));
    EXPECT_EQ(chords[0].points, (Points{{118, 120}, {118, 112}}));

    const Points stem = Outline({Vertex(r1), Arc({96, 38}, {110, 120}, r7), Vertex(e),
                                 Vertex({118, 112}), Arc(r6, r1, r7)});
    EXPECT_EQ(DrawOne(kHookStem, {100, 40}, {110, 120})[0], stem);
}

TEST_F(BrushShapes, HookDrawnWithTheCallersBrushHasNoCap) {
    picture.SetPen(CPen{kGhostColor, 1, CPenStyle::Solid});
    const auto shapes = Draw(One(kHook, {100, 40}, {110, 120}), kRoleGhost);
    EXPECT_EQ(shapes.size(), 1u);
    EXPECT_TRUE(picture.CallsOf(Kind::Chord).empty());
}

TEST_F(BrushShapes, HookBendingLeftFarForm) {
    // 116 degrees and end.x < start.x - 12: the far form.
    const CPoint s{100, 40};
    const CPoint e{60, 120};
    const CPoint a{96, 40};
    const CPoint j{104, 40};
    const CPoint mp{58, 38};
    EXPECT_EQ(DrawOne(kHook, s, e)[0],
              Outline({Vertex(j), Vertex(a), Arc(a, {60, 108}, mp), Vertex({40, 108}),
                       Arc({44, 110}, {56, 120}, {36, 128}), Arc(e, j, mp)}));
    EXPECT_EQ(DrawOne(kHookStem, s, e)[0],
              Outline({Vertex(j), Vertex(a), Arc(a, {60, 108}, mp), Arc(e, j, mp)}));
    EXPECT_TRUE(picture.CallsOf(Kind::Chord).empty());
}

TEST_F(BrushShapes, HookBendingLeftNearForm) {
    // 91 degrees: end.x becomes start.x - 4 = 96; J->H runs at 98 degrees, J->I at 90.
    const CPoint s{100, 40};
    const CPoint e{98, 120};
    EXPECT_EQ(DrawOne(kHookStem, s, e)[0], (Points{{104, 40}, {96, 40}, {96, 104}, {104, 104}}));
    EXPECT_EQ(DrawOne(kHook, s, e)[0],
              Outline({Vertex({104, 40}), Vertex({96, 40}), Arc({96, 104}, {92, 108}, {91, 103}),
                       Vertex({76, 108}), Arc({80, 110}, {92, 120}, {72, 128}),
                       Arc({92, 120}, {104, 104}, {91, 103})}));
}

TEST_F(BrushShapes, HookCurve) {
    // Length 107: width 11, p = 8; M = (119, 100).
    const CPoint s{60, 40};
    const CPoint e{100, 140};
    const CPoint m{119, 100};
    const CPoint p5{127, 100};
    const CPoint c1{52, 108};
    const CPoint c2{94, 97};
    EXPECT_EQ(DrawOne(kChook, s, e)[0],
              Outline({Arc(s, m, c1), Arc(m, {102, 130}, c2), Arc({84, 128}, e, {76, 148}),
                       Arc({108, 140}, p5, c2), Arc(p5, s, c1)}));
}

// --- The list driver -----------------------------------------------------------------------

TEST_F(BrushShapes, AfterCurveBarTakesThePreviousSegmentsWidth) {
    const CKanjiStrokes list = List({Segment(kStraightNoArrow, 1, {20, 50}, {120, 50}),
                                     Segment(kAfterCurve, 0, {120, 60}, {170, 60})});
    const auto shapes = Draw(list);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1], (Points{{120, 55}, {170, 55}, {170, 65}, {120, 65}}));
    // First in the list it falls back on its own length (50: width 8).
    EXPECT_EQ(DrawOne(kAfterCurve, {120, 60}, {170, 60})[0],
              (Points{{120, 56}, {170, 56}, {170, 64}, {120, 64}}));
}

TEST_F(BrushShapes, BentFirstHalfTakesTheNextSegmentsWidth) {
    const CKanjiStrokes list = List({Segment(kStraightBc, 1, {100, 20}, {100, 100}),
                                     Segment(kStraightNoArrow, 0, {100, 100}, {150, 100})});
    const auto shapes = Draw(list);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0], (Points{{96, 20}, {104, 20}, {104, 100}, {96, 100}}));
    // Last in the list: its own length 80, width 10.
    EXPECT_EQ(DrawOne(kStraightBc, {100, 20}, {100, 100})[0],
              (Points{{95, 20}, {105, 20}, {105, 100}, {95, 100}}));
}

TEST_F(BrushShapes, BentStraightDrawsItsFollowerEightWide) {
    const CKanjiStrokes list = List({Segment(kStraightBsc, 1, {100, 20}, {100, 100}),
                                     Segment(kCurve, 0, {100, 100}, {100, 120})});
    const auto shapes = Draw(list);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0], (Points{{96, 20}, {104, 20}, {104, 100}, {96, 100}}));
    EXPECT_EQ(shapes[1], (Points{{100, 120}, {96, 96}, {104, 104}}));  // q = 8 / 2
    // Alone the curve takes its own width (length 20: 6, q = 3).
    EXPECT_EQ(DrawOne(kCurve, {100, 100}, {100, 120})[0],
              (Points{{100, 120}, {97, 97}, {103, 103}}));
}

TEST_F(BrushShapes, LShapeConsumesItsFoot) {
    const CKanjiStrokes list = List({Segment(kLHookBegin, 1, {50, 40}, {50, 120}),
                                     Segment(kLHookEnd, 0, {50, 120}, {130, 120}),
                                     Segment(kStraightNoArrow, 1, {20, 150}, {120, 150})});
    const auto shapes = Draw(list);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1], (Points{{20, 152}, {20, 148}, {120, 148}, {120, 152}}));
    EXPECT_EQ(canvas.DrawSegment(list, 0, 0), 2u);
    EXPECT_EQ(canvas.DrawListSegment(list, 0), 2u);
    EXPECT_EQ(canvas.DrawListSegment(list, 2), 1u);
    EXPECT_EQ(canvas.DrawListSegment(list, 3), 0u);
}

TEST_F(BrushShapes, LoneLShapeStemIsAPlainStraight) {
    const CKanjiStrokes last = List({Segment(kStraightNoArrow, 1, {20, 150}, {120, 150}),
                                     Segment(kLHookBegin, 1, {50, 40}, {50, 120})});
    const auto shapes = Draw(last);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1], (Points{{46, 40}, {54, 40}, {54, 120}, {46, 120}}));
    const CKanjiStrokes unpaired = List({Segment(kLHookBegin, 1, {20, 50}, {120, 50}),
                                         Segment(kStraightNoArrow, 1, {20, 150}, {120, 150})});
    EXPECT_EQ(Draw(unpaired).size(), 2u);  // no serif on the stem; the next stroke its own
}

TEST_F(BrushShapes, ExtremeCoordinatesDrawWithoutOverflow) {
    for (int type = -1; type <= 38; ++type) {
        const CKanjiStrokes list = List({Segment(type, 1, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}),
                                         Segment(kLHookEnd, 0, {INT_MAX, 0}, {INT_MIN, 0})});
        Draw(list);
        for (const Points& shape : Polygons(picture))
            EXPECT_LE(shape.size(), kMaxOutlinePoints);
    }
}

}  // namespace
}  // namespace brushly
