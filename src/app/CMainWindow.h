#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "handwriting/JapaneseText.h"

class QAction;
class QMenu;
class QToolBar;

namespace brushly {

class CBrushlyApplication;
class CFlashView;
class CGuidedTourWindow;
class CHelpWindow;
class CMainWindowTourHost;
class CPracticeViews;
class CMainView;
class CViewSwitcher;
class CObject;
class CCardEditors;
class CWordGroupView;

// The program's main frame over a started application (CBrushlyApplication::Start returned
// 0): the title "<document> - Brushly", the menus File, Word Group, View, Tools and Help, a
// tool bar, the status bar ("For Help, press F1"), the view switcher with the main view, the
// autosave timer while "autosave" is on, and opening of dropped .bly files. Every decision
// is the application's; the window asks the user for paths and shows the results.
class CMainWindow final : public QMainWindow {
public:
    static constexpr const char* kReadyStatus = "For Help, press F1";
    // Autosave period (timer 100) and the time a status text stays (timer 101).
    static constexpr int kAutosavePeriodMs = 5 * 60 * 1000;
    static constexpr int kStatusRestoreMs = 5000;

    explicit CMainWindow(CBrushlyApplication& application, QWidget* parent = nullptr);
    ~CMainWindow() override;

    // --- Where the views and tools plug in. ---
    // The views; the first page is the main view, which the window creates.
    CViewSwitcher& Views() { return *m_views; }
    CMainView& MainView() { return *m_mainView; }
    // The Word Group menu: the main view's Word Group commands.
    QMenu* WordGroupMenu() const { return m_wordGroupMenu; }
    // Tools - Japanese Font and Tools - Brushly Font; disabled until set.
    void SetFontCommands(std::function<void()> japaneseFont, std::function<void()> brushlyFont);
    // How the views draw Japanese text; the style's kanji library must outlive the window.
    void SetJapaneseTextStyle(const CJapaneseTextStyle& style);
    // The face of the views' Latin text; empty keeps the platform's face.
    void SetLatinFace(const std::string& face);

    // The word group view: a page of the view switcher for the whole run, opened by the main
    // view's Edit (menu, context menu, double-click), View - Word Group View (the one selected
    // group, as Edit) and Find Flashcard's "Go To". Its "Flash&card" menu is in the menu bar
    // while it is shown. The card editors plug in with WordGroupView().SetEditorHost(host).
    CWordGroupView& WordGroupView() { return *m_wordGroupView; }
    // Shows the word group view of that group with `card` (one of its cards) selected.
    void OpenWordGroup(const std::string& groupName, const CObject* card = nullptr);
    // Tools - Find Flashcard (Ctrl+I); "Go To" opens the match's word group view.
    void OpenFindFlashcard();

    // The practice views (Flash, Draw, kana reading, kana table), started from the Word
    // Group menu, the View menu, the tool bar and the main view's buttons.
    CPracticeViews& Practice() { return *m_practice; }
    // The Flash View while it is shown, else null.
    CFlashView* FlashView() const;

    // Shows a status text that gives way to kReadyStatus after kStatusRestoreMs.
    void ShowStatus(const QString& text);
    // Opens the help window at that topic (HelpTopics.h).
    void ShowHelpTopic(int number);
    // Help - Guided Tour (Ctrl+T): the one tour window, opened on its first page or raised.
    void OpenGuidedTour();
    // The tour window while it is open, else null.
    CGuidedTourWindow* GuidedTour() const;
    // File - Open of a path, as for a dropped file or a recent-file entry.
    bool OpenDocument(const std::string& path);
    // Title and menu texts brought in line with the document and the settings.
    void Refresh();
    // File - Import Word Groups of a file chosen (UTF-8 path): the file read, the groups
    // chosen in the import dialog over the main view, then added to the document. True when
    // groups were added.
    bool ImportWordGroups(const std::string& path);
    // File - Export Word Groups: the export dialog, the main view's selection checked.
    void ExportWordGroups();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateFileMenu();
    void CreateViewMenu();
    void CreateToolsMenu();
    // Tools - Options: the options sheet at the page of the shown view.
    void EditOptions();
    void CreateHelpMenu();
    void CreateToolBar();
    // Card editors over the current text style, handed to the word group view.
    void UpdateCardEditors();
    // After the view switcher showed another page.
    void ViewShown();
    // After View - Vertical Mode or Romaji Mode.
    void DisplayModesChanged();
    // The main view's "Flashcard Builder" and Tools - Flashcard Builder: the wizard, then the
    // new Word Groups shown.
    void OpenFlashcardBuilder();
    // The main view's "Kanji Search": the search dialog over the first selected Word Group;
    // "Add and Exit" adds the selected kanji's card to the chosen group.
    void OpenKanjiSearch();
    // The main view's "Compound Search": the word dictionary over the first selected Word
    // Group; "Add and Exit" adds the selected word's card to the chosen group.
    void OpenCompoundSearch();
    void FillRecentFiles();
    QAction* AddAction(QMenu* menu, const QString& text, const char* objectName,
                       std::function<void()> command);

    void FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    void ShowDatabaseInfo();
    void Autosave();
    void UpdateAutosaveTimer();
    void DocumentReplaced();
    // The Save As dialog; nothing when cancelled.
    std::optional<std::string> ChooseSavePath();

    CBrushlyApplication& m_application;
    CViewSwitcher* m_views;
    CMainView* m_mainView;
    CWordGroupView* m_wordGroupView;
    // The card editors the word group view opens; remade when the text style changes.
    std::unique_ptr<CCardEditors> m_cardEditors;
    CHelpWindow* m_helpWindow = nullptr;
    std::unique_ptr<CMainWindowTourHost> m_tourHost;
    QPointer<CGuidedTourWindow> m_guidedTour;  // deletes itself when closed
    std::string m_latinFace;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QMenu* m_wordGroupMenu = nullptr;
    QAction* m_verticalAction = nullptr;
    QAction* m_romajiAction = nullptr;
    QAction* m_autosaveAction = nullptr;
    QAction* m_japaneseFontAction = nullptr;
    QAction* m_brushlyFontAction = nullptr;
    std::vector<QAction*> m_recentActions;
    std::unique_ptr<CPracticeViews> m_practice;
    CJapaneseTextStyle m_textStyle;
    std::function<void()> m_japaneseFont;
    std::function<void()> m_brushlyFont;
    QTimer m_autosaveTimer;
    QTimer m_statusTimer;
};

}  // namespace brushly
