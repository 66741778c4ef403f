#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "document/CCounterCard.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "document/CKanjiCompound.h"

namespace brushly {

// A Word Group: a named list of cards of the four kinds, in display order. It points at
// cards owned by the flashcard set's master arrays and never deletes them; it is not
// stored but rebuilt from the cards' group names after every load. The characters are
// drawn with a font or from stroke data when shown, so a group keeps no prepared drawings.
class CWordGroup {
public:
    std::string name;            // unique in the document, key of the group map
    std::int32_t cardCount = 0;  // cards of all four kinds
    std::vector<CKanjiCard*> kanjiCards;
    std::vector<CKanjiCompound*> compoundCards;
    std::vector<CKanaWord*> kanaWordCards;
    std::vector<CCounterCard*> counterCards;

    // The list of one card kind, for code that handles every kind alike.
    template <class Card>
    std::vector<Card*>& Cards() {
        if constexpr (std::is_same_v<Card, CKanjiCard>)
            return kanjiCards;
        else if constexpr (std::is_same_v<Card, CKanjiCompound>)
            return compoundCards;
        else if constexpr (std::is_same_v<Card, CKanaWord>)
            return kanaWordCards;
        else {
            static_assert(std::is_same_v<Card, CCounterCard>, "not a card class");
            return counterCards;
        }
    }
    template <class Card>
    const std::vector<Card*>& Cards() const {
        return const_cast<CWordGroup*>(this)->Cards<Card>();
    }
};

}  // namespace brushly
