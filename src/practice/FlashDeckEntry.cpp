#include "practice/FlashDeckEntry.h"

#include "document/CFlashcardSet.h"

namespace brushly {

namespace {

// Calls f with the entry's card, whatever its kind.
template <class Entry, class F>
decltype(auto) WithCard(Entry& entry, F&& f) {
    switch (entry.kind) {
        case FlashKind::kKanji:
            return f(*entry.kanji);
        case FlashKind::kCompound:
            return f(*entry.compound);
        case FlashKind::kKanaWord:
            return f(*entry.kanaWord);
        case FlashKind::kCounter:
            break;
    }
    return f(*entry.counter);
}

}  // namespace

int FlashDeckEntry::RightCount() const {
    return WithCard(*this, [](const auto& card) { return int{card.rightCount}; });
}

int FlashDeckEntry::WrongCount() const {
    return WithCard(*this, [](const auto& card) { return int{card.wrongCount}; });
}

void FlashDeckEntry::MarkRight() {
    WithCard(*this, [](auto& card) { CFlashcardSet::MarkRight(card); });
}

void FlashDeckEntry::MarkWrong() {
    WithCard(*this, [](auto& card) { CFlashcardSet::MarkWrong(card); });
}

void FlashDeckEntry::ResetStats() {
    WithCard(*this, [](auto& card) { CFlashcardSet::ResetStats(card); });
}

void FlashDeckEntry::ResetRunChoices() {
    inflectionGroup = kNotChosen;
    inflectionReading = kNotChosen;
    inflectionForm = 0;
    tableGroup = kFirstReading;
    tableReading = kFirstReading;
    randomCompound.clear();
    randomCompoundReading.clear();
    randomCompoundMeaning.clear();
    if (kind == FlashKind::kKanji) split = OkuriganaSplit{};
}

}  // namespace brushly
