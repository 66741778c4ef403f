#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/CPrompter.h"
#include "reference/CKanjiReading.h"

namespace brushly {

// The reading editor of the Kanji card editor: one reading group (CKanjiReading) put
// together from typed texts. "Add &On" adds the typed reading as an ON reading (upper case),
// "Add &Kun" as a Kun reading (lower case), "Add &Meaning" the typed meaning; each list's
// entries can be removed again. A Kun reading's word type (verb class) is adjusted by its
// class marker, and the typed reading's long o swapped between "oo" and "ou".
//
// Checks on OK, in order: kNoMeaningMessage, kNoReadingsMessage. The prompter must outlive
// the editor.
class CReadingEditor {
public:
    static constexpr const char* kAddTitle = "Add Kanji Reading";
    static constexpr const char* kEditTitle = "Edit Kanji Reading";
    static constexpr const char* kNoMeaningMessage =
        "There is no meaning entered for this reading.";
    static constexpr const char* kNoReadingsMessage =
        "There are no ON or Kun readings entered for this reading.";

    enum class List { kOn, kKun, kMeaning };

    // A new reading group (editing false) or a copy of one to edit.
    CReadingEditor(CPrompter& prompter, const CKanjiReading& reading, bool editing);

    const char* Title() const { return m_editing ? kEditTitle : kAddTitle; }
    const CKanjiReading& Reading() const { return m_reading; }

    // Appends the typed text, trimmed, to a list: ON readings upper-cased, Kun readings
    // lower-cased. False, nothing added, for an empty text.
    bool Add(List list, std::string_view text);
    // Removes entry index of a list; false when there is none.
    bool Remove(List list, std::size_t index);

    // The typed reading in kana, as the "Kana:" field shows it (upper case katakana, with
    // the long-vowel mark).
    static std::string Kana(std::string_view typed);
    // The typed reading with its long o written the other way: every "oo" as "ou" when it
    // has one, else every "ou" as "oo" (either case).
    static std::string SwapLongO(std::string_view typed);

    // The "Word Type:" of Kun reading index: its verb class name ("none" out of range).
    std::string WordType(std::size_t index) const;
    // "Adjust &Word Type": gives Kun reading index the next class marker, in the cycle
    // none, "%" (godan), "$" (not a verb), "*" (suru on an ON stem). Only a reading with
    // okurigana (parentheses) has a word type: false, unchanged, for any other.
    bool AdjustWordType(std::size_t index);
    bool CanAdjustWordType(std::size_t index) const;

    // OK: the checks above; true when the reading group may be taken.
    bool Accept();

private:
    CPrompter& m_prompter;
    CKanjiReading m_reading;
    bool m_editing;
};

}  // namespace brushly
