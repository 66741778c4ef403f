// The stroke canvas: role pens and brushes, styles, targets and the list drivers.
#include <gtest/gtest.h>

#include <vector>

#include "handwriting/CStrokeCanvas.h"
#include "handwriting/RenderTestUtil.h"
#include "platform/CRecordingCanvas.h"

namespace brushly {
namespace {

using namespace testing;
using Kind = CDrawCall::Kind;

constexpr CColor kBlack{0, 0, 0};

CKanjiStrokes TwoStrokes() {
    return List({Segment(kStraight, 1, {50, 100}, {150, 100}),
                 Segment(kStraightNoArrow, 1, {100, 20}, {100, 120})});
}

TEST(StrokeCanvas, RoleColours) {
    CRecordingCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    const std::vector<std::pair<int, CColor>> roles{{kRoleUser, {0, 0, 0}},
                                                    {kRoleIncorrect, {255, 0, 0}},
                                                    {kRoleOutOfOrder, {0, 0, 255}},
                                                    {kRoleHint, {255, 0, 255}},
                                                    {kRoleIncompleteOutOfOrder, {0, 255, 255}},
                                                    {kRoleIncomplete, {0, 255, 0}}};
    for (const auto& [role, color] : roles) {
        EXPECT_EQ(RoleColor(role), color);
        picture.Clear();
        canvas.DrawStrokes(TwoStrokes(), role);
        ASSERT_EQ(picture.Calls().size(), 3u);
        for (const CDrawCall& call : picture.Calls()) {
            EXPECT_EQ(call.pen, (CPen{color, 1, CPenStyle::Solid})) << role;
            EXPECT_EQ(call.brush, CBrush{color}) << role;
        }
    }
    EXPECT_FALSE(RoleColor(kRoleGhost));
    EXPECT_FALSE(canvas.RolePen(0));
    EXPECT_FALSE(canvas.RoleBrush(7));
}

TEST(StrokeCanvas, GhostRoleDrawsWithTheCallersPenAndBrush) {
    CRecordingCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    const CPen grey{kGhostColor, 1, CPenStyle::Solid};
    picture.SetPen(grey);
    picture.SetBrush(CBrush{kGhostColor});
    canvas.DrawStrokes(TwoStrokes(), kRoleGhost);
    ASSERT_EQ(picture.Calls().size(), 3u);
    for (const CDrawCall& call : picture.Calls()) {
        EXPECT_EQ(call.pen, grey);
        EXPECT_EQ(call.brush, CBrush{kGhostColor});
    }
}

TEST(StrokeCanvas, RestoresThePenAndBrushAfterEachList) {
    CRecordingCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    const CPen pen{{1, 2, 3}, 3, CPenStyle::Dot};
    const CBrush brush{CColor{4, 5, 6}};
    picture.SetPen(pen);
    picture.SetBrush(brush);
    canvas.DrawStrokes(TwoStrokes(), kRoleIncorrect);
    EXPECT_EQ(picture.Pen(), pen);
    EXPECT_EQ(picture.Brush(), brush);
    canvas.DrawStrokesSimple(TwoStrokes(), kRoleHint);
    EXPECT_EQ(picture.Pen(), pen);
    EXPECT_EQ(picture.Brush(), brush);
}

TEST(StrokeCanvas, SetStyleRecreatesThePens) {
    CRecordingCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    EXPECT_EQ(canvas.GetStyle(), CStrokeCanvas::Style::Brush);
    for (int role = kRoleUser; role <= kRoleIncomplete; ++role)
        EXPECT_EQ(canvas.RolePen(role)->width, 1);

    canvas.SetStyle(CStrokeCanvas::Style::Simple);
    for (int role = kRoleUser; role <= kRoleIncomplete; ++role) {
        EXPECT_EQ(canvas.RolePen(role)->width, 8);
        EXPECT_EQ(canvas.RolePen(role)->color, *RoleColor(role));
        EXPECT_EQ(canvas.RolePen(role)->style, CPenStyle::Solid);
    }
    canvas.DrawStrokesInStyle(TwoStrokes(), kRoleUser);
    ASSERT_EQ(picture.CallsOf(Kind::Line).size(), 2u);
    EXPECT_EQ(picture.Calls()[0].pen.width, 8);
    EXPECT_TRUE(picture.CallsOf(Kind::Polygon).empty());

    canvas.SetStyle(CStrokeCanvas::Style::Brush);
    picture.Clear();
    canvas.DrawStrokesInStyle(TwoStrokes(), kRoleUser);
    ASSERT_EQ(picture.CallsOf(Kind::Polygon).size(), 3u);
    EXPECT_EQ(picture.Calls()[0].pen, (CPen{kBlack, 1, CPenStyle::Solid}));
}

TEST(StrokeCanvas, WorkingImageIsMadeOnceWhenFirstNeeded) {
    CRecordingCanvas picture(200, 176);
    CStrokeCanvas canvas(picture);
    CCanvas& working = canvas.WorkingImage();
    EXPECT_NE(&working, &picture);
    EXPECT_EQ(working.Width(), 200);
    EXPECT_EQ(working.Height(), 176);
    EXPECT_EQ(&canvas.WorkingImage(), &working);
}

TEST(StrokeCanvas, DrawsOnTheSelectedTarget) {
    CRecordingCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    EXPECT_EQ(canvas.SelectTarget(CStrokeCanvas::Target::WorkingImage),
              CStrokeCanvas::Target::Picture);
    canvas.DrawStrokes(TwoStrokes(), kRoleUser);
    EXPECT_TRUE(picture.Calls().empty());
    const auto& working = dynamic_cast<const CRecordingCanvas&>(canvas.WorkingImage());
    EXPECT_EQ(working.CallsOf(Kind::Polygon).size(), 3u);
    EXPECT_EQ(canvas.SelectTarget(CStrokeCanvas::Target::Picture),
              CStrokeCanvas::Target::WorkingImage);
    canvas.DrawSegment(TwoStrokes(), 1, 0);
    EXPECT_EQ(picture.CallsOf(Kind::Polygon).size(), 1u);
}

TEST(StrokeCanvas, SegmentCallsUseTheCurrentPen) {
    CRecordingCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    const CPen pen{{9, 9, 9}, 1, CPenStyle::Solid};
    picture.SetPen(pen);
    EXPECT_EQ(canvas.DrawSegment(TwoStrokes(), 0, 0), 1u);
    EXPECT_EQ(canvas.DrawListSegment(TwoStrokes(), 1), 1u);
    EXPECT_EQ(canvas.DrawSegmentSimple(TwoStrokes(), 0), 1u);
    EXPECT_EQ(canvas.DrawSegment(TwoStrokes(), 2, 0), 0u);
    for (const CDrawCall& call : picture.Calls())
        EXPECT_EQ(call.pen, pen);
}

TEST(StrokeCanvas, EmptyListDrawsNothing) {
    CRecordingCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    canvas.DrawStrokes(CKanjiStrokes{}, kRoleUser);
    canvas.DrawStrokesSimple(CKanjiStrokes{}, kRoleUser);
    EXPECT_TRUE(picture.Calls().empty());
}

}  // namespace
}  // namespace brushly
