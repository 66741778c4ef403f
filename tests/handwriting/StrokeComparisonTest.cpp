// The draw box's pure comparisons: type weights, one stroke against another, and the
// similarity score of the handwriting search.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "handwriting/CSimilarityScorer.h"
#include "handwriting/StrokeComparison.h"

namespace brushly {
namespace {

struct CSegmentSpec {
    int startX;
    int startY;
    int endX;
    int endY;
    int type;
    int newStroke = 0;
};

CKanjiStrokes MakeStrokes(std::initializer_list<CSegmentSpec> specs) {
    CKanjiStrokes strokes;
    for (const CSegmentSpec& spec : specs) {
        CStrokeData segment;
        segment.start = {spec.startX, spec.startY};
        segment.end = {spec.endX, spec.endY};
        segment.type = spec.type;
        segment.newStroke = spec.newStroke;
        strokes.Append(segment);
    }
    return strokes;
}

// Compares the whole of user, as one stroke, with the whole of database.
CStrokeComparison CompareWhole(const CKanjiStrokes& user, const CKanjiStrokes& database,
                               int typeMode = kTypeModeExact, double threshold = 40.0) {
    return CompareStroke(user, 0, user.Size(), database, 0, database.Size(), typeMode, threshold);
}

struct CTypeCase {
    int a;
    int b;
    double expected;
};

void ExpectTable(double (*function)(int, int), const std::vector<CTypeCase>& cases) {
    for (const CTypeCase& c : cases) {
        EXPECT_DOUBLE_EQ(function(c.a, c.b), c.expected) << "codes " << c.a << ", " << c.b;
    }
}

// One line per table row: (database code, user code, value) for TypeMatch, (a, b, value)
// for TypeAffinity, probing the row's ranges at their ends.
// clang-format off
TEST(TypeMatch, EveryRowOfTheTable) {
    ExpectTable(TypeMatch, {
        {1, 17, 0.5}, {14, 35, 0.5}, {8, 30, 0.5},
        {1, 0, 0.0}, {14, 36, 0.0},
        {1, 3, 1.0}, {12, 15, 1.0}, {7, 16, 1.0}, {11, 37, 1.0}, {14, -1, 1.0},
        {17, 1, 0.5}, {29, 14, 0.5}, {21, 35, 0.5}, {21, 36, 0.5},
        {25, 0, 0.0},
        {21, 26, 1.0}, {29, 15, 1.0}, {17, 30, 1.0},
        {35, 1, 0.5}, {35, 29, 0.5},
        {35, 0, 0.0},
        {35, 30, 1.0}, {35, 35, 1.0}, {35, 36, 1.0},
        {36, 0, 0.0}, {36, 1, 0.0}, {36, 14, 0.0},
        {36, 17, 0.5}, {36, 35, 0.5},
        {36, 15, 1.0}, {36, 36, 1.0},
        {0, 0, 1.0},
        {0, 1, 0.0}, {0, 36, 0.0},
        {15, 0, 1.0}, {16, 36, 1.0}, {30, 0, 1.0}, {34, 1, 1.0}, {37, 0, 1.0}});
}

TEST(TypeAffinity, EveryRowOfTheTable) {
    ExpectTable(TypeAffinity, {
        {15, 15, 1.0}, {37, 37, 1.0},
        {1, 12, 0.8}, {11, 14, 0.8},
        {1, 16, 1.0}, {11, 3, 1.0},
        {1, 17, 0.6}, {11, 36, 0.6},
        {1, 0, 0.2},
        {12, 14, 1.0}, {14, 12, 1.0},
        {12, 1, 0.8}, {13, 16, 0.8},
        {12, 17, 0.6}, {14, 35, 0.6},
        {12, 36, 0.4},
        {12, 0, 0.2},
        {17, 35, 0.8}, {35, 21, 0.8},
        {21, 1, 0.6}, {35, 16, 0.6},
        {30, 36, 0.8},
        {35, 0, 0.2},
        {0, 1, 0.2}, {0, 35, 0.2},
        {0, 36, 0.4},
        {36, 17, 0.8}, {36, 35, 0.8},
        {36, 0, 0.4}, {36, 16, 0.4},
        {1, 37, 0.0}, {13, 37, 0.0}, {35, 37, 0.0}, {0, 37, 0.0}, {36, 37, 0.0},
        {15, 1, 0.0}, {16, 36, 0.0}, {37, 1, 0.0}, {-1, 1, 0.0}});
}
// clang-format on

// A bent database stroke: a straight down-stroke with a second leg to the right.
const CKanjiStrokes kBent = MakeStrokes({{50, 20, 50, 100, 3, 1}, {50, 100, 150, 100, 1}});

TEST(CompareStroke, FullMatchAveragesBothEndsOfTheFirstPairThenTheEnds) {
    const CKanjiStrokes user = MakeStrokes({{53, 24, 50, 103, 3, 1}, {50, 103, 145, 100, 1}});
    const CStrokeComparison comparison = CompareWhole(user, kBent);
    EXPECT_EQ(comparison.result, CStrokeMatch::Full);
    EXPECT_DOUBLE_EQ(comparison.averageDistance, (5.0 + 3.0 + 5.0) / 3.0);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0, 1}));
}

TEST(CompareStroke, EndsMustLieBelowTheThreshold) {
    const CKanjiStrokes database = MakeStrokes({{50, 20, 150, 20, 1, 1}});
    const CKanjiStrokes near = MakeStrokes({{50, 59, 150, 59, 1, 1}});
    const CKanjiStrokes startOff = MakeStrokes({{50, 60, 150, 20, 1, 1}});
    const CKanjiStrokes endOff = MakeStrokes({{50, 20, 110, 20, 1, 1}});
    EXPECT_EQ(CompareWhole(near, database).result, CStrokeMatch::Full);
    EXPECT_DOUBLE_EQ(CompareWhole(near, database).averageDistance, 39.0);
    EXPECT_EQ(CompareWhole(startOff, database).result, CStrokeMatch::None);
    EXPECT_EQ(CompareWhole(endOff, database).result, CStrokeMatch::None);
}

TEST(CompareStroke, DatabasePiecesSkippedBeforeTheFirstMatchGivePartial) {
    const CKanjiStrokes database =
        MakeStrokes({{20, 20, 20, 60, 3, 1}, {20, 60, 100, 60, 3}, {100, 60, 100, 140, 3}});
    const CKanjiStrokes user = MakeStrokes({{20, 60, 100, 60, 3, 1}, {100, 60, 100, 140, 3}});
    const CStrokeComparison comparison = CompareWhole(user, database);
    EXPECT_EQ(comparison.result, CStrokeMatch::Partial);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{1, 2}));
}

TEST(CompareStroke, DatabasePiecesLeftOverGivePartial) {
    const CKanjiStrokes user = MakeStrokes({{50, 20, 50, 100, 3, 1}});
    const CStrokeComparison comparison = CompareWhole(user, kBent);
    EXPECT_EQ(comparison.result, CStrokeMatch::Partial);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0}));
}

TEST(CompareStroke, AMissAfterAMatchIsNoMatch) {
    const CKanjiStrokes user = MakeStrokes({{50, 20, 50, 100, 3, 1}, {50, 100, 50, 180, 3}});
    EXPECT_EQ(CompareWhole(user, kBent).result, CStrokeMatch::None);
}

TEST(CompareStroke, UserPiecesLeftOverAreNoMatch) {
    const CKanjiStrokes user =
        MakeStrokes({{50, 20, 50, 100, 3, 1}, {50, 100, 150, 100, 1}, {150, 100, 150, 180, 3}});
    const CStrokeComparison comparison = CompareWhole(user, kBent);
    EXPECT_EQ(comparison.result, CStrokeMatch::None);
    EXPECT_TRUE(comparison.segmentMap.empty());
}

TEST(CompareStroke, OneUserSegmentAgainstAJoinedDatabasePairMapsAbove100) {
    const CKanjiStrokes database =
        MakeStrokes({{10, 10, 40, 10, 3, 1}, {40, 10, 40, 90, kStraightBc}, {40, 90, 120, 90, 10}});
    // The middle of the joined pair is far from the user's straight line, yet only the
    // pair's outer ends count.
    const CKanjiStrokes user = MakeStrokes({{10, 10, 40, 10, 3, 1}, {40, 10, 120, 90, 37}});
    const CStrokeComparison comparison = CompareWhole(user, database);
    EXPECT_EQ(comparison.result, CStrokeMatch::Full);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0, kJoinedPairMapBase + 1}));
}

TEST(CompareStroke, TwoJoinedUserSegmentsBothMapToOneDatabaseSegment) {
    const CKanjiStrokes database = MakeStrokes({{40, 10, 120, 90, 21, 1}});
    const CKanjiStrokes user =
        MakeStrokes({{40, 10, 40, 90, kCurveVe, 1}, {40, 90, 120, 90, kAfterCurve}});
    const CStrokeComparison comparison = CompareWhole(user, database, kTypeModeSimilar);
    EXPECT_EQ(comparison.result, CStrokeMatch::Full);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0, 0}));
}

TEST(CompareStroke, JoinedPairsOnBothSidesMapSegmentToSegment) {
    const CKanjiStrokes database =
        MakeStrokes({{40, 10, 40, 90, kStraightBsc, 1}, {40, 90, 120, 90, kAfterCurve}});
    const CKanjiStrokes user =
        MakeStrokes({{42, 12, 90, 30, kExtraCurveVe, 1}, {90, 30, 118, 92, kHook}});
    const CStrokeComparison comparison = CompareWhole(user, database);
    EXPECT_EQ(comparison.result, CStrokeMatch::Full);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0, 1}));
    EXPECT_DOUBLE_EQ(comparison.averageDistance, std::sqrt(8.0));
}

TEST(CompareStroke, AFirstHalfEndingItsStrokeIsNotJoinedWithTheNextStroke) {
    const CKanjiStrokes database =
        MakeStrokes({{40, 10, 40, 90, kStraightBc, 1}, {100, 10, 100, 90, 3, 1}});
    const CKanjiStrokes user = MakeStrokes({{40, 10, 40, 90, kStraightBc, 1}});
    const CStrokeComparison comparison =
        CompareStroke(user, 0, 1, database, 0, 1, kTypeModeExact, 40.0);
    EXPECT_EQ(comparison.result, CStrokeMatch::Full);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0}));
}

TEST(CompareStroke, TypeTestFollowsTheMode) {
    const CKanjiStrokes database = MakeStrokes({{20, 100, 160, 104, kStraight, 1}});
    const CKanjiStrokes curve = MakeStrokes({{20, 100, 160, 104, kExtraCurve, 1}});
    const CKanjiStrokes hook = MakeStrokes({{20, 100, 160, 104, kChook, 1}});
    EXPECT_EQ(CompareWhole(curve, database, kTypeModeExact).result, CStrokeMatch::None);
    EXPECT_EQ(CompareWhole(curve, database, kTypeModeSimilar).result, CStrokeMatch::Full);
    EXPECT_EQ(CompareWhole(curve, database, kTypeModeAny).result, CStrokeMatch::Full);
    EXPECT_EQ(CompareWhole(hook, database, kTypeModeSimilar).result, CStrokeMatch::None);
    EXPECT_EQ(CompareWhole(hook, database, kTypeModeAny).result, CStrokeMatch::Full);
}

// The mildest curve and a straight are the same stroke read either side of the first curve
// threshold; a bent start and a sweep likewise. Stronger curves stay apart in the exact mode.
TEST(CompareStroke, TheExactModeLetsBorderlineCurvesPass) {
    const CKanjiStrokes straight = MakeStrokes({{20, 100, 160, 104, kStraightNoArrow, 1}});
    for (const int mild : {kCurveVe, kCurve, kCurveFlush, kCurveFlushMir}) {
        const CKanjiStrokes curve = MakeStrokes({{20, 100, 160, 104, mild, 1}});
        EXPECT_EQ(CompareWhole(curve, straight, kTypeModeExact).result, CStrokeMatch::Full) << mild;
        EXPECT_EQ(CompareWhole(straight, curve, kTypeModeExact).result, CStrokeMatch::Full) << mild;
    }
    for (const int strong : {kExtraCurve, kSharpCurve, kExtraSharpCurveFlush}) {
        const CKanjiStrokes curve = MakeStrokes({{20, 100, 160, 104, strong, 1}});
        EXPECT_EQ(CompareWhole(curve, straight, kTypeModeExact).result, CStrokeMatch::None)
            << strong;
    }
    const CKanjiStrokes bent =
        MakeStrokes({{20, 20, 20, 70, kStraightBc, 1}, {20, 70, 120, 120, kStraightNoArrow}});
    const CKanjiStrokes sweep = MakeStrokes({{20, 20, 120, 120, kSharpCurve, 1}});
    EXPECT_EQ(CompareWhole(bent, sweep, kTypeModeExact).result, CStrokeMatch::Full);
    EXPECT_EQ(CompareWhole(sweep, bent, kTypeModeExact).result, CStrokeMatch::Full);
    const CKanjiStrokes diagonal = MakeStrokes({{20, 20, 120, 120, kStraightNoArrow, 1}});
    EXPECT_EQ(CompareWhole(bent, diagonal, kTypeModeExact).result, CStrokeMatch::Full);
    EXPECT_EQ(CompareWhole(diagonal, bent, kTypeModeExact).result, CStrokeMatch::Full);
    const CKanjiStrokes hookCurve = MakeStrokes({{20, 20, 120, 120, kChook, 1}});
    EXPECT_EQ(CompareWhole(bent, hookCurve, kTypeModeExact).result, CStrokeMatch::None);
    EXPECT_TRUE(IsBorderlineType(kTeardrop, kCurve));
    EXPECT_TRUE(IsBorderlineType(kChook, kTeardrop));
    EXPECT_FALSE(IsBorderlineType(kHook, kCurve));
    EXPECT_FALSE(IsBorderlineType(kChook, kCurve));
}

// A well-drawn stroke that the recogniser cut into pieces differently from the database.
// A falling stroke drawn straight by one writer and with its curve by another is the same
// stroke; a level or upright one drawn as a sweep is not.
TEST(CompareStroke, TheExactModeLetsAFallingStrokeBeStraightOrSwept) {
    const CKanjiStrokes falling = MakeStrokes({{120, 30, 40, 150, kStraightNoRect, 1}});
    const CKanjiStrokes swept = MakeStrokes({{120, 30, 40, 150, kExtraSharpCurve, 1}});
    EXPECT_EQ(CompareWhole(swept, falling).result, CStrokeMatch::Full);
    EXPECT_EQ(CompareWhole(falling, swept).result, CStrokeMatch::Full);
    const CKanjiStrokes level = MakeStrokes({{30, 100, 170, 104, kStraight, 1}});
    const CKanjiStrokes bowed = MakeStrokes({{30, 100, 170, 104, kExtraCurve, 1}});
    EXPECT_EQ(CompareWhole(bowed, level).result, CStrokeMatch::None);
    const CKanjiStrokes upright = MakeStrokes({{100, 20, 104, 170, kStraightNoArrow, 1}});
    const CKanjiStrokes bent = MakeStrokes({{100, 20, 104, 170, kSharpCurve, 1}});
    EXPECT_EQ(CompareWhole(bent, upright).result, CStrokeMatch::None);
    EXPECT_EQ(CompareWhole(bent, upright, kTypeModeSimilar).result, CStrokeMatch::Full);
}

TEST(CompareStroke, AStrokeCutDifferentlyStillMatchesAsAWhole) {
    // The database's stem ends in a hook too small for the user's drawing to show.
    const CKanjiStrokes hooked =
        MakeStrokes({{100, 20, 100, 150, kStraight, 1}, {100, 154, 90, 144, kHook}});
    const CKanjiStrokes stem = MakeStrokes({{100, 20, 101, 148, kStraightNoArrow, 1}});
    EXPECT_EQ(CompareWhole(stem, hooked).result, CStrokeMatch::Full);
    EXPECT_EQ(CompareWhole(hooked, stem).result, CStrokeMatch::Full);
    // A long straight read as two pieces that run on in nearly one direction.
    const CKanjiStrokes split = MakeStrokes(
        {{30, 100, 100, 104, kStraightNoArrow, 1}, {100, 104, 170, 100, kStraightNoArrow}});
    const CKanjiStrokes level = MakeStrokes({{30, 100, 170, 100, kStraight, 1}});
    const CStrokeComparison comparison = CompareWhole(split, level);
    EXPECT_EQ(comparison.result, CStrokeMatch::Full);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0, 0}));
    EXPECT_DOUBLE_EQ(comparison.averageDistance, 0.0);
}

// A small zigzag that a quick hand runs into one sweep (the long stroke of the walking radical)
// follows the database's path: it matches as a whole when every joint of each lies near the
// other, in the exact mode only when the longest pieces agree in type.
TEST(CompareStroke, AZigzagRunTogetherMatchesAlongItsPath) {
    const CKanjiStrokes zigzag = MakeStrokes({{34, 79, 59, 74, kStraightHalfRectOnly, 1},
                                              {59, 74, 49, 95, kStraightNoArrow},
                                              {49, 95, 60, 108, kStraightNoArrow},
                                              {60, 108, 41, 126, kCurve}});
    const CKanjiStrokes quick = MakeStrokes({{34, 79, 57, 73, kStraightHalfRectOnly, 1},
                                             {57, 73, 58, 112, kExtraCurveFlush},
                                             {58, 112, 42, 126, kStraightNoArrow}});
    const CStrokeComparison similar = CompareWhole(quick, zigzag, kTypeModeSimilar);
    EXPECT_EQ(similar.result, CStrokeMatch::Full);
    EXPECT_TRUE(similar.aligned);
    EXPECT_EQ(CompareWhole(quick, zigzag, kTypeModeExact).result, CStrokeMatch::Full);
    // The same ends, but a path that swings far from the zigzag's joints.
    const CKanjiStrokes wide =
        MakeStrokes({{34, 79, 90, 100, kStraightNoArrow, 1}, {90, 100, 42, 126, kStraightNoArrow}});
    EXPECT_NE(CompareWhole(wide, zigzag, kTypeModeAny).result, CStrokeMatch::Full);
    // Along the path, but a hook curve where the database's longest piece is a straight.
    const CKanjiStrokes hooked = MakeStrokes({{34, 79, 57, 73, kStraightHalfRectOnly, 1},
                                              {57, 73, 58, 112, kChook},
                                              {58, 112, 42, 126, kStraightNoArrow}});
    const CKanjiStrokes straightLong = MakeStrokes({{34, 79, 59, 74, kStraightHalfRectOnly, 1},
                                                    {59, 74, 49, 95, kStraightNoArrow},
                                                    {49, 95, 60, 108, kStraightNoArrow},
                                                    {60, 108, 41, 126, kStraightNoArrow}});
    EXPECT_EQ(CompareWhole(hooked, straightLong, kTypeModeExact).result, CStrokeMatch::None);
}

// An L whose corner the hand rounds is drawn as one sweep along the same path, its hook as a
// hook: in the exact mode too, where the longest pieces on both sides are bent.
TEST(CompareStroke, ARoundedLIsTheSameStrokeInTheExactMode) {
    const CKanjiStrokes sharp =
        MakeStrokes({{60, 80, 60, 104, kLHookBegin, 1}, {60, 108, 85, 108, kLHookEnd}});
    const CKanjiStrokes rounded =
        MakeStrokes({{60, 80, 84, 107, kExtraSharpCurveFlush, 1}, {84, 107, 90, 100, kHook}});
    EXPECT_EQ(CompareWhole(rounded, sharp, kTypeModeExact).result, CStrokeMatch::Full);
    // Along the same path, but read as a hook curve: not the L in the exact mode.
    const CKanjiStrokes hooked =
        MakeStrokes({{60, 80, 84, 107, kChook, 1}, {84, 107, 90, 100, kHook}});
    EXPECT_NE(CompareWhole(hooked, sharp, kTypeModeExact).result, CStrokeMatch::Full);
}

TEST(CompareStroke, ACornerIsNeverAlignedAway) {
    // A corner stroke and the diagonal between its ends, with both arms long.
    const CKanjiStrokes corner = MakeStrokes(
        {{40, 40, 120, 40, kStraightHalfRectOnly, 1}, {120, 40, 120, 70, kStraightNoArrow}});
    const CKanjiStrokes diagonal = MakeStrokes({{40, 40, 120, 70, kStraightNoArrow, 1}});
    EXPECT_NE(CompareWhole(diagonal, corner, kTypeModeAny).result, CStrokeMatch::Full);
    EXPECT_EQ(CompareWhole(corner, diagonal, kTypeModeAny).result, CStrokeMatch::None);
    // Only the first arm drawn, where the second is long: incomplete, not complete.
    const CKanjiStrokes frame = MakeStrokes(
        {{40, 40, 120, 40, kStraightHalfRectOnly, 1}, {120, 40, 120, 160, kStraightNoArrow}});
    const CKanjiStrokes arm = MakeStrokes({{40, 40, 120, 40, kStraightNoArrow, 1}});
    EXPECT_EQ(CompareWhole(arm, frame).result, CStrokeMatch::Partial);
    // A stem whose hook lies farther than half the threshold from the user's stroke.
    const CKanjiStrokes zigzag = MakeStrokes(
        {{100, 20, 100, 150, kStraightNoArrow, 1}, {100, 150, 125, 150, kStraightNoArrow}});
    const CKanjiStrokes straightOn = MakeStrokes({{100, 20, 125, 150, kStraightNoArrow, 1}});
    EXPECT_NE(CompareWhole(straightOn, zigzag, kTypeModeAny).result, CStrokeMatch::Full);
}

TEST(CompareStroke, ATypeMismatchIsNotSkippedOver) {
    // The first database piece lies where the user drew but has the wrong type; the second
    // one would fit but is never reached.
    const CKanjiStrokes database =
        MakeStrokes({{20, 20, 120, 20, kHook, 1}, {20, 20, 120, 20, kStraight}});
    const CKanjiStrokes user = MakeStrokes({{20, 20, 120, 20, kStraight, 1}});
    EXPECT_EQ(CompareWhole(user, database).result, CStrokeMatch::None);
}

TEST(CompareStroke, StrokesInsideLongerListsAndRangesPastTheEnd) {
    const CKanjiStrokes database = MakeStrokes({{0, 0, 10, 0, 3, 1},
                                                {50, 20, 50, 100, 3, 1},
                                                {50, 100, 150, 100, 1},
                                                {0, 190, 10, 190, 3, 1}});
    const CKanjiStrokes user = MakeStrokes({{5, 5, 5, 5, 3, 1}, {50, 20, 50, 100, 3, 1}});
    const CStrokeComparison comparison =
        CompareStroke(user, 1, 5, database, 1, 2, kTypeModeExact, 40.0);
    EXPECT_EQ(comparison.result, CStrokeMatch::Partial);
    EXPECT_EQ(comparison.segmentMap, (std::vector<int>{0}));
    EXPECT_EQ(CompareStroke(user, 7, 1, database, 1, 2, kTypeModeExact, 40.0).result,
              CStrokeMatch::None);
    EXPECT_EQ(CompareStroke(user, 1, 1, database, 9, 2, kTypeModeExact, 40.0).result,
              CStrokeMatch::None);
}

// A character with a single straight, a bent stroke (first half and after-curve) and an L
// shape: five segments, so each earns 200 of 1000.
const CKanjiStrokes kCharacter = MakeStrokes({{10, 10, 90, 10, kStraight, 1},
                                              {100, 20, 100, 100, kStraightBc, 1},
                                              {100, 100, 180, 100, kAfterCurve},
                                              {20, 40, 20, 150, kLHookBegin, 1},
                                              {20, 150, 90, 150, kLHookEnd}});

TEST(SimilarityScore, AListComparedWithItselfScores1000) {
    EXPECT_EQ(SimilarityScore(kCharacter, kCharacter, 20.0), 1000);
    const CKanjiStrokes single = MakeStrokes({{10, 10, 90, 10, kCurve, 1}});
    EXPECT_EQ(SimilarityScore(single, single, 20.0), 1000);
}

TEST(SimilarityScore, PerSegmentShareIsAnIntegerDivision) {
    const CKanjiStrokes three =
        MakeStrokes({{10, 10, 90, 10, 1, 1}, {10, 50, 90, 50, 1, 1}, {10, 90, 90, 90, 1, 1}});
    EXPECT_EQ(SimilarityScore(three, three, 20.0), 999);
}

TEST(SimilarityScore, EachSegmentOfLengthDifferenceCostsAThirtieth) {
    CKanjiStrokes longer = kCharacter;
    for (int k = 0; k < 3; ++k)
        longer.Append(CStrokeData{});
    EXPECT_EQ(SimilarityScore(kCharacter, longer, 20.0), 900);
    // Eight user segments earn 125 each; the three extra ones find nothing.
    EXPECT_EQ(SimilarityScore(longer, kCharacter, 20.0), 625 * 27 / 30);
}

// The search passes its running minimum as the floor: a candidate that can still beat it
// is scored exactly, one that cannot may stop early but never scores above the floor.
TEST(SimilarityScorer, AFloorNeverChangesAScoreAboveIt) {
    CSimilarityScorer scorer(kCharacter);
    CKanjiStrokes moved = kCharacter;
    moved[3].start = {150, 190};  // the L no longer matches: 600 of 1000 at most
    const int exact = scorer.Score(moved, 20.0);
    EXPECT_EQ(scorer.Score(moved, 20.0, exact - 1), exact);
    EXPECT_LE(scorer.Score(moved, 20.0, exact), exact);
    EXPECT_LE(scorer.Score(moved, 20.0, 700), 700);
    EXPECT_EQ(scorer.Score(kCharacter, 20.0, 999), 1000);
}

TEST(SimilarityScore, ALengthDifferenceOfThirtyOrMoreLeavesNothing) {
    CKanjiStrokes longer = kCharacter;
    for (int k = 0; k < 40; ++k)
        longer.Append(CStrokeData{});
    EXPECT_EQ(SimilarityScore(kCharacter, longer, 20.0), 0);
}

TEST(SimilarityScore, EmptyListsAreSafe) {
    const CKanjiStrokes empty;
    EXPECT_EQ(SimilarityScore(empty, empty, 20.0), 0);
    EXPECT_EQ(SimilarityScore(empty, kCharacter, 20.0), 0);
    EXPECT_EQ(SimilarityScore(kCharacter, empty, 20.0), 0);
}

TEST(SimilarityScore, MatchedCandidateSegmentsAreConsumed) {
    const CKanjiStrokes twice = MakeStrokes({{10, 10, 90, 10, 1, 1}, {10, 10, 90, 10, 1, 1}});
    const CKanjiStrokes once = MakeStrokes({{10, 10, 90, 10, 1, 1}});
    EXPECT_EQ(SimilarityScore(twice, once, 20.0), 500 * 29 / 30);
}

TEST(SimilarityScore, DistantEndsLoseUpToAFifth) {
    const CKanjiStrokes database = MakeStrokes({{10, 10, 90, 10, 1, 1}});
    const CKanjiStrokes shifted = MakeStrokes({{10, 20, 90, 20, 1, 1}});
    const CKanjiStrokes tooFar = MakeStrokes({{10, 30, 90, 30, 1, 1}});
    EXPECT_EQ(SimilarityScore(shifted, database, 20.0), 900);
    EXPECT_EQ(SimilarityScore(tooFar, database, 20.0), 0);
}

TEST(SimilarityScore, DifferentTypesWeighByAffinity) {
    const CKanjiStrokes straight = MakeStrokes({{10, 10, 90, 10, kStraight, 1}});
    const CKanjiStrokes curve = MakeStrokes({{10, 10, 90, 10, kCurve, 1}});
    EXPECT_EQ(SimilarityScore(straight, curve, 20.0), 600);
}

TEST(SimilarityScore, AUserSegmentMayStandForACandidatePair) {
    const CKanjiStrokes user = MakeStrokes({{100, 20, 180, 100, kStraightNoArrow, 1}});
    const CKanjiStrokes pair =
        MakeStrokes({{100, 20, 100, 100, kStraightBc, 1}, {100, 100, 180, 100, kAfterCurve}});
    EXPECT_EQ(SimilarityScore(user, pair, 20.0), 600 * 29 / 30);
    // A pair whose halves do not meet is not one stroke.
    const CKanjiStrokes apart =
        MakeStrokes({{100, 20, 100, 100, kStraightBc, 1}, {100, 120, 180, 100, kAfterCurve}});
    EXPECT_EQ(SimilarityScore(user, apart, 20.0), 0);
}

TEST(SimilarityScore, AUserPairMayStandForOneCandidateSegment) {
    const CKanjiStrokes pair =
        MakeStrokes({{100, 20, 100, 100, kStraightBc, 1}, {100, 100, 180, 100, kAfterCurve}});
    const CKanjiStrokes sweep = MakeStrokes({{100, 20, 180, 100, kExtraSharpCurve, 1}});
    EXPECT_EQ(SimilarityScore(pair, sweep, 20.0), 800 * 29 / 30);
}

TEST(SimilarityScore, AnLShapeWithADifferentEndEarnsThreeQuarters) {
    const CKanjiStrokes hooked =
        MakeStrokes({{20, 40, 20, 150, kLHookBegin, 1}, {20, 150, 90, 150, kLHookEnd}});
    const CKanjiStrokes plain =
        MakeStrokes({{20, 40, 20, 150, kLHookBegin, 1}, {20, 150, 90, 150, kLNoHookEnd}});
    EXPECT_EQ(SimilarityScore(hooked, plain, 20.0), 750);
}

TEST(SimilarityScore, CandidateCurveHalvesArePassedOverWithTheirNextSegment) {
    // A first half of the straight kind never pairs with a candidate curve half, nor with
    // the segment that completes that half, even though the latter would fit on its own.
    const CKanjiStrokes user =
        MakeStrokes({{100, 20, 100, 100, kStraightBc, 1}, {100, 100, 180, 100, kAfterCurve}});
    const CKanjiStrokes candidate = MakeStrokes({{100, 20, 100, 60, kCurveVe, 1},
                                                 {100, 20, 180, 100, kStraightNoArrow},
                                                 {100, 20, 100, 100, kStraightBsc, 1},
                                                 {100, 100, 180, 100, kAfterCurve}});
    EXPECT_EQ(SimilarityScore(user, candidate, 20.0), 1000 * 28 / 30);
}

TEST(SimilarityScore, TheSecondSegmentOfAMatchedPairIsNotMatchedAgain) {
    // The user's curve half is the second segment of the straight pair; it must not pair up
    // once more with the after-curve segment, which would score above 1000.
    const CKanjiStrokes user = MakeStrokes({{100, 20, 100, 100, kStraightBc, 1},
                                            {100, 100, 180, 100, kCurveVe},
                                            {180, 100, 180, 180, kAfterCurve}});
    const CKanjiStrokes candidate = MakeStrokes({{100, 20, 100, 100, kStraightBc, 1},
                                                 {100, 100, 180, 100, kCurveVe},
                                                 {100, 100, 180, 100, kCurveVe, 1},
                                                 {180, 100, 180, 180, kAfterCurve}});
    EXPECT_EQ(SimilarityScore(user, candidate, 20.0), 666 * 29 / 30);
}

}  // namespace
}  // namespace brushly
