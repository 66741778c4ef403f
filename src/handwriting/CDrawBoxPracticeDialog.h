#pragma once

#include <QDialog>

class QCheckBox;

namespace brushly {

class CKanjiDrawBoxWidget;
class CKanjiLibrary;
class CSettingsStore;

// "Kanji Draw Box Practice": a modal dialog that lets the student try the kanji draw box
// (with Back and Erase, feedback after each stroke) on an easy kanji of the library before
// the Draw View or the handwriting search uses it, with a short instruction, the check box
// "DO NOT start practice dialog each time" and OK. Closing it in any way writes the check
// box to the setting "practice" (1 checked, 0 not).
class CDrawBoxPracticeDialog final : public QDialog {
public:
    // The setting that keeps the dialog from being shown: 1 = do not show it.
    static constexpr const char* kPracticeKey = "practice";

    // The library and settings must outlive the dialog; the box points at the practice
    // kanji's strokes in the library. Without any of the practice kanji in the library the
    // box stays empty and ignores the pen.
    CDrawBoxPracticeDialog(const CKanjiLibrary& library, CSettingsStore& settings,
                           QWidget* parent = nullptr);

    // Whether the dialog is to be shown: "practice" is not 1.
    static bool ShouldShow(const CSettingsStore& settings);

    // The practice box, for tests and hosts that want to look at it.
    CKanjiDrawBoxWidget& DrawBox() { return *m_drawBox; }

    void done(int result) override;

private:
    CSettingsStore& m_settings;
    CKanjiDrawBoxWidget* m_drawBox;
    QCheckBox* m_doNotShow;
};

}  // namespace brushly
