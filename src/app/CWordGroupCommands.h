#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "platform/CPrompter.h"

namespace brushly {

// The two dialogs the Word Group commands open, so that tests can script them.
class CWordGroupDialogs {
public:
    enum class Action { Reset, Delete };
    // The answer to the confirmation of one group: act on it ("DELETE" / "RESET"), act on
    // it and on every remaining group without asking ("DELETE ALL" / "RESET ALL"), skip it
    // ("NO"), or stop ("Cancel").
    enum class Confirmation { Act, ActOnAll, Skip, Cancel };

    virtual ~CWordGroupDialogs() = default;
    // The name dialog titled `title`, its field pre-filled with `initialName`. Returns the
    // name on OK, never empty (the dialog itself refuses an empty name), nullopt on Cancel.
    virtual std::optional<std::string> AskName(const std::string& title,
                                               const std::string& initialName) = 0;
    // The confirmation dialog "Delete Word Groups?" showing `text`.
    virtual Confirmation Confirm(Action action, const std::string& text) = 0;
};

// The commands of the Word Group menu and the main view, without widgets: they check the
// selection, ask through the dialogs, report refusals through the prompter and change the
// document. Every command that changes the document marks it modified; a refused command
// changes nothing. Names are compared without regard to letter case.
//
// The object also holds what the main view shows besides the document: the selection, an
// ordered list of selected Word Group names (order of selection), and the list's display
// mode. Keep it for the run so both survive switches to other views.
//
// The document, prompter and dialogs must outlive the object.
class CWordGroupCommands {
public:
    enum DisplayMode : int { kDetails = 0, kList = 1, kSmallIcons = 2, kLargeIcons = 3 };

    static constexpr const char* kNewTitle = "Add New Word Group";
    static constexpr const char* kRenameTitle = "Change Word Group Name";
    static constexpr const char* kMergeTitle = "New Name for merged groups";
    static constexpr const char* kNoNameMessage = "No name was entered";
    static constexpr const char* kNameTakenMessage = "A group with this name already exists";
    static constexpr const char* kGroupExistsMessage = "This group already exists";
    static constexpr const char* kRenameNoneMessage = "Select a Word group to rename";
    static constexpr const char* kRenameManyMessage = "Select only ONE Word group to rename";
    static constexpr const char* kMergeFewMessage = "Select multiple word groups to merge into one";
    static constexpr const char* kResetNoneMessage = "Select a Word group(s) to reset";
    static constexpr const char* kDeleteNoneMessage = "Select a Word group(s) to delete";
    static constexpr const char* kEditNoneMessage = "Select a Word group to display";
    static constexpr const char* kEditManyMessage = "Select only ONE Word group to display";
    static constexpr const char* kReadingNoneMessage = "Select Word group(s) to practice reading";
    static constexpr const char* kWritingNoneMessage = "Select Word group(s) to practice writing";
    // Shown by the practice views when the selected groups give an empty deck.
    static constexpr const char* kReadingEmptyMessage =
        "There are no active cards in the selected Word group(s)\nor the necessary Flash options "
        "must be changed to show any cards";
    static constexpr const char* kWritingEmptyMessage =
        "There are no active cards in the selected Word Group(s)\nwith a matching database entry "
        "or the necessary Draw options\nmust be changed to show any cards";
    static constexpr const char* kConfirmTitle = "Delete Word Groups?";

    CWordGroupCommands(CBrushly2Doc& document, CPrompter& prompter, CWordGroupDialogs& dialogs);

    // --- Selection and display mode. ---
    const std::vector<std::string>& Selection() const { return m_selection; }
    // Takes the names in order, dropping names of no group and repeated names.
    void SetSelection(const std::vector<std::string>& names);
    // Drops selected names that no longer name a group (after New or Open of the document).
    void PruneSelection();
    DisplayMode CurrentDisplayMode() const { return m_displayMode; }
    // Sets the mode; does nothing (false) when the document has no Word Group or the mode
    // is already set.
    bool SetDisplayMode(DisplayMode mode);

    // --- Commands. Each returns true when it changed the document. ---
    // Asks a name (kNewTitle) and adds an empty group; kNameTakenMessage when a group of
    // that name exists.
    bool New();
    // Needs exactly one selected group (kRenameNoneMessage, kRenameManyMessage). Asks the
    // name (kRenameTitle) pre-filled with the current one; kGroupExistsMessage when any
    // group, this one included, bears it. The new name becomes the only selection.
    bool Rename();
    // Needs two or more selected groups (kMergeFewMessage). Asks a name (kMergeTitle). A
    // selected group of that name is the target; otherwise a new group of that name is the
    // target (kNameTakenMessage when an unselected group bears it). Every other selected
    // group, in selection order, moves into it each of its cards that the target's list of
    // that kind does not already hold, to the end of that list, kinds in the order kanji,
    // compound, kana word, counter; the source group is then removed. The target becomes
    // the only selection.
    bool Merge();
    // Need one or more selected groups (kResetNoneMessage, kDeleteNoneMessage). For each
    // selected group in selection order, unless ActOnAll was answered earlier, confirms with
    // ConfirmationText; Act and ActOnAll handle the group, Skip passes to the next, Cancel
    // stops with the groups already handled left so. Reset sets the counts of every card of
    // the group to 0; Delete destroys the group and its cards. When at least one group was
    // handled, the selection is cleared.
    bool Reset();
    bool Delete();
    // Selects every group, in the document's name order. Changes no document data.
    void SelectAll();
    // The group that Edit opens: needs exactly one selected group (kEditNoneMessage,
    // kEditManyMessage); null when refused.
    const CWordGroup* Edit();
    // Whether practice can start: needs one or more selected groups (kReadingNoneMessage,
    // respectively kWritingNoneMessage).
    bool PracticeReading();
    bool PracticeWriting();
    // Paste is offered when exactly one group is selected and the card clipboard holds a
    // card; it adds a copy of that card to the group (the clipboard keeps its card).
    bool CanPaste() const;
    bool Paste();

    // "Do you want to delete word group ''%s'', containing %d flashcards?" or "Do you want
    // to delete the empty word group ''%s''?" (and the same with "reset").
    static std::string ConfirmationText(CWordGroupDialogs::Action action, const CWordGroup& group);

private:
    // Finds a group by name regardless of letter case.
    const CWordGroup* FindGroupAnyCase(const std::string& name) const;
    // Reset and Delete.
    bool ConfirmEach(CWordGroupDialogs::Action action, const char* noneMessage);
    bool NeedsSelection(const char* noneMessage);
    void Changed();

    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    CWordGroupDialogs& m_dialogs;
    std::vector<std::string> m_selection;
    DisplayMode m_displayMode = kDetails;
};

}  // namespace brushly
