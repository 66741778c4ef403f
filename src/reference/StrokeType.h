#pragma once

#include <string_view>

namespace brushly {

// Stroke-type codes of a CStrokeData segment, as stored in the kanji database. Codes
// 15 to 20 are first halves of a bent stroke that the comparison joins with the segment
// after it into one kCompStroke piece; kCompStroke itself is never stored.
enum StrokeType : int {
    kNoType = -1,  // a fresh segment; any code outside 0..37 is named like it
    kChook = 0,
    kStraight = 1,
    kStraightHalfArrow = 2,
    kStraightNoArrow = 3,
    kStraightRectOnly = 4,
    kStraightHalfRectOnly = 5,
    kStraightNoArrowRectOnly = 6,
    kStraightNoRect = 7,
    kBoxBegin = 8,  // opens a box group that a later kBoxEnd closes
    kBoxEnd = 9,
    kAfterCurve = 10,
    kTeardrop = 11,
    kLHookBegin = 12,  // vertical part of an L; always followed by kLHookEnd or kLNoHookEnd
    kLHookEnd = 13,
    kLNoHookEnd = 14,
    kStraightBc = 15,
    kStraightBsc = 16,
    kCurveVe = 17,
    kExtraCurveVe = 18,
    kSharpCurveVe = 19,
    kExtraSharpCurveVe = 20,
    kCurve = 21,
    kExtraCurve = 22,
    kCurveFlush = 23,
    kExtraCurveFlush = 24,
    kSharpCurve = 25,
    kExtraSharpCurve = 26,
    kSuperSharpCurve = 27,
    kSharpCurveFlush = 28,
    kExtraSharpCurveFlush = 29,
    kSuperSharpCurveFlush = 30,
    kCurveFlushMir = 31,
    kExtraCurveFlushMir = 32,
    kSharpCurveFlushMir = 33,
    kExtraSharpCurveFlushMir = 34,
    kCompStroke = 35,
    kHook = 36,
    kHookStem = 37,
};

// Number of named codes, 0 to kStrokeTypeCount - 1.
inline constexpr int kStrokeTypeCount = 38;

// The program's name for a code ("CHOOK", "STR", ...); "no type" for any other value.
std::string_view StrokeTypeName(int code);

}  // namespace brushly
