// What a draw box shows, and in which order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "handwriting/BoxPicture.h"
#include "handwriting/CStrokeCanvas.h"
#include "handwriting/RenderTestUtil.h"
#include "platform/CRecordingCanvas.h"

namespace brushly {
namespace {

using namespace testing;
using Kind = CDrawCall::Kind;

constexpr CColor kWhite{255, 255, 255};
constexpr CColor kBlack{0, 0, 0};
constexpr CColor kGreen{0, 255, 0};

// The colours of the filled shapes, in drawing order, one entry per run of equal colours.
std::vector<CColor> ShapeColourRuns(const CRecordingCanvas& canvas) {
    std::vector<CColor> runs;
    for (const CDrawCall& call : canvas.Calls()) {
        if (call.kind != Kind::Polygon && call.kind != Kind::Line) continue;
        if (call.pen.style == CPenStyle::Dot) continue;
        if (runs.empty() || !(runs.back() == call.pen.color)) runs.push_back(call.pen.color);
    }
    return runs;
}

class BoxPicture : public ::testing::Test {
protected:
    BoxPicture() {
        state.areaWidth = 200;
        state.areaHeight = 176;
    }

    CRecordingCanvas picture{200, 200};
    CStrokeCanvas canvas{picture};
    CBoxPictureState state;
    const CKanjiStrokes ghost = One(kStraightNoArrow, {20, 30}, {180, 30});
    const CKanjiStrokes user = One(kStraightNoArrow, {20, 60}, {180, 60});
    const CKanjiStrokes incorrect = One(kStraightNoArrow, {20, 90}, {180, 90});
    const CKanjiStrokes wrongOrder = One(kStraightNoArrow, {20, 100}, {180, 100});
    const CKanjiStrokes incomplete = One(kStraightNoArrow, {20, 110}, {180, 110});
    const CKanjiStrokes incompleteWrongOrder = One(kStraightNoArrow, {20, 120}, {180, 120});
    const CKanjiStrokes hint = List({Segment(kStraightNoArrow, 1, {30, 140}, {90, 140}),
                                     Segment(kStraightNoArrow, 0, {90, 140}, {170, 150})});
};

TEST_F(BoxPicture, BackgroundAndGuidesComeFirst) {
    state.guides = 1;
    ComposeBoxPicture(canvas, state);
    const auto& calls = picture.Calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, Kind::FillRect);
    EXPECT_EQ(calls[0].rect, (CRect{0, 0, 200, 176}));
    EXPECT_EQ(calls[0].color, kWhite);
    const CPen dotted{kBlack, 1, CPenStyle::Dot};
    EXPECT_EQ(calls[1].points, (Points{{0, 88}, {200, 88}}));
    EXPECT_EQ(calls[1].pen, dotted);
    EXPECT_EQ(calls[2].points, (Points{{100, 0}, {100, 176}}));
    EXPECT_EQ(calls[2].pen, dotted);
}

TEST_F(BoxPicture, ThirdsGuides) {
    state.guides = 2;
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(
        PointsOf(picture, Kind::Line),
        (std::vector<Points>{{{0, 88}, {200, 88}}, {{66, 0}, {66, 176}}, {{133, 0}, {133, 176}}}));
}

TEST_F(BoxPicture, WithoutGuidesOnlyTheCentreLine) {
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(PointsOf(picture, Kind::Line), (std::vector<Points>{{{0, 88}, {200, 88}}}));
}

TEST_F(BoxPicture, AreaDefaultsToThePicture) {
    state.areaWidth = 0;
    state.areaHeight = 0;
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(picture.Calls()[0].rect, (CRect{0, 0, 200, 200}));
}

TEST_F(BoxPicture, GhostBeforeUserStrokes) {
    state.ghost = &ghost;
    state.userStrokes = &user;
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(ShapeColourRuns(picture), (std::vector<CColor>{kGhostColor, kBlack}));
    const auto polygons = picture.CallsOf(Kind::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].pen, (CPen{kGhostColor, 1, CPenStyle::Solid}));
    EXPECT_EQ(polygons[0].brush, CBrush{kGhostColor});
    EXPECT_EQ(polygons[0].points[0], (CPoint{20, 32}));
    EXPECT_EQ(polygons[1].points[0], (CPoint{20, 62}));
}

TEST_F(BoxPicture, SimpleStyleGhostUsesAnEightPixelPen) {
    canvas.SetStyle(CStrokeCanvas::Style::Simple);
    state.ghost = &ghost;
    ComposeBoxPicture(canvas, state);
    const auto lines = picture.CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].pen, (CPen{kGhostColor, 8, CPenStyle::Solid}));
    EXPECT_EQ(lines[1].points, (Points{{20, 30}, {180, 30}}));
}

TEST_F(BoxPicture, GhostTextInsteadOfStrokes) {
    state.ghost = &ghost;
    const std::u16string water(1, u'\u6c34');
    state.ghostText = water;
    state.ghostFont = CFont{"", 150, 400};
    state.ghostTextTopLeft = {25, 10};
    ComposeBoxPicture(canvas, state);
    EXPECT_TRUE(picture.CallsOf(Kind::Polygon).empty());
    const auto texts = picture.CallsOf(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, water);
    EXPECT_EQ(texts[0].font.pixelHeight, 150);
    EXPECT_EQ(texts[0].points, (Points{{25, 10}}));
    EXPECT_EQ(texts[0].pen.color, kGhostColor);
}

TEST_F(BoxPicture, GreenFrameOnlyWhenCorrect) {
    state.userStrokes = &user;
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(picture.CallsOf(Kind::FillRect).size(), 1u);

    picture.Clear();
    state.correct = true;
    ComposeBoxPicture(canvas, state);
    const auto fills = picture.CallsOf(Kind::FillRect);
    ASSERT_EQ(fills.size(), 5u);
    std::vector<CRect> frame;
    for (std::size_t i = 1; i < fills.size(); ++i) {
        EXPECT_EQ(fills[i].color, kGreen);
        frame.push_back(fills[i].rect);
    }
    EXPECT_EQ(frame,
              (std::vector<CRect>{
                  {0, 0, 200, 10}, {0, 166, 200, 176}, {0, 10, 10, 166}, {190, 10, 200, 166}}));
    // The frame comes after the user's strokes.
    EXPECT_EQ(picture.Calls().back().kind, Kind::FillRect);
}

TEST_F(BoxPicture, FeedbackListsOnlyWhenShown) {
    state.userStrokes = &user;
    state.incorrect = &incorrect;
    state.wrongOrder = &wrongOrder;
    state.incomplete = &incomplete;
    state.incompleteWrongOrder = &incompleteWrongOrder;
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(ShapeColourRuns(picture), (std::vector<CColor>{kBlack}));

    picture.Clear();
    state.feedbackShown = true;
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(ShapeColourRuns(picture),
              (std::vector<CColor>{kBlack, {255, 0, 0}, {0, 0, 255}, {0, 255, 0}, {0, 255, 255}}));

    picture.Clear();
    state.drawing = true;
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(ShapeColourRuns(picture), (std::vector<CColor>{kBlack}));
}

TEST_F(BoxPicture, HintLevels) {
    const CPen magenta{{255, 0, 255}, 1, CPenStyle::Solid};
    state.hintStroke = &hint;
    state.hintLevel = 1;
    ComposeBoxPicture(canvas, state);
    auto circles = picture.CallsOf(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].rect, (CRect{25, 135, 35, 145}));
    EXPECT_EQ(circles[0].pen, magenta);
    EXPECT_EQ(circles[0].brush, CBrush{});

    picture.Clear();
    state.hintLevel = 2;
    ComposeBoxPicture(canvas, state);
    circles = picture.CallsOf(Kind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[1].rect, (CRect{165, 145, 175, 155}));

    picture.Clear();
    state.hintLevel = 3;
    ComposeBoxPicture(canvas, state);
    EXPECT_TRUE(picture.CallsOf(Kind::Ellipse).empty());
    EXPECT_EQ(ShapeColourRuns(picture), (std::vector<CColor>{{255, 0, 255}}));

    picture.Clear();
    state.hintLevel = 0;
    ComposeBoxPicture(canvas, state);
    EXPECT_TRUE(ShapeColourRuns(picture).empty());
    EXPECT_TRUE(picture.CallsOf(Kind::Ellipse).empty());
}

TEST_F(BoxPicture, WorkingStrokeIsDrawnOnTheWorkingImageAndCopiedBack) {
    const CKanjiStrokes working = List({Segment(kStraightNoArrow, 1, {20, 60}, {120, 60}),
                                        Segment(kStraightNoArrow, 0, {100, 20}, {100, 120})});
    const std::array<CPoint, 1> offsets{{{3, -2}}};
    state.userStrokes = &user;
    state.drawing = true;
    state.working = &working;
    state.workingOffsets = offsets;
    ComposeBoxPicture(canvas, state);

    const auto& image = dynamic_cast<const CRecordingCanvas&>(canvas.WorkingImage());
    const CRect whole{0, 0, 200, 200};
    ASSERT_EQ(image.Calls().size(), 3u);
    EXPECT_EQ(image.Calls()[0].kind, Kind::CopyFrom);
    EXPECT_EQ(image.Calls()[0].sourceId, picture.Id());
    EXPECT_EQ(image.Calls()[0].sourceRect, whole);
    EXPECT_EQ(Polygons(image), (std::vector<Points>{{{23, 60}, {23, 56}, {123, 56}, {123, 60}},
                                                    {{96, 20}, {104, 20}, {104, 120}, {96, 120}}}));
    EXPECT_EQ(image.Calls()[1].pen.color, kBlack);

    const CDrawCall& last = picture.Calls().back();
    EXPECT_EQ(last.kind, Kind::CopyFrom);
    EXPECT_EQ(last.sourceId, image.Id());
    EXPECT_EQ(last.rect, whole);
    // Only the finished user stroke went onto the picture itself.
    EXPECT_EQ(picture.CallsOf(Kind::Polygon).size(), 1u);
}

TEST_F(BoxPicture, LeavesTheTargetAsItWas) {
    canvas.SelectTarget(CStrokeCanvas::Target::WorkingImage);
    ComposeBoxPicture(canvas, state);
    EXPECT_EQ(canvas.SelectTarget(CStrokeCanvas::Target::Picture),
              CStrokeCanvas::Target::WorkingImage);
    EXPECT_FALSE(picture.Calls().empty());
}

}  // namespace
}  // namespace brushly
