#pragma once

#include <QList>
#include <QTimer>

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include "platform/CPausableTimer.h"

#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "practice/CFlashQuizHost.h"
#include "practice/CReadingQuiz.h"

class QAction;
class QMenu;
class QPushButton;

namespace brushly {

class CDemonstrationWidget;
class CFlashAnswerWindow;
class CFlashCardWidget;

// The window of a reading drill over a CReadingQuiz, which it owns and which holds all of
// the drill's state: the Flash View over Word Groups and the Kana View derive from it and
// only add how their quiz is started and told of changed options.
//
// The window draws the caption, "Return to Main View" and the Details button in a strip at
// the top and the card (CFlashCardWidget) below it, provides the quiz's two timers, shows
// the Fill in the Blank answer window (CFlashAnswerWindow) while the quiz has it open, and
// hosts the stroke-order demonstration window.
//
// Mouse: a click on "Return to Main View" returns; a click on a multiple-choice slot
// answers; a click elsewhere on the card is the quiz's card click (Next once answered, or
// in No Quiz mode).
// Keys: 1 to 4 answer with that slot; Space and Return press the Details button while it is
// shown and are the card click otherwise; Right arrow is Next.
//
// The answer window opens where it was when it last closed, the first time at
// FirstAnswerPosition; a quiz mode change forgets that place. The demonstration window, while
// open, follows the current card and plays the quiz's demonstration strokes (nothing for a
// card without them).
//
// The document and the text style's kanji library must outlive the view. Messages go
// through the document's prompter.
class CReadingView : public QWidget, private CFlashQuizHost {
public:
    static constexpr const char* kReturnText = "Return to Main View";
    // Where "Return to Main View" starts, left of the right edge.
    static constexpr int kReturnOffset = 275;
    // Height of the strip holding the caption, the return link and the Details button.
    static constexpr int kStripHeight = 40;
    // The Details button: its size, its distance from the right edge and from the top.
    static constexpr int kDetailsWidth = 100;
    static constexpr int kDetailsHeight = 30;
    static constexpr int kDetailsRight = 110;
    static constexpr int kDetailsTop = 5;
    // The answer window's first place: this far left of the view's centre, this far down.
    static constexpr int kAnswerLeftOfCentre = 150;
    static constexpr int kAnswerTop = 250;
    // In Vertical Mode: this far right of the centre, this far above the centre line.
    static constexpr int kVerticalAnswerRightOfCentre = 40;
    static constexpr int kVerticalAnswerAboveCentre = 50;

    ~CReadingView() override;

    // Stops both timers, closes the answer window and the demonstration.
    void Leave();

    // The commands of the toolbar, the View menu and the pop-up menu.
    void Next();
    void MarkRight();
    void MarkWrong();
    void Shuffle();
    void ShowMissed();
    void SwitchQuizMode();
    void ShowOptions();
    void Reset();
    void ResetAll();
    void More();
    // Opens the demonstration of the current card, or closes it when open.
    void ShowDemonstration();

    // Redraws after View - Romaji Mode or Vertical Mode: the slots and card data follow the
    // document's display settings.
    void DisplayModesChanged();

    // The toolbar of the current quiz mode: Next, Options, Shuffle, Show Missed Flashcards,
    // Quiz Mode, Reset, Reset All and Show Demonstration, followed in No Quiz mode by Mark
    // Right, Mark Wrong and More. Each action's status tip is its command's description.
    // The actions belong to the view.
    QList<QAction*> ToolbarActions() const;

    using Handler = std::function<void()>;
    // Return to Main View (after the view has left).
    void SetReturnHandler(Handler handler) { m_returnHandler = std::move(handler); }
    // The Options command: the integrator opens the options sheet at the view's page, then
    // calls the derived view's OptionsChanged.
    void SetOptionsHandler(Handler handler) { m_optionsHandler = std::move(handler); }
    // Called after the quiz mode changed, for the main frame to reload the toolbar.
    void SetQuizModeChangedHandler(Handler handler) { m_quizModeHandler = std::move(handler); }

    const CReadingQuiz& ReadingQuiz() const { return *m_quiz; }
    CFlashAnswerWindow& AnswerWindow() { return *m_answerWindow; }
    // The answer window's first position, in global coordinates.
    QPoint FirstAnswerPosition() const;
    CFlashCardWidget& Card() { return *m_card; }
    QPushButton& DetailsButton() { return *m_details; }
    // The demonstration window, null while it is closed.
    CDemonstrationWidget* Demonstration() { return m_demonstration.get(); }
    // Where "Return to Main View" is drawn (and clicked), in view pixels.
    QRect ReturnRect() const;

protected:
    // Makes the quiz, given this view as its host; the quiz must not call the host while it
    // is made (the view is not built yet). optionsTip: the Options command's description.
    using QuizFactory = std::function<std::unique_ptr<CReadingQuiz>(CFlashQuizHost& host)>;
    CReadingView(CBrushly2Doc& document, const CJapaneseTextStyle& style,
                 const QuizFactory& makeQuiz, const char* optionsTip, QWidget* parent);

    CReadingQuiz& MutableQuiz() { return *m_quiz; }
    // Runs a quiz command, then brings the window up to date.
    void Run(const std::function<void()>& command);
    // The same for a command that may change the quiz mode from `modeBefore` (the options
    // page changes it before the view hears of it), telling the frame when it did.
    void RunModeCommand(int modeBefore, const std::function<void()>& command);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // CFlashQuizHost.
    void StartTimer(int timer, double seconds) override;
    void StopTimer(int timer) override;
    void ShowShuffling(bool shown) override;
    void ReturnToMainView() override;
    void Changed() override;

    QAction* AddAction(const char* text, const char* tip, const char* name,
                       void (CReadingView::*command)());
    void TimerExpired(int timer);
    bool HasFocus() const;
    void SyncAnswerWindow();
    void SyncDemonstration();
    void StartDemonstration();

    CBrushly2Doc& m_document;
    // Made by the derived view's factory; never null. Declared before the timers, which
    // are thus stopped before it goes.
    std::unique_ptr<CReadingQuiz> m_quiz;
    // Both stand still while a modal dialog or a menu is open.
    CPausableTimer m_autoFlipTimer;
    CPausableTimer m_timeLimitTimer;
    Handler m_returnHandler;
    Handler m_optionsHandler;
    Handler m_quizModeHandler;

    CFlashCardWidget* m_card;
    QPushButton* m_details;
    CFlashAnswerWindow* m_answerWindow;
    // Where the answer window was when it last closed; forgotten on a quiz mode change.
    std::optional<QPoint> m_answerPosition;
    // Set by the demonstration while it draws; declared before it, which clears it last.
    bool m_demonstrationBusy = false;
    const CKanjiStrokes* m_demonstrated = nullptr;
    std::unique_ptr<CDemonstrationWidget> m_demonstration;

    QList<QAction*> m_commonActions;
    QList<QAction*> m_noQuizActions;
    QMenu* m_contextMenu;
};

}  // namespace brushly
