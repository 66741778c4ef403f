#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "handwriting/CStrokeCanvas.h"
#include "platform/CCanvas.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

// The pause between two strokes while playing, in milliseconds.
inline constexpr int kDemonstrationStrokeMilliseconds = 250;
// The slowest speed; speeds run from 0 (each segment drawn at once) to this.
inline constexpr int kDemonstrationMaxSpeed = 200;
// The time each speed unit waits before every revealed pixel, in microseconds: speed 200
// reveals one pixel every 10 ms, speed 20 one every millisecond.
inline constexpr int kRevealMicrosecondsPerSpeedUnit = 50;
// The shortest interval the reveal timer is asked for, in milliseconds; a tick reveals every
// pixel that has come due since the segment began, so fast speeds reveal several per tick.
inline constexpr int kMinRevealTickMilliseconds = 10;

// The timing services a host lends the demonstration: two one-shot timers and a clock. The
// host calls CStrokeDemonstration::OnStrokeTimer or OnRevealTick once when the timer of that
// name expires, on the demonstration's thread and never from inside one of its calls.
class CDemonstrationTimers {
public:
    virtual ~CDemonstrationTimers() = default;

    // Arms the one-shot stroke timer for the delay (milliseconds), replacing an armed one.
    virtual void StartStrokeTimer(int milliseconds) = 0;
    // Arms the one-shot reveal timer for the delay (milliseconds), replacing an armed one.
    virtual void StartRevealTimer(int milliseconds) = 0;
    // Disarms both timers; no expiry of an earlier request arrives afterwards.
    virtual void StopTimers() = 0;
    // A monotonic clock, in microseconds from an arbitrary origin.
    virtual std::chrono::microseconds Now() const = 0;
};

// The stroke-order demonstration, without its window: draws a character's strokes on the
// picture one after another, each stroke segment by segment, each segment revealed pixel by
// pixel along its main direction, in the brush or the simple style. Coordinates are the
// stroke list's own draw-box pixels (x right, y down), unscaled; the picture's background is
// white and strokes are drawn in the user-stroke role (black).
//
// Nothing blocks: the reveal advances on reveal-timer ticks by the pixels due at the speed's
// pace (kRevealMicrosecondsPerSpeedUnit per unit and pixel), and while playing the next
// stroke follows kDemonstrationStrokeMilliseconds after the previous one is complete.
//
// Commands:
// - Play: plays from the next stroke (from an empty picture once every stroke is drawn).
//   During a stroke in progress it only resumes playing after that stroke.
// - Step: stops playing and draws the next stroke (the first one, on an empty picture, once
//   every stroke is drawn); during a stroke in progress it completes that stroke at once.
// - Pause: while playing, stops after the stroke in progress (or instead of the next one).
// - Restart: empties the picture and plays from the first stroke.
// The owner's flag is set while strokes are being drawn or follow each other, and cleared
// when the demonstration finishes, pauses or completes a step.
class CStrokeDemonstration {
public:
    // Draws on `picture` and times with `timers`, both of which must outlive the
    // demonstration. `pictureChanged`, when set, is called after every change of the
    // picture, for the host to repaint; it must not call back into the demonstration.
    CStrokeDemonstration(CCanvas& picture, CDemonstrationTimers& timers,
                         std::function<void()> pictureChanged = {});
    // Clears the owner's flag when the demonstration was running.
    ~CStrokeDemonstration();
    CStrokeDemonstration(const CStrokeDemonstration&) = delete;
    CStrokeDemonstration& operator=(const CStrokeDemonstration&) = delete;

    // Takes a character to demonstrate, stopped at its first stroke on an empty picture.
    // `strokes` (null for none) is kept, not copied, and must stay alive and unchanged until
    // the next Start or the end of the demonstration; its copy after JoinForRaw is what the
    // simple style draws. `speed` is clamped to 0..kDemonstrationMaxSpeed. `ownerBusy` (may
    // be null) is the hosting view's flag; it must stay valid until the next Start or the
    // demonstration's destruction. A run still in progress is abandoned and the previous
    // owner's flag cleared.
    void Start(const CKanjiStrokes* strokes, int speed, CStrokeCanvas::Style style,
               bool* ownerBusy);

    void Play();
    void Step();
    void Pause();
    void Restart();

    // Expiry of the stroke timer: the next stroke, or the end of a pause.
    void OnStrokeTimer();
    // Expiry of the reveal timer: reveals the pixels now due of the segment being drawn.
    void OnRevealTick();

    // The character's strokes as given to Start (null before).
    const CKanjiStrokes* Strokes() const { return m_strokes; }
    // The copy of the strokes after JoinForRaw.
    const CKanjiStrokes& StrokesJoined() const { return m_strokesJoined; }
    int Speed() const { return m_speed; }
    CStrokeCanvas::Style GetStyle() const { return m_canvas.GetStyle(); }
    // Index of the next segment to draw in the demonstrated list.
    std::size_t Position() const { return m_position; }
    // A stroke was asked for when none was left.
    bool IsFinished() const { return m_finished; }
    // Play or Restart is in force.
    bool IsPlaying() const { return m_playing; }
    // Pause was pressed while playing and has not taken effect yet.
    bool IsPauseRequested() const { return m_pauseRequested; }
    // A stroke is being drawn.
    bool IsDrawingStroke() const { return !m_units.empty(); }
    // The state last given to the owner's flag.
    bool IsBusy() const { return m_busy; }

private:
    // One drawing step of a stroke: the segment at `index`, with the width the brush list
    // driver gives it, and the segments it uses up.
    struct CRevealUnit {
        std::size_t index = 0;
        int width = 0;
        std::size_t consumed = 1;
    };

    // The pixel sweep over the segment being revealed: `count` coordinates from `first`, in
    // steps of `step` along x or y.
    struct CSweep {
        bool alongX = true;
        int first = 0;
        int step = 1;
        std::int64_t count = 1;
        std::int64_t revealed = 0;
        std::chrono::microseconds begin{0};
    };

    // The list that the style draws: the strokes (brush) or their joined copy (simple).
    const CKanjiStrokes& Demonstrated() const;
    bool AllDrawn() const;
    void SetBusy(bool busy);
    void NotifyPictureChanged();
    void ClearPicture();
    // Empties the picture and goes back to the first segment.
    void Rewind();
    // Stops the timers and drops the stroke in progress.
    void Abandon();

    // The units of the stroke that begins at `first` (< list.Size()), as the brush list
    // driver takes them: a code-16 segment and the segment after it (kBentFollowerWidth) are
    // two units, an L-shape is one unit over both its segments, a code-10 segment is as
    // thick as StrokeWidth of the previous segment's length, a code-15 one as that of the
    // next; the stroke runs up to the next segment that begins one.
    static std::vector<CRevealUnit> StrokeUnits(const CKanjiStrokes& list, std::size_t first);
    // Begins the stroke at m_position, or finishes when none is left.
    void DrawNextStroke();
    // Draws the units left of the stroke in progress, each at once when `atOnce` or at
    // speed 0, else starts revealing the next one and returns.
    void ContinueStroke(bool atOnce);
    void StrokeDrawn();
    void BeginSweep(const CRevealUnit& unit);
    void RevealDuePixels();
    void ArmRevealTimer();
    // The unit's shape from `list` on the selected target, in the current style.
    void DrawUnitShape(const CKanjiStrokes& list, const CRevealUnit& unit);
    // The unit complete on the picture; moves m_position past it.
    void DrawUnitComplete(const CRevealUnit& unit);
    std::int64_t MicrosecondsPerPixel() const;

    CStrokeCanvas m_canvas;
    CDemonstrationTimers& m_timers;
    std::function<void()> m_pictureChanged;

    const CKanjiStrokes* m_strokes = nullptr;
    CKanjiStrokes m_strokesJoined;
    // The demonstrated list with the codes the sweep draws: the straight codes without
    // their serifs, and hooks bending right as hook stems.
    CKanjiStrokes m_sweepShapes;
    int m_speed = 0;
    std::size_t m_position = 0;
    bool m_finished = false;
    bool m_playing = false;
    bool m_pauseRequested = false;
    bool* m_ownerBusy = nullptr;
    bool m_busy = false;

    // The stroke in progress: its units and the next one to draw; empty when none.
    std::vector<CRevealUnit> m_units;
    std::size_t m_nextUnit = 0;
    CSweep m_sweep;
};

}  // namespace brushly
