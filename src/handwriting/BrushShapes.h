#pragma once

#include <cstddef>

#include "platform/CCanvas.h"
#include "reference/CKanjiStrokes.h"

// The brush style: every segment a filled shape whose thickness grows with its length,
// drawn with the canvas's selected pen and brush at the segment's own coordinates
// (draw-box pixels, y down).
namespace brushly {

// The fixed thickness of the segment that follows a code-16 segment, and of the L-shape.
inline constexpr int kBentFollowerWidth = 8;

// Draws the segment at `index` (nothing when index is past the end) and returns how many
// segments it consumed: 2 for a code-12 segment followed by a code 13 or 14 (one
// L-shape), else 1; 0 past the end. `width` is the thickness of bars (codes 10, 15) and
// the head width of sweeps; 0 takes it from the segment's own length. A lone code 12 is
// drawn as a straight stroke without serif; codes 13, 14, 27, 30, 35 and unknown codes
// alone draw nothing. With capHooks a code 36 or 37 hook bending right also gets its
// rounded tip (left off when the caller brought its own brush).
std::size_t DrawBrushSegment(CCanvas& canvas, const CKanjiStrokes& list, std::size_t index,
                             int width, bool capHooks);

// One step of the brush list driver at `index`, returning the segments consumed: a code-10
// segment is a bar as thick as StrokeWidth of the previous segment's length, a code-15
// segment one as thick as StrokeWidth of the next segment's length, a code-16 segment is a
// straight stroke and takes the segment after it along, drawn with kBentFollowerWidth;
// everything else as DrawBrushSegment with width 0. A missing neighbour leaves the
// segment's own length in charge.
std::size_t DrawBrushListStep(CCanvas& canvas, const CKanjiStrokes& list, std::size_t index,
                              bool capHooks);

}  // namespace brushly
