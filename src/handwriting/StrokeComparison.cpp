#include "handwriting/StrokeComparison.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "handwriting/StrokeGeometry.h"

namespace brushly {

namespace {

// The score of a candidate identical to the user's list (up to integer division).
constexpr std::size_t kPerfectScore = 1000;
// Length differences beyond this many segments leave nothing of a similarity score.
constexpr std::size_t kLengthPenaltySegments = 30;
// Share of the closeness that a score term gives away at the largest close distance.
constexpr double kClosenessWeight = 0.2;
// A joined pair's second half must begin within this many pixels of its first half's end.
constexpr double kPairGap = 10.0;

bool InRange(int code, int low, int high) {
    return code >= low && code <= high;
}

// A code that the comparison joins with the segment after it.
bool IsFirstHalf(int code) {
    return InRange(code, kStraightBc, kExtraSharpCurveVe);
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

// The similarity score's working state: the user list, what is left of the candidate,
// the closeness threshold and the points one user segment can earn.
class CSimilarityMatcher {
public:
    CSimilarityMatcher(const CKanjiStrokes& user, CKanjiStrokes& candidate, double threshold)
        : m_user(user),
          m_candidate(candidate),
          m_threshold(threshold),
          m_perSegment(static_cast<int>(kPerfectScore / user.Size())) {}

    int Score() {
        PairPass();
        SinglePass();
        return m_score;
    }

private:
    // The candidate codes that a user's first half may match: a candidate first half of
    // pairLow..pairHigh joins with its next segment; codes from 12 to singleExcludedHigh
    // outside the pair codes are passed over together with their next segment; every other
    // code may stand alone for the user's joined pair.
    struct CPairFamily {
        int pairLow;
        int pairHigh;
        int singleExcludedHigh;
    };

    bool Close(CPoint a, CPoint b) const { return Distance(a, b) < m_threshold; }

    // 1 at distance 0, falling linearly by kClosenessWeight up to the threshold.
    double Closeness(double distanceSum, int distanceCount) const {
        return 1.0 - distanceSum * kClosenessWeight / (distanceCount * m_threshold);
    }

    void Earn(double points) { m_score += static_cast<int>(points); }

    void RemoveCandidate(std::size_t index, std::size_t count) {
        const auto first = m_candidate.segments.begin() + static_cast<std::ptrdiff_t>(index);
        m_candidate.segments.erase(first, first + static_cast<std::ptrdiff_t>(count));
    }

    // First pass: the user's two-segment shapes (first halves and L-shapes) with the
    // segment after them. A matched pair's second segment is not examined again.
    void PairPass() {
        for (std::size_t r = 0; r + 1 < m_user.Size(); ++r) {
            const int code = m_user[r].type;
            bool matched = false;
            if (InRange(code, kStraightBc, kStraightBsc)) {
                matched = MatchFirstHalf(r, {kStraightBc, kStraightBsc, kExtraSharpCurveVe});
            } else if (InRange(code, kCurveVe, kExtraSharpCurveVe)) {
                matched = MatchFirstHalf(r, {kCurveVe, kExtraSharpCurveVe, kStraightBsc});
            } else if (code == kLHookBegin) {
                matched = MatchLShape(r);
            }
            if (matched) ++r;
        }
    }

    bool MatchFirstHalf(std::size_t r, const CPairFamily& family) {
        const CStrokeData& first = m_user[r];
        const CStrokeData& second = m_user[r + 1];
        std::size_t p = 0;
        while (p < m_candidate.Size()) {
            const CStrokeData& candidate = m_candidate[p];
            if (!Close(first.start, candidate.start)) {
                ++p;
                continue;
            }
            const double ds = Distance(first.start, candidate.start);
            const int code = candidate.type;
            const bool hasNext = p + 1 < m_candidate.Size();
            if (InRange(code, family.pairLow, family.pairHigh) && hasNext &&
                Close(second.end, m_candidate[p + 1].end)) {
                const double de = Distance(first.end, candidate.end);
                const double dn = Distance(second.end, m_candidate[p + 1].end);
                Earn(Closeness(ds + de + dn, 3) * 2 * m_perSegment);
                RemoveCandidate(p, 2);
                return true;
            }
            if ((code < kLHookBegin || code > family.singleExcludedHigh) &&
                Close(second.end, candidate.end)) {
                const double de = Distance(second.end, candidate.end);
                Earn(2 * TypeAffinity(kCompStroke, code) * m_perSegment * Closeness(de + ds, 2));
                RemoveCandidate(p, 1);
                return true;
            }
            const bool passedOver = InRange(code, kLHookBegin, family.singleExcludedHigh) &&
                                    !InRange(code, family.pairLow, family.pairHigh);
            p += passedOver ? 2 : 1;
        }
        return false;
    }

    bool MatchLShape(std::size_t r) {
        const CStrokeData& first = m_user[r];
        const CStrokeData& second = m_user[r + 1];
        for (std::size_t p = 0; p + 1 < m_candidate.Size(); ++p) {
            const CStrokeData& candidate = m_candidate[p];
            const CStrokeData& next = m_candidate[p + 1];
            if (candidate.type != kLHookBegin || !Close(first.start, candidate.start) ||
                !Close(second.end, next.end)) {
                continue;
            }
            const double f =
                Closeness(Distance(first.start, candidate.start) +
                              Distance(second.start, next.start) + Distance(second.end, next.end),
                          3);
            Earn(f * (second.type == next.type ? 2.0 : 1.5) * m_perSegment);
            RemoveCandidate(p, 2);
            return true;
        }
        return false;
    }

    // Second pass: every user segment that is neither a two-segment shape nor the segment
    // after one, against a single candidate segment or a joined candidate pair.
    void SinglePass() {
        for (std::size_t r = 0; r < m_user.Size(); ++r) {
            const bool inShape = InRange(m_user[r].type, kLHookBegin, kExtraSharpCurveVe);
            const bool afterShape =
                r > 0 && InRange(m_user[r - 1].type, kLHookBegin, kExtraSharpCurveVe);
            if (!inShape && !afterShape) MatchSingle(m_user[r]);
        }
    }

    void MatchSingle(const CStrokeData& segment) {
        for (std::size_t p = 0; p < m_candidate.Size(); ++p) {
            const CStrokeData& candidate = m_candidate[p];
            if (!Close(segment.start, candidate.start)) continue;
            const double ds = Distance(segment.start, candidate.start);
            if (IsFirstHalf(candidate.type) && p + 1 < m_candidate.Size()) {
                const CStrokeData& next = m_candidate[p + 1];
                if (Distance(candidate.end, next.start) < kPairGap &&
                    Close(segment.end, next.end)) {
                    const double dq = Distance(segment.end, next.end);
                    Earn(TypeAffinity(segment.type, kCompStroke) * Closeness(dq + ds, 2) *
                         m_perSegment);
                    RemoveCandidate(p, 2);
                    return;
                }
            }
            if (Close(segment.end, candidate.end)) {
                const double de = Distance(segment.end, candidate.end);
                Earn(TypeAffinity(segment.type, candidate.type) * Closeness(de + ds, 2) *
                     m_perSegment);
                RemoveCandidate(p, 1);
                return;
            }
        }
    }

    const CKanjiStrokes& m_user;
    CKanjiStrokes& m_candidate;
    double m_threshold;
    int m_perSegment;
    int m_score = 0;
};

}  // namespace

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

int SimilarityScore(const CKanjiStrokes& user, CKanjiStrokes candidate, double threshold) {
    if (user.Size() == 0) return 0;
    const std::size_t lengthDifference = user.Size() > candidate.Size()
                                             ? user.Size() - candidate.Size()
                                             : candidate.Size() - user.Size();
    const double penalty = static_cast<double>(kLengthPenaltySegments -
                                               std::min(lengthDifference, kLengthPenaltySegments)) /
                           static_cast<double>(kLengthPenaltySegments);
    const int score = CSimilarityMatcher(user, candidate, threshold).Score();
    return static_cast<int>(score * penalty);
}

}  // namespace brushly
