#pragma once

#include <string>
#include <vector>

#include "practice/CFlashSlotFiller.h"
#include "practice/FlashCardData.h"

namespace brushly {

class CKanjiStrokes;

// A reading drill as its window sees it: the Flash View's quiz over Word Groups and the kana
// reading quiz share it, so that one window shows either. The window forwards the commands,
// the mouse, the answer window and the timers (see CFlashQuizHost), and draws the state.
class CReadingQuiz {
public:
    static constexpr int kAutoFlipTimer = 1;
    static constexpr int kTimeLimitTimer = 2;

    // The quiz modes (the options' values).
    static constexpr int kMultipleChoice = 0;
    static constexpr int kFillInTheBlank = 1;
    static constexpr int kNoQuiz = 2;

    enum class AnswerState { kUnanswered = 0, kRight = 2, kWrong = 3 };
    enum class DetailsButton { kHidden, kDetails, kContinue };

    static constexpr const char* kDetailsText = "Details";
    static constexpr const char* kContinueText = "Continue";
    static constexpr const char* kShufflingText = "Loading/Shuffling Flashcards...";

    virtual ~CReadingQuiz() = default;

    // --- Commands. ---
    // On to the next card; an unanswered card counts as skipped.
    virtual void Next() = 0;
    // The card's right, respectively wrong, count + 1 (wrong: onto the missed list), then on.
    virtual void MarkRight() = 0;
    virtual void MarkWrong() = 0;
    // Starts the cards again, shuffled.
    virtual void Shuffle() = 0;
    // Drills the missed cards.
    virtual void ShowMissed() = 0;
    // Multiple Choice -> Fill in the Blank -> No Quiz -> Multiple Choice; an unanswered
    // card is skipped.
    virtual void SwitchQuizMode() = 0;
    // After their questions, the counts of the current card, respectively of every card.
    virtual void Reset() = 0;
    virtual void ResetAll() = 0;
    // Flips an unflipped card (its data is shown), or shows more of a flipped one.
    virtual void More() = 0;

    // --- Mouse and answer window. ---
    virtual void ClickSlot(int slot) = 0;  // slot 1 to 4
    virtual void ClickCard() = 0;
    virtual void PressDetails() = 0;
    // Space (also Return and Enter): in No Quiz an unflipped card shows its data first (as
    // More does); otherwise the Details button's step when it is shown, else a card click.
    virtual void PressSpace() = 0;
    virtual void SetTypedText(const std::string& typed) = 0;
    virtual void EnterAnswer(const std::string& typed) = 0;
    virtual void SkipAnswer() = 0;
    // A timer of the host fired; viewHasFocus: the view or its answer window has the focus.
    virtual void TimerExpired(int timer, bool viewHasFocus) = 0;
    // The view is left: both timers stop and the answer window closes.
    virtual void Leave() = 0;

    // --- State for drawing. ---
    virtual std::string Caption() const = 0;
    // Whether a card is presented.
    virtual bool HasCard() const = 0;
    // The Shift-JIS text of the question as shown; empty when nothing is presented.
    virtual std::string QuestionText() const = 0;
    // The slots, their showKana flag following the display settings of this moment.
    virtual FlashSlots Slots() const = 0;
    // Whether the slots hold English meanings (drawn wrapped) rather than readings.
    virtual bool MeaningAnswers() const = 0;
    virtual AnswerState State() const = 0;
    virtual bool Flipped() const = 0;
    virtual DetailsButton Details() const = 0;
    virtual int QuizMode() const = 0;
    virtual bool AnswerWindowOpen() const = 0;
    virtual const std::string& Prompt() const = 0;
    virtual const std::string& TypedText() const = 0;
    virtual const std::string& Feedback() const = 0;
    // The card-data panels; empty unless the card is flipped.
    virtual std::vector<FlashDataPanel> CardData() const = 0;
    // The strokes the demonstration window plays for the current card; null when it has
    // none. They belong to the kanji database (or to the quiz) and stay valid until the next
    // card is presented.
    virtual const CKanjiStrokes* DemonstrationStrokes() const = 0;
    // The demonstration window's caption ("Stroke Demonstration", "Hiragana Demonstration").
    virtual std::string DemonstrationCaption() const = 0;
};

}  // namespace brushly
