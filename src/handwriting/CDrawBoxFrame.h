#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "handwriting/CStrokeCanvas.h"
#include "platform/CPoint.h"
#include "platform/CQtCanvas.h"

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QPushButton;

namespace brushly {

// What the kanji and the kana draw box windows share: a caption bar showing the box's
// status text (in the frame's font, made smaller down to kMinCaptionPixels when the text is
// too long for the bar) over a 200 x 224 client area, which holds the 200 x 200 drawing area and,
// in its bottom 24 pixels, a row of four 48 x 22 bitmap buttons at x = 1, 49, 97 and 145, 23 pixels
// above the bottom edge: Ghost and Hint (Draw View only, else hidden), Back and Erase.
//
// The frame turns input into the box's commands, which the window over an engine provides:
// - left button down, move, release: PenDown, PenMove, PenUp in draw-box pixels (the
//   drawing area's top-left is (0, 0), x right, y down); the middle button: Back; a click
//   on the caption bar: Hint;
// - Backspace: Back; Home: EraseAll; any other key is offered to HandleKey first;
// - the buttons (object names ghostButton, hintButton, backButton, eraseButton; the
//   caption is captionBar): ToggleGhost with the host's ghost character, Hint, Back,
//   EraseAll.
// After every event that may change the box the window composes the whole picture
// off-screen (ComposePicture on StrokeCanvas()) and the frame copies it to the screen in
// one piece.
class CDrawBoxFrame : public QWidget {
public:
    // Which buttons the row shows: the Draw View also shows Ghost and Hint.
    enum class Buttons { BackAndErase, DrawView };
    // Called with the box's status after every action that may have checked the strokes: a
    // finished stroke, a button, a caption click, Back or Erase by mouse or key, or a host
    // command. A plain callback rather than a Qt signal, as the window library is built
    // without moc.
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
    // The smallest pixel size a long caption shrinks to.
    static constexpr int kMinCaptionPixels = 8;

    // The text the Ghost button shows or hides (UTF-8, one character); a ghost already
    // shown changes to it. Until one is set the Ghost button shows nothing.
    void SetGhostCharacter(const std::string& character);
    // With a face the ghost is its character drawn in that font family (UTF-8 name; empty
    // for the default Japanese font), kGhostTextHeight pixels high; without one, or when no
    // Japanese font is installed, the ghost is the target's strokes. A named face also draws
    // the Japanese characters of the caption.
    void SetGhostFontFace(std::optional<std::string> face);
    // The drawing style of every stroke shown; the brush style at first.
    void SetStyle(CStrokeCanvas::Style style);
    void SetStatusHandler(StatusHandler handler) { m_statusHandler = std::move(handler); }
    // The caption bar's text while the box's own caption is empty (such as "Draw
    // Character"); empty at first.
    void SetIdleCaption(std::string caption);

    // Whether the strokes are drawn with smoothed edges (the display option; what the checks
    // compare is the strokes' points, not these pixels); on at first.
    void SetSmoothStrokes(bool on) { m_picture.SetAntialiasing(on); }
    // The drawing area's picture as last composed (kDrawSize x kDrawSize logical pixels, at
    // the screen's pixel ratio).
    const CQtCanvas& Picture() const { return m_picture; }

protected:
    CDrawBoxFrame(Buttons buttons, QWidget* parent);

    // The box's commands and state, provided by the window over an engine.
    virtual void PenDown(CPoint point) = 0;
    virtual void PenMove(CPoint point) = 0;
    virtual void PenUp() = 0;
    virtual bool Drawing() const = 0;
    virtual void Back() = 0;
    virtual void EraseAll() = 0;
    virtual void Hint() = 0;
    virtual void ToggleGhost(const std::string& character) = 0;
    virtual const std::string& GhostText() const = 0;
    virtual int Status() const = 0;
    // The box's caption, Shift-JIS.
    virtual std::string Caption() const = 0;
    // Composes the drawing area on StrokeCanvas(); the ghost's text and font, when it is
    // drawn as text, come from GhostTextState.
    virtual void ComposePicture() = 0;
    // A key the frame does not handle itself; true when the window used it.
    virtual bool HandleKey(const QKeyEvent& event);

    // Runs action, redraws, and reports the status when mayCheck holds and no stroke is
    // left in progress.
    void Apply(const std::function<void()>& action, bool mayCheck);
    // Composes the picture, shows the caption and schedules the repaint. A window calls it
    // once at the end of its constructor, as the frame cannot while the window is built.
    void Redraw();

    CStrokeCanvas& StrokeCanvas() { return m_strokeCanvas; }
    // The ghost is drawn as text: a ghost font is set and a Japanese font is installed.
    bool GhostAsText() const;
    // The font the ghost's text is drawn in (meaningful when GhostAsText()).
    CFont GhostFont() const;
    // Where the ghost's text starts, centring its kGhostTextHeight square.
    static constexpr CPoint kGhostTextTopLeft{10, 0};
    // The point in draw-box pixels under a window position.
    static CPoint DrawPoint(QPointF position);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A button of the row at column (0 to 3) with its painted bitmap; clicking runs
    // command as an action that may check.
    QPushButton* AddButton(const QString& name, const QString& toolTip, int column,
                           void (*paintIcon)(QPainter&), std::function<void()> command);
    // Shows text (UTF-8) in the caption bar.
    void ShowCaption(const std::string& text);

    CQtCanvas m_picture;
    CStrokeCanvas m_strokeCanvas;
    QLabel* m_caption;  // owned by the window, as Qt children are
    std::string m_ghostCharacter;
    std::optional<std::string> m_ghostFontFace;
    std::string m_idleCaption;
    StatusHandler m_statusHandler;
};

}  // namespace brushly
