#include "practice/FlashSlotFont.h"

#include <algorithm>

namespace brushly {

FlashSlotFont ChooseFlashSlotFont(const std::vector<std::string>& answers, bool meanings,
                                  const FlashTextMeasure& measure) {
    FlashSlotFont font;
    for (const std::string& answer : answers) {
        if (!answer.empty() && measure(answer, FlashSlotFont::kLargestSize) > font.slotWidth)
            font.slotWidth = FlashSlotFont::kWideWidth;
    }
    for (const std::string& answer : answers) {
        if (answer.empty()) continue;
        int size = FlashSlotFont::kLargestSize;
        while (size > FlashSlotFont::kSmallestSize && measure(answer, size) > font.slotWidth)
            size -= FlashSlotFont::kSizeStep;
        font.size = std::min(font.size, size);
        if (meanings && measure(answer, size) > font.slotWidth) font.wrapped = true;
    }
    return font;
}

std::vector<std::string> WrapFlashText(std::string_view text, int width, int size,
                                       const FlashTextMeasure& measure) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && measure(candidate, size) > width) {
            lines.push_back(std::move(line));
            candidate = std::string(word);
        }
        line = std::move(candidate);
        pos = end;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace brushly
