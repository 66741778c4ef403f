#pragma once

#include <cstddef>
#include <vector>

#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// The comparable pieces of one stroke, shared by the comparisons of StrokeComparison.h:
// a single segment, or a first half (code 15 to 20) joined with the segment after it into one
// kCompStroke piece from the first one's start to the second one's end. Draw-box pixels.
namespace brushly {

struct CStrokePiece {
    CPoint start;
    CPoint end;
    int type = kNoType;
    std::size_t offset = 0;  // its first segment, counted from the stroke's first segment
    std::size_t count = 1;   // segments covered, 1 or 2
};

// The number of segments of a range that lie inside a list of size segments.
std::size_t ClampedCount(std::size_t size, std::size_t first, std::size_t count);

// The piece that begins at segment first + offset of a stroke of count segments.
CStrokePiece PieceAt(const CKanjiStrokes& strokes, std::size_t first, std::size_t count,
                     std::size_t offset);

// All the pieces of the count segments from first, in order.
std::vector<CStrokePiece> StrokePieces(const CKanjiStrokes& strokes, std::size_t first,
                                       std::size_t count);

// A slanting straight piece (codes 1 to 7 or a dot, more than kSlantFromLevel degrees from
// level and kSlantFromUpright from upright) and a sweep (21 to 34), in either order: a falling
// stroke that one writer draws nearly straight and another with its natural curve.
bool IsSlantingSweep(const CStrokePiece& a, const CStrokePiece& b);
inline constexpr int kSlantFromLevel = 15;
inline constexpr int kSlantFromUpright = 10;

// Whether the type test of the type mode (kTypeModeExact, kTypeModeSimilar, anything else:
// none) lets the user piece stand for the database piece: TypeMatch exactly 1 (exact) or at
// least 0.5 (similar), or a borderline reading (IsBorderlineType, or a hook read as a straight
// shorter than kFlickLength, or in the exact mode IsSlantingSweep).
bool PassesTypeTest(int typeMode, const CStrokePiece& databasePiece, const CStrokePiece& userPiece);

// Records in map (one entry per user segment) which database segments the user piece
// matched: segment to segment for pieces of one kind, both halves of a joined user piece to
// one database segment, a single user segment to kJoinedPairMapBase + the pair's first index.
void MapPiece(std::vector<int>& map, const CStrokePiece& userPiece,
              const CStrokePiece& databasePiece);

}  // namespace brushly
