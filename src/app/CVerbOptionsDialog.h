#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "document/CBrushlyOptions.h"

class QCheckBox;

namespace brushly {

// "Kanji Verb Flashcard Options": which verb forms the inflection table shows and Random
// Verb Inflection may pick, one check box per option. It edits a copy; the caller takes the
// values over only on OK.
class CVerbOptionsDialog final : public QDialog {
public:
    struct Choice {
        const char* label;
        std::int32_t CFlashOptions::*field;
    };
    // The check boxes, top to bottom.
    static constexpr std::array<Choice, 13> kChoices{{
        {"Affirmative", &CFlashOptions::verbAffirmative},
        {"Negative", &CFlashOptions::verbNegative},
        {"Informal", &CFlashOptions::verbInformal},
        {"Formal", &CFlashOptions::verbFormal},
        {"Indicative", &CFlashOptions::verbIndicative},
        {"Gerund (te)", &CFlashOptions::verbGerund},
        {"Tentative", &CFlashOptions::verbTentative},
        {"Presumptive", &CFlashOptions::verbPresumptive},
        {"Imperative", &CFlashOptions::verbImperative},
        {"Provisional", &CFlashOptions::verbProvisional},
        {"Conditional", &CFlashOptions::verbConditional},
        {"Representative", &CFlashOptions::verbRepresentative},
        {"Passive / Potential / Causative / Causitive Passive", &CFlashOptions::verbPassive},
    }};

    explicit CVerbOptionsDialog(const CFlashOptions& options, QWidget* parent = nullptr);

    // Writes the verb-form fields into `options`, leaving every other field alone.
    void CopyTo(CFlashOptions& options) const;

private:
    std::array<QCheckBox*, kChoices.size()> m_boxes{};
};

}  // namespace brushly
