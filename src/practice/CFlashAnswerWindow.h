#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brushly {

// The modeless "Enter your answer" window of Fill in the Blank: the quiz's prompt, an edit
// box, "&Enter" (also the Return key), "&Skip" and a feedback line. It only shows what the
// Flash View gives it and forwards the two buttons; the view decides when it is shown and
// where (see CFlashView). Texts are Shift-JIS like the rest of the program.
class CFlashAnswerWindow final : public QDialog {
public:
    static constexpr const char* kTitle = "Enter your answer";

    using TextHandler = std::function<void(const std::string& typed)>;
    using SkipHandler = std::function<void()>;

    explicit CFlashAnswerWindow(QWidget* parent = nullptr);

    // Called with the edit box's text on Enter, on Skip, and with the text after every
    // edit by the student (not after SetAnswer); any may be empty.
    void SetHandlers(TextHandler enter, SkipHandler skip, TextHandler edited);

    void SetPrompt(const std::string& prompt);
    void SetFeedback(const std::string& feedback);
    // The edit box's text, and setting it (empty for a new card); Shift-JIS.
    std::string Answer() const;
    void SetAnswer(const std::string& answer);

private:
    void Enter();
    void Skip();

    TextHandler m_enter;
    SkipHandler m_skip;
    TextHandler m_edited;
    QLabel* m_prompt;
    QLineEdit* m_edit;
    QPushButton* m_enterButton;
    QPushButton* m_skipButton;
    QLabel* m_feedback;
};

}  // namespace brushly
