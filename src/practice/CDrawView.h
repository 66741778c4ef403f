#pragma once

#include <QList>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "platform/CCanvas.h"
#include "practice/CDrawPractice.h"

class QAction;
class QMenu;
class QPushButton;

namespace brushly {

class CColourKeyWindow;
class CDemonstrationWidget;
class CDrawBoxFrame;
class CKanaDrawBoxWidget;
class CKanjiDrawBoxWidget;

// The Draw View: the writing drill over a CDrawPractice, which it owns and which holds the
// deck. In view pixels (x right, y down) the view shows:
// - the header ("Kanji Draw View: 1 of 5 cards") at kHeaderTopLeft;
// - the Return button at kReturnButton with "Return to Main View" beside it, or the three
//   lines "Return", "to Main", "View" when the view is narrower than kNarrowWidth while the
//   demonstration is shown;
// - the card panel (the practice's CardPanel lines, the character large) from
//   kPanelTopLeft, left of the draw box;
// - the kanji draw box window (kanji mode) or the kana box (kana modes and Raw Input), both
//   placed at kBoxTopLeft, only the fitting one shown;
// - the Hints button at kHintsButton;
// - on request the demonstration window at kDemonstrationTopLeft, its caption drawn in the
//   strip above it, and the colour key window at kKeyTopLeft.
// While a deck of more than 200 cards is shuffled the "Loading/Shuffling Flashcards..." box
// covers the card area.
//
// With a Japanese font, the kanji box's caption names the kanji a finished but wrong
// character looks like (CDrawPractice::LookAlike): "Incorrect Stroke(s) - looks like X".
//
// Every card change (Next, Shuffle, a restart, an options change) clears the box, ghost
// included, resets its caption to the mode's empty caption and restarts an open
// demonstration with the new character. A left click on the card area is Next.
//
// The document and the text style's kanji library must outlive the view. Messages go through
// the document's prompter.
class CDrawView final : public QWidget {
public:
    static constexpr const char* kReturnText = "Return to Main View";
    static constexpr QPoint kHeaderTopLeft{5, 5};
    static constexpr QRect kReturnButton{QPoint(10, 50), QPoint(39, 79)};
    static constexpr QPoint kReturnTextTopLeft{45, 54};
    // The three-line form of the return text: its lines' tops.
    static constexpr int kReturnLineTops[] = {38, 58, 78};
    static constexpr int kNarrowWidth = 850;
    static constexpr QPoint kBoxTopLeft{380, 50};
    static constexpr QRect kHintsButton{QPoint(410, 3), QPoint(579, 27)};
    static constexpr QPoint kDemonstrationTopLeft{580, 50};
    static constexpr QPoint kKeyTopLeft{380, 300};
    static constexpr QPoint kPanelTopLeft{10, 100};
    // The card panel's width: up to the draw box.
    static constexpr int kPanelWidth = 360;
    static constexpr int kTextSize = 16;
    static constexpr int kLargeSize = 100;
    static constexpr int kLineHeight = 22;
    static constexpr const char* kLatinFace = "Arial";

    CDrawView(CBrushly2Doc& document, const CJapaneseTextStyle& style, QWidget* parent = nullptr);
    ~CDrawView() override;

    // Builds the deck of the mode (CDrawPractice's kKanjiMode, kKatakanaMode or
    // kHiraganaMode) from the Word Groups and presents its first card; false (nothing
    // presented) when the deck is empty.
    bool Open(int mode, const std::vector<std::string>& groupNames);
    // Closes the demonstration and the colour key windows.
    void Leave();

    // The commands of the toolbar and the pop-up menu.
    void Next();
    void Shuffle();
    void ShowOptions();
    // Opens the demonstration of the current character, or closes it when open.
    void ToggleDemonstration();
    // Opens the colour key window, or closes it when open.
    void ToggleKey();
    void FixOrder();
    // After the options page's OK, with the Draw options as they were before it opened.
    void OptionsChanged(const CDrawOptions& before);

    // Next, Shuffle, Options, Demonstration, Key and Fix Order; each action's status tip is
    // its command's description. The actions belong to the view.
    QList<QAction*> ToolbarActions() const;

    using Handler = std::function<void()>;
    // Return to Main View (after the view has left).
    void SetReturnHandler(Handler handler) { m_returnHandler = std::move(handler); }
    // The Options command: the integrator opens the options sheet at the Draw View page, then
    // calls OptionsChanged.
    void SetOptionsHandler(Handler handler) { m_optionsHandler = std::move(handler); }
    // The Hints button: opens the help on drawing kana (true) or kanji (false).
    void SetHintsHandler(std::function<void(bool kana)> handler) {
        m_hintsHandler = std::move(handler);
    }

    // The user has strokes on the shown box (asked by the options page before it enforces
    // the stroke order).
    bool HasStrokes() const;

    const CDrawPractice& Practice() const { return m_practice; }
    CKanjiDrawBoxWidget& KanjiBox() { return *m_kanjiBox; }
    CKanaDrawBoxWidget& KanaBox() { return *m_kanaBox; }
    QPushButton& ReturnButton() { return *m_returnButton; }
    QPushButton& HintsButton() { return *m_hintsButton; }
    // The open windows, null while closed.
    CDemonstrationWidget* Demonstration() { return m_demonstration.get(); }
    CColourKeyWindow* Key() { return m_key.get(); }
    bool Shuffling() const { return m_shuffling; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QAction* AddAction(const char* text, const char* tip, const char* name,
                       void (CDrawView::*command)());
    // Shows the current card: the fitting box cleared for the card's character with the
    // mode's empty caption, the Hints button and an open demonstration.
    void Present();
    // New option values for the character being written, its strokes kept.
    void KeepCharacter();
    void ClearKanjiBox();
    void ClearKanaBox();
    // What both boxes take with every card: the drawing style and the ghost character.
    void PrepareBox(CDrawBoxFrame& box) const;
    void StartDemonstration();
    void ReturnToMainView();
    void ShowShuffling(bool shown);
    bool ReturnInThreeLines() const;
    // Where a click is Next: left of the draw box, below the Return button.
    QRect CardArea() const;

    void DrawLatin(CCanvas& canvas, std::string_view text, QPoint topLeft, CColor colour, bool bold,
                   int size = kTextSize) const;
    static int LatinWidth(std::string_view text, int size);
    void DrawDemonstrationCaption(CCanvas& canvas) const;
    // Draws the card panel's lines from kPanelTopLeft, Latin lines wrapped to kPanelWidth.
    void DrawCardPanel(CCanvas& canvas) const;
    void DrawBoxOutline(CCanvas& canvas) const;
    void DrawShuffling(CCanvas& canvas) const;

    CBrushly2Doc& m_document;
    CJapaneseTextStyle m_style;
    CDrawPractice m_practice;
    Handler m_returnHandler;
    Handler m_optionsHandler;
    std::function<void(bool)> m_hintsHandler;
    bool m_shuffling = false;

    CKanjiDrawBoxWidget* m_kanjiBox;
    CKanaDrawBoxWidget* m_kanaBox;
    QPushButton* m_returnButton;
    QPushButton* m_hintsButton;
    // Set by the demonstration while it draws; declared before it, which clears it last.
    bool m_demonstrationBusy = false;
    std::unique_ptr<CDemonstrationWidget> m_demonstration;
    std::unique_ptr<CColourKeyWindow> m_key;

    QList<QAction*> m_actions;
    QAction* m_demonstrationAction;
    QAction* m_keyAction;
    QMenu* m_contextMenu;
};

}  // namespace brushly
