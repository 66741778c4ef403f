#pragma once

#include <string>
#include <string_view>

#include "practice/FlashDeckEntry.h"

namespace brushly {

// How a Flash View card is put to the student; a kanji card may stand for a compound or an
// inflected verb, and is then asked and judged as that.
enum class FlashQuestionForm { kPlain, kCompound, kInflection };

// The Fill in the Blank prompts.
inline constexpr const char* kPromptReading = "Enter a reading for this character";
inline constexpr const char* kPromptOnReading = "Enter an ON reading for this character";
inline constexpr const char* kPromptKunReading = "Enter a Kun reading for this character";
inline constexpr const char* kPromptRandomCompound = "Enter the romaji for this compound.";
inline constexpr const char* kPromptCompound = "Enter the romaji for this compound";
inline constexpr const char* kPromptKanaWord = "Enter the romaji for this word";

// The "For Japanese reading, use" option's values, also the kind a prompt asks for.
inline constexpr int kReadingEither = 0;
inline constexpr int kReadingOn = 1;
inline constexpr int kReadingKun = 2;

// The reading kind a kanji card is asked for: the option's kind, except that ON falls back
// to Kun when no reading group has an ON reading, and Kun to ON when none has a Kun reading.
int AskedReadingKind(const CKanjiCard& card, int readingKind);

// The prompt of the entry shown in `form`, for the option's reading kind.
std::string FillInPrompt(const FlashDeckEntry& entry, FlashQuestionForm form, int readingKind);

// Typed romaji as it is compared: lower case, Kunrei/Nihon spellings made Hepburn.
std::string NormalizeTypedRomaji(std::string_view typed);

// Whether a typed answer is right for the entry shown in `form`. Romaji compares as
// ComparableRomaji gives it (case, blanks, apostrophes, Kunrei spellings and the spelling of
// the long o do not count) except for kana words:
//   kanji: any ON (asked kind ON or Either) or Kun (Kun or Either) reading of any group,
//     without its markers, parentheses and brackets, equals the answer;
//   compound (card, or kanji shown as one): the reading equals the answer;
//   inflected verb: IsVerbAnswerRight;
//   kana word: the card's romaji equals the answer (its case writes the script, and a
//     student may type it in either case);
//   counter: the form's reading ("All") or the counter's reading ("Only One", onlyOneCounter)
//     equals the answer.
bool IsFillInAnswerRight(const FlashDeckEntry& entry, FlashQuestionForm form,
                         std::string_view typed, int readingKind, bool onlyOneCounter);

// What IsFillInAnswerRight takes as right, to show a student who answered wrong: the romaji
// of a compound, kana word or counter form, the inflected verb as typed, or every reading of
// the asked kind of a kanji (each once, joined by ", ").
std::string ExpectedFillInAnswer(const FlashDeckEntry& entry, FlashQuestionForm form,
                                 int readingKind, bool onlyOneCounter);

}  // namespace brushly
