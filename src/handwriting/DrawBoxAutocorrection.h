#pragma once

#include <cstddef>
#include <vector>

#include "reference/CKanjiStrokes.h"

// Autocorrection of the kanji draw box: every recognised stroke is shown exactly where and as
// the database has it. Draw-box pixels.
namespace brushly {

// A stroke of an incomplete feedback list: its database stroke and, per segment, the
// database segment it matched (see CStrokeComparison::segmentMap).
struct CPartialMatch {
    int databaseStroke = 0;
    std::vector<int> segmentMap;
};

// Appends the count segments of source from first (as far as source reaches).
void AppendRange(CKanjiStrokes& destination, const CKanjiStrokes& source, std::size_t first,
                 std::size_t count);

// Replaces each stroke of strokes by its database stroke of source, strokeMap holding one
// database stroke index per stroke (a stroke without a valid one stays as drawn): segments are
// inserted or deleted at the stroke's first position, then each takes the database segment's
// geometry and code (box codes kept only where the user drew them).
void AutocorrectMatched(CKanjiStrokes& strokes, const std::vector<int>& strokeMap,
                        const CKanjiStrokes& source);

// The same for partially matched strokes, segment by segment through their maps: two user
// segments on one database segment become one, a user segment on a joined pair becomes both
// halves.
void AutocorrectPartial(CKanjiStrokes& strokes, const std::vector<CPartialMatch>& partials,
                        const CKanjiStrokes& source);

}  // namespace brushly
