#pragma once

#include <QDialog>

#include "app/editors/CReadingEditor.h"
#include "handwriting/JapaneseText.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brushly {

class CJapaneseTextWidget;

// The reading editor's window ("Add Kanji Reading" / "Edit Kanji Reading"): "Reading
// (ON/kun):" with "Add &On", "Add &Kun" and the long-o swap, "Kana:" showing the typed
// reading in kana, "English Meaning(s):" with "Add &Meaning", the three lists with a button
// each to remove the selected entry, and "Word Type:" of the selected Kun reading with
// "Adjust &Word Type". OK runs the editor's checks; accepted, Reading() holds the group.
// The prompter and the style's kanji library must outlive the dialog.
class CReadingEditorDialog final : public QDialog {
public:
    static constexpr const char* kSwapLongOText = "oo <-> ou";

    CReadingEditorDialog(CPrompter& prompter, const CJapaneseTextStyle& style,
                         const CKanjiReading& reading, bool editing, QWidget* parent = nullptr);

    const CKanjiReading& Reading() const { return m_editor.Reading(); }

private:
    QListWidget* AddList(const char* title, const char* name, CReadingEditor::List list,
                         QLayout* lists);
    void Add(CReadingEditor::List list, QLineEdit* edit);
    void ShowLists();
    void ShowWordType();
    void Accept();

    CReadingEditor m_editor;
    QLineEdit* m_reading = nullptr;
    QLineEdit* m_meaning = nullptr;
    CJapaneseTextWidget* m_kana = nullptr;
    QListWidget* m_on = nullptr;
    QListWidget* m_kun = nullptr;
    QListWidget* m_meanings = nullptr;
    QLabel* m_wordType = nullptr;
    QPushButton* m_adjust = nullptr;
};

}  // namespace brushly
