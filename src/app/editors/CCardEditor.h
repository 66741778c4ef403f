#pragma once

#include <string>
#include <vector>

#include "archive/CObject.h"
#include "platform/CPrompter.h"

namespace brushly {

class CBrushly2Doc;

// What the four card editors share: the Word Group choice, the active flag, the fixed-group
// mode and storing with its checks. An editor works on a copy of the card and changes the
// document only in Save.
//
// Save runs the editor's checks in its order; the first that fails is shown through the
// prompter and nothing is stored. Editing an existing card, a group choice other than the
// card's group is confirmed with kChangeGroupQuestion first; No puts the choice back to the
// card's group and stores nothing. Once stored, the document is marked modified and the
// editor is ready for a new card of the same group and active flag (a "&Save" keeps the
// dialog open for the next card).
//
// The document and prompter must outlive the editor. Group names are Shift-JIS.
class CCardEditor {
public:
    static constexpr const char* kChangeGroupQuestion = "Verify change groupnames?";
    static constexpr const char* kFixedGroupMessage = "Must use the active word group";

    virtual ~CCardEditor() = default;
    CCardEditor(const CCardEditor&) = delete;
    CCardEditor& operator=(const CCardEditor&) = delete;

    // The names the "Word Group:" list offers: every group of the document, in its order.
    const std::vector<std::string>& GroupNames() const;
    // The group chosen; empty when none is.
    const std::string& Group() const { return m_group; }
    // Chooses a group. In fixed-group mode any group other than the card's is refused with
    // kFixedGroupMessage and the choice stays the card's group: false.
    bool ChooseGroup(const std::string& name);
    // The group of the card being edited, or the group new cards were opened for.
    const std::string& CardGroup() const { return m_cardGroup; }
    bool FixedGroup() const { return m_fixedGroup; }

    bool Active() const { return m_active; }
    void SetActive(bool active) { m_active = active; }

    // True while an existing card is edited; false for a new card.
    bool Editing() const { return m_editing; }

    // Runs the checks and stores the card as described above; true when stored.
    bool Save();
    // The card last stored, owned by the document; null before the first store.
    const CObject* Stored() const { return m_stored; }

protected:
    CCardEditor(CBrushly2Doc& document, CPrompter& prompter, std::string cardGroup, bool editing,
                bool active, bool fixedGroup);

    // The message of the first failing check, in the editor's order (the group check
    // included, where the editor places it); null when the card may be stored.
    virtual const char* Refusal() const = 0;
    // Stores the working copy into group with the active flag: added as a new card, or
    // written over the card being edited and, when group differs from its group, moved there.
    // Returns the card as stored.
    virtual const CObject* Store(const std::string& group, bool active) = 0;
    // Starts a new, empty working copy: the editor now adds cards.
    virtual void StartNextCard() = 0;

    // Whether the group choice names no group of the document.
    bool NoGroup() const;

    CBrushly2Doc& Document() { return m_document; }
    const CBrushly2Doc& Document() const { return m_document; }
    CPrompter& Prompter() { return m_prompter; }
    // A refusal: the message shown through the prompter; always false.
    bool Refuse(const char* message);

private:
    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    std::string m_cardGroup;
    std::string m_group;
    bool m_editing;
    bool m_active;
    bool m_fixedGroup;
    const CObject* m_stored = nullptr;
};

}  // namespace brushly
