#include "writingeval/CArcPath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brushly::writingeval {

CArcPath::CArcPath(CPath points) : m_points(std::move(points)) {
    m_cumulative.reserve(m_points.size());
    double length = 0.0;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (i > 0) {
            length +=
                std::hypot(m_points[i].x - m_points[i - 1].x, m_points[i].y - m_points[i - 1].y);
        }
        m_cumulative.push_back(length);
    }
}

CPointF CArcPath::At(double s) const {
    if (m_points.empty()) return {};
    if (s <= 0.0) return m_points.front();
    if (s >= Length()) return m_points.back();
    // The first point at or beyond s; s > 0 puts it after the first point.
    const auto after = std::lower_bound(m_cumulative.begin(), m_cumulative.end(), s);
    const auto i = static_cast<std::size_t>(after - m_cumulative.begin());
    const double span = m_cumulative[i] - m_cumulative[i - 1];
    const double t = span > 0.0 ? (s - m_cumulative[i - 1]) / span : 0.0;
    const CPointF a = m_points[i - 1];
    const CPointF b = m_points[i];
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

double CArcPath::ChordDirection(double from, double to) const {
    const CPointF a = At(from);
    const CPointF b = At(to);
    if (a == b) return 0.0;
    return std::atan2(b.y - a.y, b.x - a.x);
}

CPath CArcPath::Resampled(double step) const {
    if (m_points.size() < 2) return m_points;
    CPath result;
    const double length = Length();
    for (double s = 0.0; s < length; s += step)
        result.push_back(At(s));
    result.push_back(m_points.back());
    return result;
}

CPath CArcPath::Tail(double s) const {
    if (m_points.empty()) return {};
    CPath result{At(s)};
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (m_cumulative[i] > s) result.push_back(m_points[i]);
    }
    return result;
}

CPath Densified(const CPath& path, double step) {
    CPath result;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i > 0) {
            const CPointF a = path[i - 1];
            const CPointF b = path[i];
            const int pieces = static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / step));
            for (int k = 1; k < pieces; ++k) {
                const double t = static_cast<double>(k) / pieces;
                result.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
            }
        }
        result.push_back(path[i]);
    }
    return result;
}

double AngleBetween(double a, double b) {
    const double difference = std::fmod(std::abs(a - b), 2.0 * std::numbers::pi);
    return difference > std::numbers::pi ? 2.0 * std::numbers::pi - difference : difference;
}

}  // namespace brushly::writingeval
