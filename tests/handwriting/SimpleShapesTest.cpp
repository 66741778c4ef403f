// The simple style's shapes: lines and elliptical arcs with the role pens.
#include <gtest/gtest.h>

#include <vector>

#include "handwriting/CStrokeCanvas.h"
#include "handwriting/RenderTestUtil.h"
#include "handwriting/ShapeSupport.h"
#include "handwriting/SimpleShapes.h"
#include "handwriting/StrokeGeometry.h"
#include "platform/CRecordingCanvas.h"

namespace brushly {
namespace {

using namespace testing;
using Kind = CDrawCall::Kind;

class SimpleShapes : public ::testing::Test {
protected:
    SimpleShapes() { canvas.SetStyle(CStrokeCanvas::Style::Simple); }

    std::vector<Points> Draw(const CKanjiStrokes& list) {
        picture.Clear();
        canvas.DrawStrokesSimple(list, kRoleUser);
        return PenLines(picture);
    }
    std::vector<Points> DrawOne(int type, CPoint start, CPoint end) {
        return Draw(One(type, start, end));
    }

    CRecordingCanvas picture{200, 200};
    CStrokeCanvas canvas{picture};
};

TEST_F(SimpleShapes, StraightCodesAreOneLine) {
    for (int type :
         {kStraight, kStraightNoRect, kBoxBegin, kAfterCurve, kStraightBc, kStraightBsc}) {
        EXPECT_EQ(DrawOne(type, {20, 30}, {150, 60}), (std::vector<Points>{{{20, 30}, {150, 60}}}))
            << type;
        ASSERT_EQ(picture.Calls().size(), 1u);
        EXPECT_EQ(picture.Calls()[0].kind, Kind::Line);
        EXPECT_EQ(picture.Calls()[0].pen.width, 8);
    }
}

TEST_F(SimpleShapes, SweepArcsAroundItsCentre) {
    // Head at the start (126 degrees): centre (end.x - bx, start.y - by).
    EXPECT_EQ(DrawOne(kCurve, {120, 40}, {60, 120}),
              (std::vector<Points>{ArcPoints({120, 40}, {60, 120}, {0, -40})}));
    EXPECT_EQ(picture.Calls()[0].kind, Kind::Polyline);
    // Head at the end (45 degrees): centre (end.x + bx, start.y - by).
    EXPECT_EQ(DrawOne(kCurve, {60, 40}, {140, 120}),
              (std::vector<Points>{ArcPoints({60, 40}, {140, 120}, {220, -40})}));
    // Halved extents, and the mirrored code's centre on the other side.
    EXPECT_EQ(DrawOne(kExtraCurve, {120, 40}, {60, 120}),
              (std::vector<Points>{ArcPoints({120, 40}, {60, 120}, {30, 0})}));
    EXPECT_EQ(DrawOne(kCurveFlushMir, {60, 40}, {140, 120}),
              (std::vector<Points>{ArcPoints({60, 40}, {140, 120}, {220, -40})}));
    EXPECT_EQ(DrawOne(kCurve, {100, 20}, {108, 120}),
              (std::vector<Points>{{{100, 20}, {108, 120}}}));
}

TEST_F(SimpleShapes, SharpSweepArcsAroundTheWidth) {
    // Length 100: b = 10; extra sharp b = 1.
    EXPECT_EQ(DrawOne(kSharpCurve, {120, 40}, {60, 120}),
              (std::vector<Points>{ArcPoints({120, 40}, {60, 120}, {50, 30})}));
    EXPECT_EQ(DrawOne(kExtraSharpCurve, {60, 40}, {140, 120}),
              (std::vector<Points>{ArcPoints({60, 40}, {140, 120}, {141, 39})}));
    EXPECT_EQ(DrawOne(kSharpCurve, {100, 20}, {104, 120}),
              (std::vector<Points>{{{100, 20}, {104, 120}}}));
}

TEST_F(SimpleShapes, UpwardSweepsDrawNothing) {
    for (int type : {kCurve, kExtraCurveVe, kSharpCurve, kCurveFlushMir, kSharpCurveFlushMir})
        EXPECT_TRUE(DrawOne(type, {100, 100}, {150, 50}).empty()) << type;
    EXPECT_TRUE(picture.Calls().empty());
}

TEST_F(SimpleShapes, CodesWithoutShapeDrawNothing) {
    for (int type : {kSuperSharpCurve, kSuperSharpCurveFlush, kCompStroke, kLHookEnd, kNoType})
        EXPECT_TRUE(DrawOne(type, {120, 40}, {60, 120}).empty()) << type;
}

TEST_F(SimpleShapes, LShapeWithHook) {
    const CKanjiStrokes list = List({Segment(kLHookBegin, 1, {52, 40}, {50, 120}),
                                     Segment(kLHookEnd, 0, {50, 120}, {130, 120})});
    EXPECT_EQ(Draw(list),
              (std::vector<Points>{
                  {{52, 40}, {50, 120}}, {{50, 120}, {130, 120}}, {{130, 120}, {130, 110}}}));
    const CKanjiStrokes high =
        List({Segment(kLHookBegin, 1, {50, 0}, {50, 5}), Segment(kLHookEnd, 0, {50, 5}, {130, 5})});
    EXPECT_EQ(Draw(high).back(), (Points{{130, 5}, {130, 1}}));
    const CKanjiStrokes plain = List({Segment(kLHookBegin, 1, {50, 40}, {50, 120}),
                                      Segment(kLNoHookEnd, 0, {50, 120}, {130, 120})});
    EXPECT_EQ(Draw(plain).size(), 2u);
}

TEST_F(SimpleShapes, LoneLShapeStemIsItsLine) {
    EXPECT_EQ(DrawOne(kLHookBegin, {50, 40}, {50, 120}),
              (std::vector<Points>{{{50, 40}, {50, 120}}}));
}

TEST_F(SimpleShapes, DotDownIsOneArc) {
    // The end moves 2 pixels right when it lies straight under the start.
    EXPECT_EQ(DrawOne(kTeardrop, {100, 50}, {100, 80}),
              (std::vector<Points>{ArcPoints({100, 50}, {102, 80}, {98, 110})}));
    EXPECT_EQ(DrawOne(kTeardrop, {100, 50}, {90, 80}),
              (std::vector<Points>{ArcPoints({100, 50}, {90, 80}, {80, 20})}));
}

TEST_F(SimpleShapes, DotUpIsATickAndALine) {
    // Length 22: w = 6.
    EXPECT_EQ(DrawOne(kTeardrop, {100, 100}, {110, 80}),
              (std::vector<Points>{{{94, 94}, {100, 100}}, {{100, 100}, {110, 80}}}));
    // The tick's start is kept inside the dot area.
    EXPECT_EQ(DrawOne(kTeardrop, {3, 3}, {10, 0})[0], (Points{{0, 0}, {3, 3}}));
}

TEST_F(SimpleShapes, HookCurve) {
    // Length 107: w = 11, x = 19.26, a = 8; M = (119, 100).
    EXPECT_EQ(DrawOne(kChook, {60, 40}, {100, 140}),
              (std::vector<Points>{ArcPoints({60, 40}, {119, 100}, {52, 108}),
                                   ArcPoints({119, 100}, {100, 140}, {92, 97}),
                                   {{100, 140}, {92, 135}}}));
}

TEST_F(SimpleShapes, Hooks) {
    // Bending right: arc around (end.x + 4, start.y - 4), flick (+5, -10).
    EXPECT_EQ(DrawOne(kHook, {100, 40}, {110, 120}),
              (std::vector<Points>{ArcPoints({100, 40}, {110, 120}, {114, 36}),
                                   {{110, 120}, {115, 110}}}));
    // Straight up: the end moves 4 pixels right to give the arc room.
    EXPECT_EQ(DrawOne(kHook, {100, 120}, {100, 40})[0],
              ArcPoints({100, 120}, {104, 40}, {108, 116}));
    // Bending left far: arc around (end.x - 2, start.y - 2), flick (-10, -10).
    EXPECT_EQ(
        DrawOne(kHook, {100, 40}, {60, 120}),
        (std::vector<Points>{ArcPoints({100, 40}, {60, 120}, {58, 38}), {{60, 120}, {50, 110}}}));
    // Nearly straight down: a line to end.x = start.x; the stem has no flick.
    EXPECT_EQ(DrawOne(kHookStem, {100, 40}, {98, 120}),
              (std::vector<Points>{{{100, 40}, {100, 120}}}));
}

TEST_F(SimpleShapes, ShapeReportsTheSegmentsItUses) {
    const CKanjiStrokes list = List({Segment(kLHookBegin, 1, {50, 40}, {50, 120}),
                                     Segment(kLNoHookEnd, 0, {50, 120}, {130, 120}),
                                     Segment(kCompStroke, 1, {0, 0}, {10, 10})});
    EXPECT_EQ(SimpleSegmentShape(list, 0).consumed, 2u);
    EXPECT_EQ(SimpleSegmentShape(list, 2).consumed, 1u);
    EXPECT_TRUE(SimpleSegmentShape(list, 2).lines.empty());
    EXPECT_EQ(SimpleSegmentShape(list, 3).consumed, 0u);
    EXPECT_EQ(canvas.DrawSegmentSimple(list, 0), 2u);
}

}  // namespace
}  // namespace brushly
