#pragma once

#include <QDialog>
#include <array>

#include "reference/CKanjiLibrary.h"

class QRadioButton;

namespace brushly {

// "Adjust Japanese font settings": four printed samples of one kanji, drawn by the
// built-in character renderer in the brush style at increasing sizes, a radio button
// beside each and a fifth, "None legible". The user picks the smallest legible sample.
class CFontThresholdDialog final : public QDialog {
public:
    // The side in pixels of each sample, smallest first.
    static constexpr std::array<int, 4> kSampleSides{16, 22, 30, 40};
    static constexpr int kRows = 5;

    // library supplies the sample's strokes (null, or a library without the sample kanji,
    // shows the red cross of a character without strokes); currentRow (0 to 4) starts
    // selected.
    CFontThresholdDialog(const CKanjiLibrary* library, int currentRow, QWidget* parent = nullptr);

    // The selected row: 0 to 3 the samples, 4 "None legible".
    int ChosenRow() const;
    void SetChosenRow(int row);

private:
    std::array<QRadioButton*, kRows> m_rows{};
};

}  // namespace brushly
