#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace brushly {

// "Edit &Comments": the card's comments (Shift-JIS) under the editor's prompt, with OK and
// Cancel. Accepted, Comments() holds the text as edited.
class CCommentsDialog final : public QDialog {
public:
    static constexpr const char* kTitle = "Edit Comments";

    CCommentsDialog(const char* prompt, const std::string& comments, QWidget* parent = nullptr);

    std::string Comments() const;

private:
    QPlainTextEdit* m_text;
};

}  // namespace brushly
