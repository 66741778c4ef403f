#pragma once

#include <array>
#include <cctype>
#include <string>
#include <string_view>

// The kana tables that the two directions of the romaji/kana conversion share.
namespace brushly::kana {

// A kana is named by its place in the Shift-JIS kana order, written as its hiragana trail byte:
// 0x9F (small a) to 0xF1 (n), then the three katakana that have no hiragana (vu, small ka, small
// ke). The katakana trail byte is the same place counted from 0x40, skipping 0x7F. 0 is no kana.
using KanaCode = unsigned char;

inline constexpr KanaCode kFirstKana = 0x9F;

// Romaji of every kana in that order; small kana carry a leading x ("xtsu" is っ).
inline constexpr std::array<std::string_view, 86> kKanaRomaji{
    "xa",  "a",   "xi",  "i",  "xu",   "u",   "xe",  "e",  "xo", "o",         // 0x9F
    "ka",  "ga",  "ki",  "gi", "ku",   "gu",  "ke",  "ge", "ko", "go",        // 0xA9
    "sa",  "za",  "shi", "ji", "su",   "zu",  "se",  "ze", "so", "zo",        // 0xB3
    "ta",  "da",  "chi", "di", "xtsu", "tsu", "dzu", "te", "de", "to", "do",  // 0xBD
    "na",  "ni",  "nu",  "ne", "no",                                          // 0xC8
    "ha",  "ba",  "pa",  "hi", "bi",   "pi",  "fu",  "bu", "pu",              // 0xCD
    "he",  "be",  "pe",  "ho", "bo",   "po",                                  // 0xD6
    "ma",  "mi",  "mu",  "me", "mo",                                          // 0xDC
    "xya", "ya",  "xyu", "yu", "xyo",  "yo",                                  // 0xE1
    "ra",  "ri",  "ru",  "re", "ro",                                          // 0xE7
    "xwa", "wa",  "wi",  "we", "wo",   "n",                                   // 0xEC
    "vu",  "xka", "xke",                                                      // katakana only
};

constexpr std::string_view Romaji(KanaCode code) {
    return kKanaRomaji[code - kFirstKana];
}

constexpr bool IsSmall(KanaCode code) {
    return Romaji(code).front() == 'x';
}

// The kana whose romaji (as in kKanaRomaji) is romaji, or 0.
constexpr KanaCode FindKana(std::string_view romaji) {
    for (std::size_t i = 0; i < kKanaRomaji.size(); ++i) {
        if (kKanaRomaji[i] == romaji) return static_cast<KanaCode>(kFirstKana + i);
    }
    return 0;
}

// FindKana for the names written in the code; a misspelt name fails to compile.
consteval KanaCode Kana(std::string_view romaji) {
    const KanaCode code = FindKana(romaji);
    if (code == 0) throw "no kana with this romaji";
    return code;
}

inline constexpr KanaCode kSmallTsu = Kana("xtsu");

constexpr unsigned char KatakanaTrail(KanaCode code) {
    const unsigned char trail = code - 0x5F;
    return trail >= 0x7F ? trail + 1 : trail;
}

constexpr KanaCode FromKatakanaTrail(unsigned char trail) {
    return trail < 0x7F ? trail + 0x5F : trail + 0x5E;
}

inline std::string Cased(std::string_view romaji, bool upper) {
    std::string result(romaji);
    if (upper) {
        for (char& letter : result) {
            letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        }
    }
    return result;
}

// A kana followed by a small kana that has a romaji spelling of its own. The same spellings are
// read by the romaji converters and written by KanaToRomaji.
struct CCombination {
    std::string_view romaji;
    KanaCode first;
    KanaCode second;
};

inline constexpr std::array kHiraganaCombinations{
    CCombination{"dya", Kana("di"), Kana("xya")},
    CCombination{"dyo", Kana("di"), Kana("xyo")},
    CCombination{"fa", Kana("fu"), Kana("xa")},
    CCombination{"she", Kana("shi"), Kana("xe")},
};

// Upper-case romaji with the lower-case markers; the combinations of an i-kana with small ya,
// yu or yo (KYA, SHA) follow the rows and are not listed.
inline constexpr std::array kKatakanaCombinations{
    CCombination{"TYu", Kana("te"), Kana("xyu")}, CCombination{"DYu", Kana("de"), Kana("xyu")},
    CCombination{"FYu", Kana("fu"), Kana("xyu")}, CCombination{"BYu", Kana("bu"), Kana("xyu")},
    CCombination{"VYu", Kana("vu"), Kana("xyu")}, CCombination{"FA", Kana("fu"), Kana("xa")},
    CCombination{"FI", Kana("fu"), Kana("xi")},   CCombination{"FE", Kana("fu"), Kana("xe")},
    CCombination{"FO", Kana("fu"), Kana("xo")},   CCombination{"KWA", Kana("ku"), Kana("xa")},
    CCombination{"KWI", Kana("ku"), Kana("xi")},  CCombination{"KWE", Kana("ku"), Kana("xe")},
    CCombination{"KWO", Kana("ku"), Kana("xo")},  CCombination{"GWA", Kana("gu"), Kana("xa")},
    CCombination{"CHE", Kana("chi"), Kana("xe")}, CCombination{"Ti", Kana("te"), Kana("xi")},
    CCombination{"Di", Kana("de"), Kana("xi")},   CCombination{"Ta", Kana("te"), Kana("xa")},
    CCombination{"Tu", Kana("to"), Kana("xu")},   CCombination{"Du", Kana("do"), Kana("xu")},
    CCombination{"SHa", Kana("shi"), Kana("xa")}, CCombination{"SHE", Kana("shi"), Kana("xe")},
    CCombination{"JE", Kana("ji"), Kana("xe")},   CCombination{"Wi", Kana("u"), Kana("xi")},
    CCombination{"We", Kana("u"), Kana("xe")},    CCombination{"Wo", Kana("u"), Kana("xo")},
    CCombination{"TSA", Kana("tsu"), Kana("xa")}, CCombination{"TSI", Kana("tsu"), Kana("xi")},
    CCombination{"TSE", Kana("tsu"), Kana("xe")}, CCombination{"TSO", Kana("tsu"), Kana("xo")},
    CCombination{"YE", Kana("i"), Kana("xe")},    CCombination{"Si", Kana("se"), Kana("xi")},
    CCombination{"Zi", Kana("ze"), Kana("xi")},   CCombination{"Ri", Kana("ri"), Kana("xi")},
    CCombination{"Re", Kana("ri"), Kana("xe")},   CCombination{"Sui", Kana("su"), Kana("xi")},
    CCombination{"Zui", Kana("zu"), Kana("xi")},  CCombination{"Pi", Kana("pi"), Kana("xi")},
    CCombination{"Bi", Kana("bi"), Kana("xi")},   CCombination{"VA", Kana("vu"), Kana("xa")},
    CCombination{"VI", Kana("vu"), Kana("xi")},   CCombination{"VE", Kana("vu"), Kana("xe")},
    CCombination{"VO", Kana("vu"), Kana("xo")},
};

}  // namespace brushly::kana
