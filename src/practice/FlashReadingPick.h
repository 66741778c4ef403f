#pragma once

#include <memory>
#include <string>
#include <vector>

#include "reference/CKanjiReading.h"

namespace brushly {

class CRandom;

// The kinds of reading a pick asks for, as the "For Japanese reading, use" option numbers
// them (0 is "Either", resolved by the caller).
enum FlashReadingKind : int { kFlashOnReading = 1, kFlashKunReading = 2 };

// A reading picked at random from a kanji's reading groups.
struct FlashReadingPick {
    std::string reading;  // as CleanKanjiReading gives it; empty when the kanji has none
    int kind = kFlashOnReading;
    bool fellBack = false;  // no group had the kind asked for, so the other kind was taken
};

// The reading pick: a random group; if it lacks readings of `kind`, the first group that
// has some; if none has any, the other kind from the random group (or, lacking that too,
// from the first group that has it); then a random reading of the chosen list. Draws with
// random.PickRandom only over non-empty ranges.
FlashReadingPick PickKanjiReading(const std::vector<std::unique_ptr<CKanjiReading>>& groups,
                                  int kind, int longOMode, CRandom& random);

// A random meaning of a random reading group (the first group with meanings when the drawn
// one has none), without its verb tags; empty when the kanji has no meaning.
std::string PickKanjiMeaning(const std::vector<std::unique_ptr<CKanjiReading>>& groups,
                             CRandom& random);

}  // namespace brushly
