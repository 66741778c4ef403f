#pragma once

#include <string>
#include <utility>
#include <vector>

#include "document/CCounterCard.h"
#include "document/CKanjiCard.h"
#include "reference/CKanaData.h"
#include "reference/CKanjiData.h"
#include "reference/CKanjiLibrary.h"

// The Draw View's deck: the characters that can be written, each with the stroke data the
// draw boxes check against.
namespace brushly {

class CBrushly2Doc;

// The values are those of the deck entry kinds the view was designed around.
enum class DrawEntryKind { kKanji = 0, kCounter = 1, kKatakana = 2, kHiragana = 3 };

// One character of the deck. Exactly the pointer of `kind` is set (kana for both kana
// kinds); the cards belong to the document, the kana records to its kanji library, so a
// deck must not outlive either.
struct DrawDeckEntry {
    DrawEntryKind kind = DrawEntryKind::kKanji;
    CKanjiCard* kanji = nullptr;
    CCounterCard* counter = nullptr;
    const CKanaData* kana = nullptr;
};

// The kanji deck of the named Word Groups, group by group in the order given: with
// includeKanji the group's active kanji cards, then with includeCounters its active
// counter cards, each in card order and only when linked to a kanji database record.
// Unknown group names are skipped.
std::vector<DrawDeckEntry> BuildKanjiDrawDeck(CBrushly2Doc& document,
                                              const std::vector<std::string>& groupNames,
                                              bool includeKanji, bool includeCounters);

// The kana deck: the records of the kana table positions (0 to 103, ascending) of the
// hiragana or katakana table; positions the library lacks are skipped.
std::vector<DrawDeckEntry> BuildKanaDrawDeck(const CKanjiLibrary& library, bool katakana,
                                             const std::vector<int>& positions);

// The kanji database record of a kanji or counter entry: the record at the card's
// (dbGroup 1 to 24, dbIndex); null for kana, unlinked cards or without a library.
const CKanjiData* DrawRecord(const CKanjiLibrary* library, const DrawDeckEntry& entry);

}  // namespace brushly
