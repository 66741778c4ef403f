#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "app/COptionPageTiming.h"
#include "document/CBrushlyOptions.h"
#include "platform/CPrompter.h"

class QCheckBox;

namespace brushly {

class CRadioChoiceBox;

// The "Flash View" page of the options: quiz mode, time limit and auto flip, which kinds of
// card the deck includes, counter forms, shuffle order and what the card data displays, with
// the buttons of the "Quiz Mode Options" and "Kanji Flashcard Options" dialogs. The page
// edits copies of the Flash View block and of the document's "commonly used words" flag;
// the owner takes them over with Options() and CommonWordsOnly() once CanLeave() allows it.
// The prompter must outlive the page.
class CFlashOptionPage final : public QWidget {
public:
    static constexpr const char* kTitle = "Flash View";
    static constexpr const char* kCompoundsLabel = "Compounds";
    // The Compounds label while kanji cards are shown as a random compound, which already
    // drills compounds: the box is then cleared and disabled.
    static constexpr const char* kRandomCompoundLabel =
        "Compounds (random compound selected for Kanji flashcards)";
    static constexpr const char* kNothingIncludedMessage =
        "Either Kanji, Compounds, Kana, or Counters must be selected for display.";
    static constexpr const char* kReshuffleQuestion =
        "Changing the Include Kanji, Include Compound, Include Kana, Include Counters, or "
        "All/Only-One Counter options\nwill result in re-shuffling the cards and may result in "
        "returning to the main view.  Do you want to continue?";
    static constexpr const char* kTimeLimitMessage = COptionPageTiming::kTimeLimitMessage;
    static constexpr const char* kAutoFlipMessage = COptionPageTiming::kAutoFlipMessage;

    // `commonWordsOnly` is the document's flag (1 on, 0 off); it can be changed only when
    // `edictDatabase` (the loaded compound database was built from EDICT).
    CFlashOptionPage(const CFlashOptions& options, std::int32_t commonWordsOnly, bool edictDatabase,
                     CPrompter& prompter, QWidget* parent = nullptr);

    // Whether the Flash View is open behind the page, so that a change of the deck's
    // contents re-shuffles it and needs the user's consent. On by default.
    void SetFlashViewOpen(bool open) { m_flashViewOpen = open; }

    // Validates the page before it is left with OK: refuses (with a message) when no kind of
    // card is included or a number of seconds is not from 1 to 30, and asks before a change
    // that re-shuffles the open deck. False keeps the page open.
    bool CanLeave();

    // The values shown. Seconds that do not parse keep the value the page opened with.
    CFlashOptions Options() const;
    std::int32_t CommonWordsOnly() const { return m_commonWordsOnly; }

private:
    void EditQuizModeOptions();
    void EditKanjiFlashcardOptions();
    // Applies the Compounds rule of the current kanji display.
    void ShowKanjiDisplay();
    bool DeckContentsChanged(const CFlashOptions& options) const;

    CPrompter& m_prompter;
    const CFlashOptions m_original;
    CFlashOptions m_options;  // the fields that the sub-dialogs edit live here
    std::int32_t m_commonWordsOnly;
    bool m_edictDatabase;
    bool m_flashViewOpen = true;

    CRadioChoiceBox* m_quizMode;
    COptionPageTiming* m_timing;
    QCheckBox* m_includeKanji;
    QCheckBox* m_includeCompounds;
    QCheckBox* m_includeKanaWords;
    QCheckBox* m_includeCounters;
    CRadioChoiceBox* m_counterForms;
    CRadioChoiceBox* m_shuffleOrder;
    std::array<QCheckBox*, 5> m_display{};
};

}  // namespace brushly
