#include "handwriting/CSimilarityScorer.h"

#include <algorithm>
#include <cmath>

#include "handwriting/StrokeComparison.h"
#include "handwriting/StrokeGeometry.h"

namespace brushly {

namespace {

using CSegment = CSimilarityScorer::CSegment;

// The score of a candidate identical to the user's list (up to integer division).
constexpr int kPerfectScore = 1000;
// Length differences beyond this many segments leave nothing of a similarity score.
constexpr std::size_t kLengthPenaltySegments = 30;
// Share of the closeness that a score term gives away at the largest close distance.
constexpr double kClosenessWeight = 0.2;
// A joined pair's second half must begin within this many pixels of its first half's end.
constexpr double kPairGap = 10.0;

bool InRange(int code, int low, int high) {
    return code >= low && code <= high;
}

// A user code that begins a two-segment shape: a first half or the vertical of an L.
bool IsPairStart(int code) {
    return code == kLHookBegin || IsFirstHalf(code);
}

// The score's working state for one candidate: the user list, what is left of the
// candidate, the closeness threshold, the points one user segment can earn, and the most the
// score could still reach. Every term earns at most its segments' share, so once a user
// segment has no chance left its share leaves the reachable total; the matching gives up when
// the reachable total, shrunk by the length penalty, is not above the floor.
class CMatcher {
public:
    CMatcher(const std::vector<CSegment>& user, std::vector<CSegment>& candidate, double threshold,
             double penalty, int floor)
        : m_user(user),
          m_candidate(candidate),
          m_threshold(threshold),
          m_squaredThreshold(threshold * threshold),
          m_penalty(penalty),
          m_floor(floor),
          m_perSegment(kPerfectScore / static_cast<int>(user.size())),
          m_reachable(m_perSegment * static_cast<int>(user.size())) {}

    int Score() {
        if (Hopeless()) return m_score;
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

    bool Hopeless() const {
        return m_floor >= 0 && static_cast<int>(m_reachable * m_penalty) <= m_floor;
    }

    bool Close(CPoint a, CPoint b) const {
        const double dx = a.x - b.x;
        const double dy = a.y - b.y;
        return dx * dx + dy * dy < m_squaredThreshold;
    }

    // 1 at distance 0, falling linearly by kClosenessWeight up to the threshold.
    double Closeness(double distanceSum, int distanceCount) const {
        return 1.0 - distanceSum * kClosenessWeight / (distanceCount * m_threshold);
    }

    // A term of the score for segments user segments: what it earns replaces their share in
    // the reachable total.
    void Earn(double points, int segments) {
        const int earned = static_cast<int>(points);
        m_score += earned;
        m_reachable += earned - segments * m_perSegment;
    }

    void Forgo(int segments) { m_reachable -= segments * m_perSegment; }

    void RemoveCandidate(std::size_t index, std::size_t count) {
        const auto first = m_candidate.begin() + static_cast<std::ptrdiff_t>(index);
        m_candidate.erase(first, first + static_cast<std::ptrdiff_t>(count));
    }

    // First pass: the user's two-segment shapes (first halves and L-shapes) with the
    // segment after them. A matched pair's second segment is not examined again. A shape
    // that finds no match earns nothing later: the second pass leaves shapes alone.
    void PairPass() {
        for (std::size_t r = 0; r + 1 < m_user.size(); ++r) {
            const int code = m_user[r].type;
            bool matched = false;
            if (InRange(code, kStraightBc, kStraightBsc)) {
                matched = MatchFirstHalf(r, {kStraightBc, kStraightBsc, kExtraSharpCurveVe});
            } else if (InRange(code, kCurveVe, kExtraSharpCurveVe)) {
                matched = MatchFirstHalf(r, {kCurveVe, kExtraSharpCurveVe, kStraightBsc});
            } else if (code == kLHookBegin) {
                matched = MatchLShape(r);
            } else {
                continue;
            }
            if (matched) {
                ++r;
                continue;
            }
            // The segment after a shape earns only as the start of a shape of its own.
            const int after = m_user[r + 1].type;
            Forgo(IsPairStart(after) ? 1 : 2);
            if (Hopeless()) return;
        }
    }

    bool MatchFirstHalf(std::size_t r, const CPairFamily& family) {
        const CSegment& first = m_user[r];
        const CSegment& second = m_user[r + 1];
        std::size_t p = 0;
        while (p < m_candidate.size()) {
            const CSegment& candidate = m_candidate[p];
            if (!Close(first.start, candidate.start)) {
                ++p;
                continue;
            }
            const double ds = Distance(first.start, candidate.start);
            const int code = candidate.type;
            const bool hasNext = p + 1 < m_candidate.size();
            if (InRange(code, family.pairLow, family.pairHigh) && hasNext &&
                Close(second.end, m_candidate[p + 1].end)) {
                const double de = Distance(first.end, candidate.end);
                const double dn = Distance(second.end, m_candidate[p + 1].end);
                Earn(Closeness(ds + de + dn, 3) * 2 * m_perSegment, 2);
                RemoveCandidate(p, 2);
                return true;
            }
            if ((code < kLHookBegin || code > family.singleExcludedHigh) &&
                Close(second.end, candidate.end)) {
                const double de = Distance(second.end, candidate.end);
                Earn(2 * TypeAffinity(kCompStroke, code) * m_perSegment * Closeness(de + ds, 2), 2);
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
        const CSegment& first = m_user[r];
        const CSegment& second = m_user[r + 1];
        for (std::size_t p = 0; p + 1 < m_candidate.size(); ++p) {
            const CSegment& candidate = m_candidate[p];
            const CSegment& next = m_candidate[p + 1];
            if (candidate.type != kLHookBegin || !Close(first.start, candidate.start) ||
                !Close(second.end, next.end)) {
                continue;
            }
            const double f =
                Closeness(Distance(first.start, candidate.start) +
                              Distance(second.start, next.start) + Distance(second.end, next.end),
                          3);
            Earn(f * (second.type == next.type ? 2.0 : 1.5) * m_perSegment, 2);
            RemoveCandidate(p, 2);
            return true;
        }
        return false;
    }

    // Second pass: every user segment that is neither a two-segment shape nor the segment
    // after one, against a single candidate segment or a joined candidate pair.
    void SinglePass() {
        for (std::size_t r = 0; r < m_user.size(); ++r) {
            const bool inShape = InRange(m_user[r].type, kLHookBegin, kExtraSharpCurveVe);
            const bool afterShape =
                r > 0 && InRange(m_user[r - 1].type, kLHookBegin, kExtraSharpCurveVe);
            if (inShape || afterShape || MatchSingle(m_user[r])) continue;
            Forgo(1);
            if (Hopeless()) return;
        }
    }

    bool MatchSingle(const CSegment& segment) {
        for (std::size_t p = 0; p < m_candidate.size(); ++p) {
            const CSegment& candidate = m_candidate[p];
            if (!Close(segment.start, candidate.start)) continue;
            const double ds = Distance(segment.start, candidate.start);
            if (IsFirstHalf(candidate.type) && p + 1 < m_candidate.size()) {
                const CSegment& next = m_candidate[p + 1];
                if (Distance(candidate.end, next.start) < kPairGap &&
                    Close(segment.end, next.end)) {
                    const double dq = Distance(segment.end, next.end);
                    Earn(TypeAffinity(segment.type, kCompStroke) * Closeness(dq + ds, 2) *
                             m_perSegment,
                         1);
                    RemoveCandidate(p, 2);
                    return true;
                }
            }
            if (Close(segment.end, candidate.end)) {
                const double de = Distance(segment.end, candidate.end);
                Earn(TypeAffinity(segment.type, candidate.type) * Closeness(de + ds, 2) *
                         m_perSegment,
                     1);
                RemoveCandidate(p, 1);
                return true;
            }
        }
        return false;
    }

    const std::vector<CSegment>& m_user;
    std::vector<CSegment>& m_candidate;
    double m_threshold;
    double m_squaredThreshold;
    double m_penalty;
    int m_floor;
    int m_perSegment;
    int m_reachable;
    int m_score = 0;
};

}  // namespace

CSimilarityScorer::CSimilarityScorer(const CKanjiStrokes& user) {
    m_user.reserve(user.Size());
    for (const auto& segment : user.segments)
        m_user.push_back({segment->start, segment->end, segment->type});
}

int CSimilarityScorer::Score(const CKanjiStrokes& candidate, double threshold, int floor) {
    if (m_user.empty()) return 0;
    const std::size_t lengthDifference = m_user.size() > candidate.Size()
                                             ? m_user.size() - candidate.Size()
                                             : candidate.Size() - m_user.size();
    const double penalty = static_cast<double>(kLengthPenaltySegments -
                                               std::min(lengthDifference, kLengthPenaltySegments)) /
                           static_cast<double>(kLengthPenaltySegments);
    // Even a perfect match could not rise above the floor.
    if (floor >= 0 && kPerfectScore * penalty <= floor) return 0;
    m_candidate.clear();
    for (const auto& segment : candidate.segments)
        m_candidate.push_back({segment->start, segment->end, segment->type});
    const int score = CMatcher(m_user, m_candidate, threshold, penalty, floor).Score();
    return static_cast<int>(score * penalty);
}

}  // namespace brushly
