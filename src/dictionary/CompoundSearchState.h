#pragma once

#include <string>
#include <vector>

#include "dictionary/CCompoundData.h"

// What the compound search dialog remembers for the rest of the run: its criteria, its
// options, its results and where it stood. The document holds one; the dialog restores it
// on opening and saves it on closing. Plain data: the engine (CCompoundSearch) keeps it
// consistent. The results point at entries of the document's word libraries and are
// emptied whenever those libraries are replaced.
namespace brushly {

struct CCompoundSearchState {
    // Criteria: Shift-JIS text, each used only while its box is checked.
    std::string romaji;
    std::string meaning;
    std::string kanji;  // one double-byte kanji chosen with "Get Kanji", or empty
    bool useRomaji = false;
    bool useMeaning = false;
    bool useKanji = false;
    int anyMode = 0;  // 0 all of the checked criteria, 1 any of them
    // Options.
    bool wholeWord = true;
    bool commonOnly = true;
    bool hideAbbreviations = false;
    bool includeCompounds = true;
    bool includeKanaWords = true;
    // Results: what each library gave, and the merge shown (compounds first).
    std::vector<const CCompoundData*> compoundResults;
    std::vector<const CCompoundData*> kanaWordResults;
    std::vector<const CCompoundData*> combined;
    int compoundCount = 0;  // how many of combined are compounds
    int page = 1;
    int selected = -1;  // index into combined; -1 none
};

}  // namespace brushly
