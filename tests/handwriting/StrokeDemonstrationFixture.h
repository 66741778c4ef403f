#pragma once

// What the stroke-order demonstration's tests share: a fake timer pair, the fixture that
// drives a demonstration on a recording canvas, and the shapes expected of it.
#include <gtest/gtest.h>

#include <chrono>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "handwriting/CImageKeepingCanvas.h"
#include "handwriting/CStrokeDemonstration.h"
#include "handwriting/RenderTestUtil.h"
#include "platform/CRecordingCanvas.h"
#include "support/FakeDemonstrationTimers.h"

namespace brushly::demotest {

using namespace brushly::testing;
using namespace std::chrono_literals;
using Kind = CDrawCall::Kind;
using Style = CStrokeCanvas::Style;

constexpr CColor kWhite{255, 255, 255};
constexpr CColor kBlack{0, 0, 0};
constexpr int kSize = 200;

// The drawn shapes of a recording, without copies and fills: kind and points.
using Shapes = std::vector<std::pair<Kind, Points>>;

inline Shapes ShapesOf(const CRecordingCanvas& canvas) {
    Shapes shapes;
    for (const CDrawCall& call : canvas.Calls())
        if (call.kind == Kind::Polygon || call.kind == Kind::Line || call.kind == Kind::Polyline ||
            call.kind == Kind::Chord)
            shapes.emplace_back(call.kind, call.points);
    return shapes;
}

// What the stroke canvas draws for the segment at index with the width, in the style.
inline Shapes SegmentShapes(const CKanjiStrokes& list, std::size_t index, int width, Style style) {
    CRecordingCanvas canvas(kSize, kSize);
    CStrokeCanvas strokeCanvas(canvas);
    strokeCanvas.SetStyle(style);
    if (style == Style::Brush)
        strokeCanvas.DrawSegment(list, index, width);
    else
        strokeCanvas.DrawSegmentSimple(list, index);
    return ShapesOf(canvas);
}

inline Shapes Concatenated(std::initializer_list<Shapes> parts) {
    Shapes all;
    for (const Shapes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline CKanjiStrokes TwoStrokes() {
    return List({Segment(kStraight, 1, {50, 100}, {150, 100}),
                 Segment(kStraightNoArrow, 1, {100, 20}, {100, 120})});
}

inline CKanjiStrokes ThreeStrokes() {
    return List({Segment(kStraightNoArrow, 1, {40, 40}, {160, 40}),
                 Segment(kStraightNoArrow, 1, {40, 90}, {160, 90}),
                 Segment(kStraightNoArrow, 1, {40, 140}, {160, 140})});
}

class StrokeDemonstration : public ::testing::Test {
protected:
    // Lets the armed stroke timer expire on time.
    void ExpireStrokeTimer() {
        ASSERT_TRUE(timers.strokeDelay);
        timers.now += std::chrono::milliseconds(*timers.strokeDelay);
        timers.strokeDelay.reset();
        demo.OnStrokeTimer();
    }

    // Lets the armed reveal timer expire, `lateness` after its time; false when none is armed.
    bool Tick(std::chrono::milliseconds lateness = 0ms) {
        if (!timers.revealDelay) return false;
        timers.now += std::chrono::milliseconds(*timers.revealDelay) + lateness;
        timers.revealDelay.reset();
        demo.OnRevealTick();
        return true;
    }

    // Ticks until no reveal is pending; returns the number of ticks.
    int RevealStroke() {
        int ticks = 0;
        while (Tick())
            ++ticks;
        return ticks;
    }

    CRecordingCanvas& Record() { return picture.Record(); }

    // The picture's copies from the working image: one per revealing tick.
    std::vector<CRect> RevealedRects() {
        std::vector<CRect> rects;
        for (const CDrawCall& call : Record().CallsOf(Kind::CopyFrom)) {
            EXPECT_EQ(call.sourceRect, call.rect);
            rects.push_back(call.rect);
        }
        return rects;
    }

    // The working image the sweeps draw on, once the first sweep has begun.
    CRecordingCanvas& Scratch() { return *picture.Images().at(0); }

    CImageKeepingCanvas picture{kSize, kSize};
    CFakeTimers timers;
    int changes = 0;
    CStrokeDemonstration demo{picture, timers, [this] { ++changes; }};
    bool busy = false;
};

}  // namespace brushly::demotest
