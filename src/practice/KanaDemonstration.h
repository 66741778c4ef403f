#pragma once

#include "reference/CKanaData.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

// The kana's reference strokes as a segment list the stroke-order demonstration can play:
// each polyline (in its primary form, the alternative-form offset of x removed) becomes a
// chain of straight kStraightNoArrow segments between its consecutive distinct points, the
// first of each stroke with newStroke 1. A one-point stroke gives one zero-length segment;
// an empty stroke gives none. The result is a fresh list owned by the caller.
CKanjiStrokes KanaDemonstrationStrokes(const CKanaData& kana);

}  // namespace brushly
