#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "handwriting/CDrawBoxWindow.h"
#include "handwriting/CKanjiDrawBox.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

// The kanji draw box window: the draw box frame (caption bar with the engine's status
// text, 200 x 200 drawing area, button row; see CDrawBoxFrame) over a CKanjiDrawBox, which
// it owns and only forwards input to. Besides the frame's mouse, keys and buttons:
// - Space: CycleGuides; End, F2, F3, F4: CopyLastStrokes of 1, 2, 3, 4 strokes to the
//   mouse pointer.
// The picture is ComposeBoxPicture's: guides, ghost, strokes, feedback and hint.
class CKanjiDrawBoxWidget final : public CDrawBoxWindow<CKanjiDrawBox> {
public:
    explicit CKanjiDrawBoxWidget(Buttons buttons, QWidget* parent = nullptr);

    // Starts a character: forwards to CKanjiDrawBox::SetCharacter and keeps target (not
    // owned; it must outlive the window or the next SetCharacter) for the ghost.
    void SetCharacter(const CKanjiStrokes& target, const CDrawBoxSettings& settings);

protected:
    void ComposePicture() override;
    bool HandleKey(const QKeyEvent& event) override;

private:
    const CKanjiStrokes* m_target = nullptr;
    CKanjiStrokes m_targetJoined;  // the ghost in the simple style
};

}  // namespace brushly
