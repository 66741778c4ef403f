#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "dictionary/CAbbreviationList.h"
#include "document/CBrushly2Doc.h"
#include "practice/FlashDeckEntry.h"

// The data of a flipped Flash View card as stacked panels, ready to draw: every text is
// final (Shift-JIS or ASCII), every choice of the options and display modes already made.
namespace brushly {

enum class FlashPanelKind {
    kReadings,        // "Readings (ON,Kun: meaning)", one line per reading group
    kRomaji,          // a compound's or kana word's reading
    kMeaning,         // its meaning, EDICT tags stripped
    kReference,       // grade, JLPT level and the ten reference-book numbers
    kRecognition,     // the card's right percentage
    kComments,        // the card's comment
    kVerbForms,       // the inflection table of the selected verb reading
    kCounterReading,  // "Reading": the counted form's reading and its English
};

// One cell of the verb-forms table: the kanji (empty for a form written without it, also
// empty in a cell with no form) followed by the kana of the form text.
struct FlashVerbCell {
    std::string kanji;
    std::string kana;
};

// A line of a panel. Plain lines hold text (and, in the reference panel, a value drawn in a
// second column). A verb-table row holds its label in text and one cell per column of the
// panel; formal rows are drawn in the formal colour.
struct FlashDataLine {
    std::string text;
    std::string value;
    bool tableRow = false;
    bool formal = false;
    std::vector<FlashVerbCell> cells;
};

struct FlashDataPanel {
    FlashPanelKind kind = FlashPanelKind::kReadings;
    // The heading is drawn as heading, headingFormal (in the formal colour) and headingTail;
    // only the verb panel uses the last two: "Verb Forms (informal / " "formal" ") /-u".
    std::string heading;
    std::string headingFormal;
    std::string headingTail;
    std::vector<FlashDataLine> lines;
    // Verb panel: "AFFIRMATIVE" and/or "NEGATIVE", and the table width in pixels.
    std::vector<std::string> columns;
    int tableWidth = 0;
};

inline constexpr int kVerbTableOneColumnWidth = 350;
inline constexpr int kVerbTableTwoColumnWidth = 530;
inline constexpr int kVerbRowSpacing = 22;  // pixels between table rows
// Reading and meaning lines longer than this many bytes (a double-byte character counts
// two, about its drawn width) are cut at a character boundary and end in "..".
inline constexpr std::size_t kMaxDataLineBytes = 60;

// The panels of the entry's card, in drawing order, by the document's Flash options, Romaji
// Mode (1: romaji instead of kana) and long-vowel style (1: "oo" written "ou"). Reference
// information comes from the card's database record in the document's kanji library. The
// verb table shows the entry's table reading, or before one is chosen the inflected reading
// or else the first verb reading. A counter entry shows its form's reading and English
// ("sanbon - 3 books"), but under "Only One" outside No Quiz mode, where the counter alone
// was asked, the counter's own reading and meaning. The abbreviations strip EDICT tags from
// meanings.
std::vector<FlashDataPanel> BuildFlashCardData(const FlashDeckEntry& entry,
                                               const CBrushly2Doc& document,
                                               const CAbbreviationList& abbreviations);

}  // namespace brushly
