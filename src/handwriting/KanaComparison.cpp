#include "handwriting/KanaComparison.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "handwriting/SimpleShapes.h"
#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeType.h"

namespace brushly {

namespace {

// The ends may lie this many tolerances from the reference's ends and still count as close;
// twice as far rejects the stroke outright.
constexpr double kEndReachPerTolerance = 1.7;
constexpr std::size_t kMinUserPoints = 5;
// Bounding-box areas (px^2) are compared in units of kAreaUnit / 100 px^2.
constexpr std::int64_t kAreaUnit = 34000;
constexpr std::int64_t kMaxAreaDifference = 15;
// Point counts are compared in units of kCountUnit / 100 points.
constexpr std::int64_t kCountUnit = 500;
constexpr std::int64_t kMaxCountDifference = 20;
// The mean-distance limit by the reference's point count: kShortLimit reaches up to
// kShortReference points, kLongLimit reaches beyond kLongReference points, and in between
// kMiddleBase pixels plus the difference of the two limits spread over the 400 points.
constexpr std::size_t kShortReference = 50;
constexpr std::size_t kLongReference = 450;
constexpr double kShortLimit = 0.4;
constexpr double kLongLimit = 0.9;
constexpr double kMiddleBase = 10.0;

// ceil(numerator / denominator) in exact integer arithmetic; denominator != 0.
std::int64_t CeilDiv(std::int64_t numerator, std::int64_t denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const std::int64_t quotient = numerator / denominator;
    return numerator % denominator != 0 && numerator > 0 ? quotient + 1 : quotient;
}

// One densifying pass: a point for every integer value of `along` strictly between those
// of consecutive points, `across` interpolated and rounded up.
std::vector<CPoint> InsertSteps(std::span<const CPoint> stroke, int CPoint::*along,
                                int CPoint::*across) {
    std::vector<CPoint> result;
    for (std::size_t i = 0; i < stroke.size(); ++i) {
        if (i > 0) {
            const CPoint a = stroke[i - 1];
            const CPoint b = stroke[i];
            const int span = b.*along - a.*along;
            const int rise = b.*across - a.*across;
            const int step = span > 0 ? 1 : -1;
            for (int offset = step; std::abs(offset) < std::abs(span); offset += step) {
                CPoint point;
                point.*along = a.*along + offset;
                point.*across =
                    a.*across + static_cast<int>(CeilDiv(std::int64_t{offset} * rise, span));
                result.push_back(point);
            }
        }
        result.push_back(stroke[i]);
    }
    return result;
}

bool WithinDensifyReach(CPoint a, CPoint b) {
    return std::abs(std::int64_t{b.x} - a.x) <= kMaxDensifySteps &&
           std::abs(std::int64_t{b.y} - a.y) <= kMaxDensifySteps;
}

// a, kMaxDensifySteps - 1 points evenly spread towards b, then b.
std::vector<CPoint> SpreadSteps(CPoint a, CPoint b) {
    std::vector<CPoint> result{a};
    result.reserve(kMaxDensifySteps + 1);
    const double dx = static_cast<double>(std::int64_t{b.x} - a.x) / kMaxDensifySteps;
    const double dy = static_cast<double>(std::int64_t{b.y} - a.y) / kMaxDensifySteps;
    for (int k = 1; k < kMaxDensifySteps; ++k) {
        result.push_back(
            {static_cast<int>(a.x + std::ceil(dx * k)), static_cast<int>(a.y + std::ceil(dy * k))});
    }
    result.push_back(b);
    return result;
}

// The extreme coordinates of a non-empty point list (inclusive).
struct CExtremes {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    std::int64_t Area() const { return std::int64_t{Width()} * Height(); }
};

CExtremes ExtremesOf(std::span<const CPoint> points) {
    CExtremes box{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const CPoint point : points) {
        box.left = std::min(box.left, point.x);
        box.top = std::min(box.top, point.y);
        box.right = std::max(box.right, point.x);
        box.bottom = std::max(box.bottom, point.y);
    }
    return box;
}

std::vector<CPoint> Shifted(std::span<const CPoint> points, int dx, int dy) {
    std::vector<CPoint> result;
    result.reserve(points.size());
    for (const CPoint point : points)
        result.push_back({point.x + dx, point.y + dy});
    return result;
}

// The longer list thinned towards `count` points: with n its size and k = n / (n - count),
// the points at the indices ceil(k), ceil(2k), ... below n are dropped (the first point is
// always kept). A list no longer than `count` is returned whole.
std::vector<CPoint> Thinned(std::span<const CPoint> points, std::size_t count) {
    const auto n = static_cast<std::int64_t>(points.size());
    const auto surplus = n - static_cast<std::int64_t>(count);
    if (surplus <= 0) return {points.begin(), points.end()};
    std::vector<CPoint> kept;
    kept.reserve(count + 1);
    std::int64_t multiple = 1;
    std::int64_t dropped = CeilDiv(n, surplus);
    for (std::int64_t i = 0; i < n; ++i) {
        if (i == dropped) {
            ++multiple;
            dropped = CeilDiv(multiple * n, surplus);
            continue;
        }
        kept.push_back(points[static_cast<std::size_t>(i)]);
    }
    return kept;
}

// Mean distance (px) of corresponding points once the longer list has been thinned, index
// by index over the shorter list. Both lists non-empty.
double MeanDistance(std::span<const CPoint> a, std::span<const CPoint> b) {
    const std::vector<CPoint> first = Thinned(a, b.size());
    const std::vector<CPoint> second = Thinned(b, a.size());
    const std::size_t count = std::min(first.size(), second.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i)
        sum += Distance(first[i], second[i]);
    return sum / static_cast<double>(count);
}

// The mean-distance limit (px) for a reference of `count` points.
double MatchLimit(std::size_t count, double reach) {
    if (count <= kShortReference) return kShortLimit * reach;
    if (count > kLongReference) return kLongLimit * reach;
    return kMiddleBase + static_cast<double>(count - kShortReference) * (kLongLimit - kShortLimit) *
                             reach / static_cast<double>(kLongReference - kShortReference);
}

// A coordinate of the user's stroke (relative to its box origin) scaled from the user's
// extent to the reference's, rounded up; with no user extent, half the reference's.
int ScaledCoordinate(int value, int userExtent, int referenceExtent) {
    if (userExtent == 0) return static_cast<int>(CeilDiv(referenceExtent, 2));
    return static_cast<int>(CeilDiv(std::int64_t{value} * referenceExtent, userExtent));
}

// Mean distance once both strokes sit at their box origins and the user's stroke has been
// stretched per axis to the reference's box and densified again.
double ScaledMeanDistance(std::span<const CPoint> user, std::span<const CPoint> reference) {
    const CExtremes userBox = ExtremesOf(user);
    const CExtremes referenceBox = ExtremesOf(reference);
    std::vector<CPoint> scaled;
    scaled.reserve(user.size());
    for (const CPoint point : user) {
        scaled.push_back(
            {ScaledCoordinate(point.x - userBox.left, userBox.Width(), referenceBox.Width()),
             ScaledCoordinate(point.y - userBox.top, userBox.Height(), referenceBox.Height())});
    }
    scaled.erase(std::unique(scaled.begin(), scaled.end()), scaled.end());
    return MeanDistance(Densify(scaled), Shifted(reference, -referenceBox.left, -referenceBox.top));
}

bool IsStraightCode(int type) {
    return (type >= kStraight && type <= kAfterCurve) || type == kStraightBc ||
           type == kStraightBsc;
}

void AppendPoint(std::vector<CPoint>& polyline, CPoint point) {
    if (polyline.empty() || polyline.back() != point) polyline.push_back(point);
}

}  // namespace

std::vector<CPoint> Densify(std::span<const CPoint> stroke) {
    // Both passes only ever fill in between two given points, so each pair is done alone.
    std::vector<CPoint> result;
    for (std::size_t i = 0; i < stroke.size(); ++i) {
        if (i == 0) {
            result.push_back(stroke[0]);
            continue;
        }
        const std::array<CPoint, 2> pair{stroke[i - 1], stroke[i]};
        const std::vector<CPoint> filled =
            WithinDensifyReach(pair[0], pair[1])
                ? InsertSteps(InsertSteps(pair, &CPoint::x, &CPoint::y), &CPoint::y, &CPoint::x)
                : SpreadSteps(pair[0], pair[1]);
        result.insert(result.end(), filled.begin() + 1, filled.end());  // pair[0] is in
    }
    return result;
}

std::vector<CPoint> PrimaryForm(std::span<const CPoint> reference) {
    std::vector<CPoint> form(reference.begin(), reference.end());
    for (CPoint& point : form)
        if (point.x > kAlternativeX) point.x -= kAlternativeX;
    return form;
}

std::optional<std::vector<CPoint>> AlternativeForm(std::span<const CPoint> reference) {
    const bool closed = reference.size() >= 3 && reference.front() == reference.back();
    std::vector<CPoint> form;
    for (const CPoint point : reference)
        if (point.x <= kAlternativeX) form.push_back(point);
    if (!closed && form.size() == reference.size()) return std::nullopt;
    if (closed && !form.empty()) {
        const int axis = form.front().x;
        for (CPoint& point : form)
            point.x = 2 * axis - point.x;
    }
    return form;
}

CPolylineMatch ComparePolyline(std::span<const CPoint> user, std::span<const CPoint> reference,
                               int tolerance) {
    if (user.empty() || reference.empty()) return {};
    const double reach = kEndReachPerTolerance * tolerance;
    const double startGap = Distance(user.front(), reference.front());
    const double endGap = Distance(user.back(), reference.back());
    CPolylineMatch result{false, (startGap + endGap) / 2.0};
    if (user.size() < kMinUserPoints) return result;
    if (startGap > 2.0 * reach || endGap > 2.0 * reach) return result;
    const bool endsClose = startGap <= reach && endGap <= reach;

    const std::int64_t areaDifference =
        (ExtremesOf(user).Area() - ExtremesOf(reference).Area()) * 100 / kAreaUnit;
    if (std::abs(areaDifference) > kMaxAreaDifference) return result;
    const auto countDifference = std::abs(static_cast<std::int64_t>(user.size()) -
                                          static_cast<std::int64_t>(reference.size()));
    if (countDifference * 100 / kCountUnit > kMaxCountDifference) return result;

    const double limit = MatchLimit(reference.size(), reach);
    if (MeanDistance(user, reference) < limit) {
        result.matched = true;
    } else if (endsClose) {
        const CPoint toStart{reference.front().x - user.front().x,
                             reference.front().y - user.front().y};
        const CPoint toEnd{reference.back().x - user.back().x, reference.back().y - user.back().y};
        result.matched = MeanDistance(Shifted(user, toStart.x, toStart.y), reference) < limit ||
                         MeanDistance(Shifted(user, toEnd.x, toEnd.y), reference) < limit ||
                         ScaledMeanDistance(user, reference) < limit;
    }
    return result;
}

std::vector<std::vector<CPoint>> StrokesToPolylines(const CKanjiStrokes& strokes) {
    CKanjiStrokes joined(strokes);
    joined.JoinForRaw();
    std::vector<std::vector<CPoint>> polylines;
    bool inStroke = false;
    std::size_t index = 0;
    while (index < joined.Size()) {
        const CStrokeData& segment = joined[index];
        if (segment.newStroke != 0) {
            polylines.emplace_back();
            inStroke = true;
        }
        std::size_t consumed = 1;
        std::vector<CPoint> points;
        if (IsStraightCode(segment.type)) {
            points = {segment.start, segment.end};
        } else {
            const CSimpleShape shape = SimpleSegmentShape(joined, index);
            consumed = std::max<std::size_t>(shape.consumed, 1);
            for (const std::vector<CPoint>& line : shape.lines)
                points.insert(points.end(), line.begin(), line.end());
        }
        if (inStroke)
            for (const CPoint point : points)
                AppendPoint(polylines.back(), point);
        index += consumed;
    }
    std::erase_if(polylines, [](const std::vector<CPoint>& polyline) { return polyline.empty(); });
    return polylines;
}

}  // namespace brushly
