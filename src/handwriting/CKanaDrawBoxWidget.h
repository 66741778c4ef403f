#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "handwriting/CDrawBoxWindow.h"
#include "handwriting/CKanaDrawBox.h"

namespace brushly {

// The free-hand draw box window for kana, and for kanji under Raw Input: the frame of the
// kanji draw box (caption bar, 200 x 200 drawing area, button row; see CDrawBoxFrame)
// over a CKanaDrawBox, which it owns. The mouse goes to the box as raw pen points; the
// picture shows, over the dotted centre line, the ghost (the reference strokes' primary
// forms in light grey, or the ghost character in a font), the user's strokes in black, the
// green frame 10 pixels wide when the kana is correct, and, while no stroke is drawn, the
// incorrect strokes in red, the out-of-order ones in blue and the hint in magenta (circles
// round the next stroke's start, then also its end, then the stroke). Strokes are lines 3
// pixels wide in the brush style and 8 in the simple style.
class CKanaDrawBoxWidget final : public CDrawBoxWindow<CKanaDrawBox> {
public:
    // The Draw View's box: Ghost, Hint, Back and Erase.
    explicit CKanaDrawBoxWidget(QWidget* parent = nullptr);
    CKanaDrawBoxWidget(Buttons buttons, QWidget* parent);

    // Starts a kana (or a kanji's converted strokes): forwards to CKanaDrawBox::SetKana.
    void SetKana(std::vector<CPolyline> reference, KanaBoxMode mode,
                 const CKanaBoxSettings& settings);

protected:
    void ComposePicture() override;
};

}  // namespace brushly
