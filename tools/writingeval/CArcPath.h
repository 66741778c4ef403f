#pragma once

#include <cstddef>
#include <vector>

#include "kanjidb/SvgPath.h"

// A polyline walked by arc length, for writing a stroke's path as a hand would. Points are
// draw-box pixels (x right, y down); lengths are pixels along the polyline.
namespace brushly::writingeval {

using CPointF = kanjidb::CPointF;
// One stroke's path in drawing order.
using CPath = std::vector<CPointF>;

class CArcPath {
public:
    // An empty path has length 0 and At() gives the origin.
    explicit CArcPath(CPath points);

    const CPath& Points() const { return m_points; }
    double Length() const { return m_cumulative.empty() ? 0.0 : m_cumulative.back(); }
    // The point at arc length s from the start, s clamped into 0 to Length().
    CPointF At(double s) const;
    // Direction in radians (atan2 in the y-down frame, so positive turns clockwise on screen)
    // of the chord from At(from) to At(to); 0 when the two points coincide.
    double ChordDirection(double from, double to) const;
    // The path resampled every step pixels of arc length (step > 0), first and last point
    // exact; the last interval may be shorter.
    CPath Resampled(double step) const;
    // The part of the path from arc length s (clamped) to the end: At(s), then every point
    // beyond it.
    CPath Tail(double s) const;

private:
    CPath m_points;
    std::vector<double> m_cumulative;  // arc length up to each point
};

// The path with points inserted along each segment so that consecutive points lie at most
// step pixels apart (step > 0); every given point is kept.
CPath Densified(const CPath& path, double step);

// The smallest angle between two directions in radians, 0 to pi.
double AngleBetween(double a, double b);

}  // namespace brushly::writingeval
