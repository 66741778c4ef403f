#include "handwriting/StrokePieces.h"

#include <algorithm>

#include "handwriting/StrokeComparison.h"
#include "handwriting/StrokeGeometry.h"

namespace brushly {

std::size_t ClampedCount(std::size_t size, std::size_t first, std::size_t count) {
    return first >= size ? 0 : std::min(count, size - first);
}

CStrokePiece PieceAt(const CKanjiStrokes& strokes, std::size_t first, std::size_t count,
                     std::size_t offset) {
    const CStrokeData& segment = strokes[first + offset];
    if (IsFirstHalf(segment.type) && offset + 1 < count) {
        return {segment.start, strokes[first + offset + 1].end, kCompStroke, offset, 2};
    }
    return {segment.start, segment.end, segment.type, offset, 1};
}

std::vector<CStrokePiece> StrokePieces(const CKanjiStrokes& strokes, std::size_t first,
                                       std::size_t count) {
    std::vector<CStrokePiece> pieces;
    for (std::size_t offset = 0; offset < count; offset += pieces.back().count)
        pieces.push_back(PieceAt(strokes, first, count, offset));
    return pieces;
}

bool IsSlantingSweep(const CStrokePiece& a, const CStrokePiece& b) {
    auto slanting = [](const CStrokePiece& piece) {
        const bool straight =
            (piece.type >= kStraight && piece.type <= kStraightNoRect) || piece.type == kTeardrop;
        const int direction = std::abs(Direction(piece.start, piece.end));
        return straight && direction >= kSlantFromLevel && direction <= 180 - kSlantFromLevel &&
               std::abs(direction - 90) >= kSlantFromUpright;
    };
    auto sweep = [](const CStrokePiece& piece) {
        return piece.type >= kCurve && piece.type <= kExtraSharpCurveFlushMir;
    };
    return (slanting(a) && sweep(b)) || (sweep(a) && slanting(b));
}

bool PassesTypeTest(int typeMode, const CStrokePiece& databasePiece,
                    const CStrokePiece& userPiece) {
    if (typeMode != kTypeModeExact && typeMode != kTypeModeSimilar) return true;
    const double match = TypeMatch(databasePiece.type, userPiece.type);
    if (typeMode == kTypeModeExact ? match == 1.0 : match >= 0.5) return true;
    if (IsBorderlineType(databasePiece.type, userPiece.type)) return true;
    auto straight = [](int code) { return code >= kStraight && code <= kLNoHookEnd; };
    auto flick = [&](const CStrokePiece& hook, const CStrokePiece& other) {
        return hook.type == kHook && straight(other.type) &&
               Distance(other.start, other.end) < kFlickLength;
    };
    return flick(databasePiece, userPiece) || flick(userPiece, databasePiece) ||
           (typeMode == kTypeModeExact && IsSlantingSweep(databasePiece, userPiece));
}

void MapPiece(std::vector<int>& map, const CStrokePiece& userPiece,
              const CStrokePiece& databasePiece) {
    const int databaseIndex = static_cast<int>(databasePiece.offset);
    if (userPiece.count == 2) {
        map[userPiece.offset] = databaseIndex;
        map[userPiece.offset + 1] = databasePiece.count == 2 ? databaseIndex + 1 : databaseIndex;
    } else {
        map[userPiece.offset] =
            databasePiece.count == 2 ? kJoinedPairMapBase + databaseIndex : databaseIndex;
    }
}

}  // namespace brushly
