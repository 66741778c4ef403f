// Repairs of stroke lists: box and L-shape pairing, and joining for the raw style.
#include <gtest/gtest.h>

#include <climits>

#include "reference/StrokeTestUtil.h"

namespace brushly {
namespace {

using namespace testing;

// --- Box and L-shape pairing ----------------------------------------------------------

TEST(NormalizeBoxPairs, PairedBoxesStay) {
    CKanjiStrokes strokes = StrokesOfTypes({8, 9, 1, 8, 2, 9});
    strokes.NormalizeBoxPairs();
    EXPECT_EQ(Types(strokes), (std::vector<int>{8, 9, 1, 8, 2, 9}));
}

TEST(NormalizeBoxPairs, LoneBoxEndBecomesPlainStraight) {
    CKanjiStrokes strokes = StrokesOfTypes({9});
    strokes.NormalizeBoxPairs();
    EXPECT_EQ(Types(strokes), (std::vector<int>{3}));
    strokes = StrokesOfTypes({8, 9, 9});
    strokes.NormalizeBoxPairs();
    EXPECT_EQ(Types(strokes), (std::vector<int>{8, 9, 3}));
}

TEST(NormalizeBoxPairs, SecondOpenerReplacesTheFirst) {
    CKanjiStrokes strokes = StrokesOfTypes({8, 8, 9});
    strokes.NormalizeBoxPairs();
    EXPECT_EQ(Types(strokes), (std::vector<int>{1, 8, 9}));
    strokes = StrokesOfTypes({8, 8, 8, 9});
    strokes.NormalizeBoxPairs();
    EXPECT_EQ(Types(strokes), (std::vector<int>{1, 1, 8, 9}));
}

TEST(NormalizeBoxPairs, BoxOpenAtTheEndStaysOpen) {
    CKanjiStrokes strokes = StrokesOfTypes({8, 2});
    strokes.NormalizeBoxPairs();
    EXPECT_EQ(Types(strokes), (std::vector<int>{8, 2}));
}

TEST(NormalizeBoxPairs, ChangesOnlyTheType) {
    CKanjiStrokes strokes =
        List({Segment(8, 1, {1, 2}, {3, 4}), Segment(8, 1, {5, 6}, {7, 8}),
              Segment(9, 0, {9, 10}, {11, 12}), Segment(9, 1, {13, 14}, {15, 16})});
    strokes.NormalizeBoxPairs();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(1, 2, 3, 4, 1, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(5, 6, 7, 8, 8, 1));
    EXPECT_EQ(Fields(strokes[2]), std::make_tuple(9, 10, 11, 12, 9, 0));
    EXPECT_EQ(Fields(strokes[3]), std::make_tuple(13, 14, 15, 16, 3, 1));
}

TEST(NormalizeLHookPairs, PairedLShapesStay) {
    CKanjiStrokes strokes =
        List({Segment(12, 1, {10, 10}, {12, 50}), Segment(13, 0, {12, 50}, {60, 50}),
              Segment(12, 1, {70, 10}, {70, 50}), Segment(14, 0, {70, 50}, {99, 50})});
    const CKanjiStrokes before = strokes;
    strokes.NormalizeLHookPairs();
    for (std::size_t i = 0; i < strokes.Size(); ++i)
        EXPECT_EQ(Fields(strokes[i]), Fields(before[i])) << i;
}

TEST(NormalizeLHookPairs, UprightWithoutFootBecomesVertical) {
    CKanjiStrokes strokes =
        List({Segment(12, 1, {10, 10}, {14, 50}), Segment(1, 0, {14, 50}, {60, 50})});
    strokes.NormalizeLHookPairs();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 10, 10, 50, 1, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(14, 50, 60, 50, 1, 0));
}

TEST(NormalizeLHookPairs, UprightAsLastSegmentBecomesVertical) {
    CKanjiStrokes strokes =
        List({Segment(3, 1, {0, 0}, {5, 5}), Segment(12, 1, {30, 10}, {25, 80})});
    strokes.NormalizeLHookPairs();
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(30, 10, 30, 80, 1, 1));
}

TEST(NormalizeLHookPairs, FootAtTheStartMovesUpAsPlainStraight) {
    CKanjiStrokes strokes = List({Segment(13, 1, {10, 50}, {60, 52})});
    strokes.NormalizeLHookPairs();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 46, 60, 48, 3, 1));
}

TEST(NormalizeLHookPairs, FootAfterAnythingButAnUprightMovesUp) {
    CKanjiStrokes strokes =
        List({Segment(1, 1, {10, 10}, {10, 50}), Segment(14, 0, {10, 50}, {60, 50}),
              Segment(13, 1, {0, 4}, {9, 4})});
    strokes.NormalizeLHookPairs();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 10, 10, 50, 1, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(10, 46, 60, 46, 3, 0));
    EXPECT_EQ(Fields(strokes[2]), std::make_tuple(0, 0, 9, 0, 3, 1));
}

TEST(NormalizeLHookPairs, EmptyListIsLeftAlone) {
    CKanjiStrokes strokes;
    strokes.NormalizeLHookPairs();
    strokes.NormalizeBoxPairs();
    strokes.JoinForRaw();
    EXPECT_EQ(strokes.Size(), 0u);
}

// --- Joining for the raw style --------------------------------------------------------

TEST(JoinForRaw, FlatStraightRunsOnIntoItsStraightContinuation) {
    CKanjiStrokes strokes =
        List({Segment(1, 1, {10, 20}, {50, 24}), Segment(7, 0, {55, 24}, {55, 90})});
    strokes.JoinForRaw();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 20, 56, 24, 1, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(55, 24, 55, 90, 7, 0));
}

TEST(JoinForRaw, StraightJoinNeedsAFlatStraightContinuation) {
    const CStrokeData flat = Segment(2, 1, {10, 20}, {50, 20});
    const CStrokeData next = Segment(3, 0, {60, 20}, {60, 90});
    struct Case {
        const char* what;
        CStrokeData first;
        CStrokeData second;
        int endX;
    };
    const Case cases[] = {
        {"next starts a new stroke", flat, Segment(3, 1, {60, 20}, {60, 90}), 50},
        {"next is no plain straight", flat, Segment(8, 0, {60, 20}, {60, 90}), 50},
        {"next is a dot", flat, Segment(11, 0, {60, 20}, {60, 90}), 50},
        {"exactly 45 degrees down", Segment(4, 1, {0, 0}, {40, 40}), next, 40},
        {"44 degrees down", Segment(4, 1, {0, 0}, {100, 97}), next, 61},
        {"21 degrees up", Segment(5, 1, {0, 10}, {10, 6}), next, 61},
        {"pointing left", Segment(6, 1, {50, 20}, {10, 20}), next, 10},
        {"steeply up", Segment(1, 1, {50, 90}, {50, 20}), next, 50},
        {"zero length", Segment(1, 1, {30, 30}, {30, 30}), next, 61},
    };
    for (const Case& test : cases) {
        CKanjiStrokes strokes = List({test.first, test.second});
        strokes.JoinForRaw();
        EXPECT_EQ(strokes[0].end.x, test.endX) << test.what;
        EXPECT_EQ(Fields(strokes[1]), Fields(test.second)) << test.what;
    }
}

TEST(JoinForRaw, FlatStraightsChainAndTheLastHasNothingToJoin) {
    CKanjiStrokes strokes =
        List({Segment(1, 1, {0, 10}, {20, 10}), Segment(3, 0, {30, 10}, {40, 12}),
              Segment(3, 0, {45, 12}, {90, 12})});
    strokes.JoinForRaw();
    EXPECT_EQ(strokes[0].end.x, 31);
    EXPECT_EQ(strokes[1].end.x, 46);
    EXPECT_EQ(strokes[2].end.x, 90);
}

TEST(JoinForRaw, BoxOpenerBringsTheNextSideToTheOneAfter) {
    CKanjiStrokes strokes =
        List({Segment(8, 1, {10, 10}, {10, 80}), Segment(1, 1, {10, 10}, {70, 10}),
              Segment(9, 1, {80, 10}, {80, 80})});
    strokes.JoinForRaw();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 10, 10, 80, 8, 1));
    EXPECT_EQ(strokes[1].end.x, 81);
    EXPECT_EQ(Fields(strokes[2]), std::make_tuple(80, 10, 80, 80, 9, 1));
}

TEST(JoinForRaw, BoxOpenerNearTheEndChangesNothing) {
    for (const CKanjiStrokes& original :
         {List({Segment(8, 1, {10, 10}, {10, 80}), Segment(11, 1, {10, 10}, {70, 10})}),
          List({Segment(8, 1, {10, 10}, {10, 80})})}) {
        CKanjiStrokes strokes = original;
        strokes.JoinForRaw();
        for (std::size_t i = 0; i < strokes.Size(); ++i)
            EXPECT_EQ(Fields(strokes[i]), Fields(original[i])) << i;
    }
}

TEST(JoinForRaw, AfterCurveSegmentLevelsThePreviousEnd) {
    CKanjiStrokes strokes =
        List({Segment(21, 1, {10, 10}, {40, 60}), Segment(10, 0, {40, 66}, {90, 66})});
    strokes.JoinForRaw();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 10, 40, 66, 21, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(40, 66, 90, 66, 10, 0));

    CKanjiStrokes first = List({Segment(10, 1, {40, 66}, {90, 66})});
    first.JoinForRaw();
    EXPECT_EQ(Fields(first[0]), std::make_tuple(40, 66, 90, 66, 10, 1));
}

TEST(JoinForRaw, UprightOfAnLIsMadeVerticalAndJoined) {
    CKanjiStrokes strokes =
        List({Segment(1, 1, {10, 10}, {40, 10}), Segment(12, 0, {30, 10}, {36, 70}),
              Segment(13, 0, {30, 70}, {90, 70})});
    strokes.JoinForRaw();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 10, 31, 10, 1, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(30, 10, 30, 70, 12, 0));
    EXPECT_EQ(Fields(strokes[2]), std::make_tuple(30, 70, 90, 70, 13, 0));
}

TEST(JoinForRaw, UprightLeaningLeftOrStartingAStrokeKeepsItsNeighbour) {
    CKanjiStrokes strokes =
        List({Segment(3, 1, {10, 10}, {40, 10}), Segment(12, 1, {30, 10}, {24, 70})});
    strokes.JoinForRaw();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 10, 40, 10, 3, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(30, 10, 24, 70, 12, 1));

    // A continuation with nothing before it has nothing to join.
    CKanjiStrokes alone = List({Segment(12, 0, {30, 10}, {36, 70})});
    alone.JoinForRaw();
    EXPECT_EQ(Fields(alone[0]), std::make_tuple(30, 10, 30, 70, 12, 0));
}

TEST(JoinForRaw, HookJoinsTheSegmentBeforeIt) {
    CKanjiStrokes strokes =
        List({Segment(37, 1, {50, 10}, {52, 90}), Segment(36, 0, {50, 90}, {40, 80})});
    strokes.JoinForRaw();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(50, 10, 51, 90, 37, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(50, 90, 40, 80, 36, 0));
}

TEST(JoinForRaw, HookStartingAStrokeOrTheListJoinsNothing) {
    CKanjiStrokes strokes =
        List({Segment(37, 1, {50, 10}, {52, 90}), Segment(36, 1, {50, 90}, {40, 80})});
    strokes.JoinForRaw();
    EXPECT_EQ(strokes[0].end.x, 52);

    CKanjiStrokes alone = List({Segment(36, 0, {50, 90}, {40, 80})});
    alone.JoinForRaw();
    EXPECT_EQ(Fields(alone[0]), std::make_tuple(50, 90, 40, 80, 36, 0));
}

TEST(JoinForRaw, BentFirstHalfMovesTheNextStart) {
    CKanjiStrokes strokes =
        List({Segment(15, 1, {10, 10}, {60, 12}), Segment(21, 0, {64, 12}, {30, 90})});
    strokes.JoinForRaw();
    EXPECT_EQ(Fields(strokes[0]), std::make_tuple(10, 10, 60, 12, 15, 1));
    EXPECT_EQ(Fields(strokes[1]), std::make_tuple(60, 12, 30, 90, 21, 0));

    CKanjiStrokes last = List({Segment(11, 1, {1, 1}, {2, 2}), Segment(15, 1, {10, 10}, {60, 12})});
    last.JoinForRaw();
    EXPECT_EQ(Fields(last[0]), std::make_tuple(1, 1, 2, 2, 11, 1));
    EXPECT_EQ(Fields(last[1]), std::make_tuple(10, 10, 60, 12, 15, 1));
}

TEST(JoinForRaw, OtherCodesAreLeftAlone) {
    for (int type : {0, 9, 11, 13, 14, 16, 17, 20, 21, 34, 35, 37, -1, 99}) {
        const CKanjiStrokes original =
            List({Segment(21, 1, {5, 5}, {9, 9}), Segment(type, 0, {10, 10}, {60, 12}),
                  Segment(3, 0, {70, 10}, {70, 90})});
        CKanjiStrokes strokes = original;
        strokes.JoinForRaw();
        for (std::size_t i = 0; i < strokes.Size(); ++i)
            EXPECT_EQ(Fields(strokes[i]), Fields(original[i]))
                << "code " << type << " segment " << i;
    }
}

TEST(JoinForRaw, ExtremeCoordinatesStayInRange) {
    CKanjiStrokes strokes =
        List({Segment(1, 1, {0, 0}, {10, 0}), Segment(1, 0, {INT_MAX, 0}, {0, 9}),
              Segment(36, 0, {INT_MAX, 9}, {0, 0})});
    strokes.JoinForRaw();
    EXPECT_EQ(strokes[0].end.x, INT_MAX);
    EXPECT_EQ(strokes[1].end.x, INT_MAX);

    CKanjiStrokes lifted = List({Segment(14, 1, {0, INT_MIN}, {10, INT_MIN + 2})});
    lifted.NormalizeLHookPairs();
    EXPECT_EQ(lifted[0].start.y, INT_MIN);
    EXPECT_EQ(lifted[0].end.y, INT_MIN);
}

}  // namespace
}  // namespace brushly
