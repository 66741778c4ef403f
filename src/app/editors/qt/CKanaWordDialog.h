#pragma once

#include "app/editors/CKanaWordEditor.h"
#include "app/editors/qt/CCardEditorDialog.h"

class QLineEdit;
class QPushButton;

namespace brushly {

class CJapaneseTextWidget;

// The Kana Word card editor's window ("Add Kana Word Flashcard" / "Edit Kana Word
// Flashcard"): "Kana:" (drawn, following the romaji as typed), "Romaji:", "Meaning:", the
// search "by &Romaji" / "by &Meaning" in the kana-word library, whose chosen word fills the
// card, and "&Clear". The editor and context must outlive the dialog.
class CKanaWordDialog final : public CCardEditorDialog {
public:
    static constexpr int kKanaSize = 32;

    CKanaWordDialog(CKanaWordEditor& editor, CEditorContext& context, QWidget* parent = nullptr);

private:
    void ShowCard() override;
    void TakeFields() override;
    const char* Title() const override { return m_editor.Title(); }

    void Search(CompoundQuery by);

    CKanaWordEditor& m_editor;
    CJapaneseTextWidget* m_kana = nullptr;
    QLineEdit* m_romaji = nullptr;
    QLineEdit* m_meaning = nullptr;
};

}  // namespace brushly
