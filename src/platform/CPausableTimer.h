#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace brushly {

// A one-shot countdown that stands still while a modal dialog or a pop-up menu is open, so
// that a drill's time is not spent reading a dialog (the options sheet, a question, a menu).
// It runs on the GUI thread, looking every kTickMilliseconds; the countdown resumes where it
// stood once the dialog or menu closes.
class CPausableTimer {
public:
    static constexpr int kTickMilliseconds = 50;

    // expired runs when the countdown reaches zero; the timer is then inactive.
    explicit CPausableTimer(std::function<void()> expired);

    // Starts (or restarts) the countdown at milliseconds.
    void Start(int milliseconds);
    void Stop();
    bool Active() const { return m_ticker.isActive(); }
    // What is left of the countdown, milliseconds (0 when inactive).
    qint64 Remaining() const { return Active() ? m_remaining : 0; }
    // Whether the countdown stands still now.
    static bool Paused();

private:
    void Tick();

    std::function<void()> m_expired;
    QTimer m_ticker;
    QElapsedTimer m_sinceTick;
    qint64 m_remaining = 0;
};

}  // namespace brushly
