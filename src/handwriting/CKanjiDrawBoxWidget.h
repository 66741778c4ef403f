#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "handwriting/CDrawBoxFrame.h"
#include "handwriting/CKanjiDrawBox.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

// The kanji draw box window: the draw box frame (caption bar with the engine's status
// text, 200 x 200 drawing area, button row; see CDrawBoxFrame) over a CKanjiDrawBox, which
// it owns and only forwards input to. Besides the frame's mouse, keys and buttons:
// - Space: CycleGuides; End, F2, F3, F4: CopyLastStrokes of 1, 2, 3, 4 strokes to the
//   mouse pointer.
// The picture is ComposeBoxPicture's: guides, ghost, strokes, feedback and hint.
class CKanjiDrawBoxWidget final : public CDrawBoxFrame {
public:
    explicit CKanjiDrawBoxWidget(Buttons buttons, QWidget* parent = nullptr);

    // The box shown, for reading its state; change it through the calls below so that the
    // window redraws.
    const CKanjiDrawBox& DrawBox() const { return m_box; }

    // Starts a character: forwards to CKanjiDrawBox::SetCharacter and keeps target (not
    // owned; it must outlive the window or the next SetCharacter) for the ghost.
    void SetCharacter(const CKanjiStrokes& target, const CDrawBoxSettings& settings);
    // Runs a host command on the box (such as FixOrder or Check), redraws and reports.
    void Run(const std::function<void(CKanjiDrawBox&)>& command);

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
    bool HandleKey(const QKeyEvent& event) override;

private:
    CKanjiDrawBox m_box;
    const CKanjiStrokes* m_target = nullptr;
    CKanjiStrokes m_targetJoined;  // the ghost in the simple style
};

}  // namespace brushly
