#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CWordGroupCommands.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/JapaneseText.h"
#include "platform/CPrompter.h"

class QAction;
class QBoxLayout;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QStandardItemModel;
class QTreeView;
class QTreeWidget;

namespace brushly {

// The home page: the Word Group list, the kana summary, the tool and drill buttons and the
// Word Group commands. The view only shows the document and forwards to
// CWordGroupCommands, which it owns together with the selection and display mode; host it
// for the whole run (CViewSwitcher::SetMainView) so that both survive switches to other
// views. Call Refresh after the document changed behind its back (New, Open); it refreshes
// itself after its own commands and whenever it is shown.
//
// The buttons of tools and views are disabled until they have a target: "Flashcard
// Builder", "Kanji Search" and "Compound Search" until SetToolHandler, "Practice Reading" /
// "Practice Writing" and the kana "Read", "Write" and "View" buttons until
// SetPracticeHandlers and SetKanaHandlers give them one.
//
// The document and prompter must outlive the view.
class CMainView final : public QWidget, private CWordGroupDialogs {
public:
    // Wider than this, the tool headings stand side by side; otherwise they are stacked.
    static constexpr int kWideLayoutWidth = 849;
    static constexpr const char* kEmptyLines[3] = {
        "** All Word Groups DELETED **",
        "To instantly generate Word Groups with flashcards, click the 'Flashcard Builder' "
        "button above,",
        "or create a new Word Group (Alt W, N) and add flashcards using the buttons on the "
        "left."};
    static constexpr const char* kGuidedTourLine =
        "*** Select ''Help - Guided Tour'' for a guided overview of Brushly ***";

    CMainView(CBrushly2Doc& document, CPrompter& prompter, QWidget* parent = nullptr);
    ~CMainView() override;

    CWordGroupCommands& Commands() { return *m_commands; }

    // Rebuilds the list and the kana summary from the document, drops selected names that
    // no longer name a group and shows the remaining selection.
    void Refresh();

    // The Word Group commands, each followed by a refresh when it changed the document.
    void NewGroup();
    void RenameGroup();
    void MergeGroups();
    void ResetGroups();
    void DeleteGroups();
    void SelectAllGroups();
    // Double-click does the same: with exactly one group selected, passes its name to the
    // edit handler (nothing opens without one).
    void EditGroup();
    // Pastes the card clipboard's card into the one selected group; the action is enabled
    // only when CWordGroupCommands::CanPaste holds.
    void PasteCard();
    // With a selection, calls the practice handler of that kind.
    void PracticeReading();
    void PracticeWriting();
    // The list display mode (View menu); does nothing when there is no Word Group or the
    // mode is already set. Returns whether it changed.
    bool SetDisplayMode(CWordGroupCommands::DisplayMode mode);

    // The actions of the commands above, in menu order (New, Rename, Merge, Reset, Delete,
    // Select All, Edit, Paste, then Flash and Draw, which are disabled until their practice handler
    // is set), as the view's context menu shows them; a Word Group menu may add the same
    // actions.
    QList<QAction*> WordGroupActions() const;

    using EditHandler = std::function<void(const std::string& groupName)>;
    using PracticeHandler = std::function<void()>;
    // The Word Group View that Edit opens; Edit stays disabled until there is one.
    void SetEditHandler(EditHandler handler);
    // While a practice view drills the document's cards, the Word Group commands that change
    // groups or cards (New, Rename, Merge, Reset, Delete, Select All, Edit) are disabled:
    // none may destroy or move a card a deck still holds. Flash and Draw stay; Paste
    // waits with them.
    void SetGroupCommandsEnabled(bool enabled);
    // Enables the "Practice Reading" and "Practice Writing" buttons for non-null handlers.
    void SetPracticeHandlers(PracticeHandler reading, PracticeHandler writing);

    // The tool buttons of the page; each is enabled for a non-null handler.
    enum class Tool { kFlashcardBuilder = 0, kKanjiSearch = 1, kCompoundSearch = 2 };
    void SetToolHandler(Tool tool, PracticeHandler handler);

    // The kana drills, for script 0 (hiragana) or 1 (katakana): the "Read" and "Write"
    // buttons of the kana rows (which also mark their row) and the Kana Table "View"
    // button, each enabled when its handler is not null.
    using KanaHandler = std::function<void(int script)>;
    void SetKanaHandlers(KanaHandler read, KanaHandler write, PracticeHandler table);

    // The kana summary row marked: 0 "Hiragana", 1 "Katakana".
    int KanaRow() const { return m_kanaRow; }
    void SetKanaRow(int row);

    // How Japanese Word Group names are drawn: without a Japanese font, by the built-in
    // character renderer. The style's kanji library must outlive the view.
    void SetJapaneseTextStyle(const CJapaneseTextStyle& style);
    // The face of the lists' Latin text, normal weight; empty keeps the platform's face.
    void SetLatinFace(const std::string& face);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::optional<std::string> AskName(const std::string& title,
                                       const std::string& initialName) override;
    Confirmation Confirm(Action action, const std::string& text) override;

    QWidget* BuildToolArea();
    QWidget* BuildDrillArea();
    QWidget* BuildListArea();
    QPushButton* AddButton(const char* text, const char* name, bool enabled = false);
    QPushButton* AddToolButton(Tool tool, const char* text, const char* name);
    QAction* AddAction(const char* text, const char* name, void (CMainView::*command)());
    void ApplyDisplayMode();
    void ShowSelection();
    void TakeSelectionFromList();
    void ShowContextMenu(const QPoint& position, QWidget* source);
    void RunCommand(bool changed);
    void UpdatePasteAction();

    CBrushly2Doc& m_document;
    CPrompter& m_prompter;
    std::unique_ptr<CWordGroupCommands> m_commands;
    EditHandler m_editHandler;
    std::vector<QAction*> m_groupCommands;  // the actions SetGroupCommandsEnabled switches
    QAction* m_editAction = nullptr;
    QAction* m_pasteAction = nullptr;
    bool m_groupCommandsEnabled = true;
    PracticeHandler m_readingHandler;
    PracticeHandler m_writingHandler;
    KanaHandler m_kanaReadHandler;
    KanaHandler m_kanaWriteHandler;
    PracticeHandler m_kanaTableHandler;
    std::array<PracticeHandler, 3> m_toolHandlers;
    int m_kanaRow = 0;
    bool m_refreshing = false;

    QStandardItemModel* m_model;
    QTreeView* m_details;
    QListView* m_icons;
    QStackedWidget* m_listStack;
    QLabel* m_emptyPage;
    QLabel* m_guidedTour;
    QTreeWidget* m_kana;
    QBoxLayout* m_toolsLayout;
    std::array<QPushButton*, 3> m_toolButtons{};
    QPushButton* m_practiceReading;
    QPushButton* m_practiceWriting;
    QPushButton* m_kanaRead[2] = {};
    QPushButton* m_kanaWrite[2] = {};
    QPushButton* m_kanaTable = nullptr;
    QMenu* m_contextMenu;
    QAction* m_flashAction = nullptr;
    QAction* m_drawAction = nullptr;
};

}  // namespace brushly
