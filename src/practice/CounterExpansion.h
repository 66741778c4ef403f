#pragma once

#include <string>
#include <string_view>
#include <vector>

// The readings of numbers with a counter, with the sound changes of standard Japanese:
//   - a root in h, f or p takes p after a doubled consonant (ippon, roppon, happon, juppon;
//     ippun), b after 3 and 何 (sanbon, nanbon) for h, p after 3, 4 and 何 for f (sanpun,
//     yonpun);
//   - a root in k or p doubles its consonant after 1, 6, 8 and 10 (ikkai, rokkai); one in s,
//     t or ch after 1, 8 and 10 only (issatsu, hassatsu, jussatsu, but rokusatsu; ittou);
//   - 4 is yon (yo before n and with 円: yonin, yoen), 7 nana, 9 kyuu, 10 juu, except with 時
//     (yoji, shichiji, kuji) and 月 (shigatsu, shichigatsu, kugatsu);
//   - the native series with "tsu": hitotsu, futatsu, mittsu, yottsu, itsutsu, muttsu,
//     nanatsu, yattsu, kokonotsu, to@o (とお: "@o" is the お of a long o);
//   - 人 with "nin": hitori, futari, sannin, yonin, ...; 日 with "nichi" or "ka": the days of
//     the month tsuitachi, futsuka, mikka, ... to@oka, and 14 juuyokka, 20 hatsuka, 24
//     nijuuyokka;
//   - ん before a vowel or y is written "n'" (san'en), so that the romaji reads back.
// Roots and readings are lower-case romaji; kanji are Shift-JIS.
namespace brushly {

struct CounterForm {
    std::string number;  // decimal text
    std::string romaji;
};

// How the number words meet the root.
struct CounterExpansion {
    bool nativeWords = false;  // hito, futa, ... instead of ichi, ni, ...
    bool rootFirst = false;    // the root stands before the number (第一 daiichi)
};

// The reading of a number (1 to 10, and 14, 20, 24 for the days; 0 for 何 "nan") with the
// root of the counter written counterKanji; empty for a number it has no reading for.
std::string CountedReading(int number, std::string_view root, std::string_view counterKanji,
                           CounterExpansion how);

// The forms that auto expansion gives: 1 to 10, and 14, 20 and 24 for the days of the month.
std::vector<CounterForm> ExpandedCounterForms(std::string_view root, std::string_view counterKanji,
                                              CounterExpansion how);

}  // namespace brushly
