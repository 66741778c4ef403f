#pragma once

namespace brushly {

// The four kinds of flashcard, numbered as the card clipboard and the word group view's
// lists number them.
enum class CardKind : int { kKanji = 0, kCompound = 1, kKanaWord = 2, kCounter = 3 };

inline constexpr int kCardKindCount = 4;

}  // namespace brushly
