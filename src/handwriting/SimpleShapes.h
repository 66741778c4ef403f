#pragma once

#include <cstddef>
#include <vector>

#include "platform/CCanvas.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// The simple style: every segment drawn as pen lines and elliptical arcs (ArcPoints
// polylines) with the canvas's pen, at the segment's own coordinates (draw-box pixels,
// y down).
namespace brushly {

// The centre lines of one step of the simple style.
struct CSimpleShape {
    std::vector<std::vector<CPoint>> lines;  // polylines of two or more points, drawing order
    std::size_t consumed = 0;                // segments used: 2 for an L-shape, 0 past the end
};

// The lines of the segment at `index`: a code-12 segment followed by a code 13 or 14 is
// one L-shape over both; a lone code 12 is its straight line; codes 13, 14, 27, 30, 35 and
// unknown codes alone, and sweeps drawn upwards outside the vertical band, have no lines.
CSimpleShape SimpleSegmentShape(const CKanjiStrokes& list, std::size_t index);

// Draws SimpleSegmentShape(list, index) (two-point lines as Line, longer ones as
// Polyline) and returns the segments consumed.
std::size_t DrawSimpleSegment(CCanvas& canvas, const CKanjiStrokes& list, std::size_t index);

}  // namespace brushly
