#include "practice/FlashDeck.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "document/CBrushly2Doc.h"
#include "platform/CRandom.h"
#include "platform/ShiftJis.h"
#include "practice/CounterNumbers.h"
#include "practice/OkuriganaSplit.h"
#include "practice/QuizRun.h"

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
    if (shuffleOrder == kShuffleRandom) {
        SwapShuffle(deck, kRandomShufflePasses, random);
    } else if (shuffleOrder == kShuffleRecognition) {
        SortByRecognition(deck, [](const FlashDeckEntry& entry) {
            return std::pair{entry.RightCount(), entry.WrongCount()};
        });
    }
}

}  // namespace brushly
