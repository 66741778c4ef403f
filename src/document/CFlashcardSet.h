#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/CCounterCard.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "document/CKanjiCompound.h"
#include "document/CWordGroup.h"
#include "platform/CRandom.h"

namespace brushly {

// The user's flashcards: the four master arrays that own every card (one per kind, in
// creation order), the Word Group names in their order and the name-to-group map.
//
// Invariant, kept by every operation: each card is in the master array of its kind and in
// exactly one group, the one whose name equals its groupName; within a group, the cards of
// one kind are listed in the order of the master array. Because of the last clause the
// display order survives a save and reload (Rebuild gives back the same lists).
//
// The card operations are member templates for Card = CKanjiCard, CKanjiCompound,
// CKanaWord or CCounterCard (instantiated for these four only). Card pointers stay valid
// until the card is removed or its group deleted; group pointers until the group is
// deleted or merged away, or the set is rebuilt or cleared.
class CFlashcardSet {
public:
    CFlashcardSet() = default;
    CFlashcardSet(const CFlashcardSet&) = delete;
    CFlashcardSet& operator=(const CFlashcardSet&) = delete;

    // --- Access for the document's file (object arrays and the name list). ---
    // After writing into these directly (loading, converting), call Rebuild().
    std::vector<std::unique_ptr<CKanjiCard>>& KanjiCards() { return m_kanjiCards; }
    std::vector<std::unique_ptr<CKanjiCompound>>& CompoundCards() { return m_compoundCards; }
    std::vector<std::unique_ptr<CKanaWord>>& KanaWordCards() { return m_kanaWordCards; }
    std::vector<std::unique_ptr<CCounterCard>>& CounterCards() { return m_counterCards; }
    std::vector<std::string>& GroupNames() { return m_groupNames; }
    const std::vector<std::unique_ptr<CKanjiCard>>& KanjiCards() const { return m_kanjiCards; }
    const std::vector<std::unique_ptr<CKanjiCompound>>& CompoundCards() const {
        return m_compoundCards;
    }
    const std::vector<std::unique_ptr<CKanaWord>>& KanaWordCards() const { return m_kanaWordCards; }
    const std::vector<std::unique_ptr<CCounterCard>>& CounterCards() const {
        return m_counterCards;
    }
    const std::vector<std::string>& GroupNames() const { return m_groupNames; }

    // The group of exactly this name (case included), or null.
    CWordGroup* FindGroup(std::string_view name);
    const CWordGroup* FindGroup(std::string_view name) const;
    std::size_t GroupCount() const { return m_groups.size(); }

    // Rebuilds every group: an empty group for each listed name, in order, then the cards
    // of the master arrays (kanji, compound, kana word, counter; each in index order)
    // appended to the group their groupName names. A card whose groupName names no group
    // is kept: when a group's name differs from it in letter case only, the card's
    // groupName is set to that group's name; otherwise a group of that name is created,
    // its name inserted into the list as AddGroup inserts. Null array slots are dropped.
    void Rebuild();
    // Destroys every card and group and empties the name list.
    void Clear();

    // --- Groups. ---
    // Creates an empty group. Refused (false) when a group's name equals `name` in lower
    // case. The name, letters as typed, goes before the first listed name that sorts after
    // it in a byte-by-byte lower-case comparison, or last.
    bool AddGroup(const std::string& name);
    // Destroys every card of the group and the group itself, and removes its name. False
    // when there is no group of that name.
    bool DeleteGroup(std::string_view name);
    // Gives the group a new name (placed in the list as AddGroup places it) and sets the
    // groupName of each of its cards. Refused when there is no group `oldName` or another
    // group's name equals `newName` in lower case; a change of letter case only is allowed.
    bool RenameGroup(std::string_view oldName, const std::string& newName);
    // Moves every card of group `source` to group `target` and deletes `source`. The moved
    // cards follow the target's own cards, kind by kind in their source order, and are
    // moved to the end of their master arrays so that this order survives a reload. Card
    // objects keep their identity; none is copied. Refused when either group is missing or
    // both are the same group.
    bool MergeGroups(std::string_view source, std::string_view target);

    // --- Cards. ---
    // Takes the card: appends it to its master array and to its group's list, adding 1 to
    // the group's cardCount. A groupName naming no group is handled as in Rebuild.
    template <class Card>
    Card& AddCard(std::unique_ptr<Card> card);
    // Removes the card from its group and its master array, subtracts 1 from the group's
    // cardCount and destroys the card. A group left empty stays. False (nothing done) when
    // the card is not in the master array.
    template <class Card>
    bool RemoveCard(const Card* card);
    // Swap the card with its neighbour in its group's list of that kind, and swap the two
    // cards' places in the master array too, so that the new order survives a reload.
    // False (nothing done) for the first card, respectively the last, or an unknown card.
    template <class Card>
    bool MoveCardUp(const Card* card);
    template <class Card>
    bool MoveCardDown(const Card* card);
    // A new, independent card of the same kind with every field copied, statistics and
    // group included. Not added anywhere.
    template <class Card>
    static std::unique_ptr<Card> CopyCard(const Card& card);
    // CopyCard, the copy's groupName set to `groupName`, AddCard. Null (nothing done) when
    // no group has exactly that name. Copying into the card's own group is allowed.
    template <class Card>
    Card* CopyCardToGroup(const Card& card, std::string_view groupName);
    // CopyCardToGroup, then RemoveCard of the original, which is destroyed; returns the
    // copy, or null (nothing done) when no group has that name or the card is unknown.
    template <class Card>
    Card* MoveCardToGroup(const Card* card, std::string_view groupName);

    // --- Statistics and practice flags (any card kind). ---
    template <class Card>
    static void ResetStats(Card& card) {
        card.rightCount = 0;
        card.wrongCount = 0;
    }
    template <class Card>
    static void SetActive(Card& card, bool flag) {
        card.active = flag ? 1 : 0;
    }
    template <class Card>
    static void MarkRight(Card& card) {
        ++card.rightCount;
    }
    template <class Card>
    static void MarkWrong(Card& card) {
        ++card.wrongCount;
    }
    // ResetStats, respectively SetActive(card, true), of every card of the group.
    static void ResetGroupStats(CWordGroup& group);
    static void ActivateAll(CWordGroup& group);

    // Chooses the Kun reading of a kanji card to inflect. The verb readings are the Kun
    // readings of verb class 1 to 7, numbered in the order of the reading groups and,
    // within a group, of the Kun readings. If (groupIndex, kunIndex) is verb reading n, the
    // next one is taken (the first after the last). Otherwise groupIndex kRandomVerbReading
    // takes one drawn with random.PickRandom(count) and kFirstVerbReading the first. The
    // chosen reading's group and Kun indices (0-based) are written back and true returned;
    // false, with both unchanged, when the card has no verb reading or the choice matches
    // none and asks for neither a random nor the first reading.
    static constexpr int kRandomVerbReading = -1;
    static constexpr int kFirstVerbReading = -2;
    static bool NextVerbReading(const CKanjiCard& card, int& groupIndex, int& kunIndex,
                                CRandom& random);

private:
    template <class Card>
    std::vector<std::unique_ptr<Card>>& Master();
    template <class Card>
    bool MoveCard(const Card* card, int step);
    // The group a card joins (see Rebuild); may set the card's groupName.
    CWordGroup& GroupForCard(std::string& groupName);
    // Inserts a name into m_groupNames in AddGroup's order.
    void InsertName(const std::string& name);
    template <class Card>
    void AppendToGroups();

    std::vector<std::unique_ptr<CKanjiCard>> m_kanjiCards;
    std::vector<std::unique_ptr<CKanjiCompound>> m_compoundCards;
    std::vector<std::unique_ptr<CKanaWord>> m_kanaWordCards;
    std::vector<std::unique_ptr<CCounterCard>> m_counterCards;
    std::vector<std::string> m_groupNames;
    std::map<std::string, CWordGroup, std::less<>> m_groups;
};

}  // namespace brushly
