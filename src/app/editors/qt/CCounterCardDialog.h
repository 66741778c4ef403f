#pragma once

#include "app/editors/CCounterCardEditor.h"
#include "app/editors/qt/CCardEditorDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace brushly {

class CMainCharacterBox;

// The Counter card editor's window ("Add Counter Flashcard" / "Edit Counter Flashcard"):
// "Main Character" typed or chosen with "&Get Kanji", "Sho&w Data" and "Stroke &Order
// Demonstration" of its record, "Meaning:", "Romaji:" and the type ("Count" or "Name"), the
// counted forms (number, romaji and kana) with "&Add" (a number chosen and its romaji typed)
// and "&Delete", "Auto Expansion" from a romaji "Root:" by "&Ichi, ni..." or "&Hito,
// futa..." with the root placed "'Prefix'" or "'Postfix'", and "Edit &Comments". The editor
// and context must outlive the dialog.
class CCounterCardDialog final : public CCardEditorDialog {
public:
    static constexpr int kCharacterSize = 48;

    CCounterCardDialog(CCounterCardEditor& editor, CEditorContext& context,
                       QWidget* parent = nullptr);

private:
    void ShowCard() override;
    void TakeFields() override;
    const char* Title() const override { return m_editor.Title(); }

    QLayout* BuildCharacter();
    QLayout* BuildForms();
    QLayout* BuildExpansion();
    void ShowForms();
    void Expand(bool nativeWords);

    CCounterCardEditor& m_editor;
    CMainCharacterBox* m_character = nullptr;
    QLineEdit* m_meaning = nullptr;
    QLineEdit* m_romaji = nullptr;
    QComboBox* m_type = nullptr;
    QTreeWidget* m_forms = nullptr;
    QComboBox* m_number = nullptr;
    QLineEdit* m_formRomaji = nullptr;
    QPushButton* m_deleteForm = nullptr;
    QLineEdit* m_root = nullptr;
    QRadioButton* m_prefix = nullptr;
};

}  // namespace brushly
