#include "writingeval/FailureCauses.h"

#include <algorithm>

#include "handwriting/DrawnStrokes.h"
#include "handwriting/PathComparison.h"
#include "handwriting/StrokeComparison.h"
#include "handwriting/StrokeGeometry.h"

namespace brushly::writingeval {

namespace {

// One stroke of a list: its segments from first, count of them.
struct CStrokeRange {
    std::size_t first = 0;
    std::size_t count = 0;
};

CStrokeRange StrokeAt(const CKanjiStrokes::StrokeIndex& index, std::size_t stroke) {
    return {static_cast<std::size_t>(index.firstSegment[stroke]),
            static_cast<std::size_t>(index.segmentCount[stroke])};
}

std::string Codes(const CKanjiStrokes& list, CStrokeRange range) {
    std::string codes;
    for (std::size_t i = range.first; i < range.first + range.count; ++i)
        codes += (codes.empty() ? "" : " ") + std::to_string(list[i].type);
    return codes;
}

// "label n vs m".
std::string Versus(const std::string& label, std::size_t user, std::size_t database) {
    return label + " " + std::to_string(user) + " vs " + std::to_string(database);
}

// The pieces the comparison sees: a first half (IsFirstHalf) before the stroke's last segment
// joins the segment after it.
std::size_t Pieces(const CKanjiStrokes& list, CStrokeRange range) {
    std::size_t pieces = 0;
    const std::size_t end = range.first + range.count;
    for (std::size_t i = range.first; i < end; ++i) {
        ++pieces;
        if (IsFirstHalf(list[i].type) && i + 1 < end) ++i;
    }
    return pieces;
}

// With as many segments on both sides: which end point first lies the threshold or farther
// from its database point.
std::string PositionCause(const CKanjiStrokes& user, const CKanjiStrokes& target,
                          CStrokeRange stroke, double threshold) {
    for (std::size_t i = 0; i < user.Size(); ++i) {
        const CStrokeData& mine = user[i];
        const CStrokeData& theirs = target[stroke.first + i];
        if (Distance(mine.start, theirs.start) >= threshold) {
            return i == 0 ? "position of the start" : "position of a corner";
        }
        if (Distance(mine.end, theirs.end) >= threshold) {
            return i + 1 == user.Size() ? "position of the end" : "position of a corner";
        }
    }
    return "position of a joined piece";
}

}  // namespace

CFailureCause ClassifyFailure(const CKanjiStrokes& target, const CWriting& writing,
                              const CBoxResult& result, int typeMode, double threshold) {
    const CKanjiStrokes::StrokeIndex index = target.IndexStrokes();
    const std::size_t databaseCount = index.firstSegment.size();
    if (result.firstRejected < 0) {
        return {writing.size() < databaseCount ? "too few strokes" : "too many strokes",
                Versus("written", writing.size(), databaseCount)};
    }
    const auto rejected = static_cast<std::size_t>(result.firstRejected);
    if (rejected >= databaseCount) {
        return {"too many strokes", "stroke " + std::to_string(rejected + 1)};
    }

    // The rejected stroke as the box holds it: its segments and its drawn path.
    const CDrawnStrokes drawn = RecogniseStrokes({writing[rejected]});
    const CKanjiStrokes& user = drawn.segments;
    const std::vector<CPoint> noPath;
    const std::vector<CPoint>& path = drawn.paths.empty() ? noPath : drawn.paths.front();
    const auto against = [&](CStrokeRange stroke, int mode) {
        return CompareDrawnStroke(user, 0, user.Size(), path, target, stroke.first, stroke.count,
                                  mode, threshold);
    };
    const CStrokeRange stroke = StrokeAt(index, rejected);
    const std::string detail = "stroke " + std::to_string(rejected + 1) + ": " +
                               Codes(user, {0, user.Size()}) + " vs " + Codes(target, stroke);

    // A later stroke that the comparison takes at a smaller mean distance than limit.
    const auto laterMatch = [&](double limit) {
        for (std::size_t other = rejected + 1; other < databaseCount; ++other) {
            const CStrokeComparison comparison = against(StrokeAt(index, other), typeMode);
            if (comparison.result == CStrokeMatch::Full && comparison.averageDistance < limit) {
                return true;
            }
        }
        return false;
    };
    const CStrokeComparison own = against(stroke, typeMode);
    if (own.result == CStrokeMatch::Full) {
        // Matched alone, yet the box took another stroke for it.
        return {laterMatch(own.averageDistance) ? "order (a later stroke matches closer)"
                                                : "rejected in context",
                detail};
    }
    const auto matches = [&](int mode) {
        return against(stroke, mode).result == CStrokeMatch::Full;
    };
    if (matches(kTypeModeAny)) {
        const bool similar = typeMode == kTypeModeExact && matches(kTypeModeSimilar);
        return {"type " + Codes(user, {0, user.Size()}) + " vs " + Codes(target, stroke) +
                    (similar ? " (similar)" : ""),
                detail};
    }
    if (laterMatch(threshold)) return {"order (matches a later stroke)", detail};
    if (user.Size() != stroke.count) {
        return {Versus("segments", user.Size(), stroke.count), detail};
    }
    const std::size_t userPieces = Pieces(user, {0, user.Size()});
    const std::size_t databasePieces = Pieces(target, stroke);
    if (userPieces != databasePieces) {
        return {Versus("joined pieces", userPieces, databasePieces), detail};
    }
    return {PositionCause(user, target, stroke, threshold), detail};
}

CFailureCause KanaFailure(const CBoxResult& result) {
    if (result.firstRejected < 0) {
        return {"kana strokes too few", "written " + std::to_string(result.statuses.size())};
    }
    const auto rejected = static_cast<std::size_t>(result.firstRejected);
    const int status = rejected < result.statuses.size() ? result.statuses[rejected] : -1;
    return {"kana stroke rejected",
            "stroke " + std::to_string(rejected + 1) + ": status " + std::to_string(status)};
}

void CountCause(CCauseCounts& counts, const CFailureCause& cause, const std::string& kanji) {
    CCauseCount& entry = counts[cause.cause];
    if (entry.count++ == 0) entry.example = kanji + " (" + cause.detail + ")";
}

std::vector<CRankedCause> TopCauses(const CCauseCounts& counts, std::size_t limit) {
    std::vector<CRankedCause> ranked;
    for (const auto& [cause, count] : counts)
        ranked.push_back({cause, count});
    std::ranges::stable_sort(ranked, [](const CRankedCause& a, const CRankedCause& b) {
        return a.count.count > b.count.count;
    });
    if (ranked.size() > limit) ranked.resize(limit);
    return ranked;
}

}  // namespace brushly::writingeval
