#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/CFlashcardSet.h"

// What an import of a text file would add to a document, before the student confirms it.
namespace brushly {

// A line of the file that became no card, and why (Shift-JIS text, as the program shows it).
struct CImportProblem {
    int line = 0;  // from 1
    std::string reason;
    friend bool operator==(const CImportProblem&, const CImportProblem&) = default;
};

// One Word Group found in the file with the cards made from its rows, in file order.
struct CImportGroup {
    std::string sourceName;  // as the file names it (Shift-JIS)
    std::string name;        // the name it is added under; the student may change it
    bool selected = true;
    std::vector<std::unique_ptr<CKanjiCard>> kanjiCards;
    std::vector<std::unique_ptr<CKanjiCompound>> compoundCards;
    std::vector<std::unique_ptr<CKanaWord>> kanaWordCards;
    std::vector<std::unique_ptr<CCounterCard>> counterCards;

    int CardCount() const;
};

// The groups and problems of one file. Nothing in it refers to a document: Apply is the only
// step that changes one.
class CImportPlan {
public:
    static constexpr const char* kNoNameMessage = "A Word Group to import has no name.";
    // %s: the group name.
    static constexpr const char* kNameTakenMessage =
        "A Word Group named \"%s\" already exists. Choose another name.";
    static constexpr const char* kNameTwiceMessage =
        "Two Word Groups to import are named \"%s\". Choose another name.";

    std::vector<CImportGroup> groups;      // in the order the file names them
    std::vector<CImportProblem> problems;  // in line order
    std::string encoding;                  // "UTF-8", "UTF-16" or "Shift-JIS"
    std::string layout;  // "Brushly table", "spaced-repetition notes", "tab-separated",
                         // "comma-separated" or "semicolon-separated"
    int rowCount = 0;    // data rows read (header and "#" lines not counted)

    int CardCount() const;  // of every group, selected or not

    // Gives every group the name prefix + sourceName, and a group whose name is taken (by a
    // group of the set or an earlier group of the plan, without letter case) the first free
    // name of "name_1", "name_2", ... as the Flashcard Builder does.
    void ProposeNames(const CFlashcardSet& cards, const std::string& prefix);

    // Why the selected groups' names cannot be added to the set: kNoNameMessage,
    // kNameTakenMessage or kNameTwiceMessage (the first that applies, in group order) with
    // the name filled in; empty when they can. Names are compared without letter case.
    std::string NameProblem(const CFlashcardSet& cards) const;

    // Adds the selected groups and hands their cards to the set, each card's groupName set to
    // its group's name; the groups' card lists are emptied. Refused (false, nothing done)
    // while NameProblem is not empty. The caller marks the document modified.
    bool Apply(CFlashcardSet& cards);
    // Cards and groups Apply added, for its caller's message.
    struct Totals {
        int groups = 0;
        int cards = 0;
    };
    Totals SelectedTotals() const;
};

}  // namespace brushly
