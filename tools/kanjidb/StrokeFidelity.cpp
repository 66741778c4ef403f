#include "kanjidb/StrokeFidelity.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "reference/StrokeType.h"

namespace brushly::kanjidb {

namespace {

constexpr int kLHookHeight = 32;
constexpr double kLHookShare = 0.75;

// A straight piece of the polyline; uncounted pieces stand for a curve drawn along the path.
struct CPiece {
    CPoint from;
    CPoint to;
    bool counted = true;
};

bool IsDrawnAlongThePath(int type) {
    return type == kChook || (type >= kCurveVe && type <= kExtraSharpCurveFlushMir) ||
           type == kHook || type == kHookStem;
}

std::vector<CPiece> Polyline(const std::vector<CTypedSegment>& segments) {
    int top = std::numeric_limits<int>::max();
    int bottom = std::numeric_limits<int>::min();
    for (const CTypedSegment& s : segments) {
        top = std::min({top, s.start.y, s.end.y});
        bottom = std::max({bottom, s.start.y, s.end.y});
    }
    const int hook = std::min(kLHookHeight, static_cast<int>(kLHookShare * (bottom - top)));
    std::vector<CPiece> pieces;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const CTypedSegment& s = segments[i];
        if (i > 0) pieces.push_back({segments[i - 1].end, s.start});
        pieces.push_back({s.start, s.end, !IsDrawnAlongThePath(s.type)});
        if (s.type == kLHookEnd) pieces.push_back({s.end, {s.end.x, s.end.y - hook}});
    }
    return pieces;
}

}  // namespace

double DistanceFromPath(const std::vector<CPoint>& path,
                        const std::vector<CTypedSegment>& segments) {
    if (segments.empty()) return 0.0;
    const std::vector<CPiece> pieces = Polyline(segments);
    double farthest = 0.0;
    for (const CPoint& p : path) {
        const CPiece* nearest = nullptr;
        double distance = std::numeric_limits<double>::max();
        for (const CPiece& piece : pieces) {
            const double d = DistanceToSegment(p, piece.from, piece.to);
            if (d < distance) {
                distance = d;
                nearest = &piece;
            }
        }
        if (nearest->counted) farthest = std::max(farthest, distance);
    }
    return farthest;
}

}  // namespace brushly::kanjidb
