#pragma once

#include <cstddef>
#include <optional>

#include "handwriting/StrokeComparison.h"
#include "reference/CKanjiStrokes.h"

// The lenient half of CompareStroke: the recogniser may cut a well-drawn stroke into pieces a
// little differently from the database (a hook too small to read, a bend read as a corner, a
// slight curve read as two straights). Draw-box pixels; threshold is the distance in pixels
// (exclusive) within which two points count as close.
namespace brushly {

// Aligns the user stroke's pieces with the database stroke's pieces from first to last, each
// step pairing a run of one to three pieces on one side with a single piece on the other (or
// one with one). A step holds when:
//  - the runs start and end close to each other;
//  - every inner joint of a run lies within half the threshold of the other side's piece;
//  - the run's other pieces are minor beside its longest piece (at most kMinorShare of its
//    length, or running within kMinorTurn degrees of its direction), and the longest pieces
//    of both sides pass the type test of typeMode.
// Full, with the mean end-point distance as CompareStroke averages it and the segment map
// (every segment of a run mapped to the single piece's segment or joined pair), when the
// whole of both strokes aligns; nothing otherwise. Counts must lie inside their lists.
std::optional<CStrokeComparison> AlignStroke(const CKanjiStrokes& user, std::size_t userFirst,
                                             std::size_t userCount, const CKanjiStrokes& database,
                                             std::size_t databaseFirst, std::size_t databaseCount,
                                             int typeMode, double threshold);

// A piece this share of its run's longest piece, or shorter, is minor.
inline constexpr double kMinorShare = 0.35;
// A piece running within this many degrees of its run's longest piece is minor.
inline constexpr int kMinorTurn = 35;

}  // namespace brushly
