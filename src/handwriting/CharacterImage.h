#pragma once

#include <optional>

#include "platform/CCanvas.h"
#include "platform/CPoint.h"
#include "reference/CKanjiData.h"

// The built-in character renderer, used for Japanese text when no Japanese font is in use:
// a kanji database record's strokes drawn as a square picture of the character.
namespace brushly {

// The off-screen picture the strokes are drawn into, at their stored coordinates.
inline constexpr int kCharacterImageWidth = 194;
inline constexpr int kCharacterImageHeight = 168;
// The part of that picture that shows the character.
inline constexpr CRect kCharacterSquare{11, 0, 179, 168};
// The side at which the picture is copied pixel for pixel rather than stretched.
inline constexpr int kUnscaledCharacterSide = 170;
// Squares up to this side are stretched by averaging (Halftone), larger ones keep their
// dark strokes (BlackOnWhite).
inline constexpr int kLargestHalftoneSide = 25;
// The faint colour of kRoleGhost characters.
inline constexpr CColor kFaintCharacterColor{235, 235, 235};

// Draws the record's character into `square` of `target` (its width is the side c; the
// square is filled completely). role is kRoleUser (black), kRoleIncorrect (red) or
// kRoleGhost (kFaintCharacterColor); any other role draws like kRoleUser. The background
// is white unless given.
//
// When c >= threshold the strokes are drawn in the brush style into a
// kCharacterImageWidth x kCharacterImageHeight picture filled with the background, and its
// kCharacterSquare is copied to the square: unscaled when c is kUnscaledCharacterSide (the
// 168 rows of the picture, and two rows of background below them), else stretched to the
// square, BlackOnWhite when c > kLargestHalftoneSide and Halftone otherwise. A null record
// or one without strokes is a red cross of 5-pixel lines from (20, 20) to (160, 160) and
// from (160, 20) to (20, 160).
//
// When c < threshold (the cruder renderer, legible down to a few pixels) the square is
// filled with the background and each stroke's centre lines (the simple style's shapes of
// the JoinForRaw copy of the strokes) are scaled from kCharacterSquare to the square and
// drawn as lines with a pen of width max(1, c / 24) in the role's colour, straight into
// the target; the red cross likewise.
//
// Draws nothing for an empty square. The target's pen and brush are left as they were.
void DrawCharacterImage(CCanvas& target, const CKanjiData* record, CRect square, int role,
                        int threshold, std::optional<CColor> background);

}  // namespace brushly
