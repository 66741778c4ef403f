#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "platform/CCanvas.h"
#include "platform/CPoint.h"

// Geometry primitives of the stroke renderer, shared by the brush and simple styles, the
// kana renderer and the demonstration. All points are integer pixels of the draw box's
// frame (x right, y down); angles are whole degrees, trunc(atan2(dy, dx) * 57.296).
namespace brushly {

// Degrees per radian as the handwriting code has always used it (not 180/pi).
inline constexpr double kDegreesPerRadian = 57.296;
// Capacity of the outline buffer: OutlinePoints never yields more points.
inline constexpr std::size_t kMaxOutlinePoints = 800;
// Capacity of the arc buffer: ArcPoints never yields more points.
inline constexpr std::size_t kMaxArcPoints = 375;

// Euclidean distance in pixels.
double Distance(CPoint from, CPoint to);

// Distance in pixels from p to the nearest point of the segment from `from` to `to` (to
// `from` itself when the two coincide).
double DistanceToSegment(CPoint p, CPoint from, CPoint to);

// Direction from `from` to `to` in whole degrees, truncated toward zero: 0 right, 90 down,
// -90 up, +-180 left. Coinciding points give 0.
int Direction(CPoint from, CPoint to);

// The thickness in pixels of a brush stroke of the length (pixels), which is truncated to
// an integer first: trunc((L * 10 / 200)^-0.6803 * 0.3241 * L), 0 when L is 0 or less.
// 5 -> 4, 10 -> 5, 20 -> 6, 50 -> 8, 100 -> 10, 200 -> 13.
int StrokeWidth(double length);

// The points of the axis-aligned ellipse centred at c through p and q, from p to q: p,
// then (when p.x and q.x differ by 2 or more) one point per integer x strictly between
// them, stepping from p towards q, with y on the ellipse on the side of c towards q.y and
// clamped to the range between p.y and q.y, then q. When the three points fix no proper
// ellipse (p or q level with c, p and q on a common axis reflection, an imaginary or
// zero semi-axis) the result is the straight line p, q. At most kMaxArcPoints points:
// past that the intermediate points stop and q follows directly.
std::vector<CPoint> ArcPoints(CPoint p, CPoint q, CPoint c);

// One piece of a closed outline: the vertex alone, or the ArcPoints of vertex, arcEnd and
// centre when arcEnd is set.
struct COutlinePiece {
    CPoint vertex;
    std::optional<CPoint> arcEnd;
    CPoint centre;
};

// The points that the pieces contribute, in order, at most kMaxOutlinePoints (the pieces
// past the limit are cut off).
std::vector<CPoint> OutlinePoints(std::span<const COutlinePiece> pieces);

// Fills OutlinePoints(pieces) as one polygon with the canvas's pen and brush; nothing
// when there are no points.
void OutlinePolygon(CCanvas& canvas, std::span<const COutlinePiece> pieces);

}  // namespace brushly
