#pragma once

#include <QWidget>

#include "document/CBrushlyOptions.h"
#include "platform/CPrompter.h"

class QCheckBox;
class QSlider;
class QSpinBox;

namespace brushly {

class CRadioChoiceBox;

// The "Draw View" page of the options: how the kanji draw box gives feedback and judges
// strokes, which cards and kana make up the deck, the demonstration speed and the drawing
// style. The page edits a copy of the Draw View block; the owner takes it over with
// Options() once CanLeave() allows it. The prompter must outlive the page.
class CDrawOptionPage final : public QWidget {
public:
    static constexpr const char* kTitle = "Draw View";
    static constexpr const char* kNothingIncludedMessage =
        "Either Kanji or Counters must be selected for display.";
    static constexpr const char* kEnforceOrderQuestion =
        "Enforcing correct stroke order in the middle of a character\nmay lead to numerous "
        "'wrong order' strokes which will then be erased.\nDo you want to continue?";
    static constexpr const char* kIncludeQuestion =
        "Changing the Include Kanji or Include Counters options will result in re-shuffling\nthe "
        "cards and may result in returning to the main view.  Do you want to continue?";
    static constexpr const char* kGojuuQuestion =
        "Changing the Gojuu options will result in re-shuffling the cards.\nDo you want to "
        "continue?";
    static constexpr const char* kRawQuestion =
        "Changing the Raw option will erase any currently drawn strokes, hints, or "
        "feedback.\nDo you want to continue?";
    static constexpr int kMinTolerance = 10;  // percent
    static constexpr int kMaxTolerance = 30;
    static constexpr int kFastestDemonstration = 0;
    static constexpr int kSlowestDemonstration = 200;

    CDrawOptionPage(const CDrawOptions& options, CPrompter& prompter, QWidget* parent = nullptr);

    // Tells the page about the Draw View behind it: its mode (the Draw View's kanji,
    // katakana or hiragana mode), whether it is open, and whether the user has strokes on
    // its board. Until told, no view is open.
    void SetDrawView(int mode, bool open, bool hasStrokes);

    // Validates the page before it is left with OK, in this order: refuses (with a message)
    // a deck of neither kanji nor counters; asks before Enforce Order is switched on over
    // drawn strokes; and, with the view open, asks before a change of the kanji mode's
    // included cards, of the kana modes' Gojuu set, or of the kanji mode's Raw Input. The
    // first refusal or No keeps the page open (false).
    bool CanLeave();

    CDrawOptions Options() const;

private:
    // Asks `question` when `changed`; true when it was not asked or answered Yes.
    bool Confirm(bool changed, const char* question);

    CPrompter& m_prompter;
    const CDrawOptions m_original;
    int m_drawMode = 0;
    bool m_viewOpen = false;
    bool m_hasStrokes = false;

    CRadioChoiceBox* m_feedback;
    QCheckBox* m_autocorrect;
    QCheckBox* m_enforceOrder;
    CRadioChoiceBox* m_strokeType;
    QSpinBox* m_errorTolerance;
    QCheckBox* m_includeKanji;
    QCheckBox* m_includeCounters;
    QSlider* m_demoSpeed;
    QCheckBox* m_showComments;
    CRadioChoiceBox* m_drawingStyle;
    QCheckBox* m_rawInput;
    QCheckBox* m_randomOrder;
    CRadioChoiceBox* m_kanaSet;
};

}  // namespace brushly
