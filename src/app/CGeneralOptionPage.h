#pragma once

#include <QWidget>

class QCheckBox;

namespace brushly {

class CRadioChoiceBox;

// The "General" page of the options: how long-o syllables are shown, "OO" (value 0) or
// "OU" (value 1), with a note that typed romaji is accepted in either form; and whether the
// strokes drawn in the views have smoothed edges.
class CGeneralOptionPage final : public QWidget {
public:
    static constexpr const char* kTitle = "General";
    static constexpr const char* kLongOTitle = "Display of long O syllables";
    static constexpr const char* kOoLabel = "OO (as in KOO, ROO)";
    static constexpr const char* kOuLabel = "OU (as in KOU, ROU)";
    static constexpr const char* kLongONote =
        "Either form is accepted when searching the database, finding a flashcard and "
        "entering answers in quiz mode.";
    static constexpr const char* kDisplayTitle = "Display";
    static constexpr const char* kSmoothLabel = "&Smooth the edges of drawn strokes";

    // `longOMode` is the "oomode" value shown (0 or 1), `smoothStrokes` the
    // "smoothstrokes" one (0 or 1).
    CGeneralOptionPage(int longOMode, int smoothStrokes, QWidget* parent = nullptr);

    int LongOMode() const;
    int SmoothStrokes() const;

private:
    CRadioChoiceBox* m_longO;
    QCheckBox* m_smoothStrokes;
};

}  // namespace brushly
