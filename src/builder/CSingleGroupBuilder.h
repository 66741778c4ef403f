#pragma once

#include <optional>
#include <string>
#include <vector>

#include "builder/CCompoundSelector.h"
#include "dictionary/CCompoundLibrary.h"
#include "document/BuilderSettings.h"
#include "platform/CPrompter.h"

namespace brushly {

class CBrushly2Doc;

// The Word Group view's "Build compound flashcards containing the kanji in this Word Group":
// compound cards added to one existing Word Group, chosen by CCompoundSelector from the
// distinct characters of the group's kanji cards. Headless: the dialog shows the choices
// and forwards them.
//
// The document, compound library (may be null) and prompter must outlive the object.
class CSingleGroupBuilder {
public:
    static constexpr const char* kDialogTitle = "Brushly Flashcard Builder";
    static constexpr const char* kProgressText = "Brushly is now generating Compound Flashcards...";
    static constexpr const char* kCancelledMessage =
        "The Flashcard Builder was cancelled.\nThis Word Group was not changed.";
    static constexpr const char* kInstallEdictMessage =
        "To add compound flashcards to this Word Group, install the EDICT file (see EDICT in "
        "help)";
    static constexpr const char* kNoKanjiCardsMessage =
        "You must first add some kanji flashcards to this Word Group before using the Flashcard "
        "Builder to create corresponding compound flashcards from the EDICT file.";

    using ProgressCallback = CCompoundSelector::ProgressCallback;

    CSingleGroupBuilder(CBrushly2Doc& document, const CCompoundLibrary* compounds,
                        std::string groupName, CPrompter& prompter);

    // Whether the dialog may open: refused with kInstallEdictMessage when the compound
    // library is missing or not built from EDICT, then with kNoKanjiCardsMessage when the
    // group is missing or holds no kanji card.
    bool CanBuild();
    // The other Word Groups holding at least one kanji card, in the document's order: the
    // choices of the second scope.
    std::vector<std::string> OtherKanjiGroups() const;

    // Adds the compounds with the settings' commonOnly and includeKana. With eraseExisting
    // the group's compound cards are removed from it and the document before the new ones are
    // added; any left are not added again. With kScopeSelectedGroups the kanji of the
    // selectedGroups' kanji cards may also stand in a compound (names of no group are passed
    // over). Progress and cancel as CCompoundSelector::Select takes them; the document is
    // touched only after the choice, so a stop returns nothing and changes nothing. Returns
    // the number of cards added; the document is marked modified when one was added or
    // erased. Call only after CanBuild.
    std::optional<int> Build(const CBuilderSettings& settings,
                             const std::vector<std::string>& selectedGroups,
                             const ProgressCallback& progress, CCancellation* cancel = nullptr);

private:
    CBrushly2Doc& m_document;
    const CCompoundLibrary* m_compounds;
    std::string m_groupName;
    CPrompter& m_prompter;
};

}  // namespace brushly
