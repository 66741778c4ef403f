#pragma once

#include <string>
#include <string_view>

// Answer texts of the Flash View's multiple choice: how readings and meanings are cleaned
// for showing, rendered as kana and compared. Readings are romaji (ASCII), kana Shift-JIS.
namespace brushly {

class CAbbreviationList;

// A kanji reading as an answer: cut before the first verb-class mark ("%", "$", "*" or
// "#"), without "[", "]" and "-", in lower case, and with every "oo" written "ou" when
// longOMode is 1. "@" stays, for the kana rendering.
std::string CleanKanjiReading(std::string_view reading, int longOMode);

// A kanji meaning without the verb tags "(vi)", "(vt)", "(v)", "(vi/vt)" and "(vt/vi)",
// trimmed of the blanks they leave.
std::string RemoveVerbTags(std::string_view meaning);

// An EDICT meaning as an answer: without the "/(P)" marker and with the abbreviation tags
// stripped.
std::string CompoundMeaningAnswer(std::string_view meaning, const CAbbreviationList& abbreviations);

// The romaji without blanks; with longOMode 1 every "oo" written "ou" (and "OO" "OU").
std::string ShownRomaji(std::string_view romaji, int longOMode);

// The romaji without "@", as shown in a slot.
std::string WithoutAtSigns(std::string_view romaji);

// The kana of a romaji answer, katakana when asKatakana (the romaji is upper-cased first),
// else as its letter case says. "@o" keeps its long o, other "@" are dropped.
std::string AnswerKana(std::string_view romaji, bool asKatakana);

// The text two answers are compared by: lower case, Hepburn spelling and, for a reading,
// "oo" folded to "ou".
std::string AnswerKey(std::string_view answer, bool reading);

}  // namespace brushly
