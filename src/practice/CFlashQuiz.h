#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "document/CBrushlyOptions.h"
#include "practice/CFlashQuizHost.h"
#include "practice/CFlashSlotFiller.h"
#include "practice/CQuizFlow.h"
#include "practice/FlashAnswerCheck.h"
#include "practice/FlashCardData.h"
#include "practice/FlashDeckEntry.h"
#include "practice/QuizRun.h"

namespace brushly {

class CAbbreviationList;
class CBrushly2Doc;

// The Flash View drill without its window: the deck of the selected Word Groups, the card
// being asked, its answer in the three quiz modes, the timers, the missed and review lists,
// the end-of-list questions and the reaction to changed options.
//
// Each card is presented (unanswered, time limit armed), then answered right or wrong
// (Details shown, Auto Flip armed) or skipped, then left for the next. Answers are written
// straight into the cards' statistics, marking the document modified. Messages and
// questions go through the document's prompter; random choices use the document's
// generator. The document, the abbreviation list and the host must outlive the quiz.
class CFlashQuiz final : public CQuizFlow {
public:
    // Texts of the drill.
    static constexpr const char* kIncorrect = "INCORRECT";
    // In Fill in the Blank the wrong feedback goes on with this and the expected answer.
    static constexpr const char* kExpectedSeparator = " - ";
    static constexpr const char* kOutOfTime = "Out of Time";
    static constexpr const char* kDemonstrationCaption = "Stroke Demonstration";
    static constexpr const char* kFlashViewPrefix = "Flash View: ";
    static constexpr const char* kMissedCardsPrefix = "Missed cards: ";
    // The run's texts live in QuizRun.h; this one is kept under the quiz's name for its users.
    static constexpr const char* kReshuffleQuestion = kRunReshuffleQuestion;
    static constexpr const char* kResetAllQuestion =
        "Reset ALL recognition statistics in this list?";
    static constexpr const char* kNoActiveCardsMessage =
        "There are now no active cards in this list for the current Flash options.\nYou will "
        "be returned to the main page.";
    // Decks longer than this show the shuffling box while they are built.
    static constexpr std::size_t kShufflingBoxThreshold = 200;

    // japaneseFont: whether characters are drawn with a Japanese font (else from stroke
    // data, and cards without a character code are left out of the deck).
    CFlashQuiz(CBrushly2Doc& document, const CAbbreviationList& abbreviations, CFlashQuizHost& host,
               bool japaneseFont);

    // Builds and shuffles the deck of the Word Groups and presents its first card. False,
    // with nothing presented, when the deck is empty.
    bool Start(const std::vector<std::string>& groupNames);

    // --- Commands. ---
    // Rebuilds the deck from the Word Groups and starts it again; an empty deck shows
    // kNoActiveCardsMessage and returns to the main view.
    void Shuffle() override;
    // Drills the missed list (shuffled with the Random order); nothing when it is empty.
    void ShowMissed() override;
    // Multiple Choice -> Fill in the Blank -> No Quiz -> Multiple Choice, in the options;
    // an unanswered card is skipped. The view forgets its answer window's position.
    void SwitchQuizMode() override;
    // After kResetStatQuestion, the current card's counts are set to 0.
    void Reset() override;
    // After kResetAllQuestion, the counts of every card of the Word Groups are set to 0.
    void ResetAll() override;
    // Flips an unflipped card; on a flipped kanji card, a new inflection (when shown as an
    // inflected verb) or, with Show Readings, the next verb reading of the table.
    void More() override;

    // After the options page's OK, with the Flash options and commonWordsOnly from before.
    void OptionsChanged(const CFlashOptions& before, std::int32_t commonWordsBefore);

    // --- State for drawing. ---
    // "Flash View:  3 of 10 cards   (1 missed)"; the position never exceeds the total.
    std::string Caption() const override;
    // The entry being asked; null when nothing is presented.
    const FlashDeckEntry* Current() const;
    // The Shift-JIS text of the question as shown; empty when nothing is presented.
    std::string QuestionText() const override;
    FlashSlots Slots() const override;
    bool MeaningAnswers() const override;
    const CKanjiStrokes* DemonstrationStrokes() const override;
    std::string DemonstrationCaption() const override { return kDemonstrationCaption; }
    int QuizMode() const override;
    // The card-data panels; empty unless the card is flipped.
    std::vector<FlashDataPanel> CardData() const override;

    // The list being drilled (the deck or the review list) and the missed entries in order
    // of missing.
    const std::vector<FlashDeckEntry>& List() const { return m_list; }
    const std::vector<FlashDeckEntry>& Missed() const { return m_missed; }

private:
    // --- The card flow's questions. ---
    std::size_t ListSize() const override { return m_list.size(); }
    std::size_t MissedCount() const override { return m_missed.size(); }
    CQuizTiming Timing() const override;
    void Present() override;
    bool IsTypedAnswerRight() const override;
    std::string WrongFeedback(bool outOfTime) const override;
    void Record(bool right) override;
    // Drills the missed list from card 1.
    void StartReview() override;
    // The same deck again, shuffled.
    void Restart() override;
    // Flips the card; the verb table starts at the inflected or the first verb reading.
    void Flip() override;

    const CFlashOptions& Options() const;
    FlashDeckEntry* CurrentEntry();
    // Cards listed by the Word Groups, to judge beforehand whether building takes long.
    std::size_t CardsOfGroups() const;
    // Shuffles the source deck (rebuilt first when asked) and drills it from card 1 with
    // fresh per-run choices; false when it is empty.
    bool StartDeck(bool rebuild);
    // Drills `list` from card 1, the missed list emptied and the skipped count zeroed.
    void Begin(std::vector<FlashDeckEntry> list, bool reviewing);
    // How a kanji card is shown this time: as a random compound, an inflected verb or plain.
    void ChooseKanjiForm(FlashDeckEntry& entry);
    void FillSlots();
    void ReturnWithNoCards();

    CBrushly2Doc& m_document;
    const CAbbreviationList& m_abbreviations;
    bool m_japaneseFont;

    std::vector<std::string> m_groupNames;
    std::vector<FlashDeckEntry> m_deck;    // the source deck, shuffled
    std::vector<FlashDeckEntry> m_list;    // the list being drilled
    std::vector<FlashDeckEntry> m_missed;  // entries marked wrong, in order
    FlashQuestionForm m_form = FlashQuestionForm::kPlain;
};

}  // namespace brushly
