#pragma once

#include <QList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/OptionSheetRules.h"
#include "handwriting/JapaneseText.h"

class QAction;
class QToolBar;
class QWidget;

namespace brushly {

class CBrushlyApplication;
class CDrawView;
class CFlashView;
class CKanaStatView;
class CKanaView;
class CMainView;
class CViewSwitcher;

// The practice views of the main window: the Flash View, the Draw View, the Kana Flash View
// and the kana table. At most one exists at a time: it is made when started and destroyed
// as soon as another page of the view switcher is shown (ViewShown), so that no deck
// outlives cards that another view deletes, and a later start begins afresh. The shown
// practice view brings its commands into the practice tool bar and opens its own page of
// the options.
//
// Scripts are 0 (hiragana) and 1 (katakana), as the main view's kana rows number them.
// Every argument must outlive the object.
class CPracticeViews final {
public:
    using HelpHandler = std::function<void(int topic)>;
    CPracticeViews(CBrushlyApplication& application, CViewSwitcher& views, CMainView& mainView,
                   QToolBar& toolBar, QWidget& window, HelpHandler showHelp);

    // How the views draw Japanese and Latin text; taken by views started later.
    void SetJapaneseTextStyle(const CJapaneseTextStyle& style) { m_textStyle = style; }
    void SetLatinFace(const std::string& face) { m_latinFace = face; }

    // While this says so (the guided tour is open), the Kanji Draw Box practice dialog waits.
    void SetTourRunning(std::function<bool()> tourRunning) {
        m_tourRunning = std::move(tourRunning);
    }

    // The drills over the main view's selected Word Groups. Without a selection, or when
    // the deck would be empty, a message says so and the main view stays. Before the first
    // Draw View of the run, the Kanji Draw Box practice dialog is shown unless the setting
    // "practice" is 1 or the tour is running.
    void StartFlash();
    void StartDraw();
    // The same drills over the given Word Groups (the word group view's Flash and Draw).
    void StartFlash(const std::vector<std::string>& groups);
    void StartDraw(const std::vector<std::string>& groups);
    // The kana drills and the kana table for a script.
    void StartKanaDrawing(int script);
    void StartKanaReading(int script);
    void ShowKanaTable(int script);

    // The options sheet, opened from `entry` over the view `shown` (for Tools - Options, the
    // kana table or the word group view; a practice view's own Options passes kOther). On OK
    // the values are taken over, the shown practice view re-reads its options and the kana
    // table redraws when its ranges changed; returns what the caller must redraw as well.
    COptionRefresh EditOptions(OptionEntry entry, OptionView shown);
    // After View - Vertical Mode or Romaji Mode.
    void DisplayModesChanged();
    // To be called whenever the view switcher shows another page.
    void ViewShown();

    // The practice view shown, or null.
    QWidget* Current() const { return m_current; }
    CFlashView* Flash() const;
    CDrawView* Draw() const;
    CKanaView* KanaReading() const;
    CKanaStatView* KanaTable() const;

private:
    // Makes view the shown practice view (the old one goes) with its tool bar actions.
    void Show(QWidget* view);
    void FillToolBar();
    QList<QAction*> ToolbarActions() const;
    // A Draw View over the selection in mode, ready to show; null when its deck is empty.
    std::unique_ptr<CDrawView> OpenDraw(int mode, const std::vector<std::string>& groups);

    CBrushlyApplication& m_application;
    CViewSwitcher& m_views;
    CMainView& m_mainView;
    QToolBar& m_toolBar;
    QWidget& m_window;
    HelpHandler m_showHelp;
    CJapaneseTextStyle m_textStyle;
    std::string m_latinFace;
    QWidget* m_current = nullptr;
    bool m_practiceDialogShown = false;
    std::function<bool()> m_tourRunning;
};

}  // namespace brushly
