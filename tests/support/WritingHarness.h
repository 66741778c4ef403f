#pragma once

#include <cstdint>
#include <vector>

#include "kanjidb/KanjiVgStrokes.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"
#include "writingeval/StrokeSources.h"

// Writing a character as a person with a mouse would, for the tests and benchmarks of the
// handwriting search and the draw box. Draw-box pixels throughout (x right, y down).
namespace brushly::testing {

// The centre of the square the KanjiVG characters fill in the draw-box frame (x 11 to 179,
// y 0 to 168), about which CHarnessOptions::scale scales.
inline constexpr kanjidb::CPointF kWritingCentre{kanjidb::kFrameLeft + kanjidb::kFrameSquare / 2.0,
                                                 kanjidb::kFrameSquare / 2.0};

struct CHarnessOptions {
    // Each path is scaled by this about kWritingCentre, then moved by offset (pixels),
    // before it is sampled.
    double scale = 1.0;
    kanjidb::CPointF offset{0.0, 0.0};
    // Each sampled point is then moved by up to this many whole pixels along each axis, by
    // a pseudo-random amount that depends only on seed and the point's place in the writing.
    int jitter = 0;
    std::uint32_t seed = 1;
};

// The pen points of each stroke, in writing order: the path scaled and moved as options say,
// written by a steady writingeval hand (points kPenStep apart along the path, no pauses, the
// brush entry kept; never the database generator's sampling, so that the writing can disagree
// with the database), then jittered. A stroke without points gives an empty list.
inline constexpr double kPenStep = 3.0;
std::vector<std::vector<CPoint>> WriteAlongPaths(const std::vector<kanjidb::CVgStroke>& strokes,
                                                 const CHarnessOptions& options = {});

// The drawn stroke list of the written strokes: each stroke's points through RecogniseStroke,
// its segments appended in order, the first of each stroke with newStroke 1 and the others
// with 0. A stroke that gives no segment is left out.
CKanjiStrokes RecogniseWriting(const std::vector<std::vector<CPoint>>& strokes);

// The KanjiVG folder and the reading of one character's file, from the writing evaluation.
using writingeval::KanjiVgDirectory;
using writingeval::ReadKanjiVgCharacter;

}  // namespace brushly::testing
