#include "handwriting/StrokeMeasures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "reference/StrokeType.h"

namespace brushly::recognition {

int WrapAngle(int angle) {
    while (angle > 180)
        angle -= 360;
    while (angle < -180)
        angle += 360;
    return angle;
}

double DetourRatio(const SamplePoints& p, int a, int b) {
    const double chord = Distance(p[a], p[b]);
    if (b - a < 2 || chord == 0.0) return 1.0;
    double sum = 0.0;
    for (int s = a + 1; s < b; ++s)
        sum += Distance(p[a], p[s]) + Distance(p[s], p[b]);
    return sum == 0.0 ? 1.0 : sum / (b - a - 1) / chord;
}

int RunningDirection(const SamplePoints& p, int a, int b) {
    const int count = b - a + 1;
    if (count < 3) return Direction(p[a], p[b]);
    double meanX = 0.0;
    double meanY = 0.0;
    for (int i = a; i <= b; ++i) {
        meanX += p[i].x;
        meanY += p[i].y;
    }
    meanX /= count;
    meanY /= count;
    double sxx = 0.0;
    double syy = 0.0;
    double sxy = 0.0;
    for (int i = a; i <= b; ++i) {
        const double dx = p[i].x - meanX;
        const double dy = p[i].y - meanY;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    const double axis = 0.5 * std::atan2(2.0 * sxy, sxx - syy);
    CPoint towards{static_cast<int>(std::lround(1000.0 * std::cos(axis))),
                   static_cast<int>(std::lround(1000.0 * std::sin(axis)))};
    if (towards.x * (p[b].x - p[a].x) + towards.y * (p[b].y - p[a].y) < 0) {
        towards = {-towards.x, -towards.y};
    }
    return Direction({0, 0}, towards);
}

CPoint Smoothed(CPoint a, CPoint b, CPoint c) {
    return {static_cast<int>(std::lround((a.x + 2.0 * b.x + c.x) / 4.0)),
            static_cast<int>(std::lround((a.y + 2.0 * b.y + c.y) / 4.0))};
}

CBend FindBend(const SamplePoints& p, int first, int last) {
    CBend bend;
    for (int c = first + 1; c < last; ++c) {
        if (Distance(p[first], p[c]) <= kBendArm || Distance(p[c], p[last]) <= kBendArm) continue;
        const int turn = WrapAngle(Direction(p[c], p[last]) - Direction(p[first], p[c]));
        if (bend.index < 0 || std::abs(turn) > std::abs(bend.turn)) bend = {c, turn};
    }
    return bend;
}

int EntryLength(const SamplePoints& samples) {
    constexpr int kLeg = 2;
    constexpr int kRun = 6;
    constexpr int kMaxEntry = 2;
    for (int c = 0; c <= kMaxEntry && c + kLeg + kRun < static_cast<int>(samples.size()); ++c) {
        const int leg = Direction(samples[c], samples[c + kLeg]);
        const int run = Direction(samples[c + kLeg], samples[c + kLeg + kRun]);
        if (std::abs(WrapAngle(run - leg)) <= kEntryTurn) return c;
    }
    return 0;
}

CShape Measure(const SamplePoints& p, int a, int b) {
    CShape shape;
    shape.chord = Distance(p[a], p[b]);
    shape.direction = Direction(p[a], p[b]);
    const int mid = (a + b) / 2;
    shape.halfTurn = WrapAngle(Direction(p[mid], p[b]) - Direction(p[a], p[mid]));
    int legEnd = a + 1;
    while (legEnd < b && Distance(p[a], p[legEnd]) <= kBendArm)
        ++legEnd;
    shape.firstLeg = Direction(p[a], p[std::min(legEnd, b)]);
    int legStart = b - 1;
    while (legStart > a && Distance(p[legStart], p[b]) <= kBendArm)
        --legStart;
    shape.lastLeg = Direction(p[std::max(legStart, a)], p[b]);
    shape.detour = DetourRatio(p, a, b);
    return shape;
}

int CurveCode(double detour) {
    if (detour <= 1.004) return kStraightNoArrow;
    if (detour < 1.016) return kCurve;
    if (detour < 1.025) return kExtraCurve;
    if (detour < 1.041) return kSharpCurve;
    return kExtraSharpCurve;
}

int PlainCode(const CShape& s) {
    const int d = s.direction;
    if (s.chord < 10.0 || d > 170 || d < -45) return kStraightNoArrow;
    if (d <= 9) {
        if (s.detour > 1.004 && s.halfTurn >= 0) return kStraightNoArrowRectOnly;
        if (s.detour > 1.012 && s.halfTurn < 0) return kStraightNoRect;
        return kStraightNoArrow;
    }
    if ((d <= 90 && s.halfTurn < 0) || (d >= 91 && s.halfTurn >= 0)) return CurveCode(s.detour);
    if (d <= 90 && s.detour > 1.008) {
        if (s.detour >= 1.1 && d > 59 && s.chord >= 30.0) return kChook;
        if (d <= 80 && s.chord >= 15.0) return kTeardrop;
    }
    return kStraightNoArrow;
}

}  // namespace brushly::recognition
