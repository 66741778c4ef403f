#pragma once

#include <string>

#include "document/CKanaStats.h"

// The cells of the kana table: what one kana's cell says and which colour band it is drawn
// in. The window draws them; this decides them.
namespace brushly {

// Asked before a left click on a cell resets that kana's counts.
inline constexpr const char* kResetKanaQuestion =
    "Do you want to reset the highlighted recognition data?";

// A cell's background: none for a kana never answered, else by its right percentage.
inline constexpr int kKanaBandNone = 0;
inline constexpr int kKanaBandRed = 1;     // below the lower level
inline constexpr int kKanaBandYellow = 2;  // from the lower level up to below the upper one
inline constexpr int kKanaBandGreen = 3;   // at or above the upper level

struct KanaCell {
    std::string kana;     // Shift-JIS, one or two characters
    std::string romaji;   // as stored, "ji(di)" with its alternative
    std::string percent;  // FormatPercent's short form and " %": "75 %", "-- %"
    std::string counts;   // "(right/right+wrong)": "(3/4)"
    int band = kKanaBandNone;
};

// The cell of one kana. Levels are percentages 0-99, lowerLevel <= upperLevel; the band
// compares p = right * 100 div (right + wrong) with them.
KanaCell KanaTableCell(const CKanaStats& stats, int lowerLevel, int upperLevel);

}  // namespace brushly
