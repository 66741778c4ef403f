#pragma once

#include <string>
#include <vector>

#include "practice/FlashDeckEntry.h"

namespace brushly {

class CBrushly2Doc;
class CRandom;

// The deck of the Flash View: one entry per drilled item of the named Word Groups, taken in
// the order of `groupNames` and, within a group, kanji, compound, kana word and counter
// cards each in card order. Only active cards of the kinds the Flash options include are
// taken. Without a Japanese font (characters drawn from stroke data) kanji and counter cards
// whose character has no Shift-JIS code are left out. Compound entries carry their okurigana
// split; a counter card gives one entry per counted form with "All", or one entry for a form
// drawn with the document's PickRandom with "Only One" (a counter without forms gives none).
// Unknown group names are skipped. The entries point at the document's cards.
std::vector<FlashDeckEntry> BuildFlashDeck(CBrushly2Doc& document,
                                           const std::vector<std::string>& groupNames,
                                           bool japaneseFont);

// The Shuffle Order option's values.
inline constexpr int kShuffleRandom = 0;
inline constexpr int kShuffleWordGroup = 1;
inline constexpr int kShuffleRecognition = 2;

// Orders a deck by the Shuffle Order option:
//   kShuffleRandom: ten passes; in each, for every position j = 1..n, a = PickRandom(n) and
//     entries j and a swapped when they differ;
//   kShuffleWordGroup: left in build order;
//   kShuffleRecognition: ascending right% ((right * 100) div answers, 0 without answers),
//     equal right% by descending number of answers, otherwise stable; so cards answered
//     with 0% come before cards never answered.
void ShuffleFlashDeck(std::vector<FlashDeckEntry>& deck, int shuffleOrder, CRandom& random);

}  // namespace brushly
