#pragma once

#include <cstddef>
#include <optional>

#include "platform/CCanvas.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"
#include "reference/CStrokeData.h"

// What the brush and the simple shapes of a segment have in common: the measured segment,
// the families of sweeps and where a sweep's head goes. Draw-box pixels, y down, whole
// degrees.
namespace brushly {

// Coordinates are pulled into +-kCoordinateLimit before any shape is computed, far beyond
// every drawing area, so that the shapes' integer arithmetic cannot overflow on extreme
// values from a file.
inline constexpr int kCoordinateLimit = 1 << 20;

// The rectangle (0, 0)-(194, 168), inclusive, inside which upward dots are kept.
inline constexpr int kDotAreaRight = 194;
inline constexpr int kDotAreaBottom = 168;

// A segment as the shapes see it.
struct CSegmentGeometry {
    CPoint start;       // within +-kCoordinateLimit
    CPoint end;         // within +-kCoordinateLimit
    int type = 0;       // the stroke-type code
    double length = 0;  // pixels
    int direction = 0;  // start to end, whole degrees
};

CSegmentGeometry GeometryOf(const CStrokeData& segment);

// Whether the segment at index is a code 12 followed by its foot, a code 13 or 14: the two
// are drawn as one L-shape.
bool StartsLShape(const CKanjiStrokes& list, std::size_t index);

// The point moved into the rectangle (0, 0)-(kDotAreaRight, kDotAreaBottom).
CPoint KeepInDotArea(CPoint point);

// The centre of the gentle arc from `from` to `to` that the dots use: (2 to.x - from.x,
// 2 from.y - to.y) when from.x >= to.x, else (2 from.x - to.x, 2 to.y - from.y).
CPoint DropArcCentre(CPoint from, CPoint to);

// How a curved code is drawn: the sweeps 17, 18, 21 to 24, 31, 32 and the sharp sweeps
// 19, 20, 25, 26, 28, 29, 33, 34.
struct CSweepTraits {
    bool sharp = false;       // sharp sweep: vertical band 3 degrees, extents from the width
    bool reduced = false;     // sweep: extents halved; sharp sweep: extents of 1 pixel
    int side = 1;             // -1 for the mirrored codes
    bool flushStart = false;  // one-sided head at the start
    bool flushEnd = false;    // one-sided head at the end
};

// The traits of a sweep code; empty for every other code (27 and 30 included).
std::optional<CSweepTraits> SweepTraits(int code);

// The horizontal and vertical extents (bx, by) of a sweep's ellipse centre from its end
// and start: |dx| and |dy|, halved for the reduced sweeps; for sharp sweeps both the head
// width, or 1 pixel when reduced.
struct CSweepExtents {
    int bx = 0;
    int by = 0;
};
CSweepExtents SweepExtentsOf(const CSegmentGeometry& geometry, const CSweepTraits& traits,
                             int headWidth);

// Where a sweep of the direction (whole degrees) puts its head.
enum class SweepHead {
    None,     // drawn upwards outside the vertical band: nothing is drawn
    Band,     // within the vertical band: a triangle (brush) or a line (simple)
    AtStart,  // curving away from a head at the start
    AtEnd,    // curving into a head at the end
};
SweepHead SweepHeadOf(int direction, const CSweepTraits& traits);

// Selects a pen and brush on a canvas for the lifetime of the object, then restores the
// ones selected before.
class CScopedSelection {
public:
    CScopedSelection(CCanvas& canvas, const CPen& pen, const CBrush& brush);
    CScopedSelection(CCanvas& canvas, const CPen& pen);
    ~CScopedSelection();
    CScopedSelection(const CScopedSelection&) = delete;
    CScopedSelection& operator=(const CScopedSelection&) = delete;

private:
    CCanvas& m_canvas;
    CPen m_previousPen;
    std::optional<CBrush> m_previousBrush;
};

}  // namespace brushly
