#pragma once

#include <QWidget>

#include "document/CBrushlyOptions.h"

class QSpinBox;

namespace brushly {

// The "Kana Table View" page of the options: the two "Recognition Levels" that split the
// kana table's percentages into its colour bands, each 0 to 99 percent in a spin box named
// "lowerLevel" or "upperLevel". The lower level never stands above the upper one: raising
// the lower past the upper raises the upper with it, and lowering the upper past the lower
// lowers the lower.
class CKanaStatOptionPage final : public QWidget {
public:
    static constexpr const char* kTitle = "Kana Table View";
    static constexpr int kMinLevel = 0;  // percent
    static constexpr int kMaxLevel = 99;

    // Shows the range values of `options` (a lower level above the upper is raised over).
    explicit CKanaStatOptionPage(const CKanaFlashOptions& options, QWidget* parent = nullptr);

    // The options the page opened with, with the two range values shown.
    CKanaFlashOptions Options() const;

private:
    const CKanaFlashOptions m_original;
    QSpinBox* m_lower;
    QSpinBox* m_upper;
};

}  // namespace brushly
