#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/editors/CMainCharacterEditor.h"
#include "document/CCounterCard.h"
#include "practice/CounterExpansion.h"

namespace brushly {

class CKanjiData;

// The Counter card editor: the counter's kanji (typed, or chosen with "&Get Kanji"), its
// meaning, romaji, type and comments, and its counted forms (a number and the romaji of the
// number with the counter), added one by one or all at once by auto expansion from a romaji
// root with the counter engine's sound changes (ippon, sanbon, roppon, ...).
//
// Adding a form refuses, in order: kNoFormRomajiMessage, kNoNumberMessage,
// kNumberTakenMessage, kRomajiTakenMessage. Checks on storing, in order:
// kNoCharacterMessage, kNoMeaningMessage, kNoRomajiMessage, kNoFormsMessage,
// kNoGroupMessage, then the group-change question (CCardEditor).
class CCounterCardEditor final : public CMainCharacterEditor<CCounterCard> {
public:
    static constexpr const char* kAddTitle = "Add Counter Flashcard";
    static constexpr const char* kEditTitle = "Edit Counter Flashcard";
    static constexpr const char* kNoFormRomajiMessage = "No Romaji Entered";
    static constexpr const char* kNoNumberMessage = "No Number Selected";
    static constexpr const char* kNumberTakenMessage = "This number already added";
    static constexpr const char* kRomajiTakenMessage = "This Romaji string already added";
    static constexpr const char* kNoCharacterMessage = "No kanji character is entered.";
    static constexpr const char* kNoMeaningMessage = "Enter the meaning for this counter.";
    static constexpr const char* kNoRomajiMessage = "Enter the romaji for this counter.";
    static constexpr const char* kNoFormsMessage = "No counters have been added yet.";
    static constexpr const char* kNoGroupMessage = "No Word Group is selected.";
    static constexpr const char* kCommentsPrompt = "Enter comments for this Counter flashcard";
    // The numbers a form may have: those the program has number words for.
    static constexpr std::array<const char*, 18> kNumbers{"1",  "2",  "3",  "4",   "5",    "6",
                                                          "7",  "8",  "9",  "10",  "11",   "12",
                                                          "14", "20", "24", "100", "1000", "10000"};

    // A new card for group; an existing card of the document.
    CCounterCardEditor(CBrushly2Doc& document, CPrompter& prompter, const std::string& group,
                       bool fixedGroup);
    CCounterCardEditor(CBrushly2Doc& document, CPrompter& prompter, CCounterCard& card,
                       bool fixedGroup);

    const char* Title() const { return Editing() ? kEditTitle : kAddTitle; }

    // The typed meaning and romaji, trimmed.
    void SetMeaning(std::string_view meaning);
    void SetRomaji(std::string_view romaji);
    void SetCounterType(CCounterCard::CounterType type) { MutableWorking().counterType = type; }
    void SetComments(std::string comments) { MutableWorking().comments = std::move(comments); }

    // "&Add": appends the form (number as decimal text, empty when none is selected; romaji
    // trimmed), or refuses with the first message above that applies. True when added.
    bool AddForm(std::string_view number, std::string_view romaji);
    // "&Delete": removes form index; false when there is none.
    bool DeleteForm(std::size_t index);
    // Auto expansion: the forms replaced by the engine's for root (lower-cased) and the
    // number words and position of how; refused, forms unchanged, with "Must first enter a
    // romaji root" or "Must first select a Kanji character". True when expanded.
    bool AutoExpand(std::string_view root, CounterExpansion how);

private:
    const char* Refusal() const override;
};

}  // namespace brushly
