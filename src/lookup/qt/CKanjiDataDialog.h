#pragma once

#include <QDialog>

#include "handwriting/JapaneseText.h"
#include "reference/CKanjiData.h"

namespace brushly {

// "Show Data": a kanji of the database drawn large beside its reference numbers, Shift-JIS
// code, stroke count, grade and JLPT level (KanjiDataFields), with a Close button. The
// style's kanji library must outlive the dialog.
class CKanjiDataDialog final : public QDialog {
public:
    static constexpr int kKanjiSize = 96;

    CKanjiDataDialog(const CKanjiData& record, const CJapaneseTextStyle& style,
                     QWidget* parent = nullptr);
};

}  // namespace brushly
