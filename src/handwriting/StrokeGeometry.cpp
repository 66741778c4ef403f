#include "handwriting/StrokeGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace brushly {

namespace {

// Lengths beyond this give no meaningful stroke width and would overflow it.
constexpr double kMaxWidthLength = 1.0e7;

}  // namespace

double Distance(CPoint from, CPoint to) {
    // Integer coordinates: the sum of squares is exact, so the square root is correctly
    // rounded, without the cost of std::hypot's overflow care.
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    return std::sqrt(dx * dx + dy * dy);
}

double DistanceToSegment(CPoint p, CPoint from, CPoint to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double squared = dx * dx + dy * dy;
    double t = 0.0;
    if (squared > 0.0) {
        t = std::clamp(((p.x - from.x) * dx + (p.y - from.y) * dy) / squared, 0.0, 1.0);
    }
    return std::hypot(from.x + t * dx - p.x, from.y + t * dy - p.y);
}

int Direction(CPoint from, CPoint to) {
    const double dx = static_cast<double>(to.x) - from.x;
    const double dy = static_cast<double>(to.y) - from.y;
    return static_cast<int>(std::atan2(dy, dx) * kDegreesPerRadian);
}

int StrokeWidth(double length) {
    if (!(length >= 1.0)) return 0;  // also NaN
    const double whole = std::trunc(std::min(length, kMaxWidthLength));
    return static_cast<int>(std::pow(whole * 10.0 / 200.0, -0.6803) * 0.3241 * whole);
}

std::vector<CPoint> ArcPoints(CPoint p, CPoint q, CPoint c) {
    std::vector<CPoint> points{p};
    const std::int64_t span = std::int64_t{q.x} - p.x;
    if (std::abs(span) < 2) {
        points.push_back(q);
        return points;
    }

    const double dx1 = static_cast<double>(p.x) - c.x;
    const double dy1 = static_cast<double>(p.y) - c.y;
    const double dx2 = static_cast<double>(q.x) - c.x;
    const double dy2 = static_cast<double>(q.y) - c.y;
    const double denominator = dy1 * dy1 * dx2 * dx2 - dy2 * dy2 * dx1 * dx1;
    const double f = denominator != 0.0 ? (dy1 * dy1 - dy2 * dy2) / denominator : 0.0;
    const double inverseBSquared = dy1 != 0.0 ? (1.0 - dx1 * dx1 * f) / (dy1 * dy1) : 0.0;
    // Without both semi-axes real and at least a pixel long there is no ellipse to follow.
    if (!(f > 0.0) || !(inverseBSquared > 0.0)) {
        points.push_back(q);
        return points;
    }
    const double a = std::floor(std::sqrt(1.0 / f));
    const double b = std::floor(std::sqrt(1.0 / inverseBSquared));
    if (!(a >= 1.0) || !(b >= 1.0) || !std::isfinite(a) || !std::isfinite(b)) {
        points.push_back(q);
        return points;
    }

    const double side = c.y < q.y ? 1.0 : -1.0;
    const double low = std::min(p.y, q.y);
    const double high = std::max(p.y, q.y);
    const std::int64_t step = span > 0 ? 1 : -1;
    const std::int64_t inner =
        std::min<std::int64_t>(std::abs(span) - 1, static_cast<std::int64_t>(kMaxArcPoints) - 2);
    for (std::int64_t i = 1; i <= inner; ++i) {
        const int x = static_cast<int>(p.x + step * i);
        const double u = (static_cast<double>(x) - c.x) / a;
        // x may pass the floored semi-axis by less than a pixel: that point lies on the axis.
        const double root = std::sqrt(std::max(0.0, 1.0 - u * u));
        const double y = std::clamp(c.y + side * std::ceil(root * b), low, high);
        points.push_back({x, static_cast<int>(y)});
    }
    points.push_back(q);
    return points;
}

std::vector<CPoint> OutlinePoints(std::span<const COutlinePiece> pieces) {
    std::vector<CPoint> points;
    for (const COutlinePiece& piece : pieces) {
        if (piece.arcEnd) {
            for (const CPoint& point : ArcPoints(piece.vertex, *piece.arcEnd, piece.centre)) {
                if (points.size() == kMaxOutlinePoints) return points;
                points.push_back(point);
            }
        } else {
            if (points.size() == kMaxOutlinePoints) return points;
            points.push_back(piece.vertex);
        }
    }
    return points;
}

void OutlinePolygon(CCanvas& canvas, std::span<const COutlinePiece> pieces) {
    const std::vector<CPoint> points = OutlinePoints(pieces);
    if (!points.empty()) canvas.Polygon(points);
}

}  // namespace brushly
