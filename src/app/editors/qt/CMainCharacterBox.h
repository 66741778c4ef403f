#pragma once

#include <QGroupBox>
#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

namespace brushly {

class CEditorContext;
class CJapaneseTextWidget;
class CKanjiData;

// The "Main Character" box of the Kanji and Counter card editors: the character drawn large,
// typed beside it or chosen with "&Get Kanji" (the kanji search), and "Sho&w Data" and
// "Stroke &Order Demonstration" of its database record, disabled without one. What the user
// types or chooses goes to setCharacter; record gives the current character's record. The
// context must outlive the box.
class CMainCharacterBox final : public QGroupBox {
public:
    using Setter = std::function<void(const std::string& sjisText)>;
    using RecordOf = std::function<const CKanjiData*()>;

    CMainCharacterBox(CEditorContext& context, int size, Setter setCharacter, RecordOf record,
                      QWidget* parent);

    // Shows character (Shift-JIS) in the box and the edit, and enables the buttons.
    void ShowCharacter(const std::string& character);
    // Called after the character changed through the box.
    void SetChangedListener(std::function<void()> listener) { m_changed = std::move(listener); }

private:
    void Changed();

    CEditorContext& m_context;
    Setter m_setCharacter;
    RecordOf m_record;
    std::function<void()> m_changed;
    CJapaneseTextWidget* m_character = nullptr;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_getKanji = nullptr;
    QPushButton* m_showData = nullptr;
    QPushButton* m_demonstrate = nullptr;
};

}  // namespace brushly
