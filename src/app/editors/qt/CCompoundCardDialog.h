#pragma once

#include "app/editors/CCompoundCardEditor.h"
#include "app/editors/qt/CCardEditorDialog.h"

class QLineEdit;
class QPushButton;

namespace brushly {

class CJapaneseTextWidget;

// The Compound card editor's window ("Add Compound Flashcard" / "Edit Compound Flashcard"):
// the compound drawn large and built with "Add &Kanji" (the kanji typed beside it), "&Get
// Kanji", "Add Ka&na" (the romaji typed beside it), "Add Re&peat", "&Back" and "&Clear"; the
// "Romaji:" and "Meaning:" of the card; and "Search for compound" "b&y Kanji", "by &Romaji"
// and "by &Meaning" in the compound search, whose chosen word fills the card. The editor and
// context must outlive the dialog.
class CCompoundCardDialog final : public CCardEditorDialog {
public:
    static constexpr int kCompoundSize = 40;

    CCompoundCardDialog(CCompoundCardEditor& editor, CEditorContext& context,
                        QWidget* parent = nullptr);

private:
    void ShowCard() override;
    void TakeFields() override;
    const char* Title() const override { return m_editor.Title(); }

    void ShowCompound();
    void Search(CompoundQuery by);

    CCompoundCardEditor& m_editor;
    CJapaneseTextWidget* m_compound = nullptr;
    QLineEdit* m_kanji = nullptr;
    QLineEdit* m_kana = nullptr;
    QLineEdit* m_romaji = nullptr;
    QLineEdit* m_meaning = nullptr;
    QPushButton* m_addKanji = nullptr;
    QPushButton* m_getKanji = nullptr;
    QPushButton* m_addRepeat = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_searchButtons[3] = {};
};

}  // namespace brushly
