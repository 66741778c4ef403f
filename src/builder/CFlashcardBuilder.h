#pragma once

#include <optional>
#include <string>
#include <vector>

#include "builder/CCompoundSelector.h"
#include "dictionary/CCompoundLibrary.h"
#include "document/BuilderSettings.h"
#include "document/CFlashcardSet.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {

class CBrushly2Doc;

// The kanji of one Word Group the wizard makes, with the lowest and highest reference
// numbers among them (0 for a grade or JLPT source).
struct CKanjiSlice {
    std::vector<CKanjiRef> kanji;
    int lowestIndex = 0;
    int highestIndex = 0;
};

// One Word Group the wizard made, with the cards it received.
struct CBuiltGroup {
    std::string name;
    int kanjiCards = 0;
    int compoundCards = 0;

    friend bool operator==(const CBuiltGroup&, const CBuiltGroup&) = default;
};

// The Flashcard Builder wizard's generation, headless: new Word Groups of kanji cards by
// grade, JLPT kyuu or a range of a reference book's numbers, each filled with the compounds
// of the compound library its kanji can write (CCompoundSelector).
//
// The kanji cards, for cardsPerGroup = K (the settings' texts read by ReadNumber):
//   - a reference: the numbers from the first index (1 when not positive) to the last are
//     visited upward; each number FindByReference finds yields a card; each group takes
//     the next K of them;
//   - grade (FirstValue: 7 stands for 8) or JLPT kyuu: the kanji SelectByKey lists for
//     that value, in its order, dealt out K at a time.
// Every group holds at least one kanji; a card copies its kanji's readings and is linked
// to its record.
//
// Group names, for group n of N (n zero-padded to the digits of N, 1 to 4):
//   reference, kIndexNumbers:  "root #0101 - #0150" (its lowest and highest numbers, 4 digits)
//   reference, kNumbered:      "root #n"
//   grade:                     "root Level g #n"
//   JLPT:                      "root k #n"
// When the document has a Word Group of that name (in any letter case), "root_1", then
// "root_2", ... stand in for the root until the name is free.
//
// The libraries must outlive the builder; the compound library may be null (none loaded).
class CFlashcardBuilder {
public:
    static constexpr const char* kProgressTitle = "Building Flashcards";
    static constexpr const char* kKanjiAndCompoundsText =
        "Brushly is now generating Kanji and Compound Flashcards...";
    static constexpr const char* kKanjiOnlyText = "Brushly is now generating Kanji Flashcards...";
    static constexpr const char* kCancelledMessage =
        "The Flashcard Builder was cancelled.\nNo Word Groups were added.";
    static constexpr int kIndexDigits = 4;

    using ProgressCallback = CCompoundSelector::ProgressCallback;

    CFlashcardBuilder(const CKanjiLibrary& kanji, const CCompoundLibrary* compounds);

    // Whether a build with these settings adds compounds: they ask for them and the
    // compound library is built from EDICT.
    bool AddsCompounds(const CBuilderSettings& settings) const;
    // The progress dialog's text for a build with these settings.
    const char* ProgressText(const CBuilderSettings& settings) const;

    // The kanji of each group the settings make, in group order; none when cards per group
    // is not positive.
    std::vector<CKanjiSlice> PlanGroups(const CBuilderSettings& settings) const;
    // The name of group `number` (from 1) of `groupCount`, with `root` as its root, before
    // any clash is resolved.
    static std::string GroupName(const CBuilderSettings& settings, const std::string& root,
                                 int number, int groupCount, const CKanjiSlice& slice);

    // Creates the planned groups in the document under free names, with their kanji cards
    // and, when AddsCompounds, their compound cards by the settings' rule (rule 2 also
    // admits the EarlierKanji), common-only and include-kana options. The compounds are
    // chosen before the document is touched: progress runs from 0 to
    // CCompoundSelector::kProgressScale over the compound library, then again over the
    // groups made (groups * scale / count after each). cancel (may be null) is asked during
    // the choice and once more before the first group is made; a stop returns nothing and
    // leaves the document as it was. The document is marked modified when a group was made.
    // Returns the groups made, in order.
    std::optional<std::vector<CBuiltGroup>> Build(CBrushly2Doc& document,
                                                  const CBuilderSettings& settings,
                                                  const ProgressCallback& progress,
                                                  CCancellation* cancel = nullptr) const;

private:
    std::vector<CKanjiSlice> PlanReferenceGroups(const CBuilderSettings& settings,
                                                 int perGroup) const;
    // Adds the group under GroupName with the first free root; returns the name used.
    static std::string AddFreeGroup(CFlashcardSet& cards, const CBuilderSettings& settings,
                                    int number, int groupCount, const CKanjiSlice& slice);

    const CKanjiLibrary& m_kanji;
    const CCompoundLibrary* m_compounds;
};

}  // namespace brushly
