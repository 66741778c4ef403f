#pragma once

#include <optional>
#include <span>
#include <vector>

#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"
#include "reference/ReferenceFrame.h"

// Comparing free-hand strokes as whole curves: the kana box's user strokes against the
// reference strokes of a kana (or of a kanji converted for Raw Input). All points are
// integer pixels of the draw box's frame (x right, y down, 200 px wide).
namespace brushly {

// Reference points with an x above this belong to the primary form only, at x - kAlternativeX.
inline constexpr int kAlternativeX = kKanaPrimaryOnlyX;

// The stroke with a point inserted for every integer x strictly between the x values of
// each pair of consecutive points (y interpolated linearly, rounded up), then, in a second
// pass, for every integer y strictly between their y values (x interpolated, rounded up).
// Consecutive points of the result differ by at most 1 px in each axis; the given points
// are all kept, in order. Two given points more than kMaxDensifySteps px apart on either
// axis (only damaged data has them) get kMaxDensifySteps - 1 evenly spread points between
// them instead, so that the result never exceeds 2 * kMaxDensifySteps points per given pair.
inline constexpr int kMaxDensifySteps = 4096;
std::vector<CPoint> Densify(std::span<const CPoint> stroke);

// The reference stroke's primary form: every point with x above kAlternativeX moved left
// by kAlternativeX.
std::vector<CPoint> PrimaryForm(std::span<const CPoint> reference);

// The reference stroke's alternative form, if it has one: the points with x above
// kAlternativeX removed, and, when the stroke is a closed loop (three or more points, the
// first and last as stored coinciding), the rest mirrored about the vertical line through
// its first remaining point (x := 2 * first.x - x). Empty when the stroke has neither.
std::optional<std::vector<CPoint>> AlternativeForm(std::span<const CPoint> reference);

struct CPolylineMatch {
    bool matched = false;
    // Mean of the distances between the first points and between the last points, in
    // pixels; 0 when either stroke is empty.
    double distance = 0.0;
};

// Whether the user's stroke has the reference stroke's shape at the tolerance (pixels;
// the end points may lie up to 1.7 * tolerance away, and never more than twice that).
// Both strokes are expected densified (see Densify) as the check prepares them. A user
// stroke of fewer than 5 points, or an empty reference, never matches.
CPolylineMatch ComparePolyline(std::span<const CPoint> user, std::span<const CPoint> reference,
                               int tolerance);

// The kanji's strokes as polylines for the free-hand box, one per stroke in drawing order,
// taken from a copy of the list after JoinForRaw: straight codes (1 to 10, 15, 16)
// contribute their start and end points, every other segment the points of its simple-style
// shape (an L-shape both of its segments). A point equal to the one before it is not
// repeated; segments before the first stroke start, and strokes without any point, are
// left out.
std::vector<std::vector<CPoint>> StrokesToPolylines(const CKanjiStrokes& strokes);

}  // namespace brushly
