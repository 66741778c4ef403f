#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/CFlashcardSet.h"
#include "document/CWordGroup.h"
#include "document/KanaStatistics.h"

namespace brushly {

// The texts of one line of the main view's Word Group list.
struct CWordGroupRow {
    std::string name;
    int iconIndex = 0;                    // see CWordGroupRows::IconIndex
    std::array<std::string, 11> columns;  // one text per column; columns[0] is the name
};

// Heading and width in pixels of one column of the Word Group list.
struct CWordGroupColumn {
    const char* heading;
    int width;
};

// What the main view shows of the Word Groups and the kana statistics, computed without any
// widget. Percentages use FormatPercent's short form: the truncated percentage of the
// summed right and wrong counts, "--" when both sums are 0.
class CWordGroupRows {
public:
    static constexpr int kColumnCount = 11;
    // "Word Group Name", then count and percentage of kanji, compound, kana word and counter
    // cards, then "TOT." and the overall percentage. Percentage columns have no heading.
    static const std::array<CWordGroupColumn, kColumnCount> kColumns;

    // The row of one group: the name; per kind the number of cards and their percentage;
    // the total, which counts every kanji, compound and kana word card and, for counter
    // cards, their counted forms (a counter with three forms adds 3); the percentage over
    // the cards of all four kinds.
    static CWordGroupRow Row(const CWordGroup& group);
    // One row per group, in the set's name order.
    static std::vector<CWordGroupRow> Rows(const CFlashcardSet& cards);
    // The group's icon, 0 to 15, by which card lists are non-empty (K kanji, C compound,
    // W kana word, N counter): none 0; K 1; C 2; W 3; N 4; K+C 5; K+W 6; K+N 7; C+W 8;
    // C+N 9; W+N 10; K+C+W 11; K+C+N 12; K+W+N 13; C+W+N 14; all four 15.
    static int IconIndex(const CWordGroup& group);
    // The overall recognition text of one syllabary for the kana summary: FormatPercent's
    // long form of the right and wrong counts summed over the array, "-- % (0 / 0)" when
    // nothing was answered.
    static std::string KanaRecognition(const CKanaStatsArray& stats);
};

}  // namespace brushly
