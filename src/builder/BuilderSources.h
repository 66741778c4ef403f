#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/BuilderSettings.h"
#include "reference/CKanjiLibrary.h"

// The Flashcard Builder's sources (school grade, JLPT kyuu, the ten reference books) and
// what the wizard's pages compute from the settings: the card and group counts, the label
// and availability of compound rule 2, and the kanji that rule admits from outside the new
// Word Groups. A source is a CBuilderSettings::source value, which is its ReferenceKey; the
// label beside page 2's "Chosen Reference:" is ReferenceKeyLabel(source).
namespace brushly {

inline constexpr int kBuilderSourceCount = kReferenceKeyCount;

// The root name a source puts in the wizard's name box, in source order.
inline constexpr std::array<std::string_view, kBuilderSourceCount> kBuilderRootNames = {
    "Grade",    "JLPT Kyuu", "Hadam. & Spahn",    "Halpern - KLD", "Halpern - NJECD", "Heisig",
    "Henshall", "Kodansha",  "Nelson - Original", "Nelson - New",  "O'Neill",         "Sakade"};

// The name of a source in rule 2's label on page 3; JLPT's label is worded apart, so its
// entry is empty.
inline constexpr std::array<std::string_view, kBuilderSourceCount> kBuilderPage3Names = {
    "Grade levels",
    "",
    "Hadam. & Spahn numbers",
    "Halpern (KLD) numbers",
    "Halpern (NJECD) numbers",
    "Heisig numbers",
    "Henshall numbers",
    "Kodansha numbers",
    "Nelson (Original) numbers",
    "Nelson (New) numbers",
    "O'Neill numbers",
    "Sakade numbers"};

// Page 2 takes at most this many cards per Word Group.
inline constexpr int kMaxCardsPerGroup = 30;
inline constexpr const char* kTooManyCardsMessage =
    "The ''Flashcards per Word Group'' value must be 30 or less\nto prevent excessive "
    "compound entries in any new Word Group.";
// Page 3's text when the compound library is not built from EDICT.
inline constexpr const char* kInstallEdictPageText =
    "To add compound flashcards to your Word Groups, install the EDICT file (see EDICT in help)";

// The options both the wizard and the single-group dialog offer.
inline constexpr const char* kCommonOnlyText =
    "Only include words marked as \"common\" in EDICT (recommended)";
inline constexpr const char* kIncludeKanaText = "Include compounds containing kana characters";

// The rule-2 label when no kanji come before the first group; the choice is then disabled.
inline constexpr const char* kLowerIndicesLabel =
    "kanji from that group, all previous Word Groups,\nand from any lower index numbers";

// A page-2 text read as atoi reads it: leading blanks, a sign, the digits up to the first
// other character; 0 when no digit follows; clamped to the int range.
int ReadNumber(std::string_view text);

// The first value the generation uses: the first index text read, where for the grade
// source 7 stands for the database's grade 8 ("7 and above").
int FirstValue(const CBuilderSettings& settings);

struct CBuilderCounts {
    int cardCount = 0;
    int groupCount = 0;

    friend bool operator==(const CBuilderCounts&, const CBuilderCounts&) = default;
};

// Page 2's counts. Grade and JLPT: the kanji of that grade (FirstValue) or kyuu, none for a
// value below 1. A reference: the kanji whose number in it lies from the first index (1
// when not positive) to the last. Group count: the card count divided by the cards per
// group, rounded up; 0 when cards per group is not positive.
CBuilderCounts Count(const CKanjiLibrary& library, const CBuilderSettings& settings);

// Count written into the settings' cardCount and groupCount, and a grade entry of 7 kept as
// "8", the grade it stands for, as the wizard stores it.
void UpdateCounts(const CKanjiLibrary& library, CBuilderSettings& settings);

// Page 3's choice of compound rule 2.
struct CLowerIndicesChoice {
    std::string label;
    bool enabled = false;

    friend bool operator==(const CLowerIndicesChoice&, const CLowerIndicesChoice&) = default;
};

// The rule-2 label and whether it may be chosen: only when kanji come before the first
// group (a reference index or grade above 1, a JLPT kyuu below 4).
CLowerIndicesChoice LowerIndicesChoice(const CBuilderSettings& settings);

// The kanji rule 2 admits besides those of the new groups, in SelectByKey order: a
// reference's numbers 1 to first - 1, grades 1 to g - 1, or JLPT kyuu k + 1 to 4. Their
// Shift-JIS characters.
std::vector<std::string> EarlierKanji(const CKanjiLibrary& library,
                                      const CBuilderSettings& settings);

}  // namespace brushly
