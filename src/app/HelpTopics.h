#pragma once

#include <span>

namespace brushly {

// One page of the program's help, addressed by its topic number.
struct CHelpTopic {
    int number;
    const char* title;
    const char* text;  // plain paragraphs separated by blank lines
};

inline constexpr int kHowToDrawKanjiTopic = 533;
inline constexpr int kInstallingMinchoTopic = 534;
inline constexpr int kMouseSettingsTopic = 536;
inline constexpr int kEdictTopic = 537;
inline constexpr int kDrawingHintsTopic = 538;
inline constexpr int kKanaDrawingHintsTopic = 539;

// Every topic, in ascending number.
std::span<const CHelpTopic> HelpTopics();
// The topic of that number; null when there is none.
const CHelpTopic* FindHelpTopic(int number);

}  // namespace brushly
