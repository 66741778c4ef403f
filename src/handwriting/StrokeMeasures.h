#pragma once

#include <cstddef>
#include <vector>

#include "handwriting/StrokeGeometry.h"
#include "platform/CPoint.h"

// What the stroke recogniser measures in the sampled points of a stroke, and the plain
// classification of a segment by those measures. Draw-box pixels (x right, y down); directions
// and turns in whole degrees as Direction gives them, positive turns clockwise on screen.
// Point indices a <= b lie inside the given points.
namespace brushly::recognition {

using SamplePoints = std::vector<CPoint>;

// Both arms of a bend, and the first and last legs of a segment, are longer than this.
inline constexpr double kBendArm = 5.0;

// angle wrapped into -180..180.
int WrapAngle(int angle);

// Mean of (|a s| + |s b|) / |a b| over the points s strictly between a and b; 1 when there is
// none, the sum is 0, or a and b coincide. 1 for a straight run, larger the more it curves.
double DetourRatio(const SamplePoints& p, int a, int b);

// The direction in which the points a..b run: their principal axis, oriented from p[a] towards
// p[b], so that a wobble of the hand barely moves it.
int RunningDirection(const SamplePoints& p, int a, int b);

// The mouse point b smoothed with its neighbours a and c, weights 1, 2, 1.
CPoint Smoothed(CPoint a, CPoint b, CPoint c);

struct CBend {
    int index = -1;  // the bend point, -1 when no point qualifies
    int turn = 0;
};

// Over p[first..last]: the point with the largest absolute turn, direction c -> last minus
// direction first -> c (the first on ties), among those more than kBendArm from both ends.
CBend FindBend(const SamplePoints& p, int first, int last);

// The samples a stroke has when its start is judged for a brush-like entry: about 30 px.
inline constexpr std::size_t kEntrySamples = 11;

// How many of the first samples (taken kSampleStep apart, unsmoothed; at least kEntrySamples
// of them) form an entry twist, 0 to 2: the first sample c from which a leg of two samples
// runs on within kEntryTurn degrees of the six samples after it. 0 when the stroke runs
// straight from its first sample, or when no such sample comes (a curve from the start).
int EntryLength(const SamplePoints& samples);
inline constexpr int kEntryTurn = 12;

// What the classification looks at in the points a..b.
struct CShape {
    double chord = 0.0;
    int direction = 0;  // P
    int halfTurn = 0;   // t: direction mid->b minus direction a->mid
    int firstLeg = 0;   // u: a to the first point more than kBendArm from it
    int lastLeg = 0;    // v: the last point more than kBendArm from b, to b
    double detour = 1.0;
};

CShape Measure(const SamplePoints& p, int a, int b);

// The curve code of a segment by its detour ratio: straight, then ever sharper curves.
int CurveCode(double detour);

// The plain classification of a segment by its shape.
int PlainCode(const CShape& s);

}  // namespace brushly::recognition
