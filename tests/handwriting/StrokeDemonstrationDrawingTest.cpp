// The stroke-order demonstration: the pixel reveal and what it draws.
#include "handwriting/StrokeDemonstrationFixture.h"

namespace brushly {
namespace {

using namespace demotest;

TEST_F(StrokeDemonstration, SegmentsAreRevealedAlongTheirMainDirection) {
    struct Case {
        CPoint start;
        CPoint end;
        CRect firstRect;
        CRect lastRect;
        std::size_t pixels;
    };
    const std::vector<Case> cases{
        // Right, up to 45 degrees.
        {{20, 50}, {60, 70}, {0, 0, 21, kSize}, {0, 0, 61, kSize}, 41},
        {{10, 10}, {50, 50}, {0, 0, 11, kSize}, {0, 0, 51, kSize}, 41},
        // Down, 46 to 134 degrees.
        {{50, 20}, {60, 80}, {0, 0, kSize, 21}, {0, 0, kSize, 81}, 61},
        // Up, -46 to -134 degrees.
        {{50, 120}, {60, 40}, {0, 120, kSize, kSize}, {0, 40, kSize, kSize}, 81},
        // Left, the rest; 135 degrees included.
        {{150, 50}, {100, 60}, {150, 0, kSize, kSize}, {100, 0, kSize, kSize}, 51},
        {{50, 10}, {10, 50}, {50, 0, kSize, kSize}, {10, 0, kSize, kSize}, 41},
        // Off the picture nothing is waited for.
        {{-500, 100}, {150, 100}, {0, 0, 1, kSize}, {0, 0, 151, kSize}, 151},
    };
    for (const Case& c : cases) {
        const CKanjiStrokes strokes = One(kStraightNoArrow, c.start, c.end);
        demo.Start(&strokes, 200, Style::Brush, &busy);
        Record().Clear();
        demo.Play();
        const int ticks = RevealStroke();
        const std::vector<CRect> rects = RevealedRects();
        EXPECT_EQ(static_cast<std::size_t>(ticks), c.pixels);
        ASSERT_EQ(rects.size(), c.pixels);
        EXPECT_EQ(rects.front(), c.firstRect);
        EXPECT_EQ(rects.back(), c.lastRect);
    }
}

TEST_F(StrokeDemonstration, TheSweepCopiesFromThePictureWithTheSegmentOnIt) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    const auto& calls = Scratch().Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].kind, Kind::CopyFrom);
    EXPECT_EQ(calls[0].sourceId, Record().Id());
    EXPECT_EQ(calls[0].rect, (CRect{0, 0, kSize, kSize}));
    for (std::size_t i = 1; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].pen.color, kBlack);
        EXPECT_EQ(calls[i].brush, CBrush{kBlack});
    }
    RevealStroke();
    for (const CDrawCall& call : Record().CallsOf(Kind::CopyFrom))
        EXPECT_EQ(call.sourceId, Scratch().Id());
}

// While revealed, straight strokes are drawn without serifs and hooks bending right as
// stems; afterwards the segment is drawn as it is.
TEST_F(StrokeDemonstration, TheSweepDrawsSimplifiedCodes) {
    struct Case {
        int code;
        CPoint start;
        CPoint end;
        int sweepCode;
    };
    const std::vector<Case> cases{
        {kStraight, {40, 100}, {160, 100}, kStraightNoArrow},
        {kStraightHalfArrow, {40, 100}, {160, 100}, kStraightNoArrow},
        {kStraightNoArrow, {40, 100}, {160, 100}, kStraightNoArrow},
        {kBoxBegin, {40, 100}, {160, 100}, kStraightNoArrow},
        {kBoxEnd, {40, 100}, {160, 100}, kStraightNoArrow},
        {kStraightRectOnly, {40, 100}, {160, 130}, kStraightNoArrowRectOnly},
        {kStraightHalfRectOnly, {40, 100}, {160, 130}, kStraightNoArrowRectOnly},
        {kStraightNoRect, {40, 100}, {160, 100}, kStraightNoRect},
        {kHook, {100, 40}, {130, 120}, kHookStem},
        {kHook, {100, 40}, {80, 120}, kHook},
        {kCurve, {150, 30}, {60, 140}, kCurve},
    };
    for (const Case& c : cases) {
        CImageKeepingCanvas image(kSize, kSize);
        CFakeTimers clock;
        CStrokeDemonstration demonstration(image, clock);
        const CKanjiStrokes strokes = One(c.code, c.start, c.end);
        demonstration.Start(&strokes, 200, Style::Brush, nullptr);
        demonstration.Play();
        ASSERT_EQ(image.Images().size(), 1u);
        EXPECT_EQ(ShapesOf(*image.Images()[0]),
                  SegmentShapes(One(c.sweepCode, c.start, c.end), 0, 0, Style::Brush))
            << c.code;
        image.Record().Clear();
        demonstration.Step();
        EXPECT_EQ(ShapesOf(image.Record()), SegmentShapes(strokes, 0, 0, Style::Brush)) << c.code;
    }
}

TEST_F(StrokeDemonstration, BrushStyleShowsTheStrokesAndSimpleStyleTheJoinedCopy) {
    // The flat first segment reaches one pixel into the second when joined.
    const CKanjiStrokes strokes = List(
        {Segment(kStraight, 1, {20, 50}, {100, 50}), Segment(kStraight, 0, {110, 50}, {180, 60})});
    CKanjiStrokes joined = strokes;
    joined.JoinForRaw();
    ASSERT_EQ(joined[0].end.x, 111);

    demo.Start(&strokes, 0, Style::Brush, &busy);
    EXPECT_EQ(Fields(demo.StrokesJoined()[0]), Fields(joined[0]));
    Record().Clear();
    demo.Play();
    EXPECT_EQ(ShapesOf(Record()), Concatenated({SegmentShapes(strokes, 0, 0, Style::Brush),
                                                SegmentShapes(strokes, 1, 0, Style::Brush)}));

    demo.Start(&strokes, 0, Style::Simple, &busy);
    EXPECT_EQ(demo.GetStyle(), Style::Simple);
    Record().Clear();
    demo.Play();
    EXPECT_EQ(ShapesOf(Record()), Concatenated({SegmentShapes(joined, 0, 0, Style::Simple),
                                                SegmentShapes(joined, 1, 0, Style::Simple)}));
    for (const CDrawCall& call : Record().CallsOf(Kind::Line))
        EXPECT_EQ(call.pen, (CPen{kBlack, 8, CPenStyle::Solid}));

    // The simple style's sweep draws the joined copy too.
    demo.Start(&strokes, 200, Style::Simple, &busy);
    demo.Play();
    EXPECT_EQ(ShapesOf(Scratch()), SegmentShapes(joined, 0, 0, Style::Simple));
}

TEST_F(StrokeDemonstration, SegmentsAreTakenAsTheBrushListDriverTakesThem) {
    // A bent stroke (16 and its follower), a curve with its after-curve bar (17, 10), an
    // L-shape (12, 13) and a bar sized by its follower (15, 1).
    const CKanjiStrokes strokes = List(
        {Segment(kStraightBsc, 1, {40, 20}, {120, 20}), Segment(kCurve, 0, {120, 20}, {60, 80}),
         Segment(kCurveVe, 1, {40, 60}, {80, 100}), Segment(kAfterCurve, 0, {80, 100}, {160, 100}),
         Segment(kLHookBegin, 1, {30, 110}, {30, 170}),
         Segment(kLHookEnd, 0, {30, 170}, {150, 170}),
         Segment(kStraightBc, 1, {170, 20}, {170, 60}),
         Segment(kStraight, 0, {170, 60}, {190, 60})});
    CRecordingCanvas reference(kSize, kSize);
    CStrokeCanvas referenceCanvas(reference);
    referenceCanvas.DrawStrokes(strokes, kRoleUser);

    demo.Start(&strokes, 0, Style::Brush, &busy);
    Record().Clear();
    demo.Play();
    EXPECT_EQ(demo.Position(), 2u);
    ExpireStrokeTimer();
    EXPECT_EQ(demo.Position(), 4u);
    ExpireStrokeTimer();
    EXPECT_EQ(demo.Position(), 6u);
    ExpireStrokeTimer();
    EXPECT_EQ(demo.Position(), 8u);
    EXPECT_EQ(ShapesOf(Record()), ShapesOf(reference));

    // Revealed, the bent stroke is two sweeps and the L-shape one.
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    RevealStroke();
    EXPECT_EQ(Scratch().CallsOf(Kind::CopyFrom).size(), 2u);
    EXPECT_EQ(demo.Position(), 2u);
    ExpireStrokeTimer();
    RevealStroke();
    Scratch().Clear();
    ExpireStrokeTimer();
    EXPECT_EQ(RevealStroke(), 61);
    EXPECT_EQ(Scratch().CallsOf(Kind::CopyFrom).size(), 1u);
    EXPECT_EQ(demo.Position(), 6u);
}

// Play returns with the stroke still being drawn, and each tick reveals one column: the time
// of a stroke is waited out by the reveal timer, never inside a call. (How long Play and a
// tick take is measured by the handwriting benchmarks.)
TEST_F(StrokeDemonstration, Speed200NeverBlocks) {
    const CKanjiStrokes strokes = One(kStraightNoArrow, {10, 100}, {190, 100});
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    EXPECT_TRUE(demo.IsDrawingStroke());

    int ticks = 0;
    int reached = 9;
    while (timers.revealDelay) {
        EXPECT_GE(*timers.revealDelay, kMinRevealTickMilliseconds);
        Tick();
        const std::vector<CRect> rects = RevealedRects();
        ASSERT_FALSE(rects.empty());
        // On time, each tick reveals one more pixel column.
        EXPECT_EQ(rects.back().right - 1, reached + 1);
        reached = rects.back().right - 1;
        ++ticks;
    }
    EXPECT_EQ(ticks, 181);
    EXPECT_EQ(reached, 190);
    EXPECT_FALSE(demo.IsDrawingStroke());
}

TEST_F(StrokeDemonstration, TicksRevealThePixelsDueByThen) {
    const CKanjiStrokes strokes = One(kStraightNoArrow, {10, 100}, {190, 100});
    auto reachedColumn = [this] { return RevealedRects().back().right - 1; };

    // A tick 45 ms late catches up: 55 ms into the segment, 5 pixels are due.
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    Tick(45ms);
    EXPECT_EQ(reachedColumn(), 14);
    EXPECT_EQ(RevealedRects().size(), 1u);
    EXPECT_EQ(timers.revealDelay, 10);

    // At speed 100 a pixel is due every 5 ms, so every 10 ms tick reveals two.
    demo.Start(&strokes, 100, Style::Brush, &busy);
    Record().Clear();
    demo.Play();
    EXPECT_EQ(timers.revealDelay, 10);
    Tick();
    EXPECT_EQ(reachedColumn(), 11);
    Tick();
    EXPECT_EQ(reachedColumn(), 13);

    // At speed 1 the whole segment is due by the first tick.
    demo.Start(&strokes, 1, Style::Brush, &busy);
    Record().Clear();
    demo.Play();
    EXPECT_EQ(RevealStroke(), 1);
    EXPECT_EQ(reachedColumn(), 190);
}

TEST_F(StrokeDemonstration, AnEarlyTickRevealsNothingAndWaitsForThePixelsDue) {
    const CKanjiStrokes strokes = One(kStraightNoArrow, {10, 100}, {190, 100});
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    Record().Clear();
    timers.now += 4ms;
    timers.revealDelay.reset();
    demo.OnRevealTick();
    EXPECT_TRUE(Record().Calls().empty());
    EXPECT_EQ(timers.revealDelay, 10);
}

}  // namespace
}  // namespace brushly
