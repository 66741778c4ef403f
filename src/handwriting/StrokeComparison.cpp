#include "handwriting/StrokeComparison.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "handwriting/CSimilarityScorer.h"
#include "handwriting/StrokeGeometry.h"

namespace brushly {

namespace {

bool InRange(int code, int low, int high) {
    return code >= low && code <= high;
}

// One comparable piece of a stroke: a single segment, or a first half joined with the
// segment after it.
struct CPiece {
    CPoint start;
    CPoint end;
    int type = kNoType;
    std::size_t count = 1;  // segments covered, 1 or 2
};

// The piece that begins at segment first + offset of a stroke of count segments.
CPiece PieceAt(const CKanjiStrokes& strokes, std::size_t first, std::size_t count,
               std::size_t offset) {
    const CStrokeData& segment = strokes[first + offset];
    if (IsFirstHalf(segment.type) && offset + 1 < count) {
        return {segment.start, strokes[first + offset + 1].end, kCompStroke, 2};
    }
    return {segment.start, segment.end, segment.type, 1};
}

bool PassesTypeTest(int typeMode, int databaseCode, int userCode) {
    const double match = TypeMatch(databaseCode, userCode);
    if (typeMode == kTypeModeExact) return match == 1.0;
    if (typeMode == kTypeModeSimilar) return match >= 0.5;
    return true;
}

// The number of segments of a range that lie inside a list of size segments.
std::size_t ClampedCount(std::size_t size, std::size_t first, std::size_t count) {
    return first >= size ? 0 : std::min(count, size - first);
}

// Records for the user piece at userOffset which database segments it matched.
void MapPiece(std::vector<int>& map, std::size_t userOffset, const CPiece& userPiece,
              std::size_t databaseOffset, const CPiece& databasePiece) {
    const int databaseIndex = static_cast<int>(databaseOffset);
    if (userPiece.count == 2) {
        map[userOffset] = databaseIndex;
        map[userOffset + 1] = databasePiece.count == 2 ? databaseIndex + 1 : databaseIndex;
    } else {
        map[userOffset] =
            databasePiece.count == 2 ? kJoinedPairMapBase + databaseIndex : databaseIndex;
    }
}

}  // namespace

bool IsFirstHalf(int code) {
    return InRange(code, kStraightBc, kExtraSharpCurveVe);
}

double TypeMatch(int databaseCode, int userCode) {
    if (InRange(databaseCode, 1, 14)) {
        if (InRange(userCode, 17, 35)) return 0.5;
        if (userCode == kChook || userCode == kHook) return 0.0;
        return 1.0;
    }
    if (InRange(databaseCode, 17, 29)) {
        if (InRange(userCode, 1, 14) || userCode == kCompStroke || userCode == kHook) {
            return 0.5;
        }
        if (userCode == kChook) return 0.0;
        return 1.0;
    }
    if (databaseCode == kCompStroke) {
        if (InRange(userCode, 1, 29)) return 0.5;
        if (userCode == kChook) return 0.0;
        return 1.0;
    }
    if (databaseCode == kHook) {
        if (InRange(userCode, 0, 14)) return 0.0;
        if (InRange(userCode, 17, 35)) return 0.5;
        return 1.0;
    }
    if (databaseCode == kChook) return userCode == kChook ? 1.0 : 0.0;
    return 1.0;
}

double TypeAffinity(int a, int b) {
    if (a == b) return 1.0;
    if (InRange(a, 1, 11)) {
        if (InRange(b, 12, 14)) return 0.8;
        if (InRange(b, 1, 16)) return 1.0;
        if (InRange(b, 17, 36)) return 0.6;
        if (b == kChook) return 0.2;
        return 0.0;
    }
    if (InRange(a, 12, 14)) {
        if (InRange(b, 12, 14)) return 1.0;
        if (InRange(b, 1, 16)) return 0.8;
        if (InRange(b, 17, 35)) return 0.6;
        if (b == kHook) return 0.4;
        if (b == kChook) return 0.2;
        return 0.0;
    }
    if (InRange(a, 17, 35)) {
        if (InRange(b, 17, 35) || b == kHook) return 0.8;
        if (InRange(b, 1, 16)) return 0.6;
        if (b == kChook) return 0.2;
        return 0.0;
    }
    if (a == kChook) {
        if (InRange(b, 1, 35)) return 0.2;
        if (b == kHook) return 0.4;
        return 0.0;
    }
    if (a == kHook) {
        if (InRange(b, 17, 35)) return 0.8;
        if (InRange(b, 0, 16)) return 0.4;
        return 0.0;
    }
    return 0.0;
}

CStrokeComparison CompareStroke(const CKanjiStrokes& user, std::size_t userFirst,
                                std::size_t userCount, const CKanjiStrokes& database,
                                std::size_t databaseFirst, std::size_t databaseCount, int typeMode,
                                double threshold) {
    userCount = ClampedCount(user.Size(), userFirst, userCount);
    databaseCount = ClampedCount(database.Size(), databaseFirst, databaseCount);
    std::vector<int> map(userCount, 0);
    double distanceSum = 0.0;
    int divisor = 0;
    bool skipped = false;
    std::size_t j = 0;
    std::size_t i = 0;
    while (j < userCount && i < databaseCount) {
        const CPiece userPiece = PieceAt(user, userFirst, userCount, j);
        const CPiece databasePiece = PieceAt(database, databaseFirst, databaseCount, i);
        const double gs = Distance(userPiece.start, databasePiece.start);
        const double ge = Distance(userPiece.end, databasePiece.end);
        if (!(gs < threshold && ge < threshold)) {
            if (divisor > 0) return {};
            skipped = true;
            i += databasePiece.count;
            continue;
        }
        if (!PassesTypeTest(typeMode, databasePiece.type, userPiece.type)) return {};
        distanceSum += divisor == 0 ? gs + ge : ge;
        divisor += divisor == 0 ? 2 : 1;
        MapPiece(map, j, userPiece, i, databasePiece);
        j += userPiece.count;
        i += databasePiece.count;
    }
    if (divisor == 0 || j < userCount) return {};
    const bool full = i >= databaseCount && !skipped;
    return {full ? CStrokeMatch::Full : CStrokeMatch::Partial, distanceSum / divisor,
            std::move(map)};
}

int SimilarityScore(const CKanjiStrokes& user, const CKanjiStrokes& candidate, double threshold) {
    return CSimilarityScorer(user).Score(candidate, threshold);
}

}  // namespace brushly
