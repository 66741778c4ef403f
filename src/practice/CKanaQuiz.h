#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "document/CBrushlyOptions.h"
#include "document/KanaStatistics.h"
#include "practice/CFlashQuizHost.h"
#include "practice/CQuizFlow.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

class CBrushly2Doc;

// The kana reading drill without its window: one script's kana of the chosen set, one at a
// time, asked for their romaji in the three quiz modes of the Flash View, with its timers,
// missed list, review and end-of-list questions.
//
// The deck points at the document's CKanaStats records, whose counts the answers change
// (marking the document modified); the record arrays must not be rebuilt while the quiz
// runs. Messages and questions go through the document's prompter, random choices use the
// document's generator. The document and the host must outlive the quiz.
class CKanaQuiz final : public CQuizFlow {
public:
    static constexpr int kHiragana = 0;
    static constexpr int kKatakana = 1;

    static constexpr const char* kHiraganaPrefix = "HIRAGANA Flashcard: ";
    static constexpr const char* kKatakanaPrefix = "KATAKANA Flashcard: ";
    static constexpr const char* kMissedHiraganaPrefix = "Missed HIRAGANA: ";
    static constexpr const char* kMissedKatakanaPrefix = "Missed KATAKANA: ";
    static constexpr const char* kIncorrectPrefix = "INCORRECT - ";
    static constexpr const char* kOutOfTimePrefix = "Out of Time - ";
    static constexpr const char* kPrompt = "Enter the romaji for this kana";
    static constexpr const char* kNoMissedMessage = "There are no missed cards";
    static constexpr const char* kResetAllHiraganaQuestion =
        "Reset ALL Hiragana recognition statistics in this list?";
    static constexpr const char* kResetAllKatakanaQuestion =
        "Reset ALL Katakana recognition statistics in this list?";
    static constexpr const char* kHiraganaDemonstration = "Hiragana Demonstration";
    static constexpr const char* kKatakanaDemonstration = "Katakana Demonstration";
    static constexpr const char* kRomajiHeading = "Romaji:";
    static constexpr const char* kRecognitionHeading = "Recognition:";

    CKanaQuiz(CBrushly2Doc& document, CFlashQuizHost& host);

    // Builds the script's deck (kHiragana or kKatakana) of the Include set, orders it and
    // presents its first kana. False, with nothing presented, when the deck is empty.
    bool Start(int script);
    // After the Kana Flash View page's OK, with the kana options from before: a changed
    // Include set restarts the deck (an empty one returns to the main view); a changed quiz
    // mode is applied as the Quiz Mode command; anything else redraws.
    void OptionsChanged(const CKanaFlashOptions& before);
    int Script() const { return m_script; }

    // --- Commands (the rest are the card flow's, see CQuizFlow). ---
    // Starts the set again from card 1 in the Shuffle Order.
    void Shuffle() override;
    // Drills the missed kana; with none missed says kNoMissedMessage and keeps the card.
    void ShowMissed() override;
    void SwitchQuizMode() override;
    // After kResetStatQuestion, the current kana's counts are set to 0.
    void Reset() override;
    // After the script's Reset All question, the counts of every kana of the set.
    void ResetAll() override;
    // Flips an unflipped card; a flipped kana has nothing more to show.
    void More() override;

    // --- State for drawing. ---
    // "HIRAGANA Flashcard:  3 of 46 cards   (1 missed)".
    std::string Caption() const override;
    // The kana being asked; null when nothing is presented.
    const CKanaStats* Current() const;
    std::string QuestionText() const override;
    // Romaji answers, never drawn as kana.
    FlashSlots Slots() const override { return m_slots; }
    bool MeaningAnswers() const override { return false; }
    int QuizMode() const override;
    // "Romaji:" and "Recognition:" (FormatPercent's long form) once flipped.
    std::vector<FlashDataPanel> CardData() const override;
    // The current kana's strokes as straight segments, built when the kana is presented and
    // owned by the quiz; null when it has no stroke record.
    const CKanjiStrokes* DemonstrationStrokes() const override;
    std::string DemonstrationCaption() const override;

    // The size of the list being drilled, and how many of its kana were missed so far.
    std::size_t ListSize() const override { return m_list.size(); }
    std::size_t MissedCount() const override { return m_missed.size(); }

private:
    // A kana of the deck and its kana-table position (it decides the distracters' kind).
    struct Entry {
        CKanaStats* stats = nullptr;
        int position = 0;
    };

    // --- The card flow's questions. ---
    CQuizTiming Timing() const override;
    void Present() override;
    // The key is the romaji (its first two letters when it has an alternative); the t-row ji
    // and zu also take "di" and "dzu", the s-row ji "zi"; others compare normalized.
    bool IsTypedAnswerRight() const override;
    // kIncorrectPrefix or kOutOfTimePrefix and the kana's romaji.
    std::string WrongFeedback(bool outOfTime) const override;
    void Record(bool right) override;
    // Drills the missed kana, shuffled only in the Random order.
    void StartReview() override;
    // The set again from card 1; an empty one returns to the main view.
    void Restart() override;

    const CKanaFlashOptions& Options() const;
    CKanaStatsArray& ScriptStats() const;
    Entry* CurrentEntry();
    // Builds the set's deck in table order, orders it and drills it from card 1.
    bool StartDeck();
    void Begin(std::vector<Entry> list, bool reviewing);
    // The correct romaji in a random slot, three distracters of the same kind in the others.
    void FillSlots(const Entry& entry);

    CBrushly2Doc& m_document;
    int m_script = kHiragana;

    std::vector<Entry> m_deck;      // the set, in the order of this run
    std::vector<Entry> m_list;      // the list being drilled
    std::vector<Entry> m_missed;    // kana answered wrong, in order
    CKanjiStrokes m_demonstration;  // of the current kana
};

}  // namespace brushly
