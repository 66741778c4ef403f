#pragma once

#include <string>
#include <vector>

// What the kanji search dialog remembers for the rest of the run: its inputs, its results
// and the selected kanji. The document holds one; the dialog restores it on opening and
// saves it on closing. Plain data: the engine (CKanjiSearch) keeps it consistent.
namespace brushly {

// One kanji found: its place in the kanji database and the reading group that matched.
struct CKanjiMatch {
    int group = 0;          // the kanji's stroke-count group, 1 to 24
    int index = -1;         // index within the group
    int readingIndex = -1;  // the reading group that matched; -1 none (shown as the first)
    int score = 0;          // handwriting matches only: SimilarityScore, 1000 at best

    friend bool operator==(const CKanjiMatch&, const CKanjiMatch&) = default;
};

// The kanji chosen in the dialog. A character outside the database (a Shift-JIS code) has
// group 0 and index -1; nothing is selected while the character is empty.
struct CSelectedKanji {
    std::string character;  // one Shift-JIS double-byte character, or empty
    int group = 0;          // 0 = not looked up, or not in the database
    int index = -1;

    bool Empty() const { return character.empty(); }
    friend bool operator==(const CSelectedKanji&, const CSelectedKanji&) = default;
};

struct CKanjiSearchState {
    // Index search.
    std::string referenceNumber;  // the "Number:" text as typed
    int reference = 0;            // 0 to 9 a reference book (key + 2), 10 Shift-JIS
    // Text search.
    std::string reading;
    bool useOn = true;
    bool useKun = true;
    int andMode = 0;  // 0 OR, 1 AND
    std::string meaning;
    bool strokeWindow = false;
    int strokes = 1;
    int tolerance = 0;  // 0 to 10
    // Results, ten to a page; pages count from 1.
    std::vector<CKanjiMatch> results;
    std::string caption;
    int page = 1;
    int pageCount = 1;
    CSelectedKanji selected;
};

}  // namespace brushly
