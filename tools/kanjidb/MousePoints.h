#pragma once

#include <vector>

#include "kanjidb/SvgPath.h"
#include "platform/CPoint.h"

// The mouse points the recogniser replay is fed with for a KanjiVG stroke.
namespace brushly::kanjidb {

// Spacing of the mouse-like samples the replay is fed with, in pixels.
inline constexpr double kMouseStep = 3.0;

// The points of a flattened KanjiVG path (draw-box frame) as a mouse drawing the stroke gives
// them: SamplePoints kMouseStep apart, counted from a start on a whole pixel (the path is
// shifted by less than a pixel, so that a straight start gives a straight first leg). In a
// stroke of 40 px or more, the brush's rounding of its corners is left out first: they become
// sharp corners that are points of their own (a hook turning back by 120 degrees or more keeps
// its rounding). The twist of the brush's entry stays: the recogniser skips it, for the
// database as for a hand that makes one. Nothing when the path is empty.
std::vector<CPoint> MousePoints(const std::vector<CPointF>& path);

}  // namespace brushly::kanjidb
