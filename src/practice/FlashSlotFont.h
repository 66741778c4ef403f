#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace brushly {

// Measures the width in pixels of one slot text drawn at a size (character height in
// pixels, the unit of every size here). Supplied by the view, which knows its fonts.
using FlashTextMeasure = std::function<int(std::string_view text, int size)>;

// The font every multiple-choice slot of a card is drawn with.
struct FlashSlotFont {
    static constexpr int kLargestSize = 36;
    static constexpr int kSmallestSize = 18;
    static constexpr int kSizeStep = 2;
    static constexpr int kNarrowWidth = 100;
    static constexpr int kWideWidth = 200;
    // A meaning too long for one line even at the smallest size is wrapped into this box.
    static constexpr int kWrapWidth = 200;
    static constexpr int kWrapHeight = 40;

    int size = kLargestSize;
    // Width of each slot's text area: kNarrowWidth when every answer fits it at the largest
    // size, else kWideWidth.
    int slotWidth = kNarrowWidth;
    // Some meaning still did not fit at the smallest size: meanings are wrapped (WrapFlashText)
    // into kWrapWidth x kWrapHeight.
    bool wrapped = false;
};

// The slot font for a card's answers: each answer that does not fit the slot width at 36 is
// tried at 34, 32, ... down to 18, and all slots take the smallest size any answer needed.
// `meanings` says the answers are English meanings, the only ones that get wrapped; readings
// that never fit are simply drawn at 18. Empty answers are ignored.
FlashSlotFont ChooseFlashSlotFont(const std::vector<std::string>& answers, bool meanings,
                                  const FlashTextMeasure& measure);

// The text broken at blanks into lines no wider than `width` at `size`; a single word wider
// than that keeps a line of its own. An empty text gives no lines.
std::vector<std::string> WrapFlashText(std::string_view text, int width, int size,
                                       const FlashTextMeasure& measure);

}  // namespace brushly
