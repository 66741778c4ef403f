#pragma once

#include <string>

namespace brushly {

// Message boxes and Yes/No questions. Every text the program shows the user goes through
// one prompter, so that tests can check each message character for character.
//
// Texts are Shift-JIS bytes like all of the program's text (the messages themselves are
// ASCII); an implementation that displays them converts them for display.
class CPrompter {
public:
    enum class Kind { Information, Error, Stop };
    enum class Answer { Yes, No, Cancel };

    virtual ~CPrompter() = default;

    // A notice with an OK button; returns when the user has dismissed it.
    virtual void Show(Kind kind, const std::string& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
    // A Yes/No/Cancel question, such as whether to save changes before they are lost.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;

    void Information(const std::string& text) { Show(Kind::Information, text); }
    void Error(const std::string& text) { Show(Kind::Error, text); }
    void Stop(const std::string& text) { Show(Kind::Stop, text); }
};

}  // namespace brushly
