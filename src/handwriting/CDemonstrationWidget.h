#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <chrono>

#include "handwriting/CStrokeDemonstration.h"
#include "platform/CQtCanvas.h"

class QPaintEvent;
class QPushButton;

namespace brushly {

// The stroke-order demonstration window: 200 x 224 pixels, the picture of the
// demonstration over the drawing area at the top and a row of four 48 x 22 buttons, Play,
// Step, Pause and Restart, at x = 1, 49, 97 and 145, 23 pixels above the bottom edge. It
// only shows the picture and forwards the buttons to its CStrokeDemonstration, for which it
// provides the timers (single-shot QTimers) and the clock.
class CDemonstrationWidget final : public QWidget, private CDemonstrationTimers {
public:
    static constexpr int kWidth = 200;
    static constexpr int kHeight = 224;
    static constexpr int kButtonWidth = 48;
    static constexpr int kButtonHeight = 22;
    // Distance of the buttons' top edge from the window's bottom edge.
    static constexpr int kButtonRise = 23;

    // A window with the caption, e.g. "Stroke Demonstration".
    explicit CDemonstrationWidget(const QString& caption, QWidget* parent = nullptr);

    // The demonstration shown, for the host to Start and Play.
    CStrokeDemonstration& Demonstration() { return m_demonstration; }
    // Starts the demonstration of strokes (null for none; see CStrokeDemonstration::Start)
    // and plays it when there are strokes.
    void Run(const CKanjiStrokes* strokes, int speed, CStrokeCanvas::Style style, bool* ownerBusy);
    // Whether the strokes are drawn with smoothed edges (the display option); on at first.
    void SetSmoothStrokes(bool on) { m_picture.SetAntialiasing(on); }
    // The picture shown over the drawing area (kWidth x (kHeight - kButtonRise) logical
    // pixels, at the screen's pixel ratio).
    const CQtCanvas& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void StartStrokeTimer(int milliseconds) override;
    void StartRevealTimer(int milliseconds) override;
    void StopTimers() override;
    std::chrono::microseconds Now() const override;

    // A button of the row, at column `column` (0 to 3).
    QPushButton* AddButton(const QString& text, const QString& name, int column);

    QTimer m_strokeTimer;
    QTimer m_revealTimer;
    CQtCanvas m_picture;
    CStrokeDemonstration m_demonstration;
};

}  // namespace brushly
