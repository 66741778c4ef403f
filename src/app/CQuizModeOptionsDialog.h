#pragma once

#include <QDialog>

#include "document/CBrushlyOptions.h"

namespace brushly {

class CRadioChoiceBox;

// "Quiz Mode Options", opened from the Flash View page: where multiple-choice distracters
// come from, whether the answer is the Japanese reading or the English meaning, and which
// kind of reading is asked. It edits a copy; the page takes the values over only on OK.
class CQuizModeOptionsDialog final : public QDialog {
public:
    explicit CQuizModeOptionsDialog(const CFlashOptions& options, QWidget* parent = nullptr);

    // Writes the dialog's three choices into `options`, leaving every other field alone.
    void CopyTo(CFlashOptions& options) const;

private:
    CRadioChoiceBox* m_distracterSource;
    CRadioChoiceBox* m_desiredAnswer;
    CRadioChoiceBox* m_readingKind;
};

}  // namespace brushly
