#pragma once

namespace brushly {

// An integer pixel point: x to the right, y downwards. In the handwriting code the frame is
// the draw box's drawing area (200 px wide, origin top-left); database strokes use the
// same frame, unscaled.
struct CPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const CPoint&, const CPoint&) = default;
};

// A pixel rectangle; right and bottom are exclusive, so the width is right - left.
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const CRect&, const CRect&) = default;
};

}  // namespace brushly
