#include "handwriting/StrokeAlignment.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <span>
#include <vector>

#include "handwriting/StrokeGeometry.h"
#include "handwriting/StrokeMeasures.h"
#include "handwriting/StrokePieces.h"

namespace brushly {

namespace {

constexpr std::size_t kMaxRun = 3;
constexpr double kJointShare = 0.5;

double PieceLength(const CStrokePiece& piece) {
    return Distance(piece.start, piece.end);
}

double DistanceToPiece(CPoint p, const CStrokePiece& piece) {
    return DistanceToSegment(p, piece.start, piece.end);
}

// The run's longest piece, when every other piece of it is minor beside it.
const CStrokePiece* MainPiece(std::span<const CStrokePiece> run) {
    const CStrokePiece* main = &run.front();
    for (const CStrokePiece& piece : run) {
        if (PieceLength(piece) > PieceLength(*main)) main = &piece;
    }
    const int direction = Direction(main->start, main->end);
    for (const CStrokePiece& piece : run) {
        if (&piece == main) continue;
        const bool shortOne = PieceLength(piece) <= kMinorShare * PieceLength(*main);
        const bool alongIt =
            std::abs(recognition::WrapAngle(Direction(piece.start, piece.end) - direction)) <=
            kMinorTurn;
        if (!shortOne && !alongIt) return nullptr;
    }
    return main;
}

// Whether the inner joints of run lie close to the single piece.
bool JointsNear(std::span<const CStrokePiece> run, const CStrokePiece& single, double reach) {
    for (std::size_t k = 0; k + 1 < run.size(); ++k) {
        if (DistanceToPiece(run[k].end, single) >= reach) return false;
    }
    return true;
}

// The distance of p from the chain of pieces (each piece's chord, and the gaps between one
// piece's end and the next one's start).
double DistanceToChain(CPoint p, std::span<const CStrokePiece> chain) {
    double nearest = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < chain.size(); ++k) {
        nearest = std::min(nearest, DistanceToPiece(p, chain[k]));
        if (k + 1 < chain.size()) {
            nearest = std::min(nearest, DistanceToPiece(p, {chain[k].end, chain[k + 1].start}));
        }
    }
    return nearest;
}

// Whether every joint of one chain lies within reach of the other chain.
bool JointsAlongChain(std::span<const CStrokePiece> joints, std::span<const CStrokePiece> chain,
                      double reach) {
    for (const CStrokePiece& piece : joints) {
        if (DistanceToChain(piece.start, chain) >= reach ||
            DistanceToChain(piece.end, chain) >= reach) {
            return false;
        }
    }
    return true;
}

// The longest piece of a chain.
const CStrokePiece& LongestPiece(std::span<const CStrokePiece> chain) {
    const CStrokePiece* longest = &chain.front();
    for (const CStrokePiece& piece : chain) {
        if (PieceLength(piece) > PieceLength(*longest)) longest = &piece;
    }
    return *longest;
}

// Whether the longest pieces of two chains that follow one path pass the exact type test, or
// are both bent (an L's parts, a sweep, a joined first half): a hand that rounds the corner
// of an L draws it as a sweep along the same path.
bool LongestPiecesAgree(const CStrokePiece& database, const CStrokePiece& user) {
    auto bent = [](int code) {
        return (code >= kLHookBegin && code <= kLNoHookEnd) ||
               (code >= kCurveVe && code <= kCompStroke);
    };
    return PassesTypeTest(kTypeModeExact, database, user) ||
           (bent(database.type) && bent(user.type));
}

// The last resort: the two strokes as chains of chords follow the same path, their ends close
// and every joint of each within half the threshold of the other (a small zigzag that a quick
// hand runs together, a bend cut differently); in the exact mode their longest pieces pass
// its type test too. Full when they do, with the mean of the start and end distances.
std::optional<CStrokeComparison> AlignAsPolylines(std::span<const CStrokePiece> u,
                                                  std::span<const CStrokePiece> d,
                                                  std::size_t userCount, int typeMode,
                                                  double threshold) {
    // Two single pieces are the plain comparison's to judge.
    if (u.size() == 1 && d.size() == 1) return std::nullopt;
    const double gs = Distance(u.front().start, d.front().start);
    const double ge = Distance(u.back().end, d.back().end);
    const double reach = kJointShare * threshold;
    if (gs >= threshold || ge >= threshold || !JointsAlongChain(u, d, reach) ||
        !JointsAlongChain(d, u, reach) ||
        (typeMode == kTypeModeExact && !LongestPiecesAgree(LongestPiece(d), LongestPiece(u)))) {
        return std::nullopt;
    }
    std::vector<int> map(userCount, static_cast<int>(d.front().offset));
    return CStrokeComparison{CStrokeMatch::Full, (gs + ge) / 2.0, std::move(map), true};
}

struct CStep {
    double cost = std::numeric_limits<double>::infinity();
    std::size_t userRun = 0;  // pieces the step took on each side; 0 where no step arrives
    std::size_t databaseRun = 0;
};

}  // namespace

std::optional<CStrokeComparison> AlignStroke(const CKanjiStrokes& user, std::size_t userFirst,
                                             std::size_t userCount, const CKanjiStrokes& database,
                                             std::size_t databaseFirst, std::size_t databaseCount,
                                             int typeMode, double threshold) {
    const std::vector<CStrokePiece> u = StrokePieces(user, userFirst, userCount);
    const std::vector<CStrokePiece> d = StrokePieces(database, databaseFirst, databaseCount);
    if (u.empty() || d.empty()) return std::nullopt;
    const std::size_t m = u.size();
    const std::size_t n = d.size();
    // steps[j][i]: the cheapest alignment of the first j user pieces with the first i database
    // pieces, its cost the sum of the end distances (and the first start distance).
    std::vector<std::vector<CStep>> steps(m + 1, std::vector<CStep>(n + 1));
    steps[0][0].cost = 0.0;
    for (std::size_t j = 0; j < m; ++j) {
        for (std::size_t i = 0; i < n; ++i) {
            if (std::isinf(steps[j][i].cost)) continue;
            for (std::size_t a = 1; a <= kMaxRun && j + a <= m; ++a) {
                for (std::size_t b = 1; b <= kMaxRun && i + b <= n; ++b) {
                    if (a > 1 && b > 1) continue;
                    const std::span<const CStrokePiece> userRun(u.data() + j, a);
                    const std::span<const CStrokePiece> databaseRun(d.data() + i, b);
                    const double gs = Distance(userRun.front().start, databaseRun.front().start);
                    const double ge = Distance(userRun.back().end, databaseRun.back().end);
                    if (gs >= threshold || ge >= threshold) continue;
                    if (a > 1 && !JointsNear(userRun, databaseRun.front(), kJointShare * threshold))
                        continue;
                    if (b > 1 && !JointsNear(databaseRun, userRun.front(), kJointShare * threshold))
                        continue;
                    const CStrokePiece* userMain = MainPiece(userRun);
                    const CStrokePiece* databaseMain = MainPiece(databaseRun);
                    if (userMain == nullptr || databaseMain == nullptr ||
                        !PassesTypeTest(typeMode, *databaseMain, *userMain)) {
                        continue;
                    }
                    const double cost = steps[j][i].cost + ge + (j == 0 ? gs : 0.0);
                    CStep& next = steps[j + a][i + b];
                    if (cost < next.cost) next = {cost, a, b};
                }
            }
        }
    }
    if (std::isinf(steps[m][n].cost)) return AlignAsPolylines(u, d, userCount, typeMode, threshold);
    // Walk back through the steps for the segment map and the divisor.
    std::vector<int> map(ClampedCount(user.Size(), userFirst, userCount), 0);
    int pairs = 0;
    for (std::size_t j = m, i = n; j > 0;) {
        const CStep& step = steps[j][i];
        j -= step.userRun;
        i -= step.databaseRun;
        ++pairs;
        // A database run maps to its first piece: only incomplete strokes use the map.
        for (std::size_t k = j; k < j + step.userRun; ++k)
            MapPiece(map, u[k], d[i]);
    }
    return CStrokeComparison{CStrokeMatch::Full, steps[m][n].cost / (pairs + 1), std::move(map),
                             true};
}

}  // namespace brushly
