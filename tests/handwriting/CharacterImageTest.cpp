// The built-in character renderer: the stroke picture, its copy to the square and the
// cruder line renderer below the threshold.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "handwriting/CImageKeepingCanvas.h"
#include "handwriting/CStrokeCanvas.h"
#include "handwriting/CharacterImage.h"
#include "handwriting/RenderTestUtil.h"
#include "reference/CKanjiData.h"

namespace brushly {
namespace {

using namespace testing;
using Kind = CDrawCall::Kind;

constexpr CColor kWhite{255, 255, 255};
constexpr CColor kBlack{0, 0, 0};
constexpr CColor kRed{255, 0, 0};

CKanjiData RecordWith(const CKanjiStrokes& strokes) {
    CKanjiData record;
    record.character = "\x90\x85";
    record.strokes = strokes;
    return record;
}

// One level stroke across the character square, 20 pixels from its top.
CKanjiData LevelStrokeRecord() {
    return RecordWith(One(kStraightNoArrow, {11, 20}, {179, 20}));
}

TEST(CharacterImage, RecordWithoutStrokesIsARedCross) {
    CImageKeepingCanvas target(400, 400);
    const CKanjiData empty;
    DrawCharacterImage(target, &empty, {10, 20, 110, 120}, kRoleUser, 0, std::nullopt);
    ASSERT_EQ(target.Images().size(), 1u);
    const CRecordingCanvas& image = *target.Images()[0];
    EXPECT_EQ(image.Width(), 194);
    EXPECT_EQ(image.Height(), 168);
    ASSERT_EQ(image.Calls().size(), 3u);
    EXPECT_EQ(image.Calls()[0].kind, Kind::FillRect);
    EXPECT_EQ(image.Calls()[0].rect, (CRect{0, 0, 194, 168}));
    EXPECT_EQ(image.Calls()[0].color, kWhite);
    EXPECT_EQ(PointsOf(image, Kind::Line),
              (std::vector<Points>{{{20, 20}, {160, 160}}, {{160, 20}, {20, 160}}}));
    EXPECT_EQ(image.Calls()[1].pen, (CPen{kRed, 5, CPenStyle::Solid}));

    const auto copies = target.Record().CallsOf(Kind::CopyFrom);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].sourceId, image.Id());
    EXPECT_EQ(copies[0].sourceRect, (CRect{11, 0, 179, 168}));
    EXPECT_EQ(copies[0].rect, (CRect{10, 20, 110, 120}));
    EXPECT_EQ(copies[0].mode, CStretchMode::BlackOnWhite);
}

TEST(CharacterImage, NullRecordIsARedCrossToo) {
    CImageKeepingCanvas target(400, 400);
    DrawCharacterImage(target, nullptr, {0, 0, 48, 48}, kRoleUser, 0, std::nullopt);
    ASSERT_EQ(target.Images().size(), 1u);
    EXPECT_EQ(target.Images()[0]->CallsOf(Kind::Line).size(), 2u);
}

TEST(CharacterImage, StrokesInTheBrushStyleOnTheBackground) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas target(400, 400);
    const CColor background{255, 255, 200};
    DrawCharacterImage(target, &record, {0, 0, 100, 100}, kRoleIncorrect, 0, background);
    const CRecordingCanvas& image = *target.Images().at(0);
    EXPECT_EQ(image.Calls()[0].color, background);
    const auto polygons = image.CallsOf(Kind::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points, (Points{{11, 22}, {11, 18}, {179, 18}, {179, 22}}));
    EXPECT_EQ(polygons[0].pen.color, kRed);
    EXPECT_EQ(polygons[0].brush, CBrush{kRed});
}

TEST(CharacterImage, GhostRoleIsFaintGrey) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas target(400, 400);
    DrawCharacterImage(target, &record, {0, 0, 100, 100}, kRoleGhost, 0, std::nullopt);
    const auto polygons = target.Images().at(0)->CallsOf(Kind::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].pen, (CPen{kFaintCharacterColor, 1, CPenStyle::Solid}));
    EXPECT_EQ(polygons[0].brush, CBrush{kFaintCharacterColor});
}

TEST(CharacterImage, StretchModeBySize) {
    const CKanjiData record = LevelStrokeRecord();
    for (const auto& [side, mode] :
         {std::pair{26, CStretchMode::BlackOnWhite}, std::pair{25, CStretchMode::Halftone},
          std::pair{12, CStretchMode::Halftone}}) {
        CImageKeepingCanvas target(400, 400);
        DrawCharacterImage(target, &record, {5, 5, 5 + side, 5 + side}, kRoleUser, 0, std::nullopt);
        const auto copies = target.Record().CallsOf(Kind::CopyFrom);
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(copies[0].mode, mode) << side;
        EXPECT_EQ(copies[0].sourceRect, (CRect{11, 0, 179, 168}));
    }
}

TEST(CharacterImage, Side170IsCopiedUnscaledWithinThePicture) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas target(400, 400);
    const CColor background{200, 220, 240};
    DrawCharacterImage(target, &record, {10, 20, 180, 190}, kRoleUser, 0, background);
    const auto& calls = target.Record().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, Kind::CopyFrom);
    EXPECT_EQ(calls[0].sourceRect, (CRect{11, 0, 181, 168}));
    EXPECT_EQ(calls[0].rect, (CRect{10, 20, 180, 188}));
    EXPECT_EQ(calls[1].kind, Kind::FillRect);
    EXPECT_EQ(calls[1].rect, (CRect{10, 188, 180, 190}));
    EXPECT_EQ(calls[1].color, background);
}

TEST(CharacterImage, BelowTheThresholdLinesGoStraightIntoTheSquare) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas target(400, 400);
    DrawCharacterImage(target, &record, {100, 200, 148, 248}, kRoleUser, 50, std::nullopt);
    EXPECT_TRUE(target.Images().empty());
    const auto& calls = target.Record().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, Kind::FillRect);
    EXPECT_EQ(calls[0].rect, (CRect{100, 200, 148, 248}));
    EXPECT_EQ(calls[0].color, kWhite);
    EXPECT_EQ(calls[1].kind, Kind::Line);
    // (11, 20) -> (0, 20 * 48 / 168 = 5.7); the right end is kept inside the square.
    EXPECT_EQ(calls[1].points, (Points{{100, 205}, {147, 205}}));
    EXPECT_EQ(calls[1].pen, (CPen{kBlack, 2, CPenStyle::Solid}));
}

TEST(CharacterImage, CrudePenIsAtLeastOnePixel) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas target(400, 400);
    DrawCharacterImage(target, &record, {0, 0, 12, 12}, kRoleGhost, 210, std::nullopt);
    const auto lines = target.Record().CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].pen, (CPen{kFaintCharacterColor, 1, CPenStyle::Solid}));
}

TEST(CharacterImage, CrudeRendererDrawsCurvesAsPolylinesAndTheCross) {
    const CKanjiData curved = RecordWith(One(kCurve, {120, 40}, {60, 120}));
    CImageKeepingCanvas target(400, 400);
    DrawCharacterImage(target, &curved, {0, 0, 84, 84}, kRoleUser, 100, std::nullopt);
    const auto polylines = target.Record().CallsOf(Kind::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    // Halved coordinates: (120, 40) -> ((120 - 11) / 2, 40 / 2).
    EXPECT_EQ(polylines[0].points.front(), (CPoint{54, 20}));
    EXPECT_EQ(polylines[0].points.back(), (CPoint{24, 60}));

    CImageKeepingCanvas crossed(400, 400);
    DrawCharacterImage(crossed, nullptr, {0, 0, 84, 84}, kRoleUser, 100, std::nullopt);
    const auto lines = crossed.Record().CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points, (Points{{4, 10}, {74, 80}}));
    EXPECT_EQ(lines[0].pen.color, kRed);
}

TEST(CharacterImage, ThresholdSwitchesRenderers) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas at(400, 400);
    DrawCharacterImage(at, &record, {0, 0, 31, 31}, kRoleUser, 31, std::nullopt);
    EXPECT_EQ(at.Images().size(), 1u);
    CImageKeepingCanvas below(400, 400);
    DrawCharacterImage(below, &record, {0, 0, 30, 30}, kRoleUser, 31, std::nullopt);
    EXPECT_TRUE(below.Images().empty());
    CImageKeepingCanvas unset(400, 400);
    DrawCharacterImage(unset, &record, {0, 0, 5, 5}, kRoleUser, -1, std::nullopt);
    EXPECT_EQ(unset.Images().size(), 1u);
}

TEST(CharacterImage, EmptySquareDrawsNothing) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas target(400, 400);
    DrawCharacterImage(target, &record, {10, 10, 10, 40}, kRoleUser, 0, std::nullopt);
    DrawCharacterImage(target, &record, {10, 10, 10, 40}, kRoleUser, 100, std::nullopt);
    EXPECT_TRUE(target.Record().Calls().empty());
    EXPECT_TRUE(target.Images().empty());
}

TEST(CharacterImage, LeavesTheTargetsPenAndBrush) {
    const CKanjiData record = LevelStrokeRecord();
    CImageKeepingCanvas target(400, 400);
    const CPen pen{{1, 2, 3}, 4, CPenStyle::Dot};
    target.SetPen(pen);
    DrawCharacterImage(target, &record, {0, 0, 20, 20}, kRoleUser, 100, std::nullopt);
    EXPECT_EQ(target.Record().Pen(), pen);
}

}  // namespace
}  // namespace brushly
