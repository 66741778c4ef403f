#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "handwriting/StrokeComparison.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// The drawn path of a stroke held against a database stroke's shape. The recogniser reads a
// stroke's shape from its chords; where a writer rounds a corner or the character is small, it
// may cut a well-drawn stroke into other pieces than the database's (a rounded corner read as
// one curve), and the piece comparison then refuses a stroke whose path plainly follows the
// database stroke. The path settles it. Draw-box pixels (x right, y down); the path is the
// pointer samples of the stroke in drawing order.
namespace brushly {

// Whether the path follows the database stroke, the count segments of database from first.
// The path's start and end must lie less than threshold from the stroke's start and end.
// Moved by the mean of those two offsets (a writer's placement, which the threshold judges),
// the path must then pass near every corner of the stroke in order, within
// PathTolerance(stroke) pixels, and no sample between two corners may stray farther than that
// from the segment joining them, or, for a curved segment (kChook, kTeardrop, codes 17 to 35),
// farther than that plus kCurveBulge times the segment's length. In the exact type mode a
// straight database segment also asks for a straight stretch of path, no sample more than
// StraightSag(chord) from the chord of its stretch, and a sweep stronger than the mildest
// (IsBorderlineType with a straight) a bowed one, some sample at least kSweepSagShare of the
// chord from it; a stretch is judged without its samples within the tolerance of a corner,
// where a writer rounds it.
// Full, with the mean of the start, end and corner distances (unmoved) and a segment map of
// userSegments entries (the user segment i mapped to database segment min(i, count - 1)), when
// it follows; nothing otherwise, and for a path of fewer than two points or an empty stroke.
std::optional<CStrokeComparison> FollowPath(std::span<const CPoint> path, std::size_t userSegments,
                                            const CKanjiStrokes& database, std::size_t first,
                                            std::size_t count, int typeMode, double threshold);

// How far (pixels) a path may stray from a stroke: kPathShare of the diagonal of the stroke's
// bounding box, at least kMinPathTolerance.
double PathTolerance(const CKanjiStrokes& database, std::size_t first, std::size_t count);
inline constexpr double kPathShare = 0.25;
inline constexpr double kMinPathTolerance = 8.0;
inline constexpr double kCurveBulge = 0.3;
inline constexpr double kSweepSagShare = 0.04;

// The largest sag (pixels) of a straight stretch with the chord's length (pixels).
double StraightSag(double chord);

// The drawn comparison of the draw box: CompareStroke, and where it gives no whole match piece
// by piece (nothing, a partial match or an aligned one), FollowPath when the stroke's path is
// known (not empty).
CStrokeComparison CompareDrawnStroke(const CKanjiStrokes& user, std::size_t userFirst,
                                     std::size_t userCount, std::span<const CPoint> path,
                                     const CKanjiStrokes& database, std::size_t databaseFirst,
                                     std::size_t databaseCount, int typeMode, double threshold);

}  // namespace brushly
