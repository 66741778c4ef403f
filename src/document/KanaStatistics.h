#pragma once

#include <memory>
#include <vector>

#include "document/CKanaStats.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

// One script's kana statistics, in kana-table order (the real database holds the 104 kana:
// positions 0-70 the single kana, 71-103 the combined ones).
using CKanaStatsArray = std::vector<std::unique_ptr<CKanaStats>>;

// Replaces both arrays by fresh records, one per kana record of the library's hiragana and
// katakana groups and in their order (which is the kana table's): the record's kana and
// romaji, counts 0/0, linked to the record.
void BuildKanaStatistics(const CKanjiLibrary& library, CKanaStatsArray& hiragana,
                         CKanaStatsArray& katakana);

// Links every record of both arrays to the library's record of the same kana text: the
// record at the same position when its kana matches (the usual case), else the first one
// with that kana; null when the library has none. Counts and texts are not touched.
void LinkKanaStatistics(const CKanjiLibrary& library, CKanaStatsArray& hiragana,
                        CKanaStatsArray& katakana);

}  // namespace brushly
