#pragma once

#include <type_traits>

#include "document/CCounterCard.h"
#include "document/CKanaWord.h"
#include "document/CKanjiCard.h"
#include "document/CKanjiCompound.h"
#include "document/CardKind.h"

namespace brushly {

// Calls action with a null pointer of the card class of `kind`, so that code written once as
// a generic lambda serves the four card kinds; returns what the action returns.
template <class Action>
decltype(auto) WithCardClass(CardKind kind, Action&& action) {
    switch (kind) {
        case CardKind::kCompound:
            return action(static_cast<CKanjiCompound*>(nullptr));
        case CardKind::kKanaWord:
            return action(static_cast<CKanaWord*>(nullptr));
        case CardKind::kCounter:
            return action(static_cast<CCounterCard*>(nullptr));
        case CardKind::kKanji:
            break;
    }
    return action(static_cast<CKanjiCard*>(nullptr));
}

// The four kinds in list order: kanji, compound, kana word, counter.
inline constexpr CardKind kCardKinds[] = {CardKind::kKanji, CardKind::kCompound,
                                          CardKind::kKanaWord, CardKind::kCounter};

// The kind of a card class.
template <class Card>
constexpr CardKind KindOfCard() {
    if constexpr (std::is_same_v<Card, CKanjiCard>)
        return CardKind::kKanji;
    else if constexpr (std::is_same_v<Card, CKanjiCompound>)
        return CardKind::kCompound;
    else if constexpr (std::is_same_v<Card, CKanaWord>)
        return CardKind::kKanaWord;
    else {
        static_assert(std::is_same_v<Card, CCounterCard>, "not a card class");
        return CardKind::kCounter;
    }
}

}  // namespace brushly
