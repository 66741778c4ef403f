#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "handwriting/CKanaDrawBox.h"
#include "handwriting/CKanjiDrawBox.h"
#include "handwriting/StrokeComparison.h"
#include "reference/CKanjiLibrary.h"
#include "writingeval/CHandVariation.h"

// Judging a written character as the program would: stroke by stroke in the headless draw
// boxes with feedback after each stroke, in the handwriting search, and with its strokes out
// of order or one too many. Points are draw-box pixels (x right, y down).
namespace brushly::writingeval {

// The draw box options of the evaluation: feedback after each stroke, order enforced,
// tolerance 20 (a 40 px distance threshold), autocorrection on, and the type mode
// (kTypeModeExact, kTypeModeSimilar or kTypeModeAny of StrokeComparison.h).
CDrawBoxSettings EvaluationSettings(int typeMode);

// What a box made of one writing.
struct CBoxResult {
    std::vector<int> statuses;  // the box's status after each written stroke
    // The first written stroke the box did not keep as correct; -1 when it kept them all.
    int firstRejected = -1;
    // The box's final status is kStatusCorrect: the caption "Kanji is CORRECT" (or the kana
    // box's "Hiragana is CORRECT" / "Katakana is CORRECT").
    bool correct = false;
};

// Writes each stroke as pen events (down at its first point, a move to each other point, up)
// into the kanji box set to target with EvaluationSettings(typeMode).
CBoxResult WriteKanji(const CKanjiStrokes& target, const CWriting& writing, int typeMode);
// The same in the kana box set to the record's reference strokes.
CBoxResult WriteKana(const CKanaData& kana, KanaBoxMode mode, const CWriting& writing);

// The handwriting search looks this deep.
inline constexpr std::size_t kSearchDepth = 10;

struct CSearchResult {
    int rank = 0;  // 1 to kSearchDepth: the kanji's place among the candidates; 0 missing
    double milliseconds = 0.0;  // the search alone (steady clock)
};

// The writing's strokes through RecogniseStroke into one drawn list (AppendStroke), searched
// with BestMatchesByStrokes for kSearchDepth candidates; where the kanji came.
CSearchResult SearchRank(const CKanjiLibrary& library, const CKanjiRef& kanji,
                         const CWriting& writing);

// The order and extra-stroke checks of one kanji of three or more strokes.
struct COrderResult {
    // The first two strokes swapped: "Incorrect Stroke Order" by the time the second is
    // written (the box flags the early stroke as soon as it is drawn, and drops it from the
    // kept strokes), and not "Kanji is CORRECT" at the end.
    bool swapDetected = false;
    // The first two strokes swapped and yet "Kanji is CORRECT" at the end: never acceptable.
    bool swapAccepted = false;
    // One stroke (not the last) moved to the end: "Incorrect Stroke Order" at some point.
    bool lateDetected = false;
    // A short stroke in the empty corner of the box (ExtraStroke) written before one of the
    // strokes: "Incorrect Stroke(s)" right after it.
    bool extraDetected = false;
};

// Writes the paths three times, rearranged as COrderResult says, each time with the hand
// restarted (so the extra-stroke writing holds the hand's own writing of the character); the
// moved stroke and the place of the extra stroke are drawn from the hand's seed. The extra
// stroke is written with the hand's spacing and pauses but not its placement, so that it
// stays where it is put.
COrderResult CheckOrder(const CKanjiStrokes& target, const CPaths& paths,
                        const CHandVariation& hand, int typeMode);

// A short horizontal path (14 px) in whichever corner region of the draw box lies farthest
// from every segment end of the target.
CPath ExtraStroke(const CKanjiStrokes& target);

}  // namespace brushly::writingeval
