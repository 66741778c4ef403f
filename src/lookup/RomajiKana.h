#pragma once

#include <string>
#include <string_view>

// Conversion between romaji and Shift-JIS kana.
//
// Romaji is ASCII. Its case carries the script: lower-case romaji is hiragana, upper-case romaji
// is katakana, and a few lower-case letters inside upper-case romaji mark the special katakana
// combinations ("Ti" = ティ, "DYu" = デュ, "SHa" = シァ, "Wi" = ウィ, ...). Kana text is
// Shift-JIS (code page 932) bytes. Every function is pure; none of them throws or fails: text
// that cannot be converted is dropped (towards kana) or marked with the letter 'X' (towards
// romaji).
namespace brushly {

// Converts the first syllable of the romaji text and removes the characters it consumed from
// the front of text; always consumes at least one character of a non-empty text (an empty text
// gives the empty string). Text starting with an upper-case letter goes to
// RomajiToKatakanaSyllable, any other text to RomajiToHiraganaSyllable.
//
// A following repeated vowel is consumed with the syllable as a long vowel: "too" gives とう.
// In katakana, useLongMark writes it as ー instead (or as 丨 when vertical is also set, for text
// drawn top to bottom). Letters that form no syllable are dropped without output, a two-byte
// character in the romaji is dropped whole, and a contracted syllable cut off by the end of
// the text ("ky", "SH") clears the rest of the text and gives nothing.
std::string RomajiToKanaSyllable(std::string& text, bool useLongMark, bool vertical);

// The hiragana converter of RomajiToKanaSyllable (lower-case romaji). The letter x gives the
// small katakana tsu ッ, and "@o" after a vowel gives the long vowel お ("to@o" is とお).
std::string RomajiToHiraganaSyllable(std::string& text);

// The katakana converter of RomajiToKanaSyllable (upper-case romaji with lower-case markers).
std::string RomajiToKatakanaSyllable(std::string& text, bool useLongMark, bool vertical);

// The whole text, syllable by syllable; runs in time linear in the length of the text.
std::string RomajiToKana(std::string_view text, bool useLongMark, bool vertical);

// Rewrites the Kunrei/Nihon spellings of lower-case romaji as Hepburn, in place: "tuzuku"
// becomes "tsuzuku", "hune" becomes "fune"; the "hu" of "shu" and "chu" stays.
void NormalizeRomaji(std::string& text);

// NormalizeRomaji for upper-case romaji ("TUZUKU" becomes "TSUZUKU").
void NormalizeRomajiUpper(std::string& text);

// Romaji as a typed answer and a stored reading are compared: lower case, without blanks and
// apostrophes (so "kinyou" and "kin'you" match, whichever spelling a library stored),
// normalized, and every "u" after an "o" read as "o", so that the long o matches written "oo"
// or "ou", also next to another o ("omoou" and "omooo" for おもおう).
std::string ComparableRomaji(std::string_view romaji);

// Romaji as the long-o display setting ("oomode") shows it: with longOMode 1 every "oo" is
// written "ou" and every "OO" "OU"; any other mode leaves the text as it is.
std::string LongORomaji(std::string_view romaji, int longOMode);

// Romaji of Shift-JIS kana text, in the spelling that RomajiToKana reads back: hiragana in
// lower case, katakana in upper case, an apostrophe where a syllable boundary would otherwise be
// misread ("o'okii" for おおきい). A small kana that forms no known combination with the kana
// before it replaces the last two letters with 'X'. Non-kana characters are skipped, except
// that a full-width digit or Latin capital makes the whole result empty, and so does a
// long-vowel mark ー met while the result is still empty.
std::string KanaToRomaji(std::string_view sjis);

}  // namespace brushly
