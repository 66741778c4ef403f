#pragma once

#include <vector>

// The kana table's positions and the restricted sets the kana drills can be limited to.
//
// Table order (both scripts, and so the kana statistics arrays): positions 0-45 the plain
// kana a i u e o, ka-ko, sa-so, ta-to, na-no, ha-ho, ma-mo, ya yu yo, ra-ro, wa, wo, n;
// 46-65 the voiced rows g, z, d, b; 66-70 the half-voiced p row; 71-103 the combined kana
// (kya ... pyo).
//
// The gojuu-on set is the 46 plain kana, positions 0-45: it includes n and wo, which every
// modern chart teaches with the fifty sounds, while the obsolete wi and we are not in the
// table at all. The gojuu-on and daku/handaku-on set adds the g, z, d, b and p rows: positions
// 0-70, every single kana. The combined kana belong to "All kana" only.
namespace brushly {

enum class KanaSet { kAll = 0, kGojuuOn = 1, kGojuuOnVoiced = 2 };

inline constexpr int kKanaTableSize = 104;
inline constexpr int kSingleKanaCount = 71;    // positions 0-70
inline constexpr int kCombinedKanaCount = 33;  // positions 71-103
inline constexpr int kGojuuOnCount = 46;       // positions 0-45

// The table positions of the set, ascending. A value outside the enumeration gives all.
std::vector<int> KanaSetPositions(KanaSet set);

// Whether the table position holds a combined kana (two characters, kya and the like).
bool IsCombinedKanaPosition(int position);

}  // namespace brushly
