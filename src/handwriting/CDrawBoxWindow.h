#pragma once

#include <functional>
#include <string>

#include "handwriting/CDrawBoxFrame.h"

namespace brushly {

// A draw box window over its engine, Box (CKanjiDrawBox or CKanaDrawBox), which it owns:
// the frame's pen, buttons and caption are the engine's. The engines share these calls,
// so the two windows differ only in how they start a character and compose the picture.
template <class Box>
class CDrawBoxWindow : public CDrawBoxFrame {
public:
    // The box shown, for reading its state; change it through the window so that it
    // redraws.
    const Box& DrawBox() const { return m_box; }
    // Runs a host command on the box (such as FixOrder, Hint or Check), redraws and reports.
    void Run(const std::function<void(Box&)>& command) {
        Apply([&] { command(m_box); }, true);
    }

protected:
    using CDrawBoxFrame::CDrawBoxFrame;

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

    Box m_box;
};

}  // namespace brushly
