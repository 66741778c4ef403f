#pragma once

#include <QDialog>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace brushly {

class CCardEditor;
class CEditorContext;

// What the four card editor dialogs share: the "Word Group:" list (every group of the
// document, in order), the "Active Card" box and the buttons "&Save" (store and stay open for
// the next card), "Save && E&xit" (store and close) and "Cancel" (close; the working copy is
// dropped). Choosing a group goes through the editor, which refuses another group in
// fixed-group mode; the list then shows the editor's choice again, as it does after a
// refused store.
//
// A derived dialog builds its own controls, hands them to Finish and shows the working copy
// in ShowCard; TakeFields copies what is typed into the editor before a store. The editor
// and the context must outlive the dialog.
class CCardEditorDialog : public QDialog {
protected:
    CCardEditorDialog(CCardEditor& editor, CEditorContext& context, const char* objectName,
                      QWidget* parent);

    // Puts content above the group row and the buttons, and shows the card.
    void Finish(QBoxLayout* content);
    // Shows every field of the working copy (also after a store, on the next card).
    virtual void ShowCard() = 0;
    // Copies the typed fields into the editor.
    virtual void TakeFields() = 0;
    // The window title for the editor's state (adding or editing).
    virtual const char* Title() const = 0;

    CEditorContext& Context() const { return m_context; }
    // The group chosen, for the windows an editor opens.
    std::string Group() const;

    void done(int result) override;

private:
    void ShowCommon();
    void ChooseGroup(int index);
    void Save(bool close);

    CCardEditor& m_editor;
    CEditorContext& m_context;
    QComboBox* m_group = nullptr;
    QCheckBox* m_active = nullptr;
};

}  // namespace brushly
