#pragma once

#include <cmath>
#include <span>

#include "platform/CPoint.h"

namespace brushly::testing {

// Moves the pen of a draw box engine (CKanjiDrawBox, CKanaDrawBox) in a straight line from
// start to end, a point every 3 px as a mouse gives them, and releases it.
template <class Box>
void DrawStraight(Box& box, CPoint start, CPoint end) {
    box.PenDown(start);
    const double length = std::hypot(end.x - start.x, end.y - start.y);
    const int steps = static_cast<int>(length / 3.0);
    for (int step = 1; step < steps; ++step) {
        const double t = step * 3.0 / length;
        box.PenMove({start.x + static_cast<int>(std::lround((end.x - start.x) * t)),
                     start.y + static_cast<int>(std::lround((end.y - start.y) * t))});
    }
    box.PenMove(end);
    box.PenUp();
}

// Puts the pen down at the path's first point, moves it through the others and releases it.
template <class Box>
void DrawPath(Box& box, std::span<const CPoint> path) {
    box.PenDown(path.front());
    for (const CPoint& point : path.subspan(1))
        box.PenMove(point);
    box.PenUp();
}

}  // namespace brushly::testing
