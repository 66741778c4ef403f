#pragma once

namespace brushly {

// A pixel point of the draw box: x to the right, y downwards, origin at the top-left corner
// of the drawing area (200 px wide). Database strokes use the same frame, unscaled.
struct CPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const CPoint&, const CPoint&) = default;
};

}  // namespace brushly
