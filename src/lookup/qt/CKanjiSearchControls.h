#pragma once

#include <QWidget>

#include "lookup/KanjiSearchState.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace brushly {

// The kanji search's inputs: the "Index Search" group (reference list, number edit,
// "&Find") and the "Text Search" group (reading with "ON" and "Kun", OR/AND, meaning, the
// optional stroke window with its count and "+/-" tolerance, "&Search"). The reading edit is
// enabled only while "ON" or "Kun" is checked, the stroke count and tolerance only while
// the window is on; focusing the tolerance sends the focus on to the count, as the spin
// arrows alone set it. The buttons are the dialog's to connect.
class CKanjiSearchControls final : public QWidget {
public:
    explicit CKanjiSearchControls(QWidget* parent = nullptr);

    // Shows the inputs of a state, respectively writes the shown ones into it.
    void Restore(const CKanjiSearchState& state);
    void Save(CKanjiSearchState& state) const;

    QPushButton* FindButton() const { return m_find; }
    QPushButton* SearchButton() const { return m_search; }
    // Whether Return in widget should press "&Find", respectively "&Search".
    bool FindsOnReturn(const QWidget* widget) const;
    bool SearchesOnReturn(const QWidget* widget) const;
    // Where the dialog puts the focus on opening.
    QLineEdit* ReadingEdit() const { return m_reading; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildIndexSearch();
    QWidget* BuildTextSearch();
    void UpdateEnabled();

    QComboBox* m_reference;
    QLineEdit* m_number;
    QPushButton* m_find;
    QLineEdit* m_reading;
    QCheckBox* m_on;
    QCheckBox* m_kun;
    QComboBox* m_andOr;
    QLineEdit* m_meaning;
    QCheckBox* m_strokeWindow;
    QSpinBox* m_strokes;
    QSpinBox* m_tolerance;
    QPushButton* m_search;
};

}  // namespace brushly
