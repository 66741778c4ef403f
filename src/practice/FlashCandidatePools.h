#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "dictionary/CCompoundData.h"
#include "practice/FlashDeckEntry.h"

namespace brushly {

class CBrushly2Doc;

// Whether the kanji occurs in the Shift-JIS text at an even byte offset, that is on a
// character boundary of a text of double-byte characters.
bool ContainsKanji(std::string_view text, std::string_view kanji);

// The compounds that contain one kanji, from the three places a compound may be drawn
// from. The pointers are to cards owned by the document and entries of its compound
// database; they stay valid while neither changes.
struct FlashCompoundPools {
    std::vector<const CCompoundData*> deck;      // compound entries of the drilled deck
    std::vector<const CCompoundData*> document;  // compound cards of the whole document
    // Compounds of the compound database; with the document's "commonly used words" flag
    // and an EDICT-derived database ("EDICT..." identification), only those marked "/(P)".
    std::vector<const CCompoundData*> database;

    const std::vector<const CCompoundData*>& Pool(int tier) const;
};

FlashCompoundPools GatherCompoundPools(const CBrushly2Doc& document,
                                       const std::vector<FlashDeckEntry>& deck,
                                       std::string_view kanji);

// The progress of a tiered draw over three pools: 0 the drilled deck, 1 the document,
// 2 a database. Draws start at the pool the source option names and move to the next one
// once a pool has had more than five draws per entry; an empty pool (size 0, also for a
// pool too small to be used) is passed over. The last pool allows lastPoolDraws draws, or
// any number when that is 0.
struct FlashCandidateTiers {
    std::array<int, 3> sizes{};
    int tier = 0;
    int lastPoolDraws = 0;
    int draws = 0;  // at the current tier
};

// The pool of the next draw, counting it; -1 when every pool is used up.
int NextCandidateTier(FlashCandidateTiers& tiers);

}  // namespace brushly
