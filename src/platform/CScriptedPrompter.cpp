#include "platform/CScriptedPrompter.h"

#include <stdexcept>

namespace brushly {

void CScriptedPrompter::Show(Kind kind, const std::string& text) {
    m_entries.push_back({false, kind, text});
}

bool CScriptedPrompter::AskYesNo(const std::string& text) {
    m_entries.push_back({true, Kind::Information, text});
    if (m_answers.empty()) throw std::logic_error("unscripted question: " + text);
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

CPrompter::Answer CScriptedPrompter::AskYesNoCancel(const std::string& text) {
    m_entries.push_back({true, Kind::Information, text});
    if (m_choices.empty()) throw std::logic_error("unscripted question: " + text);
    const Answer answer = m_choices.front();
    m_choices.pop_front();
    return answer;
}

void CScriptedPrompter::ScriptChoices(std::initializer_list<Answer> choices) {
    m_choices.insert(m_choices.end(), choices.begin(), choices.end());
}

void CScriptedPrompter::ScriptAnswers(std::initializer_list<bool> answers) {
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

std::vector<std::string> CScriptedPrompter::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        texts.push_back(entry.text);
    return texts;
}

void CScriptedPrompter::Clear() {
    m_entries.clear();
    m_answers.clear();
    m_choices.clear();
}

}  // namespace brushly
