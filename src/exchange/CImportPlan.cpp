#include "exchange/CImportPlan.h"

#include <set>

#include "platform/ShiftJis.h"

namespace brushly {

int CImportGroup::CardCount() const {
    return static_cast<int>(kanjiCards.size() + compoundCards.size() + kanaWordCards.size() +
                            counterCards.size());
}

int CImportPlan::CardCount() const {
    int count = 0;
    for (const CImportGroup& group : groups)
        count += group.CardCount();
    return count;
}

namespace {

std::set<std::string> LowerGroupNames(const CFlashcardSet& cards) {
    std::set<std::string> names;
    for (const std::string& name : cards.GroupNames())
        names.insert(sjis::AsciiLower(name));
    return names;
}

bool Blank(const std::string& name) {
    return name.find_first_not_of(" \t") == std::string::npos;
}

template <class Card>
void HandOver(std::vector<std::unique_ptr<Card>>& from, const std::string& name,
              CFlashcardSet& cards) {
    for (auto& card : from) {
        card->groupName = name;
        cards.AddCard(std::move(card));
    }
    from.clear();
}

}  // namespace

void CImportPlan::ProposeNames(const CFlashcardSet& cards, const std::string& prefix) {
    std::set<std::string> taken = LowerGroupNames(cards);
    for (CImportGroup& group : groups) {
        const std::string base = prefix + group.sourceName;
        std::string name = base;
        for (int suffix = 1; taken.count(sjis::AsciiLower(name)) > 0; ++suffix)
            name = base + "_" + std::to_string(suffix);
        taken.insert(sjis::AsciiLower(name));
        group.name = name;
    }
}

std::string CImportPlan::NameProblem(const CFlashcardSet& cards) const {
    const std::set<std::string> existing = LowerGroupNames(cards);
    std::set<std::string> chosen;
    for (const CImportGroup& group : groups) {
        if (!group.selected) continue;
        if (Blank(group.name)) return kNoNameMessage;
        const std::string lower = sjis::AsciiLower(group.name);
        if (existing.count(lower) > 0) return sjis::ReplaceAll(kNameTakenMessage, "%s", group.name);
        if (!chosen.insert(lower).second)
            return sjis::ReplaceAll(kNameTwiceMessage, "%s", group.name);
    }
    return {};
}

CImportPlan::Totals CImportPlan::SelectedTotals() const {
    Totals totals;
    for (const CImportGroup& group : groups) {
        if (!group.selected) continue;
        ++totals.groups;
        totals.cards += group.CardCount();
    }
    return totals;
}

bool CImportPlan::Apply(CFlashcardSet& cards) {
    if (!NameProblem(cards).empty()) return false;
    for (CImportGroup& group : groups) {
        if (!group.selected) continue;
        cards.AddGroup(group.name);
        HandOver(group.kanjiCards, group.name, cards);
        HandOver(group.compoundCards, group.name, cards);
        HandOver(group.kanaWordCards, group.name, cards);
        HandOver(group.counterCards, group.name, cards);
    }
    return true;
}

}  // namespace brushly
