#pragma once

#include <QWidget>

#include "document/CBrushlyOptions.h"
#include "platform/CPrompter.h"

namespace brushly {

class COptionPageTiming;
class CRadioChoiceBox;

// The "Kana Flash View" page of the options: the kana quiz mode, its time limit and auto
// flip, which kana the deck includes and the order it is shuffled in. The page edits a copy
// of the kana block (its two range values belong to the Kana Table View page and pass
// through unchanged); the owner takes it over with Options() once CanLeave() allows it. The
// prompter must outlive the page.
class CKanaOptionPage final : public QWidget {
public:
    static constexpr const char* kTitle = "Kana Flash View";
    static constexpr const char* kReshuffleQuestion =
        "Changing the 'Shuffle' option will result in re-shuffling the cards.\nDo you want to "
        "continue?";

    CKanaOptionPage(const CKanaFlashOptions& options, CPrompter& prompter,
                    QWidget* parent = nullptr);

    // Whether the Kana View is open behind the page, so that a change of the included kana
    // re-shuffles its deck and needs the user's consent. Off by default.
    void SetKanaViewOpen(bool open) { m_kanaViewOpen = open; }

    // Validates the page before it is left with OK: refuses (with a message) seconds that
    // are not from 1 to 30, and with the Kana View open asks before a change of the included
    // kana. False keeps the page open.
    bool CanLeave();

    CKanaFlashOptions Options() const;

private:
    CPrompter& m_prompter;
    const CKanaFlashOptions m_original;
    bool m_kanaViewOpen = false;

    CRadioChoiceBox* m_quizMode;
    COptionPageTiming* m_timing;
    CRadioChoiceBox* m_kanaSet;
    CRadioChoiceBox* m_order;
};

}  // namespace brushly
