#include "practice/CQuizFlow.h"

#include "practice/QuizRun.h"

namespace brushly {

CQuizFlow::CQuizFlow(CFlashQuizHost& host, CPrompter& prompter)
    : m_host(host), m_prompter(prompter) {}

void CQuizFlow::Next() {
    m_answerWindowOpen = false;
    StopTimers();
    if (!HasCard()) return;
    if (m_state == AnswerState::kUnanswered) ++m_skipped;
    Advance();
}

void CQuizFlow::MarkRight() {
    MarkAndAdvance(true);
}

void CQuizFlow::MarkWrong() {
    MarkAndAdvance(false);
}

void CQuizFlow::ClickSlot(int slot) {
    if (QuizMode() != kMultipleChoice || !HasCard() || m_state != AnswerState::kUnanswered ||
        slot < 1 || slot > 4)
        return;
    m_host.StopTimer(kTimeLimitTimer);
    m_slots.slots[m_slots.correct - 1].state = FlashSlot::kRight;
    const bool right = slot == m_slots.correct;
    if (!right) m_slots.slots[slot - 1].state = FlashSlot::kWrong;
    Answer(right);
    ArmAutoFlip();
    m_host.Changed();
}

void CQuizFlow::ClickCard() {
    if (!HasCard()) return;
    if (QuizMode() == kNoQuiz || m_state != AnswerState::kUnanswered) Next();
}

void CQuizFlow::PressSpace() {
    if (!HasCard()) return;
    if (QuizMode() == kNoQuiz && !m_flipped) {
        More();
    } else if (m_details != DetailsButton::kHidden) {
        PressDetails();
    } else {
        ClickCard();
    }
}

void CQuizFlow::PressDetails() {
    if (m_details == DetailsButton::kContinue) {
        Next();
        return;
    }
    if (m_details != DetailsButton::kDetails) return;
    // The student reads the data now: Auto Flip would take the card away.
    m_host.StopTimer(kAutoFlipTimer);
    m_answerWindowOpen = false;
    Flip();
    m_details = DetailsButton::kContinue;
    m_host.Changed();
}

void CQuizFlow::SetTypedText(const std::string& typed) {
    m_typed = typed;
}

void CQuizFlow::EnterAnswer(const std::string& typed) {
    if (QuizMode() != kFillInTheBlank || !HasCard()) return;
    if (m_state != AnswerState::kUnanswered) {
        Next();
        return;
    }
    m_typed = typed;
    m_host.StopTimer(kTimeLimitTimer);
    const bool right = IsTypedAnswerRight();
    m_feedback = right ? kCorrectFeedback : WrongFeedback(false);
    Answer(right);
    ArmAutoFlip();
    m_host.Changed();
}

void CQuizFlow::SkipAnswer() {
    Next();
}

void CQuizFlow::TimerExpired(int timer, bool viewHasFocus) {
    m_host.StopTimer(timer);
    if (timer == kAutoFlipTimer) {
        Next();
        return;
    }
    if (timer != kTimeLimitTimer || !HasCard() || m_state != AnswerState::kUnanswered) return;
    switch (QuizMode()) {
        case kMultipleChoice:
            m_slots.slots[m_slots.correct - 1].state = FlashSlot::kRight;
            Answer(false);
            break;
        case kFillInTheBlank: {
            const bool right = IsTypedAnswerRight();
            m_feedback = right ? kCorrectFeedback : WrongFeedback(true);
            Answer(right);
            break;
        }
        default:
            Flip();
            break;
    }
    if (viewHasFocus) ArmAutoFlip();
    m_host.Changed();
}

void CQuizFlow::Leave() {
    StopTimers();
    m_answerWindowOpen = false;
}

void CQuizFlow::BeginList(bool reviewing) {
    StopTimers();
    m_reviewing = reviewing;
    m_position = 0;
    m_skipped = 0;
    Present();
}

void CQuizFlow::ClearCard() {
    StopTimers();
    m_typed.clear();
    m_feedback.clear();
    m_prompt.clear();
    m_slots = FlashSlots{};
    m_state = AnswerState::kUnanswered;
    m_details = DetailsButton::kHidden;
    m_flipped = false;
    m_answerWindowOpen = HasCard() && QuizMode() == kFillInTheBlank;
}

void CQuizFlow::ArmTimeLimit() {
    const CQuizTiming timing = Timing();
    if (timing.timeLimit) m_host.StartTimer(kTimeLimitTimer, timing.timeLimitSeconds);
}

void CQuizFlow::StopTimers() {
    m_host.StopTimer(kAutoFlipTimer);
    m_host.StopTimer(kTimeLimitTimer);
}

void CQuizFlow::ApplyQuizModeChange() {
    m_answerWindowOpen = false;
    if (HasCard() && m_state == AnswerState::kUnanswered)
        Next();
    else
        m_host.Changed();
}

void CQuizFlow::Answer(bool right) {
    Record(right);
    m_state = right ? AnswerState::kRight : AnswerState::kWrong;
    m_details = DetailsButton::kDetails;
}

void CQuizFlow::MarkAndAdvance(bool right) {
    if (!HasCard()) return;
    StopTimers();
    m_answerWindowOpen = false;
    if (m_state == AnswerState::kUnanswered) Answer(right);
    Advance();
}

void CQuizFlow::Advance() {
    ++m_position;
    if (HasCard())
        Present();
    else
        EndOfList();
}

void CQuizFlow::EndOfList() {
    StopTimers();
    m_answerWindowOpen = false;
    m_flipped = false;
    m_details = DetailsButton::kHidden;
    m_slots = FlashSlots{};
    m_host.Changed();
    const CRunTally tally{static_cast<int>(ListSize()), static_cast<int>(MissedCount()), m_skipped,
                          m_reviewing};
    switch (AskAtEndOfRun(m_prompter, tally, QuizMode() == kNoQuiz)) {
        case RunEnd::kReview:
            StartReview();
            break;
        case RunEnd::kRestart:
            Restart();
            break;
        case RunEnd::kReturn:
            m_host.ReturnToMainView();
            break;
    }
}

void CQuizFlow::ArmAutoFlip() {
    const CQuizTiming timing = Timing();
    if (timing.autoFlip) m_host.StartTimer(kAutoFlipTimer, timing.autoFlipSeconds);
}

}  // namespace brushly
