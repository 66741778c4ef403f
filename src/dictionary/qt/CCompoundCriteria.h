#pragma once

#include <QWidget>
#include <string>

#include "dictionary/CompoundSearchState.h"
#include "handwriting/JapaneseText.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brushly {

class CJapaneseTextWidget;

// The compound search's criteria: "Romaji:" and "Meaning:" with their edits (typing checks a
// box while its edit holds text), "Match whole word only", "Kanji:" with the chosen kanji's
// picture and "&Get Kanji", the AND/OR list with its sentence, and "SEARCH". The kanji box
// and "&Get Kanji" need compounds included (the box also a kanji); "SEARCH" needs a checked
// criterion and a library included. The buttons are the dialog's to connect.
class CCompoundCriteria final : public QWidget {
public:
    static constexpr int kKanjiSize = 32;

    CCompoundCriteria(const CJapaneseTextStyle& style, QWidget* parent = nullptr);

    // Shows the criteria of a state, respectively writes the shown ones into it.
    void Restore(const CCompoundSearchState& state);
    void Save(CCompoundSearchState& state) const;
    // A kanji taken from the kanji search: shown, and its box enabled and checked.
    void SetKanji(const std::string& kanji);
    // What the include options allow: the kanji criterion needs compounds, a search either.
    void SetIncluded(bool compounds, bool kanaWords);

    QPushButton* GetKanjiButton() const { return m_getKanji; }
    QPushButton* SearchButton() const { return m_search; }

private:
    void UpdateEnabled();

    QCheckBox* m_useRomaji;
    QLineEdit* m_romaji;
    QCheckBox* m_useMeaning;
    QLineEdit* m_meaning;
    QCheckBox* m_wholeWord;
    QCheckBox* m_useKanji;
    CJapaneseTextWidget* m_kanji;
    QPushButton* m_getKanji;
    QComboBox* m_andOr;
    QLabel* m_andOrText;
    QPushButton* m_search;
    bool m_compoundsIncluded = true;
    bool m_kanaWordsIncluded = true;
};

}  // namespace brushly
