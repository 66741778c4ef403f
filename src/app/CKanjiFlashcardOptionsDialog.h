#pragma once

#include <QDialog>
#include <cstdint>

#include "document/CBrushlyOptions.h"

class QCheckBox;

namespace brushly {

class CRadioChoiceBox;

// "Kanji Flashcard Options", opened from the Flash View page: how a kanji card is shown
// (main character, random verb inflection or random compound), where the random compound
// comes from, the document's "commonly used words" flag, and the "&Verb Options" button
// that opens "Kanji Verb Flashcard Options". It edits copies: verb forms accepted in the
// verb dialog reach the caller only when this dialog is accepted too.
class CKanjiFlashcardOptionsDialog final : public QDialog {
public:
    // `commonWordsOnly` is the document's flag (1 on, 0 off); its check box is enabled only
    // when `edictDatabase` (the loaded compound database was built from EDICT).
    CKanjiFlashcardOptionsDialog(const CFlashOptions& options, std::int32_t commonWordsOnly,
                                 bool edictDatabase, QWidget* parent = nullptr);

    // Writes the kanji display, the compound source and the verb forms into `options`,
    // leaving every other field alone.
    void CopyTo(CFlashOptions& options) const;
    std::int32_t CommonWordsOnly() const;

private:
    void EditVerbOptions();

    CFlashOptions m_verbForms;  // only its verb-form fields are taken over
    CRadioChoiceBox* m_kanjiDisplay;
    CRadioChoiceBox* m_compoundSource;
    QCheckBox* m_commonWordsOnly;
};

}  // namespace brushly
