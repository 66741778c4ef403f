#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/CCardEditorHost.h"
#include "archive/CObject.h"
#include "document/CBrushly2Doc.h"
#include "document/CWordGroup.h"
#include "document/CardKind.h"
#include "platform/CPrompter.h"

namespace brushly {

// The selected card of the word group view: which list and the position in it.
struct CCardSelection {
    CardKind kind = CardKind::kKanji;
    int index = 0;
    bool operator==(const CCardSelection&) const = default;
};

// The card commands of one Word Group, without widgets: the selection, every command of the
// Flashcard menu with its questions and refusals (through the prompter), the card clipboard
// and moving or copying cards to other groups. Every command that changes the document marks
// it modified and leaves the changed card selected (after a delete, the card that took its
// place, else the one before it, else none); a refused command changes nothing.
//
// The group is held by name and looked up for every command, so that a group that has gone
// (a new document) makes the commands do nothing instead of touching a destroyed group.
// The document and prompter must outlive the object.
class CCardCommands {
public:
    static constexpr const char* kEditNoneMessage = "Select a flashcard to be edited";
    static constexpr const char* kResetNoneMessage = "Select a flashcard to reset";
    static constexpr const char* kResetQuestion = "Verify reset this Flashcard?";
    static constexpr const char* kResetAllQuestion =
        "Reset ALL recognition statistics in this Word Group?";
    static constexpr const char* kCutCopyNoneMessage = "Select a flashcard to be cut or copied";
    static constexpr const char* kMoveCopyNoneMessage = "Select a flashcard to be moved or copied";
    // Indexed by CardKind.
    static constexpr const char* kDeleteQuestions[kCardKindCount] = {
        "Verify delete this Kanji?", "Verify delete this Compound?",
        "Verify delete this Kana Word?", "Verify delete this Counter?"};
    // The title of the dialog that chooses the targets of Move and Copy to Word Group.
    static constexpr const char* kTargetTitle = "Select the target Word Groups";

    // Chooses the target groups of Move / Copy to Word Group; empty when cancelled.
    using TargetChooser = std::function<std::vector<std::string>()>;

    CCardCommands(CBrushly2Doc& document, CPrompter& prompter);

    // --- The group on show. ---
    // Shows the group of that name, nothing selected.
    void SetGroup(const std::string& name);
    const std::string& GroupName() const { return m_groupName; }
    // The group, or null when the document has none of that name.
    const CWordGroup* Group() const;

    // --- Selection. ---
    const std::optional<CCardSelection>& Selection() const { return m_selection; }
    // Selects that row; a row outside the list clears the selection.
    void Select(CardKind kind, int index);
    void ClearSelection() { m_selection.reset(); }
    // Selects the card when this group lists it, else clears the selection; returns whether
    // it is selected.
    bool SelectCard(const CObject* card);
    // The selected card, or null.
    const CObject* SelectedCard() const;
    // Whether the selected card is active (the menu reads "Deacti&vate" then); false with
    // none.
    bool SelectedCardActive() const;
    bool CanMoveUp() const;
    bool CanMoveDown() const;

    // --- Commands; each returns true when it changed the document. ---
    // The card editor of that kind for new cards of this group; the last card stored is
    // selected.
    bool Add(CardKind kind, CCardEditorHost& host);
    // The editor on the selected card (kEditNoneMessage without one); the card as stored is
    // selected when it is still in this group.
    bool Edit(CCardEditorHost& host);
    // Asks kDeleteQuestions[kind] (Yes/No) and destroys the selected card. Nothing without
    // a selection.
    bool Delete();
    // kResetNoneMessage without a selection; else asks kResetQuestion and zeroes the card's
    // right and wrong counts.
    bool ResetStats();
    // Asks kResetAllQuestion and zeroes the counts of every card of the group.
    bool ResetAll();
    // Toggles the selected card's active flag. Nothing without a selection.
    bool ToggleActive();
    // Makes every card of the group active.
    bool ActivateAll();
    // Moves the selected card one place within its list. Nothing at the end of the list.
    bool MoveUp();
    bool MoveDown();
    // A copy of the selected card onto the card clipboard (kCutCopyNoneMessage without
    // one); Cut then destroys the card without asking. Copy changes no card, so it returns
    // false.
    bool Cut();
    bool Copy();
    // Whether the clipboard holds a card.
    bool CanPaste() const;
    // A copy of the clipboard's card added to this group and selected; the clipboard keeps
    // its card.
    bool Paste();
    // kMoveCopyNoneMessage without a selection; else asks the targets and adds a copy of the
    // selected card to each. Move then destroys the card. A copy landing in this group is
    // selected after a move; Copy keeps the original selected.
    bool CopyToGroups(const TargetChooser& chooseTargets);
    bool MoveToGroups(const TargetChooser& chooseTargets);
    // After the Flashcard Builder changed the group's compounds (it may erase them): a
    // selected compound is no longer selected; the document is marked modified when `added`
    // is positive.
    void CardsBuilt(int added);

    // The card clipboard of a document, shared with the main view's Paste. PutOnClipboard
    // replaces the clipboard's card with a copy of `card` (of that kind). PasteClipboard
    // adds a copy of the clipboard's card, carrying groupName, to the document and returns
    // it (null, nothing done, when the clipboard is empty or no group has that name); the
    // caller marks the document modified.
    static void PutOnClipboard(CBrushly2Doc& document, CardKind kind, const CObject& card);
    static const CObject* PasteClipboard(CBrushly2Doc& document, const std::string& groupName);

private:
    CWordGroup* MutableGroup();
    // The selected card; shows `noneMessage` (when not null) without one.
    const CObject* Needs(const char* noneMessage);
    bool DeleteSelected();
    // Copy's part of Cut and Copy; false (after the message) without a selection.
    bool CopySelected();
    bool CopyOrMove(const TargetChooser& chooseTargets, bool move);
    bool Changed(const CObject* select);
    int ListSize(CardKind kind) const;

    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    std::string m_groupName;
    std::optional<CCardSelection> m_selection;
};

}  // namespace brushly
