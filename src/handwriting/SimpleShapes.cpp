#include "handwriting/SimpleShapes.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "handwriting/ShapeSupport.h"
#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeType.h"

namespace brushly {

namespace {

// The L-shape's hook: a line this many pixels up from the foot's end, not above y = 1.
constexpr int kLHookLength = 10;
constexpr int kTopmostHookY = 1;

using Lines = std::vector<std::vector<CPoint>>;

std::vector<CPoint> Straight(CPoint from, CPoint to) {
    return {from, to};
}

// Code 0: two arcs bulging right, then a flick up-left.
Lines HookCurveLines(const CSegmentGeometry& g) {
    const CPoint s = g.start;
    const CPoint e = g.end;
    const double x = static_cast<int>(g.length) * 0.18;
    const CPoint m{static_cast<int>((e.x < s.x ? s.x : e.x) + x),
                   static_cast<int>(s.y + 0.6 * (e.y - s.y))};
    const int a = static_cast<int>(0.8 * StrokeWidth(g.length));
    return {ArcPoints(s, m, {s.x - a, m.y + a}),
            ArcPoints(m, e, {e.x - a, static_cast<int>(m.y - 0.3 * a)}),
            Straight(e, {e.x - 8, e.y - 5})};
}

// Code 11: a pointing-down dot is one gentle arc; any other a tick into its start and the
// line of the segment.
Lines DotLines(const CSegmentGeometry& g) {
    const CPoint s = g.start;
    if (g.direction > 0) {
        CPoint e = g.end;
        if (e.x == s.x) e.x += 2;
        return {ArcPoints(s, e, DropArcCentre(s, e))};
    }
    const int w = StrokeWidth(g.length);
    return {Straight(KeepInDotArea({s.x - w, s.y - w}), s), Straight(s, g.end)};
}

// Code 12 with its foot 13 or 14: down to the corner, along to the foot's end, and for 13
// a short hook up.
Lines LShapeLines(const CSegmentGeometry& stem, const CSegmentGeometry& foot) {
    const CPoint corner{std::min(stem.start.x, stem.end.x), stem.end.y};
    const CPoint e = foot.end;
    Lines lines{Straight(stem.start, corner), Straight(corner, e)};
    if (foot.type == kLHookEnd)
        lines.push_back(Straight(e, {e.x, std::max(kTopmostHookY, e.y - kLHookLength)}));
    return lines;
}

// Sweeps and sharp sweeps: one arc from start to end, or the line near the vertical.
Lines SweepLines(const CSegmentGeometry& g, const CSweepTraits& traits) {
    const auto [bx, by] = SweepExtentsOf(g, traits, StrokeWidth(g.length));
    const CPoint s = g.start;
    const CPoint e = g.end;
    switch (SweepHeadOf(g.direction, traits)) {
        case SweepHead::None:
            return {};
        case SweepHead::Band:
            return {Straight(s, e)};
        case SweepHead::AtStart:
            return {ArcPoints(s, e, {e.x - traits.side * bx, s.y - by})};
        case SweepHead::AtEnd:
            return {ArcPoints(s, e, {e.x + bx, s.y - by})};
    }
    return {};
}

// Codes 36 and 37: an arc or line to the end; the hook (36) adds a flick up.
Lines HookLines(const CSegmentGeometry& g) {
    const CPoint s = g.start;
    CPoint e = g.end;
    Lines lines;
    int flick = 0;
    if (g.direction < 90) {
        if (e.x == s.x) e.x += 4;
        lines.push_back(ArcPoints(s, e, {e.x + 4, s.y - 4}));
        flick = 5;
    } else {
        if (g.direction < 95) e.x = s.x;
        lines.push_back(e.x < s.x - 12 ? ArcPoints(s, e, {e.x - 2, s.y - 2}) : Straight(s, e));
        flick = -10;
    }
    if (g.type == kHook) lines.push_back(Straight(e, {e.x + flick, e.y - 10}));
    return lines;
}

Lines SegmentLines(const CSegmentGeometry& g) {
    switch (g.type) {
        case kChook:
            return HookCurveLines(g);
        case kStraight:
        case kStraightHalfArrow:
        case kStraightNoArrow:
        case kStraightRectOnly:
        case kStraightHalfRectOnly:
        case kStraightNoArrowRectOnly:
        case kStraightNoRect:
        case kBoxBegin:
        case kBoxEnd:
        case kAfterCurve:
        case kLHookBegin:
        case kStraightBc:
        case kStraightBsc:
            return {Straight(g.start, g.end)};
        case kTeardrop:
            return DotLines(g);
        case kHook:
        case kHookStem:
            return HookLines(g);
        default:
            if (const auto traits = SweepTraits(g.type)) return SweepLines(g, *traits);
            return {};
    }
}

}  // namespace

CSimpleShape SimpleSegmentShape(const CKanjiStrokes& list, std::size_t index) {
    CSimpleShape shape;
    if (index >= list.Size()) return shape;
    const CSegmentGeometry g = GeometryOf(list[index]);
    if (StartsLShape(list, index)) {
        shape.lines = LShapeLines(g, GeometryOf(list[index + 1]));
        shape.consumed = 2;
        return shape;
    }
    shape.lines = SegmentLines(g);
    shape.consumed = 1;
    return shape;
}

std::size_t DrawSimpleSegment(CCanvas& canvas, const CKanjiStrokes& list, std::size_t index) {
    const CSimpleShape shape = SimpleSegmentShape(list, index);
    for (const std::vector<CPoint>& line : shape.lines) {
        if (line.size() == 2)
            canvas.Line(line[0], line[1]);
        else
            canvas.Polyline(line);
    }
    return shape.consumed;
}

}  // namespace brushly
