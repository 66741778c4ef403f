#pragma once

#include <string_view>

#include "lookup/KanjiSearchState.h"
#include "reference/CKanjiLibrary.h"

// The main character of a kanji or counter card: one Shift-JIS double-byte character and
// the kanji database record it is linked to.
namespace brushly {

// The first double-byte character of text (Shift-JIS, typed or chosen in the kanji search)
// with its record in library: group 0 and index -1 without a library or a record. Empty when
// text holds no double-byte character.
CSelectedKanji MainCharacterOf(const CKanjiLibrary* library, std::string_view text);

// The record a card is linked to (dbGroup, dbIndex) when it still holds character; null
// otherwise or without a library.
const CKanjiData* LinkedRecord(const CKanjiLibrary* library, std::string_view character, int group,
                               int index);

// Sets a card's character and database link (CKanjiCard, CCounterCard).
template <class Card>
void SetMainCharacter(Card& card, const CSelectedKanji& kanji) {
    card.character = kanji.character;
    card.dbGroup = kanji.group;
    card.dbIndex = kanji.index;
}

}  // namespace brushly
