#include "app/CWordGroupCommands.h"

#include <algorithm>

#include "app/wordgroup/CCardCommands.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

// Takes out of the source's lists every card that the target's list of the same kind
// already holds, so that merging does not list it twice.
template <class Card>
void DropCardsHeldBy(CWordGroup& source, const CWordGroup& target) {
    const auto& held = target.Cards<Card>();
    auto& moving = source.Cards<Card>();
    const auto removed = std::erase_if(
        moving, [&held](const Card* card) { return std::ranges::find(held, card) != held.end(); });
    source.cardCount -= static_cast<std::int32_t>(removed);
}

}  // namespace

CWordGroupCommands::CWordGroupCommands(CBrushly2Doc& document, CPrompter& prompter,
                                       CWordGroupDialogs& dialogs)
    : m_document(document), m_prompter(prompter), m_dialogs(dialogs) {}

void CWordGroupCommands::SetSelection(const std::vector<std::string>& names) {
    m_selection.clear();
    for (const std::string& name : names) {
        if (m_document.Cards().FindGroup(name) &&
            std::ranges::find(m_selection, name) == m_selection.end())
            m_selection.push_back(name);
    }
}

void CWordGroupCommands::PruneSelection() {
    SetSelection(std::vector<std::string>(m_selection));
}

bool CWordGroupCommands::SetDisplayMode(DisplayMode mode) {
    if (m_document.Cards().GroupCount() == 0 || mode == m_displayMode) return false;
    m_displayMode = mode;
    return true;
}

bool CWordGroupCommands::New() {
    const std::optional<std::string> name = m_dialogs.AskName(kNewTitle, "");
    if (!name) return false;
    if (!m_document.Cards().AddGroup(*name)) {
        m_prompter.Information(kNameTakenMessage);
        return false;
    }
    Changed();
    return true;
}

bool CWordGroupCommands::Rename() {
    if (!NeedsSelection(kRenameNoneMessage)) return false;
    if (m_selection.size() > 1) {
        m_prompter.Information(kRenameManyMessage);
        return false;
    }
    const std::string oldName = m_selection.front();
    const std::optional<std::string> name = m_dialogs.AskName(kRenameTitle, oldName);
    if (!name) return false;
    if (FindGroupAnyCase(*name) || !m_document.Cards().RenameGroup(oldName, *name)) {
        m_prompter.Information(kGroupExistsMessage);
        return false;
    }
    m_selection = {*name};
    Changed();
    return true;
}

bool CWordGroupCommands::Merge() {
    if (m_selection.size() < 2) {
        m_prompter.Information(kMergeFewMessage);
        return false;
    }
    const std::optional<std::string> name = m_dialogs.AskName(kMergeTitle, "");
    if (!name) return false;
    CFlashcardSet& cards = m_document.Cards();
    const std::string lowered = sjis::AsciiLower(*name);
    const auto selected = std::ranges::find_if(
        m_selection, [&lowered](const std::string& s) { return sjis::AsciiLower(s) == lowered; });
    const std::string target = selected != m_selection.end() ? *selected : *name;
    if (selected == m_selection.end() && !cards.AddGroup(target)) {
        m_prompter.Information(kNameTakenMessage);
        return false;
    }
    for (const std::string& source : m_selection) {
        CWordGroup* from = cards.FindGroup(source);
        const CWordGroup* into = cards.FindGroup(target);
        if (source == target || !from || !into) continue;
        DropCardsHeldBy<CKanjiCard>(*from, *into);
        DropCardsHeldBy<CKanjiCompound>(*from, *into);
        DropCardsHeldBy<CKanaWord>(*from, *into);
        DropCardsHeldBy<CCounterCard>(*from, *into);
        cards.MergeGroups(source, target);
    }
    m_selection = {target};
    Changed();
    return true;
}

bool CWordGroupCommands::Reset() {
    return ConfirmEach(CWordGroupDialogs::Action::Reset, kResetNoneMessage);
}

bool CWordGroupCommands::Delete() {
    return ConfirmEach(CWordGroupDialogs::Action::Delete, kDeleteNoneMessage);
}

void CWordGroupCommands::SelectAll() {
    SetSelection(m_document.Cards().GroupNames());
}

const CWordGroup* CWordGroupCommands::Edit() {
    if (!NeedsSelection(kEditNoneMessage)) return nullptr;
    if (m_selection.size() > 1) {
        m_prompter.Information(kEditManyMessage);
        return nullptr;
    }
    return m_document.Cards().FindGroup(m_selection.front());
}

bool CWordGroupCommands::PracticeReading() {
    return NeedsSelection(kReadingNoneMessage);
}

bool CWordGroupCommands::PracticeWriting() {
    return NeedsSelection(kWritingNoneMessage);
}

std::string CWordGroupCommands::ConfirmationText(CWordGroupDialogs::Action action,
                                                 const CWordGroup& group) {
    const std::string verb = action == CWordGroupDialogs::Action::Reset ? "reset" : "delete";
    if (group.cardCount == 0)
        return "Do you want to " + verb + " the empty word group ''" + group.name + "''?";
    return "Do you want to " + verb + " word group ''" + group.name + "'', containing " +
           std::to_string(group.cardCount) + " flashcards?";
}

const CWordGroup* CWordGroupCommands::FindGroupAnyCase(const std::string& name) const {
    const std::string lowered = sjis::AsciiLower(name);
    for (const std::string& listed : m_document.Cards().GroupNames()) {
        if (sjis::AsciiLower(listed) == lowered) return m_document.Cards().FindGroup(listed);
    }
    return nullptr;
}

bool CWordGroupCommands::ConfirmEach(CWordGroupDialogs::Action action, const char* noneMessage) {
    if (!NeedsSelection(noneMessage)) return false;
    CFlashcardSet& cards = m_document.Cards();
    bool askEach = true;
    bool handled = false;
    for (const std::string& name : std::vector<std::string>(m_selection)) {
        CWordGroup* group = cards.FindGroup(name);
        if (!group) continue;
        if (askEach) {
            const auto answer = m_dialogs.Confirm(action, ConfirmationText(action, *group));
            if (answer == CWordGroupDialogs::Confirmation::Cancel) break;
            if (answer == CWordGroupDialogs::Confirmation::Skip) continue;
            askEach = answer != CWordGroupDialogs::Confirmation::ActOnAll;
        }
        if (action == CWordGroupDialogs::Action::Reset)
            CFlashcardSet::ResetGroupStats(*group);
        else
            cards.DeleteGroup(name);
        handled = true;
    }
    if (handled) {
        m_selection.clear();
        Changed();
    }
    return handled;
}

bool CWordGroupCommands::NeedsSelection(const char* noneMessage) {
    if (!m_selection.empty()) return true;
    m_prompter.Information(noneMessage);
    return false;
}

void CWordGroupCommands::Changed() {
    m_document.SetModified(true);
}

bool CWordGroupCommands::CanPaste() const {
    return m_selection.size() == 1 && m_document.ClipboardCard() != nullptr;
}

bool CWordGroupCommands::Paste() {
    if (!CanPaste() || !CCardCommands::PasteClipboard(m_document, m_selection.front()))
        return false;
    Changed();
    return true;
}

}  // namespace brushly
