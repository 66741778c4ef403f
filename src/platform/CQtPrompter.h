#pragma once

#include "platform/CPrompter.h"

class QWidget;

namespace brushly {

// The prompter of the program: modal Qt message boxes over the given parent window
// (which may be null), titled with the application's name.
class CQtPrompter final : public CPrompter {
public:
    explicit CQtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }
    void Show(Kind kind, const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;

private:
    QWidget* m_parent;
};

}  // namespace brushly
