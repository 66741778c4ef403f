// The kanji draw box: strokes drawn with the pen, the whole-character check, its status
// captions, autocorrection, hints and the editing commands.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "handwriting/CKanjiDrawBox.h"
#include "support/PenStrokes.h"

namespace brushly {
namespace {

using brushly::testing::DrawPath;
using brushly::testing::DrawStraight;

struct CSegmentValues {
    int startX;
    int startY;
    int endX;
    int endY;
    int type;
    int newStroke;
};

CKanjiStrokes MakeStrokes(std::initializer_list<CSegmentValues> segmentValues) {
    CKanjiStrokes strokes;
    for (const CSegmentValues& values : segmentValues) {
        CStrokeData segment;
        segment.start = {values.startX, values.startY};
        segment.end = {values.endX, values.endY};
        segment.type = values.type;
        segment.newStroke = values.newStroke;
        strokes.Append(segment);
    }
    return strokes;
}

// 十: a horizontal, then a vertical.
CKanjiStrokes Ten() {
    return MakeStrokes(
        {{40, 100, 160, 100, kStraightNoArrow, 1}, {100, 40, 100, 160, kStraightNoArrow, 1}});
}

// 二: two horizontals.
CKanjiStrokes Two() {
    return MakeStrokes(
        {{50, 60, 150, 60, kStraightNoArrow, 1}, {40, 140, 160, 140, kStraightNoArrow, 1}});
}

// Draws the given single-segment stroke of strokes exactly along its database segment.
void DrawAlong(CKanjiDrawBox& box, const CKanjiStrokes& strokes, int stroke) {
    const CKanjiStrokes::StrokeIndex index = strokes.IndexStrokes();
    const auto first =
        static_cast<std::size_t>(index.firstSegment[static_cast<std::size_t>(stroke)]);
    DrawStraight(box, strokes[first].start, strokes[first].end);
}

CDrawBoxSettings EachStroke() {
    CDrawBoxSettings settings;
    settings.feedbackMode = kFeedbackEachStroke;
    return settings;
}

void ExpectSegment(const CStrokeData& segment, CPoint start, CPoint end, int type) {
    EXPECT_EQ(segment.start, start);
    EXPECT_EQ(segment.end, end);
    EXPECT_EQ(segment.type, type);
}

TEST(KanjiDrawBox, StartsEmptyWithNoStatus) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    EXPECT_EQ(box.Status(), kStatusNone);
    EXPECT_EQ(box.Caption(), "");
    EXPECT_EQ(box.UserStrokes().Size(), 0u);
    EXPECT_FALSE(box.Drawing());
    box.Check();
    EXPECT_EQ(box.Status(), kStatusNone);
}

TEST(KanjiDrawBox, StrokesDrawnAlongTheDatabaseAreCorrect) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    EXPECT_EQ(box.Status(), kStatusCorrectSoFar);
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    DrawAlong(box, target, 1);
    EXPECT_EQ(box.Status(), kStatusCorrect);
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    EXPECT_FALSE(box.FeedbackShown());
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1}));
    ASSERT_EQ(box.UserStrokes().Size(), 2u);
    ExpectSegment(box.UserStrokes()[0], {40, 100}, {160, 100}, kStraightNoArrow);
    ExpectSegment(box.UserStrokes()[1], {100, 40}, {100, 160}, kStraightNoArrow);
    EXPECT_EQ(box.UserStrokes()[1].newStroke, 1);
}

TEST(KanjiDrawBox, NoCheckWithoutFeedbackModeUntilRequested) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    CDrawBoxSettings settings;
    settings.feedbackMode = kFeedbackOnRequest;
    box.SetCharacter(target, settings);
    DrawAlong(box, target, 0);
    DrawAlong(box, target, 1);
    EXPECT_EQ(box.Status(), kStatusNone);
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{kUnmatched, kUnmatched}));
    box.Hint();
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
}

TEST(KanjiDrawBox, StrokesInTheWrongOrderAreReported) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 1);
    EXPECT_EQ(box.Status(), kStatusWrongOrder);
    EXPECT_EQ(box.Caption(), "Incorrect Stroke Order");
    EXPECT_TRUE(box.FeedbackShown());
    EXPECT_EQ(box.UserStrokes().Size(), 0u);
    EXPECT_EQ(box.WrongOrder().Size(), 1u);
    EXPECT_EQ(box.WrongOrderMap(), std::vector<int>{1});
    // The next pen down hides the feedback and discards the out-of-order stroke.
    DrawAlong(box, target, 0);
    EXPECT_EQ(box.WrongOrder().Size(), 0u);
    EXPECT_EQ(box.Caption(), "Correct (so far)");
}

TEST(KanjiDrawBox, OrderIsFreeWhenNotEnforced) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    CDrawBoxSettings settings = EachStroke();
    settings.enforceOrder = false;
    box.SetCharacter(target, settings);
    DrawAlong(box, target, 1);
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    DrawAlong(box, target, 0);
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{1, 0}));
}

TEST(KanjiDrawBox, FixOrderPutsStrokesBackInDatabaseOrder) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    CDrawBoxSettings settings;
    settings.feedbackMode = kFeedbackOnRequest;
    box.SetCharacter(target, settings);
    DrawAlong(box, target, 1);
    DrawAlong(box, target, 0);
    box.Hint();
    EXPECT_EQ(box.Caption(), "Incorrect Stroke Order");
    // The second stroke matches the expected one but follows its successor.
    EXPECT_EQ(box.WrongOrderMap(), (std::vector<int>{1, 0}));
    box.FixOrder();
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1}));
    ASSERT_EQ(box.UserStrokes().Size(), 2u);
    EXPECT_EQ(box.UserStrokes()[0].start, (CPoint{40, 100}));
    EXPECT_EQ(box.WrongOrder().Size(), 0u);
}

TEST(KanjiDrawBox, FixOrderStopsAtTheFirstMissingStroke) {
    const CKanjiStrokes target = MakeStrokes({{50, 40, 150, 40, kStraightNoArrow, 1},
                                              {50, 100, 150, 100, kStraightNoArrow, 1},
                                              {50, 160, 150, 160, kStraightNoArrow, 1}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    DrawAlong(box, target, 2);
    EXPECT_EQ(box.Caption(), "Incorrect Stroke Order");
    box.FixOrder();
    EXPECT_EQ(box.MatchMap(), std::vector<int>{0});
    EXPECT_EQ(box.Caption(), "Correct (so far)");
}

TEST(KanjiDrawBox, StrokeWhereNoneBelongsIsIncorrect) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {20, 180}, {90, 180});
    EXPECT_EQ(box.Status(), kStatusIncorrect);
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    EXPECT_TRUE(box.FeedbackShown());
    EXPECT_EQ(box.Incorrect().Size(), 1u);
    EXPECT_EQ(box.UserStrokes().Size(), 0u);
    EXPECT_TRUE(box.MatchMap().empty());
}

TEST(KanjiDrawBox, OneStrokeTooManyAtTheEnd) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    DrawAlong(box, target, 1);
    DrawStraight(box, {40, 180}, {160, 180});
    EXPECT_EQ(box.Status(), kStatusTooMany);
    EXPECT_EQ(box.Caption(), "Too many strokes");
    EXPECT_EQ(box.UserStrokes().Size(), 2u);
}

TEST(KanjiDrawBox, ToleranceTwentyMatchesBelowFortyPixels) {
    const CKanjiStrokes target = MakeStrokes({{40, 100, 160, 100, kStraightNoArrow, 1}});
    CDrawBoxSettings settings = EachStroke();
    settings.autocorrect = false;
    CKanjiDrawBox box;
    box.SetCharacter(target, settings);
    DrawStraight(box, {40, 139}, {160, 139});
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    box.EraseAll();
    DrawStraight(box, {40, 140}, {160, 140});
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    settings.tolerance = 21;
    box.SetCharacter(target, settings);
    DrawStraight(box, {40, 140}, {160, 140});
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
}

TEST(KanjiDrawBox, TypeModeDecidesWhetherACurveStandsForAStraight) {
    const CKanjiStrokes target = MakeStrokes({{40, 100, 160, 100, kExtraCurve, 1}});
    CKanjiDrawBox box;
    CDrawBoxSettings settings = EachStroke();
    box.SetCharacter(target, settings);
    DrawStraight(box, {40, 100}, {160, 100});
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    settings.typeMode = 1;
    box.SetCharacter(target, settings);
    DrawStraight(box, {40, 100}, {160, 100});
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
}

TEST(KanjiDrawBox, AutocorrectionMovesTheStrokeOntoTheDatabase) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {46, 106}, {152, 106});
    ASSERT_EQ(box.UserStrokes().Size(), 1u);
    ExpectSegment(box.UserStrokes()[0], {40, 100}, {160, 100}, kStraightNoArrow);

    CDrawBoxSettings settings = EachStroke();
    settings.autocorrect = false;
    box.SetCharacter(target, settings);
    DrawStraight(box, {46, 106}, {152, 106});
    ASSERT_EQ(box.UserStrokes().Size(), 1u);
    EXPECT_EQ(box.UserStrokes()[0].start, (CPoint{46, 106}));
    EXPECT_EQ(box.Caption(), "Correct (so far)");
}

TEST(KanjiDrawBox, AutocorrectionTurnsAnUndrawnBoxCodeIntoAStraight) {
    const CKanjiStrokes target = MakeStrokes({{60, 40, 60, 160, kBoxBegin, 1},
                                              {60, 40, 140, 40, kStraightNoArrow, 1},
                                              {60, 160, 140, 160, kBoxEnd, 1}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {62, 42}, {62, 158});
    ASSERT_EQ(box.UserStrokes().Size(), 1u);
    ExpectSegment(box.UserStrokes()[0], {60, 40}, {60, 160}, kStraight);
}

TEST(KanjiDrawBox, PartialStrokeIsIncompleteAndCorrectedToItsFirstSegment) {
    const CKanjiStrokes target = MakeStrokes(
        {{40, 60, 150, 60, kStraightHalfRectOnly, 1}, {150, 60, 150, 160, kStraightNoArrow, 0}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {44, 64}, {146, 64});
    EXPECT_EQ(box.Status(), kStatusIncomplete);
    EXPECT_EQ(box.Caption(), "Incomplete Stroke");
    EXPECT_EQ(box.UserStrokes().Size(), 0u);
    ASSERT_EQ(box.Incomplete().Size(), 1u);
    ExpectSegment(box.Incomplete()[0], {40, 60}, {150, 60}, kStraightHalfRectOnly);
    EXPECT_EQ(box.Incomplete()[0].newStroke, 1);
}

TEST(KanjiDrawBox, PartialStrokeOutOfOrder) {
    const CKanjiStrokes target = MakeStrokes({{50, 40, 150, 40, kStraightNoArrow, 1},
                                              {40, 100, 150, 100, kStraightHalfRectOnly, 1},
                                              {150, 100, 150, 180, kStraightNoArrow, 0}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {40, 100}, {150, 100});
    EXPECT_EQ(box.Status(), kStatusIncompleteWrongOrder);
    EXPECT_EQ(box.Caption(), "Partial Str. - Incorrect Order");
    EXPECT_EQ(box.IncompleteWrongOrder().Size(), 1u);
}

TEST(KanjiDrawBox, LeavingTheDrawingAreaEndsTheStroke) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    box.PenDown({100, 40});
    for (int y = 43; y <= 199; y += 3)
        box.PenMove({100, y});
    EXPECT_TRUE(box.Drawing());
    box.PenMove({100, 201});
    EXPECT_FALSE(box.Drawing());
    box.PenMove({100, 190});
    box.PenUp();
    ASSERT_EQ(box.UserStrokes().Size() + box.WrongOrder().Size(), 1u);
    EXPECT_EQ(box.WrongOrder()[0].end.y, 160);  // autocorrected onto the vertical
}

TEST(KanjiDrawBox, BackFirstDismissesFeedbackThenDeletesTheLastStroke) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    DrawStraight(box, {20, 180}, {90, 180});
    EXPECT_TRUE(box.FeedbackShown());
    box.Back();
    EXPECT_FALSE(box.FeedbackShown());
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    EXPECT_EQ(box.UserStrokes().Size(), 1u);
    box.Back();
    EXPECT_EQ(box.UserStrokes().Size(), 0u);
    EXPECT_TRUE(box.MatchMap().empty());
    EXPECT_EQ(box.Caption(), "");
    EXPECT_EQ(box.Status(), kStatusNone);
}

TEST(KanjiDrawBox, BackKeepsEarlierStrokesAndRechecks) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    DrawAlong(box, target, 1);
    box.Back();
    EXPECT_EQ(box.MatchMap(), std::vector<int>{0});
    EXPECT_EQ(box.Caption(), "Correct (so far)");
}

TEST(KanjiDrawBox, BackAbandonsTheStrokeInProgress) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    box.PenDown({100, 40});
    box.PenMove({100, 60});
    box.Back();
    EXPECT_FALSE(box.Drawing());
    box.PenUp();
    EXPECT_EQ(box.UserStrokes().Size(), 1u);
}

TEST(KanjiDrawBox, BackDeletesAWholeBoxGroup) {
    const CKanjiStrokes target = MakeStrokes({{60, 40, 60, 160, kBoxBegin, 1},
                                              {60, 40, 140, 40, kStraightNoArrow, 1},
                                              {60, 160, 140, 160, kBoxEnd, 1}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    for (int press = 0; press < 12; ++press)
        box.Hint();
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    ASSERT_EQ(box.UserStrokes().Size(), 3u);
    EXPECT_EQ(box.UserStrokes()[0].type, kBoxBegin);
    EXPECT_EQ(box.UserStrokes()[2].type, kBoxEnd);
    box.Back();
    EXPECT_EQ(box.UserStrokes().Size(), 0u);
    EXPECT_TRUE(box.MatchMap().empty());
}

TEST(KanjiDrawBox, EraseClearsEverything) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    DrawStraight(box, {20, 180}, {90, 180});
    box.Hint();
    box.EraseAll();
    EXPECT_EQ(box.UserStrokes().Size(), 0u);
    EXPECT_EQ(box.Incorrect().Size(), 0u);
    EXPECT_TRUE(box.MatchMap().empty());
    EXPECT_EQ(box.Status(), kStatusNone);
    EXPECT_FALSE(box.FeedbackShown());
    EXPECT_EQ(box.HintLevel(), 0);
    EXPECT_EQ(box.Caption(), "");
}

TEST(KanjiDrawBox, FourHintPressesRevealThenDrawTheNextStroke) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    box.Hint();
    EXPECT_EQ(box.HintLevel(), 1);
    EXPECT_EQ(box.Caption(), "Next stroke starts here");
    ASSERT_EQ(box.HintStroke().Size(), 1u);
    EXPECT_EQ(box.HintStroke()[0].start, (CPoint{40, 100}));
    box.Hint();
    EXPECT_EQ(box.Caption(), "Next stroke ends here");
    box.Hint();
    EXPECT_EQ(box.Caption(), "The next stroke");
    box.Hint();
    EXPECT_EQ(box.HintLevel(), 0);
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    EXPECT_EQ(box.MatchMap(), std::vector<int>{0});
    box.Hint();
    ASSERT_EQ(box.HintStroke().Size(), 1u);
    EXPECT_EQ(box.HintStroke()[0].start, (CPoint{100, 40}));
    for (int press = 0; press < 3; ++press)
        box.Hint();
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    box.Hint();
    EXPECT_EQ(box.HintLevel(), 0);
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
}

TEST(KanjiDrawBox, DrawingAStrokeResetsTheHint) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    box.Hint();
    box.Hint();
    DrawAlong(box, target, 0);
    EXPECT_EQ(box.HintLevel(), 0);
    box.Hint();
    ASSERT_EQ(box.HintStroke().Size(), 1u);
    EXPECT_EQ(box.HintStroke()[0].start, (CPoint{100, 40}));
}

TEST(KanjiDrawBox, HintsOnlyWithCheckingAfterEachStrokeAndOrderEnforced) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    CDrawBoxSettings settings = EachStroke();
    settings.enforceOrder = false;
    box.SetCharacter(target, settings);
    box.Hint();
    EXPECT_EQ(box.HintLevel(), 0);
    box.SetCharacter(target, CDrawBoxSettings());
    box.Hint();
    EXPECT_EQ(box.HintLevel(), 0);
}

TEST(KanjiDrawBox, CopyKeysPlaceTheLastStrokeAtThePointer) {
    const CKanjiStrokes target = Two();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {40, 60}, {160, 60});
    box.CopyLastStrokes(1, {40, 190});  // would end at x 160, y 190: inside
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    box.Back();
    box.CopyLastStrokes(1, {100, 140});  // would end at x 200: outside, not copied
    EXPECT_EQ(box.UserStrokes().Size(), 1u);
    box.CopyLastStrokes(1, {40, 140});
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
}

TEST(KanjiDrawBox, CopyingCountsABoxGroupAsOneStroke) {
    const CKanjiStrokes target = MakeStrokes({{60, 40, 60, 160, kBoxBegin, 1},
                                              {60, 40, 140, 40, kStraightNoArrow, 1},
                                              {60, 160, 140, 160, kBoxEnd, 1}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    for (int press = 0; press < 12; ++press)
        box.Hint();
    box.CopyLastStrokes(1, {20, 20});
    EXPECT_EQ(box.Caption(), "Too many strokes");
    ASSERT_EQ(box.Incorrect().Size(), 3u);
    EXPECT_EQ(box.Incorrect()[0].start, (CPoint{20, 20}));
    EXPECT_EQ(box.Incorrect()[2].end, (CPoint{100, 140}));
}

TEST(KanjiDrawBox, GuidesCycleWithoutEndingTheStroke) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    box.PenDown({40, 100});
    box.CycleGuides();
    EXPECT_EQ(box.Guides(), kGuidesCentreCross);
    box.CycleGuides();
    EXPECT_EQ(box.Guides(), kGuidesCentreAndThirds);
    box.CycleGuides();
    EXPECT_EQ(box.Guides(), kGuidesNone);
    EXPECT_TRUE(box.Drawing());
}

TEST(KanjiDrawBox, GhostToggles) {
    CKanjiDrawBox box;
    box.ToggleGhost("十");
    EXPECT_EQ(box.GhostText(), "十");
    box.ToggleGhost("十");
    EXPECT_EQ(box.GhostText(), "");
}

TEST(KanjiDrawBox, WrittenStrokesKeepEveryStrokeAsWrittenUntilBackOrErase) {
    const CKanjiStrokes target = Ten();
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {42, 104}, {158, 98});
    DrawStraight(box, {20, 180}, {90, 180});
    DrawStraight(box, {20, 20}, {20, 90});
    // The check autocorrected the first stroke and dropped the wrong ones; the writing keeps
    // all three as drawn.
    ASSERT_EQ(box.UserStrokes().Size(), 1u);
    EXPECT_EQ(box.UserStrokes()[0].start, (CPoint{40, 100}));
    const CKanjiStrokes& written = box.WrittenStrokes();
    ASSERT_EQ(written.StrokeCount(), 3);
    EXPECT_EQ(written[0].start, (CPoint{42, 104}));
    EXPECT_EQ(written[1].start, (CPoint{20, 180}));
    EXPECT_EQ(written[2].start, (CPoint{20, 20}));

    box.PenDown({100, 40});
    box.PenMove({100, 60});
    box.Back();  // abandons the stroke in progress only
    EXPECT_EQ(box.WrittenStrokes().StrokeCount(), 3);
    box.Back();  // dismisses the wrong stroke's feedback
    EXPECT_EQ(box.WrittenStrokes().StrokeCount(), 2);
    box.Hint();
    box.Hint();
    box.Hint();
    box.Hint();  // draws the vertical in
    EXPECT_EQ(box.WrittenStrokes().StrokeCount(), 3);
    box.EraseAll();
    EXPECT_EQ(box.WrittenStrokes().Size(), 0u);
}

// A box over 二 whose finder answers `answer` and counts the strokes it was asked about.
struct CLookAlikeBox {
    explicit CLookAlikeBox(std::string answer) {
        box.SetLookAlikeFinder([this, answer](const CDrawnStrokes& written) {
            asked.push_back(written.segments.StrokeCount());
            EXPECT_EQ(written.paths.size(), static_cast<std::size_t>(asked.back()));
            return answer;
        });
        box.SetCharacter(target, EachStroke());
    }

    const CKanjiStrokes target = Two();
    CKanjiDrawBox box;
    std::vector<int> asked;
};

constexpr const char* kSun = "\x93\xfa";  // 日

TEST(KanjiDrawBox, LookAlikeFollowsTheStatusOfAFinishedWrongCharacter) {
    CLookAlikeBox drawn(kSun);
    CKanjiDrawBox& box = drawn.box;
    DrawStraight(box, {100, 20}, {100, 180});
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");  // one stroke of two: not finished
    DrawAlong(box, drawn.target, 0);
    EXPECT_EQ(box.Caption(), "Correct (so far)");  // finished, but nothing wrong shown
    EXPECT_TRUE(drawn.asked.empty());
    DrawStraight(box, {100, 20}, {100, 180});
    EXPECT_EQ(box.Caption(), std::string("Incorrect Stroke(s) - looks like ") + kSun);
    EXPECT_EQ(box.LookAlike(), kSun);
    EXPECT_EQ(drawn.asked, std::vector<int>{3});

    // The next stroke hides the feedback: the status text stays while it is drawn.
    box.PenDown({50, 60});
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    EXPECT_EQ(box.LookAlike(), "");
    box.PenUp();
    DrawAlong(box, drawn.target, 1);
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    DrawStraight(box, {100, 20}, {100, 180});
    EXPECT_EQ(box.Caption(), std::string("Too many strokes - looks like ") + kSun);
    box.Back();
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    DrawStraight(box, {100, 20}, {100, 180});
    box.EraseAll();
    EXPECT_EQ(box.Caption(), "");
    EXPECT_EQ(box.LookAlike(), "");
}

TEST(KanjiDrawBox, NoLookAlikeWhenTheFinderNamesNone) {
    CLookAlikeBox drawn("");
    DrawStraight(drawn.box, {100, 20}, {100, 180});
    DrawStraight(drawn.box, {160, 20}, {160, 180});
    EXPECT_EQ(drawn.asked, std::vector<int>{2});
    EXPECT_EQ(drawn.box.Caption(), "Incorrect Stroke(s)");
}

// A hand that puts the whole character lower: each later stroke lies nearer its lower
// neighbour's place than its own, but where the strokes already written put the character it is
// its own stroke.
TEST(KanjiDrawBox, LaterStrokesAreComparedWhereTheWriterPutsTheCharacter) {
    const CKanjiStrokes target = MakeStrokes({{100, 20, 100, 170, kStraightNoArrow, 1},
                                              {40, 60, 160, 60, kStraightNoArrow, 1},
                                              {40, 90, 160, 90, kStraightNoArrow, 1}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {100, 38}, {100, 188});
    DrawStraight(box, {40, 78}, {160, 78});
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1}));
    DrawStraight(box, {40, 108}, {160, 108});
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    // The same strokes without the first one to show where the character lies: the nearer
    // place wins, and the order is wrong.
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {100, 20}, {100, 170});
    DrawStraight(box, {40, 78}, {160, 78});
    EXPECT_EQ(box.Caption(), "Incorrect Stroke Order");
}

TEST(KanjiDrawBox, AWholeMatchOfTheStrokeDueBeatsAPartialOneOfALaterStroke) {
    // The first stroke of the second lies nearer the drawn line than the first stroke does.
    const CKanjiStrokes target = MakeStrokes({{40, 100, 160, 100, kStraightNoArrow, 1},
                                              {40, 95, 150, 95, kStraightHalfRectOnly, 1},
                                              {150, 95, 150, 160, kStraightNoArrow, 0}});
    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawStraight(box, {40, 94}, {152, 94});
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    EXPECT_EQ(box.MatchMap(), std::vector<int>{0});
}

TEST(KanjiDrawBox, ACornerRoundedAsOneSweepCountsWhereItsPathFollowsTheStroke) {
    // 口: the left side, across and down, the bottom.
    const CKanjiStrokes target = MakeStrokes({{80, 90, 80, 160, kStraightNoArrow, 1},
                                              {80, 90, 150, 90, kStraightHalfRectOnly, 1},
                                              {150, 90, 150, 160, kStraightNoArrow, 0},
                                              {80, 160, 150, 160, kStraightNoArrow, 1}});
    constexpr int kRadius = 28;
    std::vector<CPoint> acrossAndDown;
    for (int x = 80; x < 150 - kRadius; x += 3)
        acrossAndDown.push_back({x, 90});
    for (int step = 0; step <= 12; ++step) {
        const double angle = -std::numbers::pi / 2 + step * std::numbers::pi / 24;
        acrossAndDown.push_back(
            {150 - kRadius + static_cast<int>(std::lround(kRadius * std::cos(angle))),
             90 + kRadius + static_cast<int>(std::lround(kRadius * std::sin(angle)))});
    }
    for (int y = 90 + kRadius + 3; y <= 160; y += 3)
        acrossAndDown.push_back({150, y});
    // The recogniser reads it as one sweep, which no piece of the database stroke matches.
    ASSERT_EQ(RecogniseStroke(acrossAndDown).size(), 1u);

    CKanjiDrawBox box;
    box.SetCharacter(target, EachStroke());
    DrawAlong(box, target, 0);
    DrawPath(box, std::span<const CPoint>(acrossAndDown));
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1}));
    DrawAlong(box, target, 2);
    EXPECT_EQ(box.Caption(), "Kanji is CORRECT");
    // Undone and drawn again, the stroke is judged by its path once more.
    box.Back();
    box.Back();
    EXPECT_EQ(box.MatchMap(), std::vector<int>{0});
    DrawPath(box, std::span<const CPoint>(acrossAndDown));
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1}));
}

}  // namespace
}  // namespace brushly
