#pragma once

#include <QDialog>
#include <string>

#include "app/CWordGroupCommands.h"

class QHBoxLayout;

namespace brushly {

// The confirmation "Delete Word Groups?" asked for each group of a Reset or Delete: the
// question and the buttons "DELETE", "DELETE ALL", "NO" and "Cancel" (for Reset "RESET" and
// "RESET ALL" in place of the first two). Closing the window counts as Cancel.
class CGroupConfirmDialog final : public QDialog {
public:
    CGroupConfirmDialog(CWordGroupDialogs::Action action, const std::string& text,
                        QWidget* parent = nullptr);

    // The button chosen; Cancel until one is.
    CWordGroupDialogs::Confirmation Answer() const { return m_answer; }

private:
    void AddButton(const char* text, CWordGroupDialogs::Confirmation answer);

    CWordGroupDialogs::Confirmation m_answer = CWordGroupDialogs::Confirmation::Cancel;
    QHBoxLayout* m_buttons;
};

}  // namespace brushly
