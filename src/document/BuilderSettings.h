#pragma once

#include <string>

// The Flashcard Builder's choices, one record per document: the wizard and the single-group
// dialog start from it and write their choices back, so that the last ones are offered
// again. Kept for the run, not saved in the file. Plain data: the builder engines
// (src/builder) read it; the index texts stay as typed and are read as atoi reads them.
namespace brushly {

struct CBuilderSettings {
    // source: 0 grade, 1 JLPT kyuu, 2 to 11 a reference book (the ReferenceKey codes).
    static constexpr int kSourceGrade = 0;
    static constexpr int kSourceJlpt = 1;
    // numbering
    static constexpr int kNumbered = 0;      // "Nelson 1, Nelson 2, ..."
    static constexpr int kIndexNumbers = 1;  // "Nelson 0101-0150, ..."; references only
    // compoundRule: the kanji a compound of a new group may be written with.
    static constexpr int kRuleEarlierGroups = 0;  // its group's and earlier new groups'
    static constexpr int kRuleSameGroup = 1;      // its group's only
    static constexpr int kRuleLowerIndices = 2;   // as 0, and the kanji before the first index
    // singleGroupScope
    static constexpr int kScopeThisGroup = 0;
    static constexpr int kScopeSelectedGroups = 1;

    int source = 2;
    int numbering = kNumbered;
    int cardCount = 0;             // computed on page 2
    int groupCount = 0;            // computed on page 2
    std::string firstIndex = "1";  // grade, kyuu or first reference index
    std::string lastIndex = "10";  // last reference index
    std::string cardsPerGroup = "20";
    bool addCompounds = true;
    bool includeKana = false;
    bool commonOnly = true;
    int compoundRule = kRuleEarlierGroups;
    std::string rootName = "Hadam. & Spahn";
    int singleGroupScope = kScopeThisGroup;
    bool eraseExisting = false;
};

}  // namespace brushly
