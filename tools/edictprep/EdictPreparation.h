#pragma once

#include <string>
#include <string_view>
#include <vector>

// Turning the EDICT dictionary as distributed (EUC-JP text) into the files the program
// reads: the dictionary in Shift-JIS and the list of its abbreviations.
namespace brushly::edictprep {

struct CConvertedEdict {
    std::string text;      // Shift-JIS (CP932), lines ending in a line feed
    int lines = 0;         // lines written, the header included
    int droppedLines = 0;  // lines holding a character that CP932 cannot hold
};

// Converts EUC-JP text line by line. A line with a character that has no CP932 form (the
// JIS X 0212 supplement, malformed bytes) is dropped whole rather than mangled. Carriage
// returns and a last line without a line feed are kept as they are (the line is ended).
CConvertedEdict ConvertEdictToShiftJis(std::string_view eucJp);

// A parenthesised tag must be used this often to count as an abbreviation.
inline constexpr int kMinimumTagUses = 20;

// The EDICT abbreviations in Shift-JIS EDICT text, sorted: the part-of-speech, field and
// usage codes that head its senses ("n", "vs", "adj-na", "uk", "v5r", "MA", ...). A code is
// a word of ASCII letters, digits and hyphens, beginning with a letter, inside a
// parenthesised, comma-separated group at the start of a sense. It counts when it heads
// senses at least kMinimumTagUses times and at least as often as it occurs as a plain word
// of the glosses (so "(a) little" does not make "a" an abbreviation). "P", the mark of a
// common word, is not one: the program reads it on its own.
std::vector<std::string> CollectAbbreviations(std::string_view sjisText);

}  // namespace brushly::edictprep
