#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/CPrompter.h"

namespace brushly {

// A prompter for tests and for batch use: records every text shown and answers questions
// from a script given in advance. A question with no scripted answer throws
// std::logic_error naming the question, so an unexpected question fails the test loudly.
class CScriptedPrompter final : public CPrompter {
public:
    struct Entry {
        bool isQuestion = false;
        Kind kind = Kind::Information;  // meaningful for notices only
        std::string text;
    };

    void Show(Kind kind, const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;

    // Appends answers to the script, consumed in order by AskYesNo.
    void ScriptAnswers(std::initializer_list<bool> answers);
    // Appends answers to the script of AskYesNoCancel, consumed in order.
    void ScriptChoices(std::initializer_list<Answer> choices);

    const std::vector<Entry>& Entries() const { return m_entries; }
    // The texts of every notice and question, in the order shown.
    std::vector<std::string> Texts() const;
    std::size_t UnusedAnswers() const { return m_answers.size() + m_choices.size(); }
    void Clear();

private:
    std::vector<Entry> m_entries;
    std::deque<bool> m_answers;
    std::deque<Answer> m_choices;
};

}  // namespace brushly
