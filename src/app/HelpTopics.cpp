#include "app/HelpTopics.h"

#include <algorithm>
#include <array>

namespace brushly {

namespace {

constexpr std::array kTopics{
    CHelpTopic{kHowToDrawKanjiTopic, "How to Draw Kanji",
               "Draw each stroke of the kanji in the draw box with the left mouse button held "
               "down, one stroke per press, in the order the character is written.\n\n"
               "Release the button at the end of every stroke. Brushly compares the stroke with "
               "the database: its position, its shape and its place in the stroke order. "
               "Correct strokes stay black; wrong ones turn red, strokes out of order blue, and "
               "strokes that stop short green.\n\n"
               "When every stroke is in place and correct, the box gets a green frame and the "
               "caption reads \"Kanji is CORRECT\"."},
    CHelpTopic{kInstallingMinchoTopic, "Installing Mincho Font",
               "Brushly prints Japanese text best with a Mincho font, the serif style of printed "
               "Japanese.\n\n"
               "Install a Japanese Mincho font through your system's font manager (on many Linux "
               "systems a package such as fonts-ipafont-mincho or Noto Serif CJK JP), then "
               "restart Brushly. Until a Japanese font is installed, Brushly draws Japanese text "
               "from its own database of kanji and kana strokes."},
    CHelpTopic{kMouseSettingsTopic, "Adjusting Mouse Settings",
               "Smooth strokes are easier to recognise. If your strokes come out jagged or "
               "broken, lower the pointer speed and switch off pointer acceleration in your "
               "system's mouse settings.\n\n"
               "A graphics tablet with a pen makes writing feel most natural."},
    CHelpTopic{kEdictTopic, "EDICT Information",
               "EDICT is the freely available Japanese-English dictionary file. When the file "
               "edict_SJIS.txt is in the Brushly directory, Brushly offers to convert it into its "
               "own compound and kana word databases, which later starts load directly.\n\n"
               "When a newer EDICT file is put in its place, Brushly notices it at start-up and "
               "offers to load it again. The dictionary is the work of the Electronic Dictionary "
               "Research and Development Group and is used under its licence."},
    CHelpTopic{kDrawingHintsTopic, "Drawing Hints",
               "Write strokes from top to bottom and from left to right, horizontal strokes "
               "before the vertical strokes that cross them.\n\n"
               "Use the whole draw box: a kanji drawn too small is hard to compare. A ghost "
               "character, hints and the stroke-order demonstration help when you are stuck."},
    CHelpTopic{kKanaDrawingHintsTopic, "Kana Drawing Hints",
               "Kana are written with few, flowing strokes. Draw each stroke in one movement "
               "with the left mouse button held down, from its start to its end, in the order "
               "the kana is written.\n\n"
               "Loops and curves count by their shape, not their exact size, so draw them "
               "large and clear. A small stroke such as the two marks of a voiced kana is "
               "written last.\n\n"
               "When every stroke matches, the box gets a green frame and the caption reads "
               "\"Hiragana is CORRECT\" or \"Katakana is CORRECT\"."},
};

}  // namespace

std::span<const CHelpTopic> HelpTopics() {
    return kTopics;
}

const CHelpTopic* FindHelpTopic(int number) {
    const auto* topic = std::ranges::find(kTopics, number, &CHelpTopic::number);
    return topic == kTopics.end() ? nullptr : topic;
}

}  // namespace brushly
