#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/CWordGroup.h"
#include "document/CardKind.h"

namespace brushly {

// The texts of one line of a word group view list. Texts are Shift-JIS.
struct CCardRow {
    std::string japanese;  // the character, compound, kana or counter character
    std::string reading;   // the "Reading (1)" / "Romaji" column
    std::string meaning;
    bool active = true;  // inactive cards are shown dimmed
};

// What the word group view shows of one group, computed without any widget: one list per
// card kind in the group's display order, their headings and columns, and the totals.
class CCardRows {
public:
    static constexpr const char* kHeading = "WORD GROUP:";
    static constexpr const char* kEmptyText = "This group contains no cards";
    static constexpr const char* kReturnText = "Return to Main View";
    // Indexed by CardKind.
    static constexpr std::array<const char*, kCardKindCount> kListHeadings{
        "Kanji characters", "Compound words", "Kana words", "Counter characters"};
    static constexpr std::array<const char*, kCardKindCount> kReadingHeadings{
        "Reading (1)", "Romaji", "Romaji", "Romaji (1,2,3,...)"};
    static constexpr const char* kMeaningHeading = "Meaning";
    static constexpr const char* kTotalFormat = "Total: %d flashcards";

    // The rows of one list, longOMode as the document's setting ("oomode": 1 shows a long o
    // stored "oo" as "ou"):
    //   kanji: the character; the readings of the first reading group ("ON, kun" as
    //     CKanjiReading::DisplayText writes them) and its meanings joined by "; ";
    //   compound: the headword; the romaji; the meaning;
    //   kana word: the kana; CKanaWord::DisplayRomaji; the meaning;
    //   counter: the character; the counted forms' romaji joined by ", "; the meaning.
    static std::vector<CCardRow> Rows(const CWordGroup& group, CardKind kind, int longOMode);
    // "Total: %d flashcards" with the group's card count.
    static std::string TotalText(const CWordGroup& group);
};

}  // namespace brushly
