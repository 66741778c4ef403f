#pragma once

#include <string>

#include "dictionary/CCompoundSearch.h"

// How the Compound and Kana Word card editors look a word up in the compound search.
namespace brushly {

enum class CompoundQuery { kByKanji, kByRomaji, kByMeaning };

// Makes text the search's only criterion (for kByKanji, its first kanji) and includes the
// words the editor takes: compounds for kModeCompoundEditor, kana words for
// kModeKanaWordEditor. True when there is a query to search for; with none, the criteria are
// left unchecked for the user to fill in.
bool PrepareCompoundQuery(CCompoundSearchState& state, CompoundQuery by, const std::string& text,
                          int mode);

// What an editor takes from an accepted search: the selected word's headword, romaji and
// meaning as shown.
struct CTakenWord {
    std::string headword;
    std::string romaji;
    std::string meaning;
};
CTakenWord TakenWord(const CCompoundSelection& selection);

}  // namespace brushly
