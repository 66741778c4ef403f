#include "app/CWordGroupRows.h"

#include "platform/FormatPercent.h"

namespace brushly {

namespace {

struct CTally {
    int right = 0;
    int wrong = 0;
};

template <class Card>
CTally TallyOf(const std::vector<Card*>& cards) {
    CTally tally;
    for (const Card* card : cards) {
        tally.right += card->rightCount;
        tally.wrong += card->wrongCount;
    }
    return tally;
}

std::string Percent(const CTally& tally) {
    return FormatPercent(tally.right, tally.wrong, true);
}

}  // namespace

const std::array<CWordGroupColumn, CWordGroupRows::kColumnCount> CWordGroupRows::kColumns = {{
    {"Word Group Name", 200},
    {"Kanji", 53},
    {"", 40},
    {"Compounds", 90},
    {"", 40},
    {"Kana", 50},
    {"", 40},
    {"Counters", 70},
    {"", 40},
    {"TOT.", 55},
    {"", 40},
}};

CWordGroupRow CWordGroupRows::Row(const CWordGroup& group) {
    const std::array<CTally, 4> tallies = {TallyOf(group.kanjiCards), TallyOf(group.compoundCards),
                                           TallyOf(group.kanaWordCards),
                                           TallyOf(group.counterCards)};
    const std::array<std::size_t, 4> counts = {group.kanjiCards.size(), group.compoundCards.size(),
                                               group.kanaWordCards.size(),
                                               group.counterCards.size()};
    std::size_t total = counts[0] + counts[1] + counts[2];
    for (const CCounterCard* counter : group.counterCards)
        total += counter->formNumbers.size();
    CTally overall;
    CWordGroupRow row;
    row.name = group.name;
    row.iconIndex = IconIndex(group);
    row.columns[0] = group.name;
    for (std::size_t kind = 0; kind < tallies.size(); ++kind) {
        row.columns[1 + 2 * kind] = std::to_string(counts[kind]);
        row.columns[2 + 2 * kind] = Percent(tallies[kind]);
        overall.right += tallies[kind].right;
        overall.wrong += tallies[kind].wrong;
    }
    row.columns[9] = std::to_string(total);
    row.columns[10] = Percent(overall);
    return row;
}

std::vector<CWordGroupRow> CWordGroupRows::Rows(const CFlashcardSet& cards) {
    std::vector<CWordGroupRow> rows;
    for (const std::string& name : cards.GroupNames()) {
        if (const CWordGroup* group = cards.FindGroup(name)) rows.push_back(Row(*group));
    }
    return rows;
}

int CWordGroupRows::IconIndex(const CWordGroup& group) {
    // Indexed by the set of non-empty lists: bit 0 kanji, 1 compound, 2 kana word, 3 counter.
    static constexpr std::array<int, 16> kIconBySet = {0, 1, 2, 5,  3,  6,  8,  11,
                                                       4, 7, 9, 12, 10, 13, 14, 15};
    const unsigned set =
        (group.kanjiCards.empty() ? 0U : 1U) | (group.compoundCards.empty() ? 0U : 2U) |
        (group.kanaWordCards.empty() ? 0U : 4U) | (group.counterCards.empty() ? 0U : 8U);
    return kIconBySet[set];
}

std::string CWordGroupRows::KanaRecognition(const CKanaStatsArray& stats) {
    CTally tally;
    for (const auto& record : stats) {
        tally.right += record->rightCount;
        tally.wrong += record->wrongCount;
    }
    return FormatPercent(tally.right, tally.wrong, false);
}

}  // namespace brushly
