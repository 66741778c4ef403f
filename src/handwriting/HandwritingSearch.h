#pragma once

#include <cstddef>
#include <vector>

#include "handwriting/DrawnStrokes.h"
#include "reference/CKanjiLibrary.h"
#include "reference/CKanjiStrokes.h"

// The handwriting lookup's search: the kanji of the database whose stroke lists best match a
// drawn one. Stroke lists are in draw-box pixels.
namespace brushly {

// One kanji found by the search: its group (stroke count) and index in the group, and its
// SimilarityScore against the drawn list (1000 at best).
struct CCandidate {
    int group = 0;
    int index = 0;
    int score = 0;

    friend bool operator==(const CCandidate&, const CCandidate&) = default;
};

// One pass of the search over the groups around the drawn stroke count.
struct CSearchPass {
    int spread;        // groups farther than this from the drawn stroke count are skipped
    double tolerance;  // SimilarityScore's closeness threshold, pixels
    int minimumScore;  // a kanji must score above this to become a candidate
};

// The two passes, in order: near stroke counts leniently, then a wider range strictly.
inline constexpr CSearchPass kSearchPasses[] = {{1, 40.0, 800}, {5, 30.0, 400}};

// Fills result (cleared first) with at most maximum candidates, best score first; among equal
// scores the one found first comes first, and no kanji appears twice.
//
// With n the drawn list's stroke count, each pass of kSearchPasses visits the groups n, n + 1,
// n - 1, n + 2, n - 2, ...; a group outside 1 to 24 or farther than the pass's spread from n is
// skipped, and the pass ends at the second skipped group in a row. Every kanji of a visited
// group is scored with the pass's tolerance and becomes a candidate when its score exceeds the
// pass's current minimum and it is not in the list yet: into a full list it comes by dropping
// the list's last entry. It is inserted after every entry of an equal or higher score. A pass
// starts from its own minimum, or from the score of the last entry when the list is already
// full and that is higher; after an insertion into a list now full, the minimum becomes the
// score of the last entry. So no kanji ever displaces one that scored higher.
//
// A drawn list without segments, or a maximum of 0, gives no candidates. n is clamped into 1 to 24:
// segments that begin no stroke still search from group 1, and more than 24 strokes search from
// group 24, which also holds the kanji of more strokes.
void BestMatchesByStrokes(const CKanjiLibrary& library, const CKanjiStrokes& drawn,
                          std::size_t maximum, std::vector<CCandidate>& result);

// The search with the strokes' paths: BestMatchesByStrokes looks kRerankDepth deep (or maximum,
// when deeper); then the candidates that the draw box would take stroke for stroke, in the
// drawn order (CompareDrawnStroke, similar stroke types, threshold kRerankThreshold) move to
// the front, the nearest (mean comparison distance) first, the others keeping their order; the
// first maximum of them are the result. The paths settle what the segments alone cannot: a
// kanji written correctly but read into other pieces than its database strokes, against a
// look-alike whose pieces happen to fit.
void BestMatchesByPaths(const CKanjiLibrary& library, const CDrawnStrokes& drawn,
                        std::size_t maximum, std::vector<CCandidate>& result);
inline constexpr std::size_t kRerankDepth = 10;
inline constexpr double kRerankThreshold = 40.0;  // pixels, the draw box's at tolerance 20

}  // namespace brushly
