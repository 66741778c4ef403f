#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "handwriting/CDrawBoxFrame.h"
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
class CKanaDrawBoxWidget final : public CDrawBoxFrame {
public:
    // The Draw View's box: Ghost, Hint, Back and Erase.
    explicit CKanaDrawBoxWidget(QWidget* parent = nullptr);
    CKanaDrawBoxWidget(Buttons buttons, QWidget* parent);

    // The box shown, for reading its state; change it through the calls below so that the
    // window redraws.
    const CKanaDrawBox& DrawBox() const { return m_box; }

    // Starts a kana (or a kanji's converted strokes): forwards to CKanaDrawBox::SetKana.
    void SetKana(std::vector<CPolyline> reference, KanaBoxMode mode,
                 const CKanaBoxSettings& settings);
    // Runs a host command on the box (such as FixOrder, Hint or Check), redraws and reports.
    void Run(const std::function<void(CKanaDrawBox&)>& command);

protected:
    void PenDown(CPoint point) override { m_box.PenDown(point); }
    void PenMove(CPoint point) override { m_box.PenMove(point); }
    void PenUp() override { m_box.PenUp(); }
    bool Drawing() const override { return m_box.Drawing(); }
    void Back() override { m_box.Back(); }
    void EraseAll() override { m_box.EraseAll(); }
    void Hint() override { m_box.Hint(); }
    void ToggleGhost(const std::string& character) override { m_box.ToggleGhost(character); }
    const std::string& GhostText() const override { return m_box.GhostText(); }
    int Status() const override { return m_box.Status(); }
    std::string Caption() const override { return m_box.Caption(); }
    void ComposePicture() override;

private:
    CKanaDrawBox m_box;
};

}  // namespace brushly
