#include "handwriting/StrokeComparison.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "handwriting/CSimilarityScorer.h"
#include "handwriting/StrokeAlignment.h"
#include "handwriting/StrokeGeometry.h"
#include "handwriting/StrokePieces.h"

namespace brushly {

namespace {

bool InRange(int code, int low, int high) {
    return code >= low && code <= high;
}

}  // namespace

bool IsFirstHalf(int code) {
    return InRange(code, kStraightBc, kExtraSharpCurveVe);
}

bool IsBorderlineType(int databaseCode, int userCode) {
    auto straight = [](int code) { return InRange(code, kStraight, kLNoHookEnd); };
    auto mild = [](int code) {
        return code == kCurveVe || code == kCurve || code == kCurveFlush || code == kCurveFlushMir;
    };
    auto curve = [](int code) { return InRange(code, kCurveVe, kExtraSharpCurveFlushMir); };
    auto either = [&](auto a, auto b) {
        return (a(databaseCode) && b(userCode)) || (b(databaseCode) && a(userCode));
    };
    auto is = [](int wanted) { return [wanted](int code) { return code == wanted; }; };
    return either(straight, mild) || either(is(kCompStroke), curve) ||
           either(is(kCompStroke), straight) || either(is(kChook), is(kTeardrop));
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

namespace {

// The comparison piece by piece in drawing order (see CompareStroke); counts already clamped.
CStrokeComparison CompareByPieces(const CKanjiStrokes& user, std::size_t userFirst,
                                  std::size_t userCount, const CKanjiStrokes& database,
                                  std::size_t databaseFirst, std::size_t databaseCount,
                                  int typeMode, double threshold) {
    std::vector<int> map(userCount, 0);
    double distanceSum = 0.0;
    int divisor = 0;
    bool skipped = false;
    std::size_t j = 0;
    std::size_t i = 0;
    while (j < userCount && i < databaseCount) {
        const CStrokePiece userPiece = PieceAt(user, userFirst, userCount, j);
        const CStrokePiece databasePiece = PieceAt(database, databaseFirst, databaseCount, i);
        const double gs = Distance(userPiece.start, databasePiece.start);
        const double ge = Distance(userPiece.end, databasePiece.end);
        if (!(gs < threshold && ge < threshold)) {
            if (divisor > 0) return {};
            skipped = true;
            i += databasePiece.count;
            continue;
        }
        if (!PassesTypeTest(typeMode, databasePiece, userPiece)) return {};
        distanceSum += divisor == 0 ? gs + ge : ge;
        divisor += divisor == 0 ? 2 : 1;
        MapPiece(map, userPiece, databasePiece);
        j += userPiece.count;
        i += databasePiece.count;
    }
    if (divisor == 0 || j < userCount) return {};
    const bool full = i >= databaseCount && !skipped;
    return {full ? CStrokeMatch::Full : CStrokeMatch::Partial, distanceSum / divisor,
            std::move(map)};
}

}  // namespace

CStrokeComparison CompareStroke(const CKanjiStrokes& user, std::size_t userFirst,
                                std::size_t userCount, const CKanjiStrokes& database,
                                std::size_t databaseFirst, std::size_t databaseCount, int typeMode,
                                double threshold) {
    userCount = ClampedCount(user.Size(), userFirst, userCount);
    databaseCount = ClampedCount(database.Size(), databaseFirst, databaseCount);
    CStrokeComparison byPieces = CompareByPieces(user, userFirst, userCount, database,
                                                 databaseFirst, databaseCount, typeMode, threshold);
    if (byPieces.result == CStrokeMatch::Full) return byPieces;
    // A well-drawn stroke that the recogniser split or joined a little differently from the
    // database still matches as a whole.
    if (std::optional<CStrokeComparison> aligned =
            AlignStroke(user, userFirst, userCount, database, databaseFirst, databaseCount,
                        typeMode, threshold)) {
        return std::move(*aligned);
    }
    return byPieces;
}

int SimilarityScore(const CKanjiStrokes& user, const CKanjiStrokes& candidate, double threshold) {
    return CSimilarityScorer(user).Score(candidate, threshold);
}

}  // namespace brushly
