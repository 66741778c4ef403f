#pragma once

#include <string>
#include <string_view>

#include "app/editors/CCardEditorOf.h"

namespace brushly {

class CKanjiData;

// A card editor whose card is written with one main character linked to the kanji database
// (CKanjiCard, CCounterCard; instantiated for these two).
template <class Card>
class CMainCharacterEditor : public CCardEditorOf<Card> {
public:
    // The main character: the first double-byte character of text (Shift-JIS, typed or chosen
    // in the kanji search), linked to its database record when there is one.
    void SetCharacter(std::string_view text);
    // The database record of the main character; null when it has none.
    const CKanjiData* Record() const;

protected:
    using CCardEditorOf<Card>::CCardEditorOf;
};

}  // namespace brushly
