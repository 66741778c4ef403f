#include "document/CFlashcardSet.h"

#include <algorithm>
#include <iterator>
#include <type_traits>
#include <utility>

#include "platform/ShiftJis.h"

namespace brushly {

namespace {
// Where a card sits in a list of owning or plain pointers; the list's end when absent.
template <class List, class Card>
auto FindCard(List& list, const Card* card) {
    return std::find_if(list.begin(), list.end(), [card](const auto& held) {
        if constexpr (std::is_pointer_v<std::decay_t<decltype(held)>>)
            return held == card;
        else
            return held.get() == card;
    });
}
}  // namespace

template <class Card>
std::vector<std::unique_ptr<Card>>& CFlashcardSet::Master() {
    if constexpr (std::is_same_v<Card, CKanjiCard>)
        return m_kanjiCards;
    else if constexpr (std::is_same_v<Card, CKanjiCompound>)
        return m_compoundCards;
    else if constexpr (std::is_same_v<Card, CKanaWord>)
        return m_kanaWordCards;
    else {
        static_assert(std::is_same_v<Card, CCounterCard>, "not a card class");
        return m_counterCards;
    }
}

CWordGroup* CFlashcardSet::FindGroup(std::string_view name) {
    const auto found = m_groups.find(name);
    return found == m_groups.end() ? nullptr : &found->second;
}

const CWordGroup* CFlashcardSet::FindGroup(std::string_view name) const {
    const auto found = m_groups.find(name);
    return found == m_groups.end() ? nullptr : &found->second;
}

void CFlashcardSet::InsertName(const std::string& name) {
    const std::string lowered = sjis::AsciiLower(name);
    const auto position = std::find_if(
        m_groupNames.begin(), m_groupNames.end(),
        [&lowered](const std::string& listed) { return lowered < sjis::AsciiLower(listed); });
    m_groupNames.insert(position, name);
}

bool CFlashcardSet::AddGroup(const std::string& name) {
    const std::string lowered = sjis::AsciiLower(name);
    for (const auto& [listed, group] : m_groups) {
        if (sjis::AsciiLower(listed) == lowered) return false;
    }
    InsertName(name);
    CWordGroup& group = m_groups[name];
    group.name = name;
    return true;
}

CWordGroup& CFlashcardSet::GroupForCard(std::string& groupName) {
    if (CWordGroup* exact = FindGroup(groupName)) return *exact;
    const std::string lowered = sjis::AsciiLower(groupName);
    for (auto& [listed, group] : m_groups) {
        if (sjis::AsciiLower(listed) == lowered) {
            groupName = listed;
            return group;
        }
    }
    AddGroup(groupName);
    return m_groups.at(groupName);
}

template <class Card>
void CFlashcardSet::AppendToGroups() {
    auto& master = Master<Card>();
    std::erase(master, nullptr);
    for (const auto& card : master) {
        CWordGroup& group = GroupForCard(card->groupName);
        group.Cards<Card>().push_back(card.get());
        ++group.cardCount;
    }
}

void CFlashcardSet::Rebuild() {
    m_groups.clear();
    for (const std::string& name : m_groupNames) {
        CWordGroup& group = m_groups[name];
        group.name = name;
    }
    AppendToGroups<CKanjiCard>();
    AppendToGroups<CKanjiCompound>();
    AppendToGroups<CKanaWord>();
    AppendToGroups<CCounterCard>();
}

void CFlashcardSet::Clear() {
    // Groups first: they point into the master arrays.
    m_groups.clear();
    m_groupNames.clear();
    m_kanjiCards.clear();
    m_compoundCards.clear();
    m_kanaWordCards.clear();
    m_counterCards.clear();
}

namespace {
// Calls action with each of the four card kinds' type, as a null pointer of that type.
template <class Action>
void ForEachKind(Action&& action) {
    action(static_cast<CKanjiCard*>(nullptr));
    action(static_cast<CKanjiCompound*>(nullptr));
    action(static_cast<CKanaWord*>(nullptr));
    action(static_cast<CCounterCard*>(nullptr));
}
}  // namespace

bool CFlashcardSet::DeleteGroup(std::string_view name) {
    const auto found = m_groups.find(name);
    if (found == m_groups.end()) return false;
    CWordGroup& group = found->second;
    ForEachKind([this, &group](auto* kind) {
        using Card = std::remove_pointer_t<decltype(kind)>;
        auto& listed = group.Cards<Card>();
        std::erase_if(Master<Card>(), [&listed](const auto& card) {
            return std::find(listed.begin(), listed.end(), card.get()) != listed.end();
        });
    });
    std::erase(m_groupNames, found->first);
    m_groups.erase(found);
    return true;
}

bool CFlashcardSet::RenameGroup(std::string_view oldName, const std::string& newName) {
    const auto found = m_groups.find(oldName);
    if (found == m_groups.end()) return false;
    auto node = m_groups.extract(found);
    const std::string lowered = sjis::AsciiLower(newName);
    for (const auto& [listed, group] : m_groups) {
        if (sjis::AsciiLower(listed) == lowered) {
            m_groups.insert(std::move(node));
            return false;
        }
    }
    std::erase(m_groupNames, node.key());
    InsertName(newName);
    node.key() = newName;
    CWordGroup& group = node.mapped();
    group.name = newName;
    ForEachKind([&group](auto* kind) {
        using Card = std::remove_pointer_t<decltype(kind)>;
        for (Card* card : group.Cards<Card>())
            card->groupName = group.name;
    });
    m_groups.insert(std::move(node));
    return true;
}

bool CFlashcardSet::MergeGroups(std::string_view source, std::string_view target) {
    CWordGroup* from = FindGroup(source);
    CWordGroup* into = FindGroup(target);
    if (!from || !into || from == into) return false;
    ForEachKind([this, from, into](auto* kind) {
        using Card = std::remove_pointer_t<decltype(kind)>;
        auto& master = Master<Card>();
        for (Card* card : from->Cards<Card>()) {
            // To the end of the master array, where the target's order puts it.
            const auto slot = FindCard(master, card);
            if (slot == master.end()) continue;
            std::unique_ptr<Card> owned = std::move(*slot);
            master.erase(slot);
            owned->groupName = into->name;
            master.push_back(std::move(owned));
            into->Cards<Card>().push_back(card);
            ++into->cardCount;
        }
        from->Cards<Card>().clear();
    });
    return DeleteGroup(source);
}

template <class Card>
Card& CFlashcardSet::AddCard(std::unique_ptr<Card> card) {
    Card& added = *card;
    Master<Card>().push_back(std::move(card));
    CWordGroup& group = GroupForCard(added.groupName);
    group.Cards<Card>().push_back(&added);
    ++group.cardCount;
    return added;
}

template <class Card>
bool CFlashcardSet::RemoveCard(const Card* card) {
    auto& master = Master<Card>();
    const auto slot = FindCard(master, card);
    if (slot == master.end()) return false;
    if (CWordGroup* group = FindGroup(card->groupName)) {
        auto& listed = group->Cards<Card>();
        const auto entry = FindCard(listed, card);
        if (entry != listed.end()) {
            listed.erase(entry);
            --group->cardCount;
        }
    }
    master.erase(slot);
    return true;
}

template <class Card>
bool CFlashcardSet::MoveCard(const Card* card, int step) {
    CWordGroup* group = card ? FindGroup(card->groupName) : nullptr;
    if (!group) return false;
    auto& listed = group->Cards<Card>();
    const auto entry = FindCard(listed, card);
    if (entry == listed.end()) return false;
    const auto position = std::distance(listed.begin(), entry);
    const auto neighbourPosition = position + step;
    if (neighbourPosition < 0 || neighbourPosition >= std::ssize(listed)) return false;
    auto& neighbour = listed[static_cast<std::size_t>(neighbourPosition)];
    // The two cards trade master slots as well; the other cards between them belong to
    // other groups, so every group's order stays the master array's order.
    auto& master = Master<Card>();
    const auto slot = FindCard(master, card);
    const auto neighbourSlot = FindCard(master, neighbour);
    if (slot == master.end() || neighbourSlot == master.end()) return false;
    std::iter_swap(slot, neighbourSlot);
    std::swap(*entry, neighbour);
    return true;
}

template <class Card>
bool CFlashcardSet::MoveCardUp(const Card* card) {
    return MoveCard(card, -1);
}

template <class Card>
bool CFlashcardSet::MoveCardDown(const Card* card) {
    return MoveCard(card, 1);
}

template <class Card>
std::unique_ptr<Card> CFlashcardSet::CopyCard(const Card& card) {
    return std::make_unique<Card>(card);
}

template <class Card>
Card* CFlashcardSet::CopyCardToGroup(const Card& card, std::string_view groupName) {
    CWordGroup* group = FindGroup(groupName);
    if (!group) return nullptr;
    std::unique_ptr<Card> copy = CopyCard(card);
    copy->groupName = group->name;
    return &AddCard(std::move(copy));
}

template <class Card>
Card* CFlashcardSet::MoveCardToGroup(const Card* card, std::string_view groupName) {
    auto& master = Master<Card>();
    if (!card || FindCard(master, card) == master.end()) return nullptr;
    Card* copy = CopyCardToGroup(*card, groupName);
    if (copy) RemoveCard(card);
    return copy;
}

void CFlashcardSet::ResetGroupStats(CWordGroup& group) {
    ForEachKind([&group](auto* kind) {
        using Card = std::remove_pointer_t<decltype(kind)>;
        for (Card* card : group.Cards<Card>())
            ResetStats(*card);
    });
}

void CFlashcardSet::ActivateAll(CWordGroup& group) {
    ForEachKind([&group](auto* kind) {
        using Card = std::remove_pointer_t<decltype(kind)>;
        for (Card* card : group.Cards<Card>())
            SetActive(*card, true);
    });
}

bool CFlashcardSet::NextVerbReading(const CKanjiCard& card, int& groupIndex, int& kunIndex,
                                    CRandom& random) {
    std::vector<std::pair<int, int>> verbs;
    for (std::size_t g = 0; g < card.readings.size(); ++g) {
        const CKanjiReading& reading = *card.readings[g];
        for (std::size_t k = 0; k < reading.kunReadings.size(); ++k) {
            const int verbClass = reading.VerbClass(k);
            if (verbClass >= kVerbRu && verbClass <= kVerbKuru)
                verbs.emplace_back(static_cast<int>(g), static_cast<int>(k));
        }
    }
    if (verbs.empty()) return false;
    const auto current = std::find(verbs.begin(), verbs.end(), std::pair{groupIndex, kunIndex});
    std::size_t chosen = 0;
    if (current != verbs.end()) {
        chosen = static_cast<std::size_t>(std::distance(verbs.begin(), current) + 1) % verbs.size();
    } else if (groupIndex == kRandomVerbReading) {
        chosen = static_cast<std::size_t>(random.PickRandom(static_cast<int>(verbs.size())) - 1);
    } else if (groupIndex != kFirstVerbReading) {
        return false;
    }
    std::tie(groupIndex, kunIndex) = verbs[chosen];
    return true;
}

// The four card classes are the only ones the operations serve.
#define BRUSHLY_CARD_OPERATIONS(Card)                                             \
    template Card& CFlashcardSet::AddCard(std::unique_ptr<Card>);                 \
    template bool CFlashcardSet::RemoveCard(const Card*);                         \
    template bool CFlashcardSet::MoveCardUp(const Card*);                         \
    template bool CFlashcardSet::MoveCardDown(const Card*);                       \
    template std::unique_ptr<Card> CFlashcardSet::CopyCard(const Card&);          \
    template Card* CFlashcardSet::CopyCardToGroup(const Card&, std::string_view); \
    template Card* CFlashcardSet::MoveCardToGroup(const Card*, std::string_view);
BRUSHLY_CARD_OPERATIONS(CKanjiCard)
BRUSHLY_CARD_OPERATIONS(CKanjiCompound)
BRUSHLY_CARD_OPERATIONS(CKanaWord)
BRUSHLY_CARD_OPERATIONS(CCounterCard)
#undef BRUSHLY_CARD_OPERATIONS

}  // namespace brushly
