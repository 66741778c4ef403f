#include "app/wordgroup/qt/CWordGroupView.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolBar>
#include <QTreeWidget>

#include "app/wordgroup/CCardRows.h"
#include "app/wordgroup/CardClasses.h"
#include "app/wordgroup/qt/CTargetGroupDialog.h"
#include "builder/qt/CSingleGroupBuilderDialog.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "handwriting/CJapaneseTextWidget.h"
#include "platform/QtSjisText.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

enum Page : int { kListsPage = 0, kEmptyPage = 1 };
constexpr int kNameSize = 20;

QLabel* BoldLabel(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

CWordGroupView::CWordGroupView(CBrushly2Doc& document, CPrompter& prompter, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_prompter(prompter),
      m_commands(document, prompter),
      m_menu(new QMenu(QStringLiteral("Flash&card"), this)),
      m_toolBar(new QToolBar(QStringLiteral("Card Toolbar"), this)) {
    setObjectName(QStringLiteral("wordGroupView"));
    m_menu->setObjectName(QStringLiteral("flashcardMenu"));
    m_toolBar->setObjectName(QStringLiteral("cardToolBar"));
    const std::array<std::pair<const char*, const char*>, kCardKindCount> adds{
        {{"Add Kan&ji", "addKanjiAction"},
         {"Add C&ompound", "addCompoundAction"},
         {"Add &Kana Word", "addKanaWordAction"},
         {"Add Counte&r", "addCounterAction"}}};
    for (const CardKind kind : kCardKinds) {
        const auto& [text, name] = adds[static_cast<std::size_t>(kind)];
        m_addActions[static_cast<std::size_t>(kind)] =
            AddAction(text, name, [this, kind] { AddCard(kind); });
    }
    m_menu->addSeparator();
    m_editAction = AddAction("&Edit", "editCardAction", [this] { EditCard(); });
    m_deleteAction = AddAction("&Delete", "deleteCardAction", [this] { Run(m_commands.Delete()); });
    m_groupActions.push_back(
        AddAction("Reset &Stats", "resetCardAction", [this] { Run(m_commands.ResetStats()); }));
    m_groupActions.push_back(
        AddAction("Reset A&ll", "resetAllCardsAction", [this] { Run(m_commands.ResetAll()); }));
    m_activeAction = AddAction(kDeactivateText, "activateCardAction",
                               [this] { Run(m_commands.ToggleActive()); });
    m_groupActions.push_back(AddAction("Activate &All", "activateAllCardsAction",
                                       [this] { Run(m_commands.ActivateAll()); }));
    m_moveUpAction =
        AddAction("Move &Up", "moveCardUpAction", [this] { Run(m_commands.MoveUp()); });
    m_moveDownAction =
        AddAction("Move Dow&n", "moveCardDownAction", [this] { Run(m_commands.MoveDown()); });
    m_menu->addSeparator();
    m_groupActions.push_back(AddAction("Cu&t", "cutCardAction", [this] { Run(m_commands.Cut()); }));
    m_groupActions.push_back(
        AddAction("&Copy", "copyCardAction", [this] { Run(m_commands.Copy()); }));
    m_pasteAction = AddAction("&Paste", "pasteCardAction", [this] { Run(m_commands.Paste()); });
    m_groupActions.push_back(AddAction("&Move to Word Group...", "moveToGroupAction", [this] {
        Run(m_commands.MoveToGroups([this] { return ChooseTargets(); }));
    }));
    m_groupActions.push_back(AddAction("Cop&y to Word Group...", "copyToGroupAction", [this] {
        Run(m_commands.CopyToGroups([this] { return ChooseTargets(); }));
    }));
    m_menu->addSeparator();
    m_groupActions.push_back(AddAction("Flashcard &Builder (this group)...", "groupBuilderAction",
                                       [this] { BuildCompounds(); }));
    m_flashAction = AddAction("&Flash", "flashGroupAction", [this] {
        if (m_flashHandler) m_flashHandler(m_commands.GroupName());
    });
    m_drawAction = AddAction("Dra&w", "drawGroupAction", [this] {
        if (m_drawHandler) m_drawHandler(m_commands.GroupName());
    });
    findChild<QAction*>(QStringLiteral("cutCardAction"))->setShortcut(QKeySequence::Cut);
    findChild<QAction*>(QStringLiteral("copyCardAction"))->setShortcut(QKeySequence::Copy);
    m_pasteAction->setShortcut(QKeySequence::Paste);

    for (QAction* action : m_addActions)
        m_toolBar->addAction(action);
    m_toolBar->addSeparator();
    for (QAction* action : {m_editAction, m_deleteAction})
        m_toolBar->addAction(action);
    m_toolBar->addSeparator();
    for (const char* name : {"cutCardAction", "copyCardAction"})
        m_toolBar->addAction(findChild<QAction*>(QString::fromLatin1(name)));
    m_toolBar->addAction(m_pasteAction);
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_moveUpAction);
    m_toolBar->addAction(m_moveDownAction);

    // The card buttons stand on the left, where the empty document's page sends the student.
    m_toolBar->setOrientation(Qt::Vertical);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* outer = new QHBoxLayout(this);
    outer->addWidget(m_toolBar);
    auto* root = new QVBoxLayout;
    outer->addLayout(root, 1);
    auto* heading = new QHBoxLayout;
    heading->addWidget(BoldLabel(CCardRows::kHeading, this));
    m_name = new CJapaneseTextWidget(m_style, kNameSize, this);
    m_name->setObjectName(QStringLiteral("groupName"));
    heading->addWidget(m_name);
    heading->addStretch();
    auto* returnButton = new QPushButton(QString::fromLatin1(CCardRows::kReturnText), this);
    returnButton->setObjectName(QStringLiteral("returnButton"));
    connect(returnButton, &QPushButton::clicked, this, [this] {
        if (m_returnHandler) m_returnHandler();
    });
    heading->addWidget(returnButton);
    root->addLayout(heading);

    m_pages = new QStackedWidget(this);
    auto* lists = new QWidget(m_pages);
    auto* grid = new QGridLayout(lists);
    grid->setContentsMargins(0, 0, 0, 0);
    for (const CardKind kind : kCardKinds) {
        const int index = static_cast<int>(kind);
        auto* column = new QVBoxLayout;
        column->addWidget(
            BoldLabel(CCardRows::kListHeadings[static_cast<std::size_t>(kind)], lists));
        column->addWidget(BuildList(kind));
        grid->addLayout(column, index / 2, index % 2);
    }
    m_total = new QLabel(lists);
    m_total->setObjectName(QStringLiteral("totalLine"));
    grid->addWidget(m_total, 2, 0, 1, 2);
    auto* empty = new QLabel(QString::fromLatin1(CCardRows::kEmptyText), m_pages);
    empty->setObjectName(QStringLiteral("emptyGroup"));
    empty->setAlignment(Qt::AlignCenter);
    m_pages->insertWidget(kListsPage, lists);
    m_pages->insertWidget(kEmptyPage, empty);
    root->addWidget(m_pages, 1);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { m_menu->popup(mapToGlobal(position)); });
    UpdateActions();
}

CWordGroupView::~CWordGroupView() = default;

QAction* CWordGroupView::AddAction(const char* text, const char* name,
                                   std::function<void()> command) {
    QAction* action = m_menu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

QTreeWidget* CWordGroupView::BuildList(CardKind kind) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("cardList%1").arg(static_cast<int>(kind)));
    list->setRootIsDecorated(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setColumnCount(3);
    list->setHeaderLabels({QString(),
                           QString::fromLatin1(CCardRows::kReadingHeadings[static_cast<int>(kind)]),
                           QString::fromLatin1(CCardRows::kMeaningHeading)});
    list->setColumnWidth(0, 90);
    list->setColumnWidth(1, 150);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& position) {
        m_menu->popup(list->viewport()->mapToGlobal(position));
    });
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this, kind] { TakeSelection(kind); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_editAction->isEnabled()) EditCard();
    });
    m_lists[static_cast<std::size_t>(kind)] = list;
    return list;
}

void CWordGroupView::SetEditorHost(CCardEditorHost* host) {
    m_host = host;
    UpdateActions();
}

void CWordGroupView::SetPracticeHandlers(GroupHandler flash, GroupHandler draw) {
    m_flashHandler = std::move(flash);
    m_drawHandler = std::move(draw);
    UpdateActions();
}

void CWordGroupView::SetReturnHandler(std::function<void()> handler) {
    m_returnHandler = std::move(handler);
}

void CWordGroupView::SetJapaneseTextStyle(const CJapaneseTextStyle& style) {
    m_style = style;
    auto* name = new CJapaneseTextWidget(style, kNameSize, this);
    name->setObjectName(QStringLiteral("groupName"));
    delete layout()->itemAt(1)->layout()->replaceWidget(m_name, name);
    delete m_name;
    m_name = name;
    for (QTreeWidget* list : m_lists)
        list->setItemDelegateForColumn(0, new CJapaneseTextDelegate(style, list));
    Refresh();
}

void CWordGroupView::SetCommandsEnabled(bool enabled) {
    m_commandsEnabled = enabled;
    UpdateActions();
}

void CWordGroupView::ShowGroup(const std::string& name, const CObject* card) {
    m_commands.SetGroup(name);
    m_commands.SelectCard(card);
    Refresh();
}

void CWordGroupView::Refresh() {
    m_updating = true;
    const CWordGroup* group = m_commands.Group();
    const std::string& name = m_commands.GroupName();
    m_name->SetText(name);
    // Each double-byte character takes a square, a single byte half of one.
    int width = 16;
    for (std::string_view character : sjis::Characters(name))
        width += character.size() == 2 ? kNameSize : kNameSize / 2;
    m_name->setFixedSize(width, kNameSize + 8);
    for (const CardKind kind : kCardKinds) {
        QTreeWidget* list = m_lists[static_cast<std::size_t>(kind)];
        list->clear();
        if (!group) continue;
        QList<QTreeWidgetItem*> items;
        for (const CCardRow& row : CCardRows::Rows(*group, kind, m_document.LongOMode())) {
            auto* item =
                new QTreeWidgetItem({SjisToQString(row.japanese), SjisToQString(row.reading),
                                     SjisToQString(row.meaning)});
            if (!row.active) {
                for (int column = 0; column < 3; ++column)
                    item->setForeground(column,
                                        palette().brush(QPalette::Disabled, QPalette::Text));
            }
            items.append(item);
        }
        list->addTopLevelItems(items);
    }
    m_total->setText(group ? SjisToQString(CCardRows::TotalText(*group)) : QString());
    m_pages->setCurrentIndex(group && group->cardCount > 0 ? kListsPage : kEmptyPage);
    m_updating = false;
    ShowSelection();
    UpdateActions();
}

void CWordGroupView::ShowSelection() {
    m_updating = true;
    const std::optional<CCardSelection>& selection = m_commands.Selection();
    for (const CardKind kind : kCardKinds) {
        QTreeWidget* list = m_lists[static_cast<std::size_t>(kind)];
        QTreeWidgetItem* item =
            selection && selection->kind == kind ? list->topLevelItem(selection->index) : nullptr;
        list->clearSelection();
        if (item) {
            item->setSelected(true);
            list->setCurrentItem(item);
            list->scrollToItem(item);
        }
    }
    m_updating = false;
}

void CWordGroupView::TakeSelection(CardKind kind) {
    if (m_updating) return;
    QTreeWidget* list = m_lists[static_cast<std::size_t>(kind)];
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        if (m_commands.Selection() && m_commands.Selection()->kind == kind)
            m_commands.ClearSelection();
    } else {
        m_commands.Select(kind, list->indexOfTopLevelItem(selected.front()));
    }
    ShowSelection();
    UpdateActions();
}

void CWordGroupView::UpdateActions() {
    const bool on = m_commandsEnabled && m_commands.Group() != nullptr;
    const bool selected = on && m_commands.SelectedCard() != nullptr;
    for (QAction* action : m_addActions)
        action->setEnabled(on && m_host);
    m_editAction->setEnabled(on && m_host);
    m_deleteAction->setEnabled(selected);
    m_activeAction->setEnabled(selected);
    m_activeAction->setText(QString::fromLatin1(
        !selected || m_commands.SelectedCardActive() ? kDeactivateText : kActivateText));
    m_moveUpAction->setEnabled(on && m_commands.CanMoveUp());
    m_moveDownAction->setEnabled(on && m_commands.CanMoveDown());
    m_pasteAction->setEnabled(on && m_commands.CanPaste());
    m_flashAction->setEnabled(on && static_cast<bool>(m_flashHandler));
    m_drawAction->setEnabled(on && static_cast<bool>(m_drawHandler));
    for (QAction* action : m_groupActions)
        action->setEnabled(on);
}

void CWordGroupView::Run(bool changed) {
    if (changed) {
        Refresh();
    } else {
        UpdateActions();  // Copy fills the clipboard without changing a card
    }
}

void CWordGroupView::AddCard(CardKind kind) {
    if (m_host) Run(m_commands.Add(kind, *m_host));
}

void CWordGroupView::EditCard() {
    if (m_host) Run(m_commands.Edit(*m_host));
}

void CWordGroupView::BuildCompounds() {
    const int added = CSingleGroupBuilderDialog::Run(m_document, m_commands.GroupName(), m_prompter,
                                                     m_style, this);
    m_commands.CardsBuilt(added);
    Refresh();
}

std::vector<std::string> CWordGroupView::ChooseTargets() {
    return CTargetGroupDialog::Choose(m_document.Cards(), m_style, this);
}

void CWordGroupView::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

}  // namespace brushly
