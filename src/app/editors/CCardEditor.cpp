#include "app/editors/CCardEditor.h"

#include <utility>

#include "document/CBrushly2Doc.h"

namespace brushly {

CCardEditor::CCardEditor(CBrushly2Doc& document, CPrompter& prompter, std::string cardGroup,
                         bool editing, bool active, bool fixedGroup)
    : m_document(document),
      m_prompter(prompter),
      m_cardGroup(std::move(cardGroup)),
      m_group(m_cardGroup),
      m_editing(editing),
      m_active(active),
      m_fixedGroup(fixedGroup) {}

const std::vector<std::string>& CCardEditor::GroupNames() const {
    return m_document.Cards().GroupNames();
}

bool CCardEditor::ChooseGroup(const std::string& name) {
    if (m_fixedGroup && name != m_cardGroup) {
        m_group = m_cardGroup;
        return Refuse(kFixedGroupMessage);
    }
    m_group = name;
    return true;
}

bool CCardEditor::NoGroup() const {
    return m_group.empty() || m_document.Cards().FindGroup(m_group) == nullptr;
}

bool CCardEditor::Refuse(const char* message) {
    m_prompter.Information(message);
    return false;
}

bool CCardEditor::Save() {
    if (const char* refusal = Refusal()) return Refuse(refusal);
    if (m_editing && m_group != m_cardGroup && !m_prompter.AskYesNo(kChangeGroupQuestion)) {
        m_group = m_cardGroup;
        return false;
    }
    m_stored = Store(m_group, m_active);
    m_document.SetModified(true);
    m_cardGroup = m_group;
    m_editing = false;
    StartNextCard();
    return true;
}

}  // namespace brushly
