#include "handwriting/PathComparison.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "handwriting/StrokeGeometry.h"
#include "handwriting/StrokePieces.h"

namespace brushly {
namespace {

struct CVector {
    double x = 0.0;
    double y = 0.0;
};

CVector Moved(CPoint point, CVector by) {
    return {point.x + by.x, point.y + by.y};
}

double Length(CVector v) {
    return std::hypot(v.x, v.y);
}

CVector Between(CVector from, CVector to) {
    return {to.x - from.x, to.y - from.y};
}

double DistanceToSegment(CVector p, CVector from, CVector to) {
    const CVector along = Between(from, to);
    const double squared = along.x * along.x + along.y * along.y;
    double t = 0.0;
    if (squared > 0.0) {
        const CVector offset = Between(from, p);
        t = std::clamp((offset.x * along.x + offset.y * along.y) / squared, 0.0, 1.0);
    }
    return Length(Between({from.x + t * along.x, from.y + t * along.y}, p));
}

bool IsCurved(int code) {
    return code == kChook || code == kTeardrop || (code >= kCurveVe && code <= kCompStroke);
}

// For each corner (vertices 1 to count - 1), the path sample it lies nearest to, the samples
// in drawing order, chosen together so that the summed distances are least. The first vertex
// is the path's first sample, the last its last.
std::vector<std::size_t> CornerSamples(const std::vector<CVector>& path,
                                       const std::vector<CVector>& vertices) {
    const std::size_t n = path.size();
    const std::size_t corners = vertices.size() - 2;
    std::vector<std::size_t> samples(vertices.size(), 0);
    samples.back() = n - 1;
    if (corners == 0) return samples;
    // cost[k][j]: the least summed distance of corners 1..k+1 with corner k+1 at sample j;
    // from[k][j]: the sample of corner k at that least cost.
    std::vector<std::vector<double>> cost(corners, std::vector<double>(n));
    std::vector<std::vector<std::size_t>> from(corners, std::vector<std::size_t>(n, 0));
    for (std::size_t k = 0; k < corners; ++k) {
        double best = std::numeric_limits<double>::infinity();
        std::size_t bestSample = 0;
        for (std::size_t j = 0; j < n; ++j) {
            if (k > 0 && cost[k - 1][j] < best) {
                best = cost[k - 1][j];
                bestSample = j;
            }
            const double before = k == 0 ? 0.0 : best;
            cost[k][j] = before + Length(Between(path[j], vertices[k + 1]));
            from[k][j] = bestSample;
        }
    }
    std::size_t j = static_cast<std::size_t>(
        std::min_element(cost.back().begin(), cost.back().end()) - cost.back().begin());
    for (std::size_t k = corners; k-- > 0;) {
        samples[k + 1] = j;
        j = from[k][j];
    }
    return samples;
}

// The largest distance of the samples from..to of the path from the chord joining them.
double Sag(const std::vector<CVector>& path, std::size_t from, std::size_t to) {
    double sag = 0.0;
    for (std::size_t j = from; j <= to; ++j)
        sag = std::max(sag, DistanceToSegment(path[j], path[from], path[to]));
    return sag;
}

// The first sample, going from `from` towards `towards`, that lies distance or farther from the
// sample `from`; towards itself when none does.
std::size_t Away(const std::vector<CVector>& path, std::size_t from, std::size_t towards,
                 double distance) {
    std::size_t j = from;
    while (j != towards && Length(Between(path[from], path[j])) < distance)
        j = j < towards ? j + 1 : j - 1;
    return j;
}

// The exact type test on a stretch of path: a straight segment wants it straight, a sweep
// (other than the mildest, which the recogniser reads either way) wants it bowed.
bool ShapeFitsType(int code, const std::vector<CVector>& path, std::size_t from, std::size_t to) {
    const double chord = Length(Between(path[from], path[to]));
    const double sag = Sag(path, from, to);
    if (!IsCurved(code)) return code == kHook || sag <= StraightSag(chord);
    if (code == kChook || code == kTeardrop || IsBorderlineType(code, kStraightNoArrow)) {
        return true;
    }
    return sag >= kSweepSagShare * chord;
}

}  // namespace

double PathTolerance(const CKanjiStrokes& database, std::size_t first, std::size_t count) {
    count = ClampedCount(database.Size(), first, count);
    if (count == 0) return kMinPathTolerance;
    int left = database[first].start.x;
    int right = left;
    int top = database[first].start.y;
    int bottom = top;
    for (std::size_t i = first; i < first + count; ++i) {
        for (const CPoint p : {database[i].start, database[i].end}) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    }
    return std::max(kMinPathTolerance, kPathShare * std::hypot(right - left, bottom - top));
}

double StraightSag(double chord) {
    return std::max(5.0, 0.08 * chord);
}

std::optional<CStrokeComparison> FollowPath(std::span<const CPoint> path, std::size_t userSegments,
                                            const CKanjiStrokes& database, std::size_t first,
                                            std::size_t count, int typeMode, double threshold) {
    count = ClampedCount(database.Size(), first, count);
    if (path.size() < 2 || count == 0) return std::nullopt;
    const CPoint start = database[first].start;
    const CPoint end = database[first + count - 1].end;
    const double startDistance = Distance(path.front(), start);
    const double endDistance = Distance(path.back(), end);
    if (startDistance >= threshold || endDistance >= threshold) return std::nullopt;

    const CVector shift{(start.x - path.front().x + end.x - path.back().x) / 2.0,
                        (start.y - path.front().y + end.y - path.back().y) / 2.0};
    std::vector<CVector> moved;
    moved.reserve(path.size());
    for (const CPoint p : path)
        moved.push_back(Moved(p, shift));
    std::vector<CVector> vertices{Moved(start, {})};
    for (std::size_t i = first; i < first + count; ++i)
        vertices.push_back(Moved(database[i].end, {}));

    const double tolerance = PathTolerance(database, first, count);
    const std::vector<std::size_t> samples = CornerSamples(moved, vertices);
    double sum = startDistance + endDistance;
    for (std::size_t k = 1; k + 1 < vertices.size(); ++k) {
        if (Length(Between(moved[samples[k]], vertices[k])) > tolerance) return std::nullopt;
        sum += Distance(path[samples[k]], database[first + k - 1].end);
    }
    for (std::size_t k = 0; k < count; ++k) {
        const int code = database[first + k].type;
        const double segment = Length(Between(vertices[k], vertices[k + 1]));
        const double allowed = tolerance + (IsCurved(code) ? kCurveBulge * segment : 0.0);
        for (std::size_t j = samples[k]; j <= samples[k + 1]; ++j) {
            if (DistanceToSegment(moved[j], vertices[k], vertices[k + 1]) > allowed) {
                return std::nullopt;
            }
        }
        // A writer rounds a corner: the shape test leaves out the path near one.
        std::size_t from = samples[k];
        std::size_t to = samples[k + 1];
        if (k > 0) from = Away(moved, from, to, tolerance);
        if (k + 1 < count) to = Away(moved, to, from, tolerance);
        if (typeMode == kTypeModeExact && from < to && !ShapeFitsType(code, moved, from, to)) {
            return std::nullopt;
        }
    }

    CStrokeComparison comparison;
    comparison.result = CStrokeMatch::Full;
    comparison.averageDistance = sum / static_cast<double>(vertices.size());
    for (std::size_t i = 0; i < userSegments; ++i)
        comparison.segmentMap.push_back(static_cast<int>(std::min(i, count - 1)));
    return comparison;
}

CStrokeComparison CompareDrawnStroke(const CKanjiStrokes& user, std::size_t userFirst,
                                     std::size_t userCount, std::span<const CPoint> path,
                                     const CKanjiStrokes& database, std::size_t databaseFirst,
                                     std::size_t databaseCount, int typeMode, double threshold) {
    CStrokeComparison comparison = CompareStroke(user, userFirst, userCount, database,
                                                 databaseFirst, databaseCount, typeMode, threshold);
    if (path.empty() || (comparison.result == CStrokeMatch::Full && !comparison.aligned)) {
        return comparison;
    }
    if (auto followed = FollowPath(path, ClampedCount(user.Size(), userFirst, userCount), database,
                                   databaseFirst, databaseCount, typeMode, threshold)) {
        return std::move(*followed);
    }
    return comparison;
}

}  // namespace brushly
