#pragma once

#include <map>
#include <string>
#include <vector>

#include "handwriting/CStrokeRecogniser.h"
#include "kanjidb/KanjiVgStrokes.h"
#include "reference/CKanjiStrokes.h"

// Typing KanjiVG strokes into database segments: the recogniser replay of StrokeRecogniser.h,
// the drawing chosen by the KanjiVG stroke type where the checker cannot tell codes apart, and
// the box codes of enclosures. Draw-box pixels throughout.
namespace brushly::kanjidb {

// What classifying a set of characters found, accumulated over calls.
struct CStrokeReport {
    std::map<int, int> segmentsPerType;  // stroke-type code -> number of segments
    int strokes = 0;
    int boxes = 0;         // enclosures given the codes 8 and 9
    int refinedCodes = 0;  // segments whose code the KanjiVG stroke type changed
    int farStrokes = 0;    // strokes farther than kFarFromPath from their path
    std::map<std::string, int> farStrokesPerType;  // KanjiVG stroke type -> far strokes
};

// The database stroke list of one character from its KanjiVG strokes (in writing order, in
// the draw-box frame): each stroke's MousePoints replayed through RecogniseStroke, then
//  - within the codes the checker treats alike, the KanjiVG type picks the drawing: a code
//    11 on a stroke that is not a dot (㇔) becomes 3 (the dot state also catches the heads
//    of long strokes); a one-segment straight stroke becomes 11 for a dot pointing
//    downwards, 1 for a horizontal (㇐) within 15 degrees, the wedge 7 for a sweep (㇒ ㇏);
//    a two-segment L without hook (㇗ ㇄, its foot within 30 degrees of level; ㇟ whose hook
//    was too small to recognise, its foot within 10 degrees) becomes codes 12 and 14. Nothing
//    changes a segment count, a code 15-20 first half, or the family (straight 1-14, curve 21-34,
//    0, 36);
//  - enclosures get the box codes: a one-segment left side running down, directly followed
//    by the top-and-right stroke (two segments, the first near horizontal starting within
//    16 px of the left side's top, the second running down for at least a quarter of the
//    left side's length; not a hooked ㇖ or ㇆ as in 冖 and 月) and later closed by a
//    near-horizontal one-segment bottom that starts within 16 px of the left side's bottom
//    and ends within 16 px of the right side's bottom: code 8 on the left side, code 9 on
//    the bottom. Nested or overlapping candidates keep the one that closes first (回 keeps
//    the inner box), so box groups never interleave.
// Segment end points are integers; the first segment of each stroke has newStroke 1; a stroke
// without points is left out.
// Deterministic: the same strokes always give the same list. Adds to report, counting the
// strokes whose segments lie farther than kFarFromPath from their path (DistanceFromPath of
// StrokeFidelity.h over the path sampled kMouseStep apart).
CKanjiStrokes ClassifyStrokes(const std::vector<CVgStroke>& strokes, CStrokeReport& report);

}  // namespace brushly::kanjidb
