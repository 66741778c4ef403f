#include "handwriting/CPointerSampler.h"

#include <algorithm>
#include <cmath>

namespace brushly {

CPointerSampler::CPointerSampler(double step) : m_step(step) {}

void CPointerSampler::Add(CPoint position, std::vector<CPoint>& samples) {
    if (!m_started) {
        m_started = true;
        m_position = position;
        m_sample = {static_cast<double>(position.x), static_cast<double>(position.y)};
        m_roundedSample = position;
        samples.push_back(position);
        return;
    }
    // Walk the pointer's move from the last position: a sample falls where the move first
    // reaches m_step from the sample before it. |a + t d - s|^2 = step^2 is a convex quadratic
    // in t whose value lies below step^2 where the walk stands, so the crossing ahead is its
    // larger root.
    const CPointD a{static_cast<double>(m_position.x), static_cast<double>(m_position.y)};
    const CPointD d{position.x - a.x, position.y - a.y};
    const double dd = d.x * d.x + d.y * d.y;
    m_position = position;
    if (dd == 0.0) return;
    double walked = 0.0;
    for (;;) {
        const CPointD from{a.x - m_sample.x, a.y - m_sample.y};
        const double b = from.x * d.x + from.y * d.y;
        const double c = from.x * from.x + from.y * from.y - m_step * m_step;
        const double t = (-b + std::sqrt(std::max(b * b - dd * c, 0.0))) / dd;
        if (t > 1.0 || t <= walked) return;
        walked = t;
        m_sample = {a.x + t * d.x, a.y + t * d.y};
        m_roundedSample = {static_cast<int>(std::lround(m_sample.x)),
                           static_cast<int>(std::lround(m_sample.y))};
        samples.push_back(m_roundedSample);
    }
}

std::optional<CPoint> CPointerSampler::Finish() const {
    if (!m_started || m_position == m_roundedSample) return std::nullopt;
    return m_position;
}

}  // namespace brushly
