#pragma once

#include <QWidget>

namespace brushly {

class CRadioChoiceBox;

// The "General" page of the options: how long-o syllables are shown, "OO" (value 0) or
// "OU" (value 1), with a note that typed romaji is accepted in either form.
class CGeneralOptionPage final : public QWidget {
public:
    static constexpr const char* kTitle = "General";
    static constexpr const char* kLongOTitle = "Display of long O syllables";
    static constexpr const char* kOoLabel = "OO (as in KOO, ROO)";
    static constexpr const char* kOuLabel = "OU (as in KOU, ROU)";
    static constexpr const char* kLongONote =
        "Either form is accepted when searching the database, finding a flashcard and "
        "entering answers in quiz mode.";

    // `longOMode` is the "oomode" value shown (0 or 1).
    explicit CGeneralOptionPage(int longOMode, QWidget* parent = nullptr);

    int LongOMode() const;

private:
    CRadioChoiceBox* m_longO;
};

}  // namespace brushly
