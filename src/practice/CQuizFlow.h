#pragma once

#include <cstddef>
#include <string>

#include "platform/CPrompter.h"
#include "practice/CFlashQuizHost.h"
#include "practice/CReadingQuiz.h"

namespace brushly {

// How long the two timers run, from the drill's options.
struct CQuizTiming {
    bool timeLimit = true;
    double timeLimitSeconds = 5.0;
    bool autoFlip = false;
    double autoFlipSeconds = 2.0;
};

// The card flow both reading drills share: a card is presented (unanswered, time limit
// armed), answered by slot, typed answer, mark or time-out (Details shown, Auto Flip armed),
// or skipped, then left for the next; past the last card come the end-of-list questions.
// The derived quiz owns its lists and says what a card is: how it is presented, judged,
// counted and what the review and the restart start.
//
// m_position indexes the list being drilled; it is past the end when nothing is asked.
// The host and the prompter must outlive the quiz.
class CQuizFlow : public CReadingQuiz {
public:
    CQuizFlow(CFlashQuizHost& host, CPrompter& prompter);
    CQuizFlow(const CQuizFlow&) = delete;
    CQuizFlow& operator=(const CQuizFlow&) = delete;

    // On to the next card; an unanswered card counts as skipped.
    void Next() final;
    // The card's right, respectively wrong, count + 1, then on. An already answered card is
    // not counted again.
    void MarkRight() final;
    void MarkWrong() final;
    // A click on slot 1 to 4: answers an unanswered Multiple Choice card.
    void ClickSlot(int slot) final;
    // A click on the card area: Next in No Quiz mode or once the card is answered.
    void ClickCard() final;
    // The Details button: first flips the card and closes the answer window, then is Next.
    void PressDetails() final;
    void PressSpace() final;
    void SetTypedText(const std::string& typed) final;
    // The answer window's Enter: judges the typed answer, or Next when already answered.
    void EnterAnswer(const std::string& typed) final;
    void SkipAnswer() final;
    // Time Limit: Multiple Choice is wrong, Fill in the Blank judges what was typed, No Quiz
    // flips; Auto Flip is then armed only when the view has the focus. Auto Flip: Next.
    void TimerExpired(int timer, bool viewHasFocus) final;
    void Leave() final;

    bool HasCard() const final { return m_position < ListSize(); }
    AnswerState State() const final { return m_state; }
    bool Flipped() const final { return m_flipped; }
    DetailsButton Details() const final { return m_details; }
    bool AnswerWindowOpen() const final { return m_answerWindowOpen; }
    const std::string& Prompt() const final { return m_prompt; }
    const std::string& TypedText() const final { return m_typed; }
    const std::string& Feedback() const final { return m_feedback; }
    bool Reviewing() const { return m_reviewing; }
    int SkippedCount() const { return m_skipped; }

protected:
    // --- What the derived quiz supplies. ---
    virtual std::size_t ListSize() const = 0;
    virtual std::size_t MissedCount() const = 0;
    virtual CQuizTiming Timing() const = 0;
    // Presents the card at m_position (or the empty state past the end): calls
    // ClearCard first and ArmTimeLimit and the host's Changed last.
    virtual void Present() = 0;
    virtual bool IsTypedAnswerRight() const = 0;
    // The feedback line of a wrong typed answer, or of one the time ran out on.
    virtual std::string WrongFeedback(bool outOfTime) const = 0;
    // Counts the answer on the current card (and a wrong one onto the missed list); the
    // document becomes modified.
    virtual void Record(bool right) = 0;
    // End of the list: drill the missed cards, respectively the whole set again.
    virtual void StartReview() = 0;
    virtual void Restart() = 0;
    // Shows the current card's data.
    virtual void Flip() { m_flipped = true; }

    // --- For the derived quiz. ---
    // Drills a list from its first card: position and skipped count zeroed, then Present.
    void BeginList(bool reviewing);
    // Forgets the answer state of the last card; the answer window is open for a card in
    // Fill in the Blank.
    void ClearCard();
    void ArmTimeLimit();
    void StopTimers();
    // After the quiz mode changed: the answer window closes and an unanswered card is
    // skipped.
    void ApplyQuizModeChange();

    CFlashQuizHost& m_host;
    CPrompter& m_prompter;
    std::size_t m_position = 0;
    int m_skipped = 0;
    bool m_reviewing = false;
    FlashSlots m_slots;
    AnswerState m_state = AnswerState::kUnanswered;
    bool m_flipped = false;
    DetailsButton m_details = DetailsButton::kHidden;
    bool m_answerWindowOpen = false;
    std::string m_prompt;
    std::string m_typed;
    std::string m_feedback;

private:
    void Answer(bool right);
    void MarkAndAdvance(bool right);
    void Advance();
    void EndOfList();
    void ArmAutoFlip();
};

}  // namespace brushly
