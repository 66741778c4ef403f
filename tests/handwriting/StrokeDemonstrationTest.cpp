// The stroke-order demonstration: commands and timers.
#include "handwriting/StrokeDemonstrationFixture.h"

namespace brushly {
namespace {

using namespace demotest;

TEST_F(StrokeDemonstration, StartKeepsTheStrokesAndClearsThePicture) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 120, Style::Brush, &busy);
    EXPECT_EQ(demo.Strokes(), &strokes);
    EXPECT_EQ(demo.Speed(), 120);
    EXPECT_EQ(demo.GetStyle(), Style::Brush);
    EXPECT_EQ(demo.Position(), 0u);
    EXPECT_FALSE(demo.IsFinished());
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_FALSE(demo.IsPauseRequested());
    EXPECT_FALSE(demo.IsBusy());
    EXPECT_FALSE(busy);
    ASSERT_EQ(Record().Calls().size(), 1u);
    EXPECT_EQ(Record().Calls()[0].kind, Kind::FillRect);
    EXPECT_EQ(Record().Calls()[0].rect, (CRect{0, 0, kSize, kSize}));
    EXPECT_EQ(Record().Calls()[0].color, kWhite);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(timers.strokeDelay);
    EXPECT_FALSE(timers.revealDelay);
}

TEST_F(StrokeDemonstration, SpeedIsKeptWithinItsRange) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 500, Style::Brush, &busy);
    EXPECT_EQ(demo.Speed(), kDemonstrationMaxSpeed);
    demo.Start(&strokes, -3, Style::Brush, &busy);
    EXPECT_EQ(demo.Speed(), 0);
}

TEST_F(StrokeDemonstration, OneStrokeCharacterIsFinishedAfterTheFirstExpiry) {
    const CKanjiStrokes strokes = One(kStraight, {50, 100}, {150, 100});
    demo.Start(&strokes, 0, Style::Brush, &busy);
    Record().Clear();
    demo.Play();
    EXPECT_EQ(ShapesOf(Record()), SegmentShapes(strokes, 0, 0, Style::Brush));
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_FALSE(demo.IsFinished());
    EXPECT_TRUE(demo.IsPlaying());
    EXPECT_TRUE(busy);
    EXPECT_EQ(timers.strokeDelay, kDemonstrationStrokeMilliseconds);

    Record().Clear();
    ExpireStrokeTimer();
    EXPECT_TRUE(demo.IsFinished());
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_FALSE(busy);
    EXPECT_FALSE(timers.strokeDelay);
    EXPECT_TRUE(Record().Calls().empty());

    // Play on a finished demonstration empties the picture and begins again.
    demo.Play();
    ASSERT_FALSE(Record().Calls().empty());
    EXPECT_EQ(Record().Calls()[0].kind, Kind::FillRect);
    EXPECT_EQ(Record().Calls()[0].color, kWhite);
    EXPECT_EQ(ShapesOf(Record()), SegmentShapes(strokes, 0, 0, Style::Brush));
    EXPECT_FALSE(demo.IsFinished());
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_TRUE(busy);
    EXPECT_EQ(timers.strokeDelay, kDemonstrationStrokeMilliseconds);
}

TEST_F(StrokeDemonstration, AtSpeedZeroStrokesAreDrawnAtOnceAndFollowEvery250Milliseconds) {
    const CKanjiStrokes strokes = ThreeStrokes();
    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Play();
    for (std::size_t stroke = 1; stroke <= 3; ++stroke) {
        EXPECT_EQ(demo.Position(), stroke);
        EXPECT_EQ(Polygons(Record()).size(), stroke);
        EXPECT_FALSE(demo.IsDrawingStroke());
        EXPECT_TRUE(busy);
        ExpireStrokeTimer();
    }
    EXPECT_TRUE(demo.IsFinished());
    EXPECT_FALSE(busy);
    EXPECT_EQ(timers.strokeRequests, (std::vector<int>{250, 250, 250}));
    EXPECT_TRUE(timers.revealRequests.empty());
    EXPECT_TRUE(Record().CallsOf(Kind::CopyFrom).empty());
}

TEST_F(StrokeDemonstration, PlayingRevealsAStrokeThenWaitsForTheNext) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    EXPECT_TRUE(demo.IsDrawingStroke());
    EXPECT_EQ(demo.Position(), 0u);
    EXPECT_FALSE(timers.strokeDelay);
    EXPECT_EQ(RevealStroke(), 101);
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_EQ(timers.strokeDelay, kDemonstrationStrokeMilliseconds);
    EXPECT_TRUE(busy);
    ExpireStrokeTimer();
    EXPECT_TRUE(demo.IsDrawingStroke());
    EXPECT_EQ(RevealStroke(), 101);
    EXPECT_EQ(demo.Position(), 2u);
    ExpireStrokeTimer();
    EXPECT_TRUE(demo.IsFinished());
    EXPECT_FALSE(busy);
}

TEST_F(StrokeDemonstration, PauseDuringARevealTakesEffectAfterThatStroke) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    Tick();
    Tick();
    demo.Pause();
    EXPECT_TRUE(demo.IsPauseRequested());
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_TRUE(demo.IsDrawingStroke());
    EXPECT_TRUE(busy);
    EXPECT_EQ(RevealStroke(), 99);
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_FALSE(demo.IsDrawingStroke());
    EXPECT_FALSE(demo.IsPauseRequested());
    EXPECT_FALSE(timers.strokeDelay);
    EXPECT_FALSE(busy);
    EXPECT_FALSE(demo.IsFinished());

    // Play goes on from the next stroke.
    demo.Play();
    EXPECT_TRUE(busy);
    EXPECT_TRUE(demo.IsDrawingStroke());
    RevealStroke();
    EXPECT_EQ(demo.Position(), 2u);
}

TEST_F(StrokeDemonstration, PauseBetweenStrokesStopsAtTheNextExpiry) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Play();
    demo.Pause();
    EXPECT_TRUE(demo.IsPauseRequested());
    EXPECT_TRUE(busy);
    Record().Clear();
    ExpireStrokeTimer();
    EXPECT_TRUE(Record().Calls().empty());
    EXPECT_FALSE(demo.IsPauseRequested());
    EXPECT_FALSE(busy);
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_FALSE(timers.strokeDelay);
}

TEST_F(StrokeDemonstration, PauseWhileStoppedRequestsNothing) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Pause();
    EXPECT_FALSE(demo.IsPauseRequested());
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_FALSE(busy);
}

TEST_F(StrokeDemonstration, PlayAfterPauseDuringARevealKeepsPlaying) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    Tick();
    demo.Pause();
    demo.Play();
    EXPECT_FALSE(demo.IsPauseRequested());
    EXPECT_TRUE(demo.IsPlaying());
    EXPECT_EQ(demo.Position(), 0u);
    EXPECT_EQ(RevealStroke(), 100);
    EXPECT_EQ(timers.strokeDelay, kDemonstrationStrokeMilliseconds);
    EXPECT_TRUE(busy);
}

TEST_F(StrokeDemonstration, StepDrawsOneStrokeAndReleasesTheOwner) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Step();
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_TRUE(busy);
    EXPECT_TRUE(demo.IsDrawingStroke());
    EXPECT_EQ(RevealStroke(), 101);
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_FALSE(busy);
    EXPECT_TRUE(timers.strokeRequests.empty());

    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Step();
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_FALSE(busy);
    EXPECT_FALSE(timers.strokeDelay);
}

TEST_F(StrokeDemonstration, StepOnAFinishedDemonstrationClearsAndDrawsTheFirstStroke) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Play();
    ExpireStrokeTimer();
    ExpireStrokeTimer();
    ASSERT_TRUE(demo.IsFinished());
    Record().Clear();
    demo.Step();
    ASSERT_FALSE(Record().Calls().empty());
    EXPECT_EQ(Record().Calls()[0].kind, Kind::FillRect);
    EXPECT_EQ(ShapesOf(Record()), SegmentShapes(strokes, 0, 0, Style::Brush));
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_FALSE(demo.IsFinished());
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_FALSE(busy);
    EXPECT_FALSE(timers.strokeDelay);
}

TEST_F(StrokeDemonstration, StepAfterTheLastStrokeBeginsAgain) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Step();
    demo.Step();
    EXPECT_EQ(demo.Position(), 2u);
    Record().Clear();
    demo.Step();
    ASSERT_FALSE(Record().Calls().empty());
    EXPECT_EQ(Record().Calls()[0].kind, Kind::FillRect);
    EXPECT_EQ(ShapesOf(Record()), SegmentShapes(strokes, 0, 0, Style::Brush));
    EXPECT_EQ(demo.Position(), 1u);
}

TEST_F(StrokeDemonstration, StepWhilePlayingStopsAfterOneStroke) {
    const CKanjiStrokes strokes = ThreeStrokes();
    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Play();
    ASSERT_TRUE(timers.strokeDelay);
    demo.Step();
    EXPECT_EQ(demo.Position(), 2u);
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_FALSE(busy);
    EXPECT_FALSE(timers.strokeDelay);
    // An expiry that was already on its way draws nothing.
    Record().Clear();
    demo.OnStrokeTimer();
    EXPECT_TRUE(Record().Calls().empty());
    EXPECT_EQ(demo.Position(), 2u);
}

TEST_F(StrokeDemonstration, StepDuringARevealCompletesThatStrokeAtOnce) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    Tick();
    Tick();
    Record().Clear();
    demo.Step();
    EXPECT_FALSE(demo.IsDrawingStroke());
    EXPECT_EQ(ShapesOf(Record()), SegmentShapes(strokes, 0, 0, Style::Brush));
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_FALSE(busy);
    EXPECT_FALSE(timers.strokeDelay);
    EXPECT_FALSE(timers.revealDelay);
}

TEST_F(StrokeDemonstration, RestartClearsAndPlaysFromTheFirstStroke) {
    const CKanjiStrokes strokes = ThreeStrokes();
    demo.Start(&strokes, 0, Style::Brush, &busy);
    demo.Step();
    demo.Step();
    Record().Clear();
    demo.Restart();
    ASSERT_FALSE(Record().Calls().empty());
    EXPECT_EQ(Record().Calls()[0].kind, Kind::FillRect);
    EXPECT_EQ(ShapesOf(Record()), SegmentShapes(strokes, 0, 0, Style::Brush));
    EXPECT_EQ(demo.Position(), 1u);
    EXPECT_TRUE(demo.IsPlaying());
    EXPECT_TRUE(busy);
    EXPECT_EQ(timers.strokeDelay, kDemonstrationStrokeMilliseconds);
}

TEST_F(StrokeDemonstration, RestartDuringARevealAbandonsIt) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    demo.Play();
    RevealStroke();
    ExpireStrokeTimer();
    Tick();
    ASSERT_EQ(demo.Position(), 1u);
    demo.Restart();
    EXPECT_TRUE(demo.IsDrawingStroke());
    EXPECT_EQ(demo.Position(), 0u);
    Record().Clear();
    EXPECT_EQ(RevealStroke(), 101);
    EXPECT_EQ(demo.Position(), 1u);
}

TEST_F(StrokeDemonstration, AnEmptyCharacterFinishesAtOnce) {
    demo.Play();
    EXPECT_TRUE(demo.IsFinished());
    const CKanjiStrokes empty;
    demo.Start(&empty, 200, Style::Brush, &busy);
    demo.Play();
    EXPECT_TRUE(demo.IsFinished());
    EXPECT_FALSE(busy);
    demo.Step();
    EXPECT_TRUE(demo.IsFinished());
    demo.Restart();
    EXPECT_TRUE(demo.IsFinished());
    EXPECT_FALSE(demo.IsPlaying());
    EXPECT_FALSE(busy);
    EXPECT_FALSE(timers.strokeDelay);
    EXPECT_FALSE(timers.revealDelay);
    demo.Start(nullptr, 0, Style::Simple, nullptr);
    demo.Play();
    EXPECT_TRUE(demo.IsFinished());
}

TEST_F(StrokeDemonstration, ExpiriesWithNothingPendingDoNothing) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 200, Style::Brush, &busy);
    Record().Clear();
    demo.OnRevealTick();
    demo.OnStrokeTimer();
    EXPECT_TRUE(Record().Calls().empty());
    EXPECT_EQ(demo.Position(), 0u);
    EXPECT_FALSE(busy);
}

TEST_F(StrokeDemonstration, TheOwnersFlagIsOptional) {
    const CKanjiStrokes strokes = TwoStrokes();
    demo.Start(&strokes, 0, Style::Brush, nullptr);
    demo.Play();
    EXPECT_TRUE(demo.IsBusy());
    ExpireStrokeTimer();
    ExpireStrokeTimer();
    EXPECT_FALSE(demo.IsBusy());
}

TEST_F(StrokeDemonstration, StartAgainReleasesThePreviousOwner) {
    const CKanjiStrokes strokes = TwoStrokes();
    bool first = false;
    bool second = false;
    demo.Start(&strokes, 200, Style::Brush, &first);
    demo.Play();
    EXPECT_TRUE(first);
    demo.Start(&strokes, 200, Style::Brush, &second);
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
    EXPECT_FALSE(demo.IsDrawingStroke());
    EXPECT_FALSE(timers.revealDelay);
}

TEST(StrokeDemonstrationLifetime, DestructionReleasesTheOwner) {
    CRecordingCanvas picture(kSize, kSize);
    CFakeTimers timers;
    const CKanjiStrokes strokes = TwoStrokes();
    bool busy = false;
    {
        CStrokeDemonstration demo(picture, timers);
        demo.Start(&strokes, 200, Style::Brush, &busy);
        demo.Play();
        EXPECT_TRUE(busy);
    }
    EXPECT_FALSE(busy);
}

TEST_F(StrokeDemonstration, ReportsEveryChangeOfThePicture) {
    const CKanjiStrokes strokes = One(kStraightNoArrow, {50, 100}, {150, 100});
    demo.Start(&strokes, 200, Style::Brush, &busy);
    EXPECT_EQ(changes, 1);
    demo.Play();
    EXPECT_EQ(changes, 1);
    RevealStroke();
    EXPECT_EQ(changes, 1 + 101 + 1);
}

// The four main directions: each pixel of the span is one tick at speed 200, and each tick
// copies the part reached so far.

}  // namespace
}  // namespace brushly
