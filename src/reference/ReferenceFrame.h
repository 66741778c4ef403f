#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/CPoint.h"

namespace brushly {

class CKanjiLibrary;

// The frame reference strokes are drawn in: draw-box pixels, 0 to kReferenceFrameSize on
// each axis. Stored coordinates may stray kReferenceFrameMargin beyond it (strokes drawn to
// the edge, a little overshoot); anything further is damage, not a drawing, and would make
// the routines that work per pixel of distance allocate without bound.
inline constexpr int kReferenceFrameSize = 200;
inline constexpr int kReferenceFrameMargin = 200;
inline constexpr int kMinReferenceCoordinate = -kReferenceFrameMargin;
inline constexpr int kMaxReferenceCoordinate = kReferenceFrameSize + kReferenceFrameMargin;
// A kana point with an x above this belongs to its stroke's primary form only, at
// x - kKanaPrimaryOnlyX, so a kana x may reach kMaxReferenceCoordinate + kKanaPrimaryOnlyX.
inline constexpr int kKanaPrimaryOnlyX = 200;

// A record of the kanji database with a coordinate outside the frame and its margin;
// what() names the record, the stroke and the point (see CoordinateRangeMessage).
class CReferenceRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "The Kanji Database is damaged: RECORD, stroke N has the point (X, Y) outside the drawing
// frame (x LOW to HIGH, y LOW to HIGH)." RECORD is e.g. "kanji 一" or "hiragana こ (ko)".
std::string CoordinateRangeMessage(std::string_view record, int stroke, CPoint point, int maxX);

// Throws CReferenceRangeError at the first kanji segment or kana point (in group order) with
// a coordinate outside the frame and its margin. The trailing strokes are never drawn and
// are not checked.
void CheckReferenceCoordinates(const CKanjiLibrary& library);

}  // namespace brushly
