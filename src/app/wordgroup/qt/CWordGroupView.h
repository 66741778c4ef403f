#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "app/CCardEditorHost.h"
#include "app/wordgroup/CCardCommands.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "platform/CPrompter.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class QTreeWidget;

namespace brushly {

class CJapaneseTextWidget;

// The word group view: the heading "WORD GROUP:" with the group's name, the four card lists
// (kanji, compound, kana word, counter) with the "Total" line, or "This group contains no
// cards", the Card Toolbar, "Return to Main View", and the card commands of CCardCommands
// in the "Flash&card" menu (Menu(), which the main window shows while the view is), the
// toolbar and the context menu. After every command the lists are rebuilt with the changed
// card selected.
//
// Commands without a target are disabled, never silent: Add and Edit until SetEditorHost
// gives the card editors, Flash and Draw until SetPracticeHandlers, Delete, Activate and
// Move Up / Down without a selected card (Move only where the card can move), Paste with an
// empty card clipboard, and every command while SetCommandsEnabled(false).
//
// The document and prompter must outlive the view.
class CWordGroupView final : public QWidget {
public:
    static constexpr const char* kActivateText = "Acti&vate";
    static constexpr const char* kDeactivateText = "Deacti&vate";

    CWordGroupView(CBrushly2Doc& document, CPrompter& prompter, QWidget* parent = nullptr);
    ~CWordGroupView() override;

    // The card editors that Add and Edit open; null disables them. The host must outlive
    // the view (or be replaced first).
    void SetEditorHost(CCardEditorHost* host);
    using GroupHandler = std::function<void(const std::string& groupName)>;
    // Flash and Draw of the group on show; each enabled for a non-null handler.
    void SetPracticeHandlers(GroupHandler flash, GroupHandler draw);
    // "Return to Main View".
    void SetReturnHandler(std::function<void()> handler);
    // How Japanese is drawn in the heading and lists; the style's kanji library must outlive
    // the view.
    void SetJapaneseTextStyle(const CJapaneseTextStyle& style);
    // The main window enables the commands only while the view is on show.
    void SetCommandsEnabled(bool enabled);

    // Shows the group of that name with `card` (one of its cards) selected, or none.
    void ShowGroup(const std::string& name, const CObject* card = nullptr);
    // Rebuilds the heading and lists from the document and shows the selection.
    void Refresh();

    CCardCommands& Commands() { return m_commands; }
    // "Flash&card": the card commands, in the order of the context menu.
    QMenu* Menu() const { return m_menu; }
    QToolBar* CardToolBar() const { return m_toolBar; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QAction* AddAction(const char* text, const char* name, std::function<void()> command);
    QTreeWidget* BuildList(CardKind kind);
    void TakeSelection(CardKind kind);
    void ShowSelection();
    void UpdateActions();
    // Runs a command; a change rebuilds the lists.
    void Run(bool changed);
    void AddCard(CardKind kind);
    void EditCard();
    void BuildCompounds();
    std::vector<std::string> ChooseTargets();

    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    CCardCommands m_commands;
    CCardEditorHost* m_host = nullptr;
    GroupHandler m_flashHandler;
    GroupHandler m_drawHandler;
    std::function<void()> m_returnHandler;
    CJapaneseTextStyle m_style;
    bool m_commandsEnabled = true;
    bool m_updating = false;

    QMenu* m_menu;
    QToolBar* m_toolBar;
    CJapaneseTextWidget* m_name = nullptr;
    QStackedWidget* m_pages = nullptr;
    std::array<QTreeWidget*, kCardKindCount> m_lists{};
    QLabel* m_total = nullptr;
    std::array<QAction*, kCardKindCount> m_addActions{};
    QAction* m_editAction = nullptr;
    QAction* m_deleteAction = nullptr;
    QAction* m_activeAction = nullptr;
    QAction* m_moveUpAction = nullptr;
    QAction* m_moveDownAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_flashAction = nullptr;
    QAction* m_drawAction = nullptr;
    std::vector<QAction*> m_groupActions;  // enabled whenever commands are
};

}  // namespace brushly
