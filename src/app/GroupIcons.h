#pragma once

#include <QIcon>
#include <QPixmap>

namespace brushly {

// The 16 Word Group icons, drawn in code: a card whose four quarters show, from top left
// clockwise, the kanji (red), compound (blue), counter (orange) and kana word (green) lists
// that are non-empty; icon 0, no list, is a plain card. The index is
// CWordGroupRows::IconIndex.
inline constexpr int kGroupIconCount = 16;
inline constexpr int kSmallGroupIconSize = 16;
inline constexpr int kLargeGroupIconSize = 32;

// The icon `index` (0 to 15, clamped) drawn at `size` pixels square.
QPixmap GroupIconPixmap(int index, int size);
// The icon `index` with its 16- and 32-pixel images.
QIcon GroupIcon(int index);

}  // namespace brushly
