#pragma once

#include "app/editors/CKanjiCardEditor.h"
#include "app/editors/qt/CCardEditorDialog.h"

class QListWidget;
class QPushButton;

namespace brushly {

class CMainCharacterBox;

// The Kanji card editor's window ("Add Kanji Flashcard" / "Edit Kanji Flashcard"): the main
// character typed or chosen with "&Get Kanji" and drawn large, "Sho&w Data" and "Stroke
// &Order Demonstration" of its database record, the reading groups with "Import Readings",
// "&Add", "&Delete" and "&Edit" (the reading editor), "Edit &Comments", "&Build Compound"
// (the Compound card editor with this kanji, for the same group) and "Add Compound\nFrom
// &Library" (the compound search by this kanji, whose words become cards of the chosen
// group). Buttons that need the database, a character or the compound library are disabled
// without them. The editor and context must outlive the dialog.
class CKanjiCardDialog final : public CCardEditorDialog {
public:
    static constexpr int kCharacterSize = 64;

    CKanjiCardDialog(CKanjiCardEditor& editor, CEditorContext& context, QWidget* parent = nullptr);

private:
    void ShowCard() override;
    void TakeFields() override {}
    const char* Title() const override { return m_editor.Title(); }

    void ShowCharacter();
    void ShowReadings(int selectRow);
    void ImportReadings();
    void AddReading();
    void EditReading();
    void DeleteReading();
    void EditComments();
    void BuildCompound();
    void CompoundFromLibrary();

    CKanjiCardEditor& m_editor;
    CMainCharacterBox* m_character = nullptr;
    QListWidget* m_readings = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_buildCompound = nullptr;
    QPushButton* m_fromLibrary = nullptr;
};

}  // namespace brushly
