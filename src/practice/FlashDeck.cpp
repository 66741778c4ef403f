#include "practice/FlashDeck.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "document/CBrushly2Doc.h"
#include "platform/CRandom.h"
#include "platform/ShiftJis.h"
#include "practice/CounterNumbers.h"
#include "practice/OkuriganaSplit.h"

namespace brushly {

namespace {

constexpr int kRandomShufflePasses = 10;

// Whether a character can be drawn from stroke data: it has a double-byte Shift-JIS code
// (a card without one has code 0 and nothing to draw).
bool HasCharacterCode(std::string_view character) {
    return character.size() >= 2 && sjis::IsLeadByte(static_cast<unsigned char>(character[0]));
}

void AddCounterEntries(std::vector<FlashDeckEntry>& deck, CCounterCard& card,
                       CBrushly2Doc& document) {
    const std::size_t forms = std::min(card.formNumbers.size(), card.formRomaji.size());
    if (forms == 0) return;
    const CKanjiLibrary* library = document.KanjiLibrary();
    if (document.Options().flash.counterForms == 0) {
        for (std::size_t form = 0; form < forms; ++form)
            deck.push_back(MakeCounterEntry(card, form, library));
        return;
    }
    const int picked = document.Random().PickRandom(static_cast<int>(forms));
    deck.push_back(MakeCounterEntry(card, static_cast<std::size_t>(picked - 1), library));
}

int RightPercent(const FlashDeckEntry& entry) {
    const int answers = entry.RightCount() + entry.WrongCount();
    return answers == 0 ? 0 : entry.RightCount() * 100 / answers;
}

}  // namespace

std::vector<FlashDeckEntry> BuildFlashDeck(CBrushly2Doc& document,
                                           const std::vector<std::string>& groupNames,
                                           bool japaneseFont) {
    const CFlashOptions& options = document.Options().flash;
    std::vector<FlashDeckEntry> deck;
    for (const std::string& name : groupNames) {
        CWordGroup* group = document.Cards().FindGroup(name);
        if (group == nullptr) continue;
        if (options.includeKanji != 0) {
            for (CKanjiCard* card : group->kanjiCards) {
                if (card->active == 0 || (!japaneseFont && !HasCharacterCode(card->character)))
                    continue;
                FlashDeckEntry entry;
                entry.kind = FlashKind::kKanji;
                entry.kanji = card;
                deck.push_back(std::move(entry));
            }
        }
        if (options.includeCompounds != 0) {
            for (CKanjiCompound* card : group->compoundCards) {
                if (card->active == 0) continue;
                FlashDeckEntry entry;
                entry.kind = FlashKind::kCompound;
                entry.compound = card;
                entry.split = SplitOkurigana(card->headword, card->romaji);
                deck.push_back(std::move(entry));
            }
        }
        if (options.includeKanaWords != 0) {
            for (CKanaWord* card : group->kanaWordCards) {
                if (card->active == 0) continue;
                FlashDeckEntry entry;
                entry.kind = FlashKind::kKanaWord;
                entry.kanaWord = card;
                deck.push_back(std::move(entry));
            }
        }
        if (options.includeCounters != 0) {
            for (CCounterCard* card : group->counterCards) {
                if (card->active == 0 || (!japaneseFont && !HasCharacterCode(card->character)))
                    continue;
                AddCounterEntries(deck, *card, document);
            }
        }
    }
    return deck;
}

void ShuffleFlashDeck(std::vector<FlashDeckEntry>& deck, int shuffleOrder, CRandom& random) {
    const int count = static_cast<int>(deck.size());
    if (shuffleOrder == kShuffleRandom) {
        if (count == 0) return;
        for (int pass = 0; pass < kRandomShufflePasses; ++pass) {
            for (int j = 1; j <= count; ++j) {
                const int a = random.PickRandom(count);
                if (a != j) std::swap(deck[j - 1], deck[a - 1]);
            }
        }
    } else if (shuffleOrder == kShuffleRecognition) {
        // Adjacent swaps until none is needed: a stable sort by this order.
        std::stable_sort(deck.begin(), deck.end(),
                         [](const FlashDeckEntry& first, const FlashDeckEntry& second) {
                             const int firstPercent = RightPercent(first);
                             const int secondPercent = RightPercent(second);
                             if (firstPercent != secondPercent) return firstPercent < secondPercent;
                             return first.RightCount() + first.WrongCount() >
                                    second.RightCount() + second.WrongCount();
                         });
    }
}

}  // namespace brushly
