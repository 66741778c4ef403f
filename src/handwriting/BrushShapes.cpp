#include "handwriting/BrushShapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "handwriting/ShapeSupport.h"
#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeType.h"

namespace brushly {

namespace {

// Half the height of a horizontal bar and half the width of a vertical one.
constexpr int kBarHalfHeight = 2;
constexpr int kBarHalfWidth = 4;
// Within this many degrees of level or upright a bar's far end sits straight across.
constexpr int kSquareBarDegrees = 5;
// Within this many degrees of level the serif is not tilted.
constexpr int kLevelSerifDegrees = 4;
// How far from level (or upright) a straight stroke is still a bar.
constexpr int kBarTolerance = 15;
constexpr int kRectOnlyBarTolerance = 45;
// Half the thickness of the L-shape's limbs, the height of its hook and its cap's radius.
constexpr int kLHalfWidth = kBentFollowerWidth / 2;
constexpr int kLHookRise = 32;
constexpr int kCapRadius = 4;

COutlinePiece Vertex(CPoint point) {
    return {point, std::nullopt, {}};
}

COutlinePiece Arc(CPoint from, CPoint to, CPoint centre) {
    return {from, to, centre};
}

bool HasSerif(int code) {
    return code != kStraightNoArrow && code != kStraightNoArrowRectOnly && code != kBoxEnd;
}

// The tapered triangle of a slanting straight stroke, pointed at one end; g is half the
// diagonal of its broad end.
void DrawWedge(CCanvas& canvas, CPoint start, CPoint end, int direction, int g) {
    if (direction >= 1 && direction <= 90)
        canvas.Polygon(
            std::array{start, CPoint{end.x + g, end.y - g}, CPoint{end.x - g, end.y + g}});
    else if (direction < -90)
        canvas.Polygon(
            std::array{start, CPoint{end.x - g, end.y + g}, CPoint{end.x + g, end.y - g}});
    else
        canvas.Polygon(
            std::array{end, CPoint{start.x - g, start.y - g}, CPoint{start.x + g, start.y + g}});
}

// The triangular serif of size h on top of a horizontal bar's far end; y is the far end's
// height.
void DrawSerif(CCanvas& canvas, const CSegmentGeometry& g, int h, int y) {
    const double m =
        std::abs(g.direction) <= kLevelSerifDegrees ? 0.0 : g.direction / kDegreesPerRadian;
    const double half = h / 2.0;
    const double top = g.start.y - kBarHalfHeight;
    const CPoint first{static_cast<int>(g.start.x + (g.length - h) * std::cos(m)),
                       static_cast<int>(std::ceil((g.length - h) * std::sin(m) + top))};
    const CPoint tip{
        static_cast<int>(g.start.x + half * std::sin(m) + (g.length - half) * std::cos(m)),
        static_cast<int>(top + (g.length - half) * std::sin(m) - half * std::cos(m))};
    canvas.Polygon(std::array{first, CPoint{g.end.x, y - kBarHalfHeight}, tip});
}

// Codes 1 to 9 and 16 (`code` may differ from the segment's own when a lone L-shape part
// stands in for a straight stroke).
void DrawStraight(CCanvas& canvas, const CSegmentGeometry& g, int code) {
    const int width = StrokeWidth(g.length);
    const int d = g.direction;
    const bool rectOnly = code >= kStraightRectOnly && code <= kStraightNoArrowRectOnly;
    const int tolerance = rectOnly ? kRectOnlyBarTolerance : kBarTolerance;
    const CPoint s = g.start;
    const CPoint e = g.end;
    if (code != kStraightNoRect && std::abs(d) <= tolerance) {
        const int y = std::abs(d) < kSquareBarDegrees ? s.y : e.y;
        canvas.Polygon(
            std::array{CPoint{s.x, s.y + kBarHalfHeight}, CPoint{s.x, s.y - kBarHalfHeight},
                       CPoint{e.x, y - kBarHalfHeight}, CPoint{e.x, y + kBarHalfHeight}});
        if (HasSerif(code)) {
            const bool halfSerif = code == kStraightHalfArrow || code == kStraightHalfRectOnly;
            DrawSerif(canvas, g, halfSerif ? width : 2 * width, y);
        }
        return;
    }
    if (code != kStraightNoRect && std::abs(d - 90) <= tolerance) {
        const int x = std::abs(d - 90) < kSquareBarDegrees ? s.x : e.x;
        canvas.Polygon(std::array{CPoint{s.x - kBarHalfWidth, s.y},
                                  CPoint{s.x + kBarHalfWidth, s.y}, CPoint{x + kBarHalfWidth, e.y},
                                  CPoint{x - kBarHalfWidth, e.y}});
        return;
    }
    DrawWedge(canvas, s, e, d, width / 2);
}

// Codes 10 (level at the start's height) and 15 (upright ends), `thickness` pixels thick.
void DrawBar(CCanvas& canvas, const CSegmentGeometry& g, int thickness) {
    const int h = thickness / 2;
    const CPoint s = g.start;
    const CPoint e = g.end;
    if (g.type == kStraightBc)
        canvas.Polygon(std::array{CPoint{s.x - h, s.y}, CPoint{s.x + h, s.y}, CPoint{e.x + h, e.y},
                                  CPoint{e.x - h, e.y}});
    else
        canvas.Polygon(std::array{CPoint{s.x, s.y - h}, CPoint{e.x, s.y - h}, CPoint{e.x, s.y + h},
                                  CPoint{s.x, s.y + h}});
}

// A drop from `from` to a round head at `to`: two gently curved sides from `from` to the
// points beside `to`, and the half disc beyond `to`.
void DrawDrop(CCanvas& canvas, CPoint from, CPoint to) {
    const double length = Distance(from, to);
    const int radius = static_cast<int>(0.75 * StrokeWidth(length));
    if (radius == 0) return;
    // Unit normal turned clockwise on screen from the drop's direction.
    const double nx = -(to.y - from.y) / length;
    const double ny = (to.x - from.x) / length;
    const CPoint offset{static_cast<int>(std::lround(radius * nx)),
                        static_cast<int>(std::lround(radius * ny))};
    const CPoint headFrom{to.x + offset.x, to.y + offset.y};
    const CPoint headTo{to.x - offset.x, to.y - offset.y};
    // A side straight above or below `from` would leave its arc no ellipse.
    auto side = [&](CPoint point) {
        if (point.x == from.x) point.x += point.x < to.x ? -2 : 2;
        return point;
    };
    const CPoint left = side(headFrom);
    const CPoint right = side(headTo);
    const std::array pieces{Arc(from, left, DropArcCentre(from, left)),
                            Arc(right, from, DropArcCentre(from, right))};
    OutlinePolygon(canvas, pieces);
    canvas.Chord({to.x - radius, to.y - radius, to.x + radius, to.y + radius}, headFrom, headTo);
}

// Code 11. A dot pointing up or level is a wedge into its start with a short drop hanging
// below it, the drop's two points kept inside the dot area.
void DrawDot(CCanvas& canvas, const CSegmentGeometry& g) {
    if (g.direction > 0) {
        DrawDrop(canvas, g.start, g.end);
        return;
    }
    const CPoint s = g.start;
    const int h = StrokeWidth(g.length) / 2;
    DrawWedge(canvas, s, g.end, 0, h);  // the form with its point at the end
    const int hangY = static_cast<int>(s.y + 0.45 * (s.y - g.end.y));
    DrawDrop(canvas, KeepInDotArea({s.x + h, s.y - 2 * h}), KeepInDotArea({s.x + h, hangY}));
}

// Code 12 with a following 13 or 14: an upright limb down to the corner and a level limb to
// the foot's end, both kBentFollowerWidth thick; code 13 ends in an upright hook with a
// round cap.
void DrawLShape(CCanvas& canvas, const CSegmentGeometry& stem, const CSegmentGeometry& foot) {
    const CPoint s = stem.start;
    const CPoint corner{std::min(s.x, stem.end.x), stem.end.y};
    const CPoint e = foot.end;
    std::vector<CPoint> outline{{s.x - kLHalfWidth, s.y},
                                {s.x + kLHalfWidth, s.y},
                                {corner.x + kLHalfWidth, corner.y - kLHalfWidth}};
    const bool hooked = foot.type == kLHookEnd;
    const int rise = std::max(0, std::min(kLHookRise, static_cast<int>(0.75 * (e.y - s.y))));
    const int hookLeft = e.x - 2 * kLHalfWidth;
    const int hookTop = e.y - rise;
    if (hooked) {
        outline.push_back({hookLeft, e.y - kLHalfWidth});
        outline.push_back({hookLeft, hookTop});
        outline.push_back({e.x, hookTop});
    } else {
        outline.push_back({e.x, e.y - kLHalfWidth});
    }
    outline.push_back({e.x, e.y + kLHalfWidth});
    outline.push_back({corner.x - kLHalfWidth, corner.y + kLHalfWidth});
    canvas.Polygon(outline);
    if (hooked)
        canvas.Chord({hookLeft, hookTop - kCapRadius, e.x, hookTop + kCapRadius}, {e.x, hookTop},
                     {hookLeft, hookTop});
}

// Codes 17 to 26 and 28 to 34: a crescent between two arcs around one centre, thick at its
// head; `width` (when positive) replaces the head width from the length.
void DrawSweep(CCanvas& canvas, const CSegmentGeometry& g, const CSweepTraits& traits, int width) {
    const int p = width > 0 ? width : StrokeWidth(g.length);
    const int q = p / 2;
    const int s = traits.side;
    const auto [bx, by] = SweepExtentsOf(g, traits, p);
    const CPoint start = g.start;
    const CPoint end = g.end;
    switch (SweepHeadOf(g.direction, traits)) {
        case SweepHead::None:
            return;
        case SweepHead::Band:
            if (traits.flushStart || traits.flushEnd)
                canvas.Polygon(std::array{end, start, CPoint{start.x - p, start.y}});
            else
                canvas.Polygon(std::array{end, CPoint{start.x - q, start.y - q},
                                          CPoint{start.x + q, start.y + q}});
            return;
        case SweepHead::AtStart: {
            const CPoint h1 = traits.flushStart ? CPoint{start.x - p, start.y}
                                                : CPoint{start.x - s * q, start.y - q};
            const CPoint h2 = traits.flushStart ? start : CPoint{start.x + s * q, start.y + q};
            const CPoint c{end.x - s * bx, h1.y - by};
            OutlinePolygon(canvas, std::array{Arc(end, h1, c), Arc(h2, end, c)});
            return;
        }
        case SweepHead::AtEnd: {
            const CPoint h1 = traits.flushEnd ? end : CPoint{end.x - q, end.y + q};
            const CPoint h2 =
                traits.flushEnd ? CPoint{end.x, end.y - p} : CPoint{end.x + q, end.y - q};
            const CPoint c{h2.x + bx, start.y - by};
            OutlinePolygon(canvas, std::array{Arc(start, h1, c), Arc(h2, start, c)});
            return;
        }
    }
}

// Code 0: a stroke that bulges right and flicks up-left at its end.
void DrawHookCurve(CCanvas& canvas, const CSegmentGeometry& g) {
    const CPoint s = g.start;
    const CPoint e = g.end;
    const int length = static_cast<int>(g.length);
    const int p = static_cast<int>(0.8 * StrokeWidth(length));
    const int my = static_cast<int>(s.y + 0.6 * (e.y - s.y));
    const CPoint m{static_cast<int>((e.x < s.x ? s.x : e.x) + 0.18 * length), my};
    const CPoint p2{static_cast<int>(e.x + 0.25 * p), e.y - p - 2};
    const CPoint p3{e.x - 2 * p, p2.y - 2};
    const CPoint p4{e.x + p, e.y};
    const CPoint p5{m.x + p, my};
    const CPoint c1{s.x - p, my + p};
    const CPoint c2{p2.x - p, static_cast<int>(my - 0.3 * p)};
    const CPoint c3{p3.x - p, e.y + p};
    OutlinePolygon(canvas, std::array{Arc(s, m, c1), Arc(m, p2, c2), Arc(p3, e, c3),
                                      Arc(p4, p5, c2), Arc(p5, s, c1)});
}

// Codes 36 (hook) and 37 (the stem carrying one), bending left (direction >= 90) or right.
void DrawHook(CCanvas& canvas, const CSegmentGeometry& g, bool capHooks) {
    const CPoint s = g.start;
    CPoint e = g.end;
    const bool stem = g.type == kHookStem;
    std::vector<COutlinePiece> pieces;
    if (g.direction >= 90) {
        if (g.direction < 95) e.x = s.x - 4;
        const CPoint a{s.x - 4, s.y};
        const CPoint b{e.x, e.y - 16};
        const CPoint cc{e.x - 4, e.y - 12};
        const CPoint d{e.x, e.y - 12};
        const CPoint f{e.x - 20, e.y - 12};
        const CPoint gp{e.x - 16, static_cast<int>(e.y - 9.6)};
        const CPoint h{e.x - 4, e.y};
        const CPoint i{e.x + 8, e.y - 16};
        const CPoint j{s.x + 4, s.y};
        const CPoint k{e.x - 5, e.y - 17};
        const CPoint lp{e.x - 24, e.y + 8};
        const CPoint mp{e.x - 2, s.y - 2};
        const bool far = e.x < s.x - 12 || Direction(j, h) < Direction(j, i);
        pieces = {Vertex(j), Vertex(a)};
        if (stem) {
            if (far)
                pieces.insert(pieces.end(), {Arc(a, d, mp), Arc(e, j, mp)});
            else
                pieces.insert(pieces.end(), {Vertex(b), Vertex(i)});
        } else {
            pieces.insert(pieces.end(), {far ? Arc(a, d, mp) : Arc(b, cc, k), Vertex(f),
                                         Arc(gp, h, lp), far ? Arc(e, j, mp) : Arc(h, i, k)});
        }
        OutlinePolygon(canvas, pieces);
        return;
    }

    e.x = std::max(e.x, s.x + 18);
    const CPoint r1{s.x + 4, s.y + 2};
    const CPoint r2{s.x - 4, s.y - 2};
    const CPoint r3{e.x - 8, e.y};
    const CPoint r4{e.x, e.y - 8};
    const double threeQuarters = 0.75 * (e.y - s.y);
    const CPoint r5{e.x + 4, threeQuarters < 28 ? static_cast<int>(e.y - threeQuarters) : e.y - 28};
    const int d = g.direction;
    const int k = d >= 76 ? 16 : d < 56 ? 8 : static_cast<int>(((d - 55) / 20.0 + 1) * 8);
    const CPoint r6{e.x - 8, e.y - k};
    const CPoint r7{e.x - 4, s.y - 6};
    const CPoint r8{r6.x - 8, r5.y - 8};
    pieces = {Vertex(r1), Arc(r2, r3, r7), Vertex(e), Vertex(r4)};
    if (!stem) pieces.push_back(Arc(r5, r6, r8));
    pieces.push_back(Arc(r6, r1, r7));
    OutlinePolygon(canvas, pieces);
    if (capHooks) canvas.Chord({e.x - 4, e.y - 8, e.x + 4, e.y}, e, {e.x, e.y - 8});
}

double LengthOf(const CStrokeData& segment) {
    return GeometryOf(segment).length;
}

}  // namespace

std::size_t DrawBrushSegment(CCanvas& canvas, const CKanjiStrokes& list, std::size_t index,
                             int width, bool capHooks) {
    if (index >= list.Size()) return 0;
    const CSegmentGeometry g = GeometryOf(list[index]);
    switch (g.type) {
        case kChook:
            DrawHookCurve(canvas, g);
            return 1;
        case kStraight:
        case kStraightHalfArrow:
        case kStraightNoArrow:
        case kStraightRectOnly:
        case kStraightHalfRectOnly:
        case kStraightNoArrowRectOnly:
        case kStraightNoRect:
        case kBoxBegin:
        case kBoxEnd:
        case kStraightBsc:
            DrawStraight(canvas, g, g.type);
            return 1;
        case kAfterCurve:
        case kStraightBc:
            DrawBar(canvas, g, width > 0 ? width : StrokeWidth(g.length));
            return 1;
        case kTeardrop:
            DrawDot(canvas, g);
            return 1;
        case kLHookBegin:
            if (StartsLShape(list, index)) {
                DrawLShape(canvas, g, GeometryOf(list[index + 1]));
                return 2;
            }
            DrawStraight(canvas, g, kStraightNoArrow);
            return 1;
        case kHook:
        case kHookStem:
            DrawHook(canvas, g, capHooks);
            return 1;
        default:
            if (const auto traits = SweepTraits(g.type)) DrawSweep(canvas, g, *traits, width);
            return 1;
    }
}

std::size_t DrawBrushListStep(CCanvas& canvas, const CKanjiStrokes& list, std::size_t index,
                              bool capHooks) {
    if (index >= list.Size()) return 0;
    const int type = list[index].type;
    const bool hasNext = index + 1 < list.Size();
    if (type == kStraightBsc) {
        DrawBrushSegment(canvas, list, index, 0, capHooks);
        if (!hasNext) return 1;
        return 1 + DrawBrushSegment(canvas, list, index + 1, kBentFollowerWidth, capHooks);
    }
    int width = 0;
    if (type == kAfterCurve && index > 0) width = StrokeWidth(LengthOf(list[index - 1]));
    if (type == kStraightBc && hasNext) width = StrokeWidth(LengthOf(list[index + 1]));
    return DrawBrushSegment(canvas, list, index, width, capHooks);
}

}  // namespace brushly
