#pragma once

#include <vector>

#include "handwriting/CStrokeRecogniser.h"
#include "platform/CPoint.h"

// How faithfully the recognised segments of a stroke follow its KanjiVG path.
namespace brushly::kanjidb {

// A stroke whose segments stray farther than this from its path (pixels) is reported:
// faithful simplifications stay within about 12 px.
inline constexpr double kFarFromPath = 20.0;

// The largest distance from a point of the path to the stroke's segment polyline: the
// segments' start and end points in order, with the upward hook that the L-shape draws at
// the end of a code 13 (32 px high, or 0.75 of the stroke's height when that is less).
// Points nearest to a curve or hook-curve (codes 0, 17 to 34) or a hook (36, 37) do not
// count, as those are drawn as curves that follow the path between their end points. 0 when
// the path or the segments are empty.
double DistanceFromPath(const std::vector<CPoint>& path,
                        const std::vector<CTypedSegment>& segments);

}  // namespace brushly::kanjidb
