#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QMenu;

namespace brushly {

class CBrushlyApplication;
class CHelpWindow;
class CViewSwitcher;

// The program's main frame over a started application (CBrushlyApplication::Start returned
// 0): the title "<document> - Brushly", the menus File, Word Group, View, Tools and Help, a
// tool bar, the status bar ("For Help, press F1"), the view switcher as central widget, the
// autosave timer while "autosave" is on, and opening of dropped .bly files. Every decision
// is the application's; the window asks the user for paths and shows the results.
class CMainWindow final : public QMainWindow {
public:
    static constexpr const char* kReadyStatus = "For Help, press F1";
    // Autosave period (timer 100) and the time a status text stays (timer 101).
    static constexpr int kAutosavePeriodMs = 5 * 60 * 1000;
    static constexpr int kStatusRestoreMs = 5000;

    // Display modes of the main view's Word Group list, as the View menu offers them.
    enum ListMode : int { kDetails = 0, kList = 1, kSmallIcons = 2, kLargeIcons = 3 };

    explicit CMainWindow(CBrushlyApplication& application, QWidget* parent = nullptr);
    ~CMainWindow() override;

    // --- Where the views and tools plug in. ---
    CViewSwitcher& Views() { return *m_views; }
    // The Word Group menu, empty until the main view fills it.
    QMenu* WordGroupMenu() const { return m_wordGroupMenu; }
    // Called with the chosen mode by View - Details, List, Small Icons and Large Icons;
    // the four items stay disabled until a handler is set.
    void SetListModeHandler(std::function<void(ListMode mode)> handler);
    // Tools - Japanese Font and Tools - Brushly Font; disabled until set.
    void SetFontCommands(std::function<void()> japaneseFont, std::function<void()> brushlyFont);
    // Called after New and Open replaced the document's contents.
    void SetDocumentChangedHandler(std::function<void()> handler);

    // Shows a status text that gives way to kReadyStatus after kStatusRestoreMs.
    void ShowStatus(const QString& text);
    // Opens the help window at that topic (HelpTopics.h).
    void ShowHelpTopic(int number);
    // File - Open of a path, as for a dropped file or a recent-file entry.
    bool OpenDocument(const std::string& path);
    // Title and menu texts brought in line with the document and the settings.
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateFileMenu();
    void CreateViewMenu();
    void CreateToolsMenu();
    void CreateHelpMenu();
    void CreateToolBar();
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
    CHelpWindow* m_helpWindow = nullptr;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    QMenu* m_wordGroupMenu = nullptr;
    QAction* m_verticalAction = nullptr;
    QAction* m_romajiAction = nullptr;
    QAction* m_autosaveAction = nullptr;
    QAction* m_japaneseFontAction = nullptr;
    QAction* m_brushlyFontAction = nullptr;
    std::vector<QAction*> m_listModeActions;
    std::vector<QAction*> m_recentActions;
    std::function<void(ListMode)> m_listModeHandler;
    std::function<void()> m_japaneseFont;
    std::function<void()> m_brushlyFont;
    std::function<void()> m_documentChanged;
    QTimer m_autosaveTimer;
    QTimer m_statusTimer;
};

}  // namespace brushly
