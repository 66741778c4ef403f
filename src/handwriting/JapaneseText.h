#pragma once

#include <string>
#include <string_view>

#include "platform/CCanvas.h"
#include "platform/CPoint.h"
#include "reference/CKanjiLibrary.h"

// Drawing Japanese (Shift-JIS) text on a canvas, with a Japanese font or, when none is
// installed, with the built-in character renderer.
namespace brushly {

// How the program shows Japanese text for the whole run.
enum class CJapaneseFontMode : int {
    kBuiltIn = 0,   // no Japanese font: characters are drawn from the stroke data
    kMsMincho = 1,  // "MS Mincho" is installed and used
    kOtherFace = 2  // another Japanese font is installed and the chosen one is used
};

// What DrawJapaneseText needs of the font decisions.
struct CJapaneseTextStyle {
    CJapaneseFontMode mode = CJapaneseFontMode::kMsMincho;
    // The font's family (UTF-8) in modes kMsMincho and kOtherFace.
    std::string face = "MS Mincho";
    // The "emulate" setting: in kBuiltIn, characters smaller than this are drawn in the
    // cruder line style (see DrawCharacterImage).
    int threshold = 0;
    // The strokes of kanji and kana in kBuiltIn; not owned. Null draws every kanji as the
    // red cross of a character without strokes, and kana as text.
    const CKanjiLibrary* library = nullptr;
};

struct CJapaneseTextLayout {
    // A white box with the current pen around the text, which is then drawn horizontally,
    // inset by size / 12 (vertical is not looked at).
    bool boxed = false;
    // One character under the other, top to bottom.
    bool vertical = false;
    // 1-based index of a character to mark with a red line; 0 for none.
    int marker = 0;
};

// The small kana (ゃゅょっャュョッァィゥェォ) that vertical text shifts right by
// trunc(0.2 x size).
bool IsSmallKana(std::string_view character);

// Draws Shift-JIS text with characters of `size` pixels, its top-left corner at origin,
// in the canvas's current pen colour with a transparent background.
//
// With a font (modes kMsMincho and kOtherFace) the text is converted to UTF-16 and drawn
// with CFont{style.face, size, 400}:
// - boxed: first the rectangle from origin, n x size / 2 + size / 6 wide (the first term
//   exact, the sum truncated; n the length in bytes) and ceil(1.125 x size) high, outlined
//   with the current pen and filled white; then the text at origin + (size / 12, size / 12);
// - vertical: one character at a time at origin + (0, i x size), small kana shifted right
//   by trunc(0.2 x size), and every long-vowel mark ー after the first character drawn as
//   the vertical stroke 丨;
// - otherwise the whole text at origin.
// marker > 0 then draws a solid red line 1 pixel wide: in vertical text from
// (x, y + marker x size) to (x + size, y + marker x size), in horizontal text the underline
// from (x + (marker - 1) x size, y + size) to (x + marker x size, y + size).
//
// In kBuiltIn the positions are the same, each character taking a square of side size
// (half as wide for a single byte when horizontal): a kanji (lead byte 0x88 and above) is
// drawn by DrawCharacterImage with style.threshold in kRoleUser on white; a kana from its
// record's strokes (primary forms) as lines scaled from the 200 x 200 draw area, the pen
// size / 12 wide at or above the threshold and size / 24 below (at least 1); ー and 丨 as a
// line across the middle of the square; any other character as text in the default
// Japanese font (CFont with an empty face). The pen and brush are left as they were.
void DrawJapaneseText(CCanvas& canvas, const CJapaneseTextStyle& style, std::string_view text,
                      int size, CPoint origin, const CJapaneseTextLayout& layout = {});

}  // namespace brushly
