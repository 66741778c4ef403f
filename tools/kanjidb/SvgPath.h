#pragma once

#include <optional>
#include <string_view>
#include <vector>

// SVG path data as KanjiVG writes it: parsing into absolute cubic Bézier pieces and adaptive
// flattening into polylines. Coordinates are doubles in whatever frame the path data uses
// (KanjiVG: a 109 x 109 view box, x right, y down).
namespace brushly::kanjidb {

struct CPointF {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const CPointF&, const CPointF&) = default;
};

// One cubic Bézier piece; its start is the end of the piece before it (or the subpath start).
// Lines and quadratic curves are stored as the cubic that traces exactly the same points.
struct CCubic {
    CPointF control1;
    CPointF control2;
    CPointF end;
};

// A subpath: a moveto and the pieces drawn from it. A closed subpath (Z) ends with a line
// back to its start.
struct CSubpath {
    CPointF start;
    std::vector<CCubic> pieces;
};

struct CSvgPath {
    std::vector<CSubpath> subpaths;
};

// Parses path data: the commands M L H V C S Q T Z in absolute (upper case) and relative
// (lower case) form, implicit repetition of a command's parameters (after M/m the extra pairs
// are L/l), S/T reflection of the previous control point, and numbers such as "-0.19", ".5",
// "1e-3" and the run-together "1.5.5" (= 1.5 0.5). Elliptical arcs (A) are not supported.
// Returns nothing for malformed data: an unknown command, missing parameters, or drawing
// before the first moveto.
std::optional<CSvgPath> ParseSvgPath(std::string_view data);

// The path with every point p replaced by offset + scale * p (a uniform scaling, so the
// curves stay exact).
CSvgPath ScaledPath(const CSvgPath& path, double scale, CPointF offset);

// The points along the path, subpaths one after another: every piece's start and end point
// exactly, and in between points such that no chord strays more than tolerance (> 0, in the
// path's units) from the curve. Consecutive duplicate points are dropped.
std::vector<CPointF> FlattenPath(const CSvgPath& path, double tolerance);

}  // namespace brushly::kanjidb
