#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kanjidb/KanjiVgStrokes.h"
#include "reference/CKanaData.h"

// The hiragana and katakana records of the kanji database (groups 25 and 26): reference
// strokes as polylines sampled from KanjiVG's kana, in the draw-box frame of KanjiVgStrokes.h.
namespace brushly::kanjidb {

// One kana of the kana table, named by its hiragana; the katakana is the same kana at
// code point + kKatakanaOffset.
struct CKanaTableEntry {
    std::string_view romaji;  // the record's key, lower case in both scripts
    char32_t kana = 0;        // hiragana code point (of the big kana of a combined one)
    char32_t small = 0;       // the small ya, yu or yo of a combined kana; 0 for a single kana
};

inline constexpr char32_t kKatakanaOffset = 0x60;
inline constexpr std::size_t kSingleKanaCount = 71;
inline constexpr std::size_t kCombinedKanaCount = 33;

// The kana table order, the order of both record groups and of the kana statistics:
// positions 0-45 the 46 plain kana (a i u e o, ka ... ko, sa shi su se so, ta chi tsu te to,
// na ... no, ha hi fu he ho, ma ... mo, ya yu yo, ra ... ro, wa wo, n); 46-65 the 20 voiced
// (ga ... go, za ji zu ze zo, da ji(di) zu(du) de do, ba ... bo); 66-70 the 5 half-voiced
// (pa ... po); 71-103 the 33 combined kana, each i-kana with small ya, yu, yo in the row
// order kya, sha, cha, nya, hya, mya, rya, gya, ja, bya, pya. The t-row ji and zu carry their
// alternative in parentheses: "ji(di)", "zu(du)".
extern const std::array<CKanaTableEntry, kSingleKanaCount + kCombinedKanaCount> kKanaTable;

// Spacing of the points of a kana reference stroke, in pixels.
inline constexpr double kKanaPointStep = 4.0;

// The kana's reference strokes from its KanjiVG strokes (already in the draw-box frame):
// each stroke becomes one polyline of integer points about kKanaPointStep apart, its first
// and last point the path's own (rounded), so a closed loop stays closed; points are kept
// inside the character square (x 11..179, y 0..168).
std::vector<CObArray> KanaStrokes(const std::vector<CVgStroke>& strokes);

// A combined kana's strokes: the big kana squeezed to the left 62% of the character square
// (x only), then the small kana scaled uniformly to fill the square's width from 60% to 97%,
// its bottom kept where KanjiVG draws it. Frame coordinates in and out.
std::vector<CVgStroke> CombinedKanaStrokes(const std::vector<CVgStroke>& big,
                                           const std::vector<CVgStroke>& small);

// Appends the 104 hiragana and the 104 katakana records, in kana-table order, built from the
// KanjiVG kana files in kanjivgDir (hiragana 03041-03096, katakana 030a1-030f6 by code point;
// the combined kana from their big kana and the small ya, yu, yo). The kana text is Shift-JIS.
// Throws std::runtime_error naming a kana file that is missing or unreadable.
void BuildKanaRecords(const std::string& kanjivgDir,
                      std::vector<std::unique_ptr<CHiraganaData>>& hiragana,
                      std::vector<std::unique_ptr<CKatakanaData>>& katakana);

}  // namespace brushly::kanjidb
