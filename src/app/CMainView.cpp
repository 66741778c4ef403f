#include "app/CMainView.h"

#include <QAction>
#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>

#include "app/CGroupConfirmDialog.h"
#include "app/CNameDialog.h"
#include "app/CWordGroupRows.h"
#include "app/GroupIcons.h"
#include "handwriting/CJapaneseTextDelegate.h"
#include "platform/QtSjisText.h"

namespace brushly {

namespace {

enum ListPage : int { kDetailsPage = 0, kIconsPage = 1, kEmptyPage = 2 };

QLabel* Heading(const char* text, QWidget* parent) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

CMainView::CMainView(CBrushly2Doc& document, CPrompter& prompter, QWidget* parent)
    : QWidget(parent),
      m_document(document),
      m_prompter(prompter),
      m_commands(std::make_unique<CWordGroupCommands>(document, prompter,
                                                      static_cast<CWordGroupDialogs&>(*this))),
      m_model(new QStandardItemModel(0, CWordGroupRows::kColumnCount, this)),
      m_contextMenu(new QMenu(this)) {
    setObjectName(QStringLiteral("mainView"));
    m_groupCommands = {
        AddAction("&New", "newGroupAction", &CMainView::NewGroup),
        AddAction("&Rename", "renameGroupAction", &CMainView::RenameGroup),
        AddAction("&Merge", "mergeGroupsAction", &CMainView::MergeGroups),
        AddAction("Re&set", "resetGroupsAction", &CMainView::ResetGroups),
        AddAction("&Delete", "deleteGroupsAction", &CMainView::DeleteGroups),
        AddAction("Select &All", "selectAllGroupsAction", &CMainView::SelectAllGroups)};
    m_editAction = AddAction("&Edit", "editGroupAction", &CMainView::EditGroup);
    m_editAction->setEnabled(false);
    m_pasteAction = AddAction("&Paste", "pasteIntoGroupAction", &CMainView::PasteCard);
    m_pasteAction->setEnabled(false);
    m_contextMenu->addSeparator();
    m_flashAction = AddAction("&Flash", "flashAction", &CMainView::PracticeReading);
    m_flashAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    m_drawAction = AddAction("Dra&w", "drawAction", &CMainView::PracticeWriting);
    m_drawAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_flashAction->setEnabled(false);
    m_drawAction->setEnabled(false);

    auto* root = new QVBoxLayout(this);
    root->addWidget(BuildToolArea());
    auto* body = new QHBoxLayout;
    body->addWidget(BuildDrillArea());
    body->addWidget(BuildListArea(), 1);
    root->addLayout(body, 1);
    m_guidedTour = new QLabel(QString::fromLatin1(kGuidedTourLine), this);
    m_guidedTour->setObjectName(QStringLiteral("guidedTourLine"));
    m_guidedTour->setAlignment(Qt::AlignCenter);
    root->addWidget(m_guidedTour);
    Refresh();
}

CMainView::~CMainView() = default;

QWidget* CMainView::BuildToolArea() {
    auto* area = new QWidget(this);
    m_toolsLayout = new QBoxLayout(QBoxLayout::TopToBottom, area);
    m_toolsLayout->setObjectName(QStringLiteral("toolsLayout"));
    m_toolsLayout->setContentsMargins(0, 0, 0, 0);
    auto* flashcardTools = new QHBoxLayout;
    flashcardTools->addWidget(Heading("Flashcard Tools:", area));
    flashcardTools->addWidget(
        AddToolButton(Tool::kFlashcardBuilder, "Flashcard Builder", "flashcardBuilderButton"));
    flashcardTools->addStretch();
    auto* dictionaryTools = new QHBoxLayout;
    dictionaryTools->addWidget(Heading("Dictionary Tools:", area));
    dictionaryTools->addWidget(
        AddToolButton(Tool::kKanjiSearch, "Kanji Search", "kanjiSearchButton"));
    dictionaryTools->addWidget(
        AddToolButton(Tool::kCompoundSearch, "Compound Search", "compoundSearchButton"));
    dictionaryTools->addStretch();
    m_toolsLayout->addLayout(flashcardTools);
    m_toolsLayout->addLayout(dictionaryTools);
    return area;
}

QWidget* CMainView::BuildDrillArea() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Heading("Flashcard Drills:", area));
    m_practiceReading = AddButton("Practice Reading", "practiceReadingButton");
    m_practiceWriting = AddButton("Practice Writing", "practiceWritingButton");
    connect(m_practiceReading, &QPushButton::clicked, this, &CMainView::PracticeReading);
    connect(m_practiceWriting, &QPushButton::clicked, this, &CMainView::PracticeWriting);
    layout->addWidget(m_practiceReading);
    layout->addWidget(m_practiceWriting);

    m_kana = new QTreeWidget(area);
    m_kana->setObjectName(QStringLiteral("kanaSummary"));
    m_kana->setRootIsDecorated(false);
    m_kana->setColumnCount(2);
    m_kana->setHeaderLabels({QStringLiteral("Kana"), QStringLiteral("Recognition")});
    m_kana->setColumnWidth(0, 70);
    for (const char* syllabary : {"Hiragana", "Katakana"})
        m_kana->addTopLevelItem(new QTreeWidgetItem({QString::fromLatin1(syllabary)}));
    m_kana->setFixedHeight(80);
    connect(m_kana, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { SetKanaRow(m_kana->indexOfTopLevelItem(item)); });
    layout->addWidget(m_kana);

    auto* kanaButtons = new QGridLayout;
    int row = 0;
    for (const auto& [label, read, write] :
         {std::tuple{"Hiragana", "hiraganaReadButton", "hiraganaWriteButton"},
          std::tuple{"Katakana", "katakanaReadButton", "katakanaWriteButton"}}) {
        const int script = row;
        kanaButtons->addWidget(new QLabel(QString::fromLatin1(label), area), row, 0);
        m_kanaRead[script] = AddButton("Read", read);
        m_kanaWrite[script] = AddButton("Write", write);
        connect(m_kanaRead[script], &QPushButton::clicked, this, [this, script] {
            SetKanaRow(script);
            if (m_kanaReadHandler) m_kanaReadHandler(script);
        });
        connect(m_kanaWrite[script], &QPushButton::clicked, this, [this, script] {
            SetKanaRow(script);
            if (m_kanaWriteHandler) m_kanaWriteHandler(script);
        });
        kanaButtons->addWidget(m_kanaRead[script], row, 1);
        kanaButtons->addWidget(m_kanaWrite[script], row, 2);
        ++row;
    }
    kanaButtons->addWidget(new QLabel(QStringLiteral("Kana Table"), area), row, 0);
    m_kanaTable = AddButton("View", "kanaTableButton");
    connect(m_kanaTable, &QPushButton::clicked, this, [this] {
        if (m_kanaTableHandler) m_kanaTableHandler();
    });
    kanaButtons->addWidget(m_kanaTable, row, 1);
    layout->addLayout(kanaButtons);
    layout->addStretch();
    return area;
}

QWidget* CMainView::BuildListArea() {
    m_listStack = new QStackedWidget(this);
    m_listStack->setObjectName(QStringLiteral("groupListStack"));

    m_details = new QTreeView(m_listStack);
    m_details->setObjectName(QStringLiteral("groupDetails"));
    m_details->setModel(m_model);
    m_details->setRootIsDecorated(false);
    m_details->setAllColumnsShowFocus(true);
    m_details->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_details->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_details->setIconSize(QSize(kSmallGroupIconSize, kSmallGroupIconSize));
    m_details->header()->setStretchLastSection(false);

    m_icons = new QListView(m_listStack);
    m_icons->setObjectName(QStringLiteral("groupIcons"));
    m_icons->setModel(m_model);
    m_icons->setSelectionModel(m_details->selectionModel());
    m_icons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setWrapping(true);

    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(m_details), static_cast<QAbstractItemView*>(m_icons)}) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& position) { ShowContextMenu(position, view); });
        connect(view, &QAbstractItemView::doubleClicked, this, &CMainView::EditGroup);
    }
    connect(m_details->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMainView::TakeSelectionFromList);

    m_emptyPage = new QLabel(m_listStack);
    m_emptyPage->setObjectName(QStringLiteral("emptyDocument"));
    QLabel* emptyLabel = m_emptyPage;
    emptyLabel->setText(QStringList{QString::fromLatin1(kEmptyLines[0]),
                                    QString::fromLatin1(kEmptyLines[1]),
                                    QString::fromLatin1(kEmptyLines[2])}
                            .join(QLatin1Char('\n')));
    emptyLabel->setAlignment(Qt::AlignCenter);
    emptyLabel->setWordWrap(true);
    emptyLabel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(emptyLabel, &QWidget::customContextMenuRequested, this,
            [this, emptyLabel](const QPoint& position) { ShowContextMenu(position, emptyLabel); });

    m_listStack->insertWidget(kDetailsPage, m_details);
    m_listStack->insertWidget(kIconsPage, m_icons);
    m_listStack->insertWidget(kEmptyPage, m_emptyPage);
    return m_listStack;
}

QPushButton* CMainView::AddButton(const char* text, const char* name, bool enabled) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(enabled);
    return button;
}

QAction* CMainView::AddAction(const char* text, const char* name, void (CMainView::*command)()) {
    QAction* action = m_contextMenu->addAction(QString::fromLatin1(text));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, command);
    return action;
}

QList<QAction*> CMainView::WordGroupActions() const {
    return m_contextMenu->actions();
}

void CMainView::Refresh() {
    m_refreshing = true;
    m_commands->PruneSelection();
    const std::vector<CWordGroupRow> rows = CWordGroupRows::Rows(m_document.Cards());
    m_model->removeRows(0, m_model->rowCount());
    for (int column = 0; column < CWordGroupRows::kColumnCount; ++column) {
        const CWordGroupColumn& spec = CWordGroupRows::kColumns[static_cast<std::size_t>(column)];
        m_model->setHorizontalHeaderItem(column,
                                         new QStandardItem(QString::fromLatin1(spec.heading)));
    }
    for (const CWordGroupRow& row : rows) {
        QList<QStandardItem*> items;
        for (const std::string& text : row.columns) {
            auto* item = new QStandardItem(SjisToQString(text));
            if (!items.isEmpty()) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            items.append(item);
        }
        items.front()->setIcon(GroupIcon(row.iconIndex));
        items.front()->setData(SjisToQString(row.name), Qt::UserRole);
        m_model->appendRow(items);
    }
    for (int column = 0; column < CWordGroupRows::kColumnCount; ++column)
        m_details->setColumnWidth(column,
                                  CWordGroupRows::kColumns[static_cast<std::size_t>(column)].width);
    m_guidedTour->setVisible(rows.empty());
    ShowSelection();
    m_kana->topLevelItem(0)->setText(
        1, SjisToQString(CWordGroupRows::KanaRecognition(m_document.HiraganaStats())));
    m_kana->topLevelItem(1)->setText(
        1, SjisToQString(CWordGroupRows::KanaRecognition(m_document.KatakanaStats())));
    SetKanaRow(m_kanaRow);
    ApplyDisplayMode();
    UpdatePasteAction();
    m_refreshing = false;
}

void CMainView::SetJapaneseTextStyle(const CJapaneseTextStyle& style) {
    m_details->setItemDelegateForColumn(0, new CJapaneseTextDelegate(style, m_details));
    m_icons->setItemDelegate(new CJapaneseTextDelegate(style, m_icons));
}

void CMainView::SetLatinFace(const std::string& face) {
    if (face.empty()) return;
    // The lists keep the platform's size, for which their column widths are made.
    QFont text = m_details->font();
    text.setFamily(QString::fromStdString(face));
    text.setWeight(QFont::Normal);
    m_details->setFont(text);
    m_icons->setFont(text);
}

void CMainView::ApplyDisplayMode() {
    if (m_model->rowCount() == 0) {
        m_listStack->setCurrentIndex(kEmptyPage);
        return;
    }
    const CWordGroupCommands::DisplayMode mode = m_commands->CurrentDisplayMode();
    if (mode == CWordGroupCommands::kDetails) {
        m_listStack->setCurrentIndex(kDetailsPage);
        return;
    }
    if (mode == CWordGroupCommands::kLargeIcons) {
        m_icons->setViewMode(QListView::IconMode);
        m_icons->setIconSize(QSize(kLargeGroupIconSize, kLargeGroupIconSize));
        m_icons->setGridSize(QSize());
    } else {
        // The column of names: the longest name plus 20 pixels, beside the icon.
        const QFontMetrics metrics(m_icons->font());
        int longest = 0;
        for (int row = 0; row < m_model->rowCount(); ++row)
            longest = std::max(longest, metrics.horizontalAdvance(m_model->item(row)->text()));
        m_icons->setViewMode(QListView::ListMode);
        m_icons->setFlow(mode == CWordGroupCommands::kList ? QListView::TopToBottom
                                                           : QListView::LeftToRight);
        m_icons->setIconSize(QSize(kSmallGroupIconSize, kSmallGroupIconSize));
        m_icons->setGridSize(QSize(longest + 20 + kSmallGroupIconSize,
                                   std::max(metrics.height(), kSmallGroupIconSize) + 4));
    }
    m_icons->setWrapping(true);
    m_icons->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listStack->setCurrentIndex(kIconsPage);
}

void CMainView::ShowSelection() {
    QItemSelection selection;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const std::string name = QStringToSjis(m_model->item(row)->data(Qt::UserRole).toString());
        if (std::ranges::find(m_commands->Selection(), name) != m_commands->Selection().end())
            selection.select(m_model->index(row, 0),
                             m_model->index(row, CWordGroupRows::kColumnCount - 1));
    }
    m_details->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CMainView::TakeSelectionFromList() {
    if (m_refreshing) return;
    // Names stay in the order they were selected: kept names first, new ones after.
    std::vector<std::string> rowNames;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_details->selectionModel()->isRowSelected(row, QModelIndex()))
            rowNames.push_back(QStringToSjis(m_model->item(row)->data(Qt::UserRole).toString()));
    }
    std::vector<std::string> ordered;
    for (const std::string& name : m_commands->Selection()) {
        if (std::ranges::find(rowNames, name) != rowNames.end()) ordered.push_back(name);
    }
    for (const std::string& name : rowNames) {
        if (std::ranges::find(ordered, name) == ordered.end()) ordered.push_back(name);
    }
    m_commands->SetSelection(ordered);
    UpdatePasteAction();
}

void CMainView::ShowContextMenu(const QPoint& position, QWidget* source) {
    m_contextMenu->popup(source->mapToGlobal(position));
}

void CMainView::RunCommand(bool changed) {
    if (changed) Refresh();
}

void CMainView::NewGroup() {
    RunCommand(m_commands->New());
}

void CMainView::RenameGroup() {
    RunCommand(m_commands->Rename());
}

void CMainView::MergeGroups() {
    RunCommand(m_commands->Merge());
}

void CMainView::ResetGroups() {
    RunCommand(m_commands->Reset());
}

void CMainView::DeleteGroups() {
    RunCommand(m_commands->Delete());
}

void CMainView::SelectAllGroups() {
    m_commands->SelectAll();
    m_refreshing = true;
    ShowSelection();
    m_refreshing = false;
    UpdatePasteAction();
}

void CMainView::PasteCard() {
    RunCommand(m_commands->Paste());
}

void CMainView::UpdatePasteAction() {
    m_pasteAction->setEnabled(m_groupCommandsEnabled && m_commands->CanPaste());
}

void CMainView::EditGroup() {
    const CWordGroup* group = m_commands->Edit();
    if (group && m_editHandler) m_editHandler(group->name);
}

void CMainView::PracticeReading() {
    if (m_commands->PracticeReading() && m_readingHandler) m_readingHandler();
}

void CMainView::PracticeWriting() {
    if (m_commands->PracticeWriting() && m_writingHandler) m_writingHandler();
}

bool CMainView::SetDisplayMode(CWordGroupCommands::DisplayMode mode) {
    if (!m_commands->SetDisplayMode(mode)) return false;
    ApplyDisplayMode();
    return true;
}

void CMainView::SetPracticeHandlers(PracticeHandler reading, PracticeHandler writing) {
    m_readingHandler = std::move(reading);
    m_writingHandler = std::move(writing);
    m_practiceReading->setEnabled(static_cast<bool>(m_readingHandler));
    m_practiceWriting->setEnabled(static_cast<bool>(m_writingHandler));
    m_flashAction->setEnabled(static_cast<bool>(m_readingHandler));
    m_drawAction->setEnabled(static_cast<bool>(m_writingHandler));
}

void CMainView::SetToolHandler(Tool tool, PracticeHandler handler) {
    const auto index = static_cast<std::size_t>(tool);
    m_toolHandlers[index] = std::move(handler);
    m_toolButtons[index]->setEnabled(static_cast<bool>(m_toolHandlers[index]));
}

QPushButton* CMainView::AddToolButton(Tool tool, const char* text, const char* name) {
    const auto index = static_cast<std::size_t>(tool);
    m_toolButtons[index] = AddButton(text, name);
    connect(m_toolButtons[index], &QPushButton::clicked, this, [this, index] {
        if (m_toolHandlers[index]) m_toolHandlers[index]();
    });
    return m_toolButtons[index];
}

void CMainView::SetEditHandler(EditHandler handler) {
    m_editHandler = std::move(handler);
    m_editAction->setEnabled(m_groupCommandsEnabled && static_cast<bool>(m_editHandler));
}

void CMainView::SetGroupCommandsEnabled(bool enabled) {
    m_groupCommandsEnabled = enabled;
    for (QAction* action : m_groupCommands)
        action->setEnabled(enabled);
    m_editAction->setEnabled(enabled && static_cast<bool>(m_editHandler));
    UpdatePasteAction();
}

void CMainView::SetKanaHandlers(KanaHandler read, KanaHandler write, PracticeHandler table) {
    m_kanaReadHandler = std::move(read);
    m_kanaWriteHandler = std::move(write);
    m_kanaTableHandler = std::move(table);
    for (int script = 0; script < 2; ++script) {
        m_kanaRead[script]->setEnabled(static_cast<bool>(m_kanaReadHandler));
        m_kanaWrite[script]->setEnabled(static_cast<bool>(m_kanaWriteHandler));
    }
    m_kanaTable->setEnabled(static_cast<bool>(m_kanaTableHandler));
}

void CMainView::SetKanaRow(int row) {
    m_kanaRow = std::clamp(row, 0, 1);
    m_kana->setCurrentItem(m_kana->topLevelItem(m_kanaRow));
}

void CMainView::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

void CMainView::resizeEvent(QResizeEvent* event) {
    m_toolsLayout->setDirection(width() > kWideLayoutWidth ? QBoxLayout::LeftToRight
                                                           : QBoxLayout::TopToBottom);
    QWidget::resizeEvent(event);
}

std::optional<std::string> CMainView::AskName(const std::string& title,
                                              const std::string& initialName) {
    CNameDialog dialog(title, initialName, m_prompter, this);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Name();
}

CWordGroupDialogs::Confirmation CMainView::Confirm(Action action, const std::string& text) {
    CGroupConfirmDialog dialog(action, text, this);
    dialog.exec();
    return dialog.Answer();
}

}  // namespace brushly
