#pragma once

#include <QDialog>
#include <string>

#include "platform/CPrompter.h"

class QLineEdit;

namespace brushly {

// The Word Group name dialog of New, Rename and Merge: one text field with OK and Cancel.
// OK with an empty field shows "No name was entered" through the prompter and keeps the
// dialog open. The prompter must outlive the dialog.
class CNameDialog final : public QDialog {
public:
    CNameDialog(const std::string& title, const std::string& initialName, CPrompter& prompter,
                QWidget* parent = nullptr);

    // The text of the field, as Shift-JIS like every text of the document; `initialName`
    // is Shift-JIS too.
    std::string Name() const;

    void accept() override;

private:
    CPrompter& m_prompter;
    QLineEdit* m_field;
};

}  // namespace brushly
