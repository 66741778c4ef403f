#include "kanjidb/MousePoints.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "kanjidb/KanjiVgStrokes.h"

namespace brushly::kanjidb {

namespace {

using Path = std::vector<CPointF>;

// The path is reshaped on points 1 px apart along it.
constexpr double kFineStep = 1.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

constexpr double kMinReshapeLength = 40.0;  // shorter strokes (dots) are drawn as they are

// The brush rounds the corners of bent strokes, where a mouse drawing an L or a hook
// turns on the spot. A corner is a run of the path whose direction changes faster than
// kCornerCurvature and that turns kCornerTurn or more in all; it is replaced by the point
// where the straight lines into and out of it meet. Sweeps turn far more slowly and keep
// their curve. A hook that turns back by kCornerReversal or more keeps its rounding (the
// meeting point would overshoot it) unless its corner is sharp already, within kCornerSnap.
constexpr int kTangentArm = 3;             // px either side of a point for its direction
constexpr double kCornerCurvature = 1.5;   // degrees per px
constexpr double kCornerTurn = 45.0;       // degrees
constexpr double kCornerReversal = 120.0;  // degrees
constexpr double kCornerSnap = 1.0;        // px

double Degrees(CPointF a, CPointF b) {
    return std::atan2(b.y - a.y, b.x - a.x) / kRadiansPerDegree;
}

double Turn(double from, double to) {
    return std::remainder(to - from, 360.0);
}

double Length(CPointF a, CPointF b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Points step apart by arc length along the path, its first and last point included.
Path Resample(const Path& path, double step) {
    Path fine{path.front()};
    double next = step;
    double travelled = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const double length = Length(path[i - 1], path[i]);
        while (length > 0.0 && travelled + length >= next) {
            const double t = (next - travelled) / length;
            fine.push_back({path[i - 1].x + (path[i].x - path[i - 1].x) * t,
                            path[i - 1].y + (path[i].y - path[i - 1].y) * t});
            next += step;
        }
        travelled += length;
    }
    if (Length(fine.back(), path.back()) > 0.0) fine.push_back(path.back());
    return fine;
}

// The direction of the path at the fine point i, from kTangentArm points either side.
double Tangent(const Path& fine, int i) {
    const int last = static_cast<int>(fine.size()) - 1;
    return Degrees(fine[std::max(i - kTangentArm, 0)], fine[std::min(i + kTangentArm, last)]);
}

// Where the line through a in direction da meets the line through b in direction db, when
// it lies ahead of a and behind b within reach of both.
std::optional<CPointF> Meeting(CPointF a, double da, CPointF b, double db, double reach) {
    const CPointF u{std::cos(da * kRadiansPerDegree), std::sin(da * kRadiansPerDegree)};
    const CPointF v{std::cos(db * kRadiansPerDegree), std::sin(db * kRadiansPerDegree)};
    const double cross = u.x * v.y - u.y * v.x;
    if (std::abs(cross) < 1e-9) return std::nullopt;
    const CPointF d{b.x - a.x, b.y - a.y};
    const double ta = (d.x * v.y - d.y * v.x) / cross;
    const double tb = (d.y * u.x - d.x * u.y) / cross;
    if (ta < 0.0 || tb < 0.0 || ta > reach || tb > reach) return std::nullopt;
    return CPointF{a.x + u.x * ta, a.y + u.y * ta};
}

// Whether the point lies within kCornerSnap of one of the fine points from..to.
bool IsOnPath(CPointF point, const Path& fine, int from, int to) {
    for (int i = from; i <= to; ++i) {
        if (Length(point, fine[i]) <= kCornerSnap) return true;
    }
    return false;
}

// The fine path with its rounded corners turned into sharp ones, cut at the corners: each
// piece ends where the next begins.
std::vector<Path> SharpenCorners(const Path& fine) {
    const int count = static_cast<int>(fine.size());
    std::vector<double> tangent(count);
    for (int i = 0; i < count; ++i)
        tangent[i] = Tangent(fine, i);
    auto bending = [&](int i) {
        if (i < kTangentArm || i + kTangentArm >= count) return 0.0;
        return Turn(tangent[i - kTangentArm], tangent[i + kTangentArm]) / (2.0 * kTangentArm);
    };
    std::vector<Path> pieces{{}};
    int kept = 0;  // the fine points before this one are in the pieces or cut off
    for (int i = 0; i < count; ++i) {
        const double first = bending(i);
        if (std::abs(first) < kCornerCurvature) continue;
        int end = i;
        while (end + 1 < count && std::abs(bending(end + 1)) >= kCornerCurvature &&
               (bending(end + 1) > 0) == (first > 0)) {
            ++end;
        }
        const int from = std::max(i - kTangentArm, kept);
        const int to = std::min(end + kTangentArm, count - 1);
        const double turn = Turn(tangent[from], tangent[to]);
        const auto corner = Meeting(fine[from], tangent[from], fine[to], tangent[to], to - from);
        if (corner && std::abs(turn) >= kCornerTurn &&
            (std::abs(turn) < kCornerReversal || IsOnPath(*corner, fine, from, to))) {
            pieces.back().insert(pieces.back().end(), fine.begin() + kept, fine.begin() + from + 1);
            pieces.back().push_back(*corner);
            pieces.push_back({*corner});
            kept = to;
        }
        i = end;
    }
    pieces.back().insert(pieces.back().end(), fine.begin() + kept, fine.end());
    return pieces;
}

}  // namespace

std::vector<CPoint> MousePoints(const std::vector<CPointF>& path) {
    if (path.empty()) return {};
    Path fine = Resample(path, kFineStep);
    double length = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i)
        length += Length(path[i - 1], path[i]);
    std::vector<Path> pieces{fine};
    if (length >= kMinReshapeLength) {
        pieces = SharpenCorners(fine);
    }
    // The pointer's moves count from where it went down: the path is shifted so that its
    // start lies on a whole pixel, and a straight start rounds to a straight first leg.
    const CPointF start = pieces.front().front();
    const CPointF shift{std::round(start.x) - start.x, std::round(start.y) - start.y};
    // A mouse slows down into a corner: each corner is a point of its own.
    std::vector<CPoint> points;
    for (Path& piece : pieces) {
        for (CPointF& p : piece) {
            p.x += shift.x;
            p.y += shift.y;
        }
        for (const CPoint& p : SamplePoints(piece, kMouseStep)) {
            if (points.empty() || !(points.back() == p)) points.push_back(p);
        }
    }
    return points;
}

}  // namespace brushly::kanjidb
