#include "exchange/CardCounts.h"

namespace brushly {

std::string CardsInGroupsText(int cards, int groups) {
    return std::to_string(cards) + (cards == 1 ? " flashcard in " : " flashcards in ") +
           std::to_string(groups) + (groups == 1 ? " Word Group" : " Word Groups");
}

}  // namespace brushly
