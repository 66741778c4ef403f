#pragma once

namespace brushly {

// What the Flash View quiz asks of the window that shows it. The quiz is headless: it keeps
// the drill state and calls these to arm timers, show the shuffling notice, leave, and
// have everything redrawn. A host outlives the quiz it is given to.
class CFlashQuizHost {
public:
    virtual ~CFlashQuizHost() = default;

    // Starts (or restarts) single-shot timer `timer` (CFlashQuiz::kAutoFlipTimer or
    // kTimeLimitTimer) to fire after `seconds`; its expiry is reported back through
    // CFlashQuiz::TimerExpired.
    virtual void StartTimer(int timer, double seconds) = 0;
    // Stops the timer if it runs; stopping a stopped timer is harmless.
    virtual void StopTimer(int timer) = 0;
    // Shows or hides the "Loading/Shuffling Flashcards..." box while a deck of more than
    // 200 entries is built and shuffled.
    virtual void ShowShuffling(bool shown) = 0;
    // The drill is over: go back to the main view.
    virtual void ReturnToMainView() = 0;
    // The quiz state changed: redraw the card, slots, caption and answer window.
    virtual void Changed() = 0;
};

}  // namespace brushly
