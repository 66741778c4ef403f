#pragma once

#include <string>

namespace brushly {

// "N flashcards in M Word Groups", each noun singular for a count of 1, as the import and
// export messages give their totals.
std::string CardsInGroupsText(int cards, int groups);

}  // namespace brushly
