#pragma once

#include <array>
#include <string_view>

#include "dictionary/CCompoundLibrary.h"
#include "document/CFlashcardSet.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

// The Word Groups that the first new document of a run receives, in the order they are
// added (the name list then sorts them).
inline constexpr std::array<std::string_view, 8> kSampleGroupNames = {"Animals",
                                                                      "Colors",
                                                                      "Geography",
                                                                      "Time",
                                                                      "Travel",
                                                                      "Verbs",
                                                                      "Kanji Grade 1 (#11-20)",
                                                                      "Kanji Grade 2 (#31-40)"};

// Adds the sample groups and their cards (kanji, compound, kana word and counter cards) to
// the set; a group that already exists gets the cards too. Each library may be null (not
// loaded):
//   - a kanji card takes a copy of its kanji's reading groups from the kanji library and is
//     linked to the record (dbGroup, dbIndex); without the record it stays unlinked and has
//     no readings;
//   - a counter card is linked the same way and carries its counted forms;
//   - a compound, respectively kana word, takes the first entry of exactly its text from the
//     compound, respectively kana-word, library; without one it keeps the sample's own
//     meaning and romaji.
// The groups' card lists are kept by AddCard; no Rebuild is needed.
void AddSampleWordGroups(CFlashcardSet& cards, const CKanjiLibrary* kanjiLibrary,
                         const CCompoundLibrary* compoundLibrary,
                         const CCompoundLibrary* kanaWordLibrary);

}  // namespace brushly
