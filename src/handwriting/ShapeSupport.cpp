#include "handwriting/ShapeSupport.h"

#include <algorithm>
#include <cstdlib>

#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeType.h"

namespace brushly {

namespace {

// Half-width of the band around straight down within which a sweep is a plain triangle.
constexpr int kSweepBand = 9;
constexpr int kSharpSweepBand = 3;

CPoint Limited(CPoint point) {
    return {std::clamp(point.x, -kCoordinateLimit, kCoordinateLimit),
            std::clamp(point.y, -kCoordinateLimit, kCoordinateLimit)};
}

}  // namespace

CSegmentGeometry GeometryOf(const CStrokeData& segment) {
    CSegmentGeometry geometry;
    geometry.start = Limited(segment.start);
    geometry.end = Limited(segment.end);
    geometry.type = segment.type;
    geometry.length = Distance(geometry.start, geometry.end);
    geometry.direction = Direction(geometry.start, geometry.end);
    return geometry;
}

bool StartsLShape(const CKanjiStrokes& list, std::size_t index) {
    if (index + 1 >= list.Size() || list[index].type != kLHookBegin) return false;
    const int foot = list[index + 1].type;
    return foot == kLHookEnd || foot == kLNoHookEnd;
}

CPoint KeepInDotArea(CPoint point) {
    return {std::clamp(point.x, 0, kDotAreaRight), std::clamp(point.y, 0, kDotAreaBottom)};
}

CPoint DropArcCentre(CPoint from, CPoint to) {
    if (from.x >= to.x) return {2 * to.x - from.x, 2 * from.y - to.y};
    return {2 * from.x - to.x, 2 * to.y - from.y};
}

std::optional<CSweepTraits> SweepTraits(int code) {
    switch (code) {
        case kCurveVe:
            return CSweepTraits{.flushEnd = true};
        case kExtraCurveVe:
            return CSweepTraits{.reduced = true, .flushEnd = true};
        case kCurve:
            return CSweepTraits{};
        case kExtraCurve:
            return CSweepTraits{.reduced = true};
        case kCurveFlush:
            return CSweepTraits{.flushStart = true};
        case kExtraCurveFlush:
            return CSweepTraits{.reduced = true, .flushStart = true};
        case kCurveFlushMir:
            return CSweepTraits{.side = -1, .flushStart = true};
        case kExtraCurveFlushMir:
            return CSweepTraits{.reduced = true, .side = -1, .flushStart = true};
        case kSharpCurveVe:
            return CSweepTraits{.sharp = true, .flushEnd = true};
        case kExtraSharpCurveVe:
            return CSweepTraits{.sharp = true, .reduced = true, .flushEnd = true};
        case kSharpCurve:
            return CSweepTraits{.sharp = true};
        case kExtraSharpCurve:
            return CSweepTraits{.sharp = true, .reduced = true};
        case kSharpCurveFlush:
            return CSweepTraits{.sharp = true, .flushStart = true};
        case kExtraSharpCurveFlush:
            return CSweepTraits{.sharp = true, .reduced = true, .flushStart = true};
        case kSharpCurveFlushMir:
            return CSweepTraits{.sharp = true, .side = -1, .flushStart = true};
        case kExtraSharpCurveFlushMir:
            return CSweepTraits{.sharp = true, .reduced = true, .side = -1, .flushStart = true};
        default:
            return std::nullopt;
    }
}

CSweepExtents SweepExtentsOf(const CSegmentGeometry& geometry, const CSweepTraits& traits,
                             int headWidth) {
    if (traits.sharp) {
        const int extent = traits.reduced ? 1 : headWidth;
        return {extent, extent};
    }
    const int divisor = traits.reduced ? 2 : 1;
    return {std::abs(geometry.end.x - geometry.start.x) / divisor,
            std::abs(geometry.end.y - geometry.start.y) / divisor};
}

SweepHead SweepHeadOf(int direction, const CSweepTraits& traits) {
    const int band = traits.sharp ? kSharpSweepBand : kSweepBand;
    if (std::abs(90 - direction) <= band) return SweepHead::Band;
    // An upward sweep is never drawn, the mirrored codes included.
    if (direction <= 0) return SweepHead::None;
    const bool headAtStart = traits.side > 0 ? direction > 90 : direction < 90;
    return headAtStart ? SweepHead::AtStart : SweepHead::AtEnd;
}

CScopedSelection::CScopedSelection(CCanvas& canvas, const CPen& pen, const CBrush& brush)
    : m_canvas(canvas),
      m_previousPen(canvas.SetPen(pen)),
      m_previousBrush(canvas.SetBrush(brush)) {}

CScopedSelection::CScopedSelection(CCanvas& canvas, const CPen& pen)
    : m_canvas(canvas), m_previousPen(canvas.SetPen(pen)) {}

CScopedSelection::~CScopedSelection() {
    m_canvas.SetPen(m_previousPen);
    if (m_previousBrush) m_canvas.SetBrush(*m_previousBrush);
}

}  // namespace brushly
