#pragma once

#include <string>
#include <string_view>

#include "practice/FlashDeckEntry.h"

namespace brushly {

// The okurigana split of a compound's Shift-JIS text against its romaji reading. The kana
// before the first non-kana character (hiragana, katakana or the long mark) and the kana
// after the last one are converted to romaji and cut off the reading where they match it;
// a kana part that does not match the reading is left out of the split and counted in the
// kanji part. A small tsu ending the leading kana takes the consonant it doubles from the
// reading into the leading romaji and records it as the kana-initial letter: かっ手 read
// "katte" splits "kat" + 手 "te" with initial "t". A text of kana only has no kanji part:
// everything is leading kana. Blanks in the reading are ignored.
OkuriganaSplit SplitOkurigana(std::string_view text, std::string_view reading);

// The reading of the kanji part alone: the reading without the split's leading and
// trailing romaji ("okuru" split as 送る gives "oku"), blanks ignored.
std::string KanjiPartReading(std::string_view reading, const OkuriganaSplit& split);

}  // namespace brushly
