#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/CCounterCard.h"
#include "practice/CounterExpansion.h"
#include "practice/FlashDeckEntry.h"
#include "reference/CKanjiLibrary.h"

// Numbers with counters: the number words the program knows (1 to 12, 14, 20, 24, 100, 1000,
// 10000), their kanji numerals, the counter editor's automatic forms and the Flash View's
// counter entries. Numbers are decimal text ("3"); readings are romaji; numerals Shift-JIS.
namespace brushly {

inline constexpr const char* kNoCounterRootMessage = "Must first enter a romaji root";
inline constexpr const char* kNoCounterKanjiMessage = "Must first select a Kanji character";

// The kanji numeral of a known number ("3" gives 三, "11" 十一); "--" for any other.
std::string KanjiNumeral(std::string_view number);

// The number word a counted reading uses and the other word of that number, e.g. "ippon"
// for 1 gives "i" (a doubled consonant follows) and "hito", "yottsu" for 4 "yo" and "shi".
// Nothing for a number without words.
struct CounterNumberWords {
    std::string used;
    std::string other;
};
std::optional<CounterNumberWords> NumberWordsOf(std::string_view number, std::string_view reading);

// Replaces the card's forms by those of ExpandedCounterForms for the lower-cased root and the
// card's kanji ("1" to "10": ippon, nihon, sanbon, ...). Returns kNoCounterRootMessage for an
// empty root or kNoCounterKanjiMessage when the card has no kanji, leaving the card
// unchanged; else "".
std::string AutoExpandCounter(CCounterCard& card, std::string_view root, CounterExpansion how);

// The deck entry of form formIndex (< formNumbers.size()) of a counter card: number and
// reading, the counter's reading kind (0 when its reading contains an ON reading of the
// counter kanji's database record, 1 a Kun reading, -1 otherwise or without a record or
// library) and the romaji of the prefix and postfix texts (kana converted; a kanji given
// by the longest of its readings that the counter's reading contains, "" if none).
FlashDeckEntry MakeCounterEntry(CCounterCard& card, std::size_t formIndex,
                                const CKanjiLibrary* library);

// The counted form as asked, Shift-JIS: numeral, prefix, counter kanji, postfix. With
// onlyOne outside No Quiz mode (quizMode 2) the numeral is left out.
std::string CounterQuestionText(const FlashDeckEntry& entry, bool onlyOne, int quizMode);

// The English of a counted form: "3 books" for a Count counter (no "s" for "1", nor for a
// meaning that ends in "s" or "o'clock": "2 small animals", "4 o'clock"), "2nd month" for a
// Name counter.
std::string CounterEnglish(const CCounterCard& card, std::string_view number);

}  // namespace brushly
