#include "practice/DrawDeck.h"

#include <memory>
#include <span>

#include "document/CBrushly2Doc.h"

namespace brushly {

namespace {

// Active and linked to a kanji record of the library.
template <class Card>
bool IsDrawable(const Card& card, const CKanjiLibrary* library) {
    return card.active != 0 && library != nullptr && card.dbGroup >= 1 &&
           card.dbGroup <= CKanjiLibrary::kKanjiGroups && card.dbIndex >= 0 &&
           card.dbIndex < library->GroupSize(card.dbGroup);
}

template <class Record>
void AppendKana(std::vector<DrawDeckEntry>& deck, std::span<const std::unique_ptr<Record>> table,
                DrawEntryKind kind, const std::vector<int>& positions) {
    for (const int position : positions) {
        if (position < 0 || position >= static_cast<int>(table.size())) continue;
        DrawDeckEntry entry;
        entry.kind = kind;
        entry.kana = table[static_cast<std::size_t>(position)].get();
        deck.push_back(entry);
    }
}

}  // namespace

std::vector<DrawDeckEntry> BuildKanjiDrawDeck(CBrushly2Doc& document,
                                              const std::vector<std::string>& groupNames,
                                              bool includeKanji, bool includeCounters) {
    const CKanjiLibrary* library = document.KanjiLibrary();
    std::vector<DrawDeckEntry> deck;
    for (const std::string& name : groupNames) {
        CWordGroup* group = document.Cards().FindGroup(name);
        if (group == nullptr) continue;
        if (includeKanji) {
            for (CKanjiCard* card : group->kanjiCards) {
                if (!IsDrawable(*card, library)) continue;
                DrawDeckEntry entry;
                entry.kind = DrawEntryKind::kKanji;
                entry.kanji = card;
                deck.push_back(entry);
            }
        }
        if (includeCounters) {
            for (CCounterCard* card : group->counterCards) {
                if (!IsDrawable(*card, library)) continue;
                DrawDeckEntry entry;
                entry.kind = DrawEntryKind::kCounter;
                entry.counter = card;
                deck.push_back(entry);
            }
        }
    }
    return deck;
}

std::vector<DrawDeckEntry> BuildKanaDrawDeck(const CKanjiLibrary& library, bool katakana,
                                             const std::vector<int>& positions) {
    std::vector<DrawDeckEntry> deck;
    if (katakana)
        AppendKana(deck, library.Katakana(), DrawEntryKind::kKatakana, positions);
    else
        AppendKana(deck, library.Hiragana(), DrawEntryKind::kHiragana, positions);
    return deck;
}

const CKanjiData* DrawRecord(const CKanjiLibrary* library, const DrawDeckEntry& entry) {
    if (library == nullptr) return nullptr;
    int group = 0;
    int index = -1;
    if (entry.kind == DrawEntryKind::kKanji && entry.kanji != nullptr) {
        group = entry.kanji->dbGroup;
        index = entry.kanji->dbIndex;
    } else if (entry.kind == DrawEntryKind::kCounter && entry.counter != nullptr) {
        group = entry.counter->dbGroup;
        index = entry.counter->dbIndex;
    }
    if (group < 1 || group > CKanjiLibrary::kKanjiGroups || index < 0) return nullptr;
    const auto records = library->KanjiGroup(group);
    if (index >= static_cast<int>(records.size())) return nullptr;
    return records[static_cast<std::size_t>(index)].get();
}

}  // namespace brushly
