#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "handwriting/CKanjiDrawBox.h"
#include "handwriting/CStrokeCanvas.h"
#include "platform/CQtCanvas.h"
#include "reference/CKanjiStrokes.h"

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QPushButton;

namespace brushly {

// The kanji draw box window: a caption bar showing the engine's status text over a
// 200 x 224 client area, which holds the 200 x 200 drawing area and, in its bottom 24
// pixels, a row of four 48 x 22 bitmap buttons at x = 1, 49, 97 and 145, 23 pixels above
// the bottom edge: Ghost and Hint (Draw View only, else hidden), Back and Erase.
//
// The window owns its CKanjiDrawBox and only forwards input to it and shows its state:
// - left button down, move, release: PenDown, PenMove, PenUp in draw-box pixels (the
//   drawing area's top-left is (0, 0), x right, y down); the middle button: Back; a click
//   on the caption bar: Hint;
// - Backspace: Back; Home: EraseAll; Space: CycleGuides; End, F2, F3, F4: CopyLastStrokes
//   of 1, 2, 3, 4 strokes to the mouse pointer;
// - the buttons (object names ghostButton, hintButton, backButton, eraseButton; the
//   caption is captionBar): ToggleGhost with the host's ghost character, Hint, Back,
//   EraseAll.
// After every event that may change the box the whole picture is composed off-screen
// (ComposeBoxPicture) and copied to the screen in one piece.
class CKanjiDrawBoxWidget final : public QWidget {
public:
    // Which buttons the row shows: the Draw View also shows Ghost and Hint.
    enum class Buttons { BackAndErase, DrawView };
    // Called with the engine's Status() after every action that may have checked the
    // strokes: a finished stroke, a button, a caption click, Back by the middle button or
    // Backspace, Erase by Home, a copy key or Run. A plain callback rather than a Qt
    // signal, as the window library is built without moc.
    using StatusHandler = std::function<void(int status)>;

    static constexpr int kCaptionHeight = 18;
    static constexpr int kDrawSize = 200;  // width and height of the drawing area
    static constexpr int kClientHeight = 224;
    static constexpr int kWidth = kDrawSize;
    static constexpr int kHeight = kCaptionHeight + kClientHeight;
    static constexpr int kButtonWidth = 48;
    static constexpr int kButtonHeight = 22;
    // Distance of the buttons' top edge from the window's bottom edge.
    static constexpr int kButtonRise = 23;
    // Pixel height of the ghost character drawn in a font.
    static constexpr int kGhostTextHeight = 180;

    explicit CKanjiDrawBoxWidget(Buttons buttons, QWidget* parent = nullptr);

    // The box shown, for reading its state; change it through the calls below so that the
    // window redraws.
    const CKanjiDrawBox& DrawBox() const { return m_box; }

    // Starts a character: forwards to CKanjiDrawBox::SetCharacter and keeps target (not
    // owned; it must outlive the window or the next SetCharacter) for the ghost.
    void SetCharacter(const CKanjiStrokes& target, const CDrawBoxSettings& settings);
    // The text the Ghost button shows or hides (UTF-8, one character); a ghost already
    // shown changes to it.
    void SetGhostCharacter(const std::string& character);
    // With a face the ghost is its character drawn in that font family (UTF-8 name; empty
    // for the default Japanese font), kGhostTextHeight pixels high; without one, or when no
    // Japanese font is installed, the ghost is the target's strokes.
    void SetGhostFontFace(std::optional<std::string> face);
    // The drawing style of every stroke shown; the brush style at first.
    void SetStyle(CStrokeCanvas::Style style);
    void SetStatusHandler(StatusHandler handler) { m_statusHandler = std::move(handler); }
    // Runs a host command on the box (such as FixOrder or Check), redraws and reports.
    void Run(const std::function<void(CKanjiDrawBox&)>& command);

    // The drawing area's picture as last composed (kDrawSize x kDrawSize).
    const CQtCanvas& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs action on the box, redraws, and reports the status when mayCheck holds and no
    // stroke is left in progress.
    void Apply(const std::function<void()>& action, bool mayCheck);
    void Redraw();
    // A button of the row at column (0 to 3) with its painted bitmap; clicking runs
    // command as an action that may check.
    QPushButton* AddButton(const QString& name, const QString& toolTip, int column,
                           void (*paintIcon)(QPainter&), std::function<void()> command);
    // The point in draw-box pixels under a window position.
    static CPoint DrawPoint(QPointF position);
    // The ghost is drawn as text: a ghost font is set and a Japanese font is installed.
    bool GhostAsText() const;

    CKanjiDrawBox m_box;
    CQtCanvas m_picture;
    CStrokeCanvas m_strokeCanvas;
    QLabel* m_caption;  // owned by the window, as Qt children are
    const CKanjiStrokes* m_target = nullptr;
    CKanjiStrokes m_targetJoined;  // the ghost in the simple style
    std::string m_ghostCharacter;
    std::optional<std::string> m_ghostFontFace;
    StatusHandler m_statusHandler;
};

}  // namespace brushly
