#include "app/CMainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "app/CBrushlyApplication.h"
#include "app/CDatabaseInfoDialog.h"
#include "app/CFlashOptionPage.h"
#include "app/CHelpWindow.h"
#include "app/CMainView.h"
#include "app/CViewSwitcher.h"
#include "app/DatabaseInfo.h"
#include "app/HelpTopics.h"
#include "document/CBrushly2Doc.h"
#include "practice/CFlashCardWidget.h"
#include "practice/CFlashView.h"

namespace brushly {

namespace {

const QString kFileFilter = QStringLiteral("Brushly Files (*.bly)");

// The local .bly or .bly2 file a drag carries; empty when it carries none.
QString DroppedDocument(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() && CBrushly2Doc::HasDocumentExtension(path.toStdString())) return path;
    }
    return {};
}

}  // namespace

CMainWindow::CMainWindow(CBrushlyApplication& application, QWidget* parent)
    : QMainWindow(parent),
      m_application(application),
      m_views(new CViewSwitcher(this)),
      m_mainView(new CMainView(application.Document(), application.Prompter())) {
    m_views->SetMainView(m_mainView);
    setCentralWidget(m_views);
    setAcceptDrops(true);
    resize(1024, 720);
    CreateFileMenu();
    m_wordGroupMenu = menuBar()->addMenu(QStringLiteral("&Word Group"));
    m_wordGroupMenu->addActions(m_mainView->WordGroupActions());
    CreateViewMenu();
    CreateToolsMenu();
    CreateHelpMenu();
    CreateToolBar();
    CreateFlashToolBar();
    m_mainView->SetPracticeHandlers([this] { StartFlash(); }, nullptr);
    connect(m_views, &QStackedWidget::currentChanged, this, &CMainWindow::ViewShown);

    m_autosaveTimer.setInterval(kAutosavePeriodMs);
    connect(&m_autosaveTimer, &QTimer::timeout, this, &CMainWindow::Autosave);
    m_statusTimer.setSingleShot(true);
    m_statusTimer.setInterval(kStatusRestoreMs);
    connect(&m_statusTimer, &QTimer::timeout, this,
            [this] { statusBar()->showMessage(QString::fromLatin1(kReadyStatus)); });
    statusBar()->showMessage(QString::fromLatin1(kReadyStatus));
    UpdateAutosaveTimer();
    Refresh();
}

CMainWindow::~CMainWindow() = default;

QAction* CMainWindow::AddAction(QMenu* menu, const QString& text, const char* objectName,
                                std::function<void()> command) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void CMainWindow::CreateFileMenu() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    AddAction(m_fileMenu, QStringLiteral("&New"), "newAction", [this] {
        FileNew();
    })->setShortcut(QKeySequence::New);
    AddAction(m_fileMenu, QStringLiteral("&Open..."), "openAction", [this] {
        FileOpen();
    })->setShortcut(QKeySequence::Open);
    AddAction(m_fileMenu, QStringLiteral("&Save"), "saveAction", [this] {
        FileSave();
    })->setShortcut(QKeySequence::Save);
    AddAction(m_fileMenu, QStringLiteral("Save &As..."), "saveAsAction", [this] { FileSaveAs(); });
    m_recentSeparator = m_fileMenu->addSeparator();
    m_fileMenu->addSeparator();
    AddAction(m_fileMenu, QStringLiteral("E&xit"), "exitAction", [this] { close(); });
    connect(m_fileMenu, &QMenu::aboutToShow, this, &CMainWindow::FillRecentFiles);
    FillRecentFiles();
}

void CMainWindow::FillRecentFiles() {
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        action->deleteLater();
    }
    m_recentActions.clear();
    int number = 1;
    for (const std::string& path : m_application.RecentFiles().Paths()) {
        auto* action = new QAction(
            QStringLiteral("&%1 %2").arg(number++).arg(QString::fromStdString(path)), m_fileMenu);
        connect(action, &QAction::triggered, this, [this, path] { OpenDocument(path); });
        m_fileMenu->insertAction(m_recentSeparator, action);
        m_recentActions.push_back(action);
    }
}

void CMainWindow::CreateViewMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    AddAction(menu, QStringLiteral("&Main View"), "mainViewAction", [this] {
        m_views->ShowMainView();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    menu->addAction(QStringLiteral("&Word Group View"))->setEnabled(false);
    AddAction(menu, QStringLiteral("&Flash View"), "flashViewAction",
              [this] { m_mainView->PracticeReading(); });
    for (const char* later : {"&Draw View", "&Kana Table"}) {
        menu->addAction(QString::fromLatin1(later))->setEnabled(false);
    }
    menu->addSeparator();
    m_verticalAction = AddAction(menu, {}, "verticalModeAction", [this] {
        m_application.ToggleVerticalMode();
        DisplayModesChanged();
    });
    m_romajiAction = AddAction(menu, {}, "romajiModeAction", [this] {
        m_application.ToggleRomajiMode();
        DisplayModesChanged();
    });
    menu->addSeparator();
    using Mode = CWordGroupCommands::DisplayMode;
    const std::pair<const char*, Mode> modes[] = {{"&Details", Mode::kDetails},
                                                  {"&List", Mode::kList},
                                                  {"S&mall Icons", Mode::kSmallIcons},
                                                  {"Lar&ge Icons", Mode::kLargeIcons}};
    for (const auto& [text, mode] : modes) {
        AddAction(menu, QString::fromLatin1(text), "displayModeAction",
                  [this, mode] { m_mainView->SetDisplayMode(mode); });
    }
}

void CMainWindow::CreateToolsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Tools"));
    m_japaneseFontAction = AddAction(menu, QStringLiteral("&Japanese Font..."),
                                     "japaneseFontAction", [this] { m_japaneseFont(); });
    m_brushlyFontAction = AddAction(menu, QStringLiteral("&Brushly Font..."), "brushlyFontAction",
                                    [this] { m_brushlyFont(); });
    m_japaneseFontAction->setEnabled(false);
    m_brushlyFontAction->setEnabled(false);
    AddAction(menu, QStringLiteral("&Database Info..."), "databaseInfoAction",
              [this] { ShowDatabaseInfo(); });
    m_autosaveAction = AddAction(menu, QStringLiteral("&AutoSave"), "autosaveAction", [this] {
        m_application.ToggleAutosave();
        UpdateAutosaveTimer();
        Refresh();
    });
    m_autosaveAction->setCheckable(true);
}

void CMainWindow::CreateHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    AddAction(menu, QStringLiteral("&Help Topics"), "helpAction", [this] {
        ShowHelpTopic(kHowToDrawKanjiTopic);
    })->setShortcut(QKeySequence::HelpContents);
    menu->addSeparator();
    for (const CHelpTopic& topic : HelpTopics()) {
        const int number = topic.number;
        AddAction(menu, QString::fromUtf8(topic.title), "helpTopicAction",
                  [this, number] { ShowHelpTopic(number); });
    }
}

void CMainWindow::CreateToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Main"));
    toolBar->setObjectName(QStringLiteral("mainToolBar"));
    for (const char* name : {"newAction", "openAction", "saveAction"}) {
        toolBar->addAction(findChild<QAction*>(QString::fromLatin1(name)));
    }
    toolBar->addSeparator();
    toolBar->addAction(findChild<QAction*>(QStringLiteral("mainViewAction")));
    toolBar->addAction(QStringLiteral("Flash"), m_mainView, &CMainView::PracticeReading);
    toolBar->addAction(QStringLiteral("Draw"))->setEnabled(false);
    toolBar->addSeparator();
    toolBar->addAction(m_verticalAction);
    toolBar->addAction(m_romajiAction);
}

void CMainWindow::SetFontCommands(std::function<void()> japaneseFont,
                                  std::function<void()> brushlyFont) {
    m_japaneseFont = std::move(japaneseFont);
    m_brushlyFont = std::move(brushlyFont);
    m_japaneseFontAction->setEnabled(bool(m_japaneseFont));
    m_brushlyFontAction->setEnabled(bool(m_brushlyFont));
}

void CMainWindow::CreateFlashToolBar() {
    m_flashToolBar = addToolBar(QStringLiteral("Flash"));
    m_flashToolBar->setObjectName(QStringLiteral("flashToolBar"));
    m_flashToolBar->hide();
}

void CMainWindow::FillFlashToolBar() {
    m_flashToolBar->clear();
    if (!m_flashView) return;
    m_flashToolBar->addActions(m_flashView->ToolbarActions());
}

void CMainWindow::SetJapaneseTextStyle(const CJapaneseTextStyle& style) {
    m_textStyle = style;
    m_mainView->SetJapaneseTextStyle(style);
}

void CMainWindow::SetLatinFace(const std::string& face) {
    m_latinFace = face;
    m_mainView->SetLatinFace(face);
}

void CMainWindow::StartFlash() {
    if (m_mainView->Commands().Selection().empty()) {
        m_mainView->PracticeReading();  // says that a selection is needed
        return;
    }
    if (m_flashView) m_views->ShowMainView();  // the old one goes
    auto* view = new CFlashView(m_application.Document(), m_application.Abbreviations(),
                                m_textStyle, m_textStyle.mode != CJapaneseFontMode::kBuiltIn);
    if (!view->Open(m_mainView->Commands().Selection())) {
        delete view;
        m_application.Prompter().Information(CWordGroupCommands::kReadingEmptyMessage);
        return;
    }
    if (!m_latinFace.empty()) view->Card().SetLatinFace(m_latinFace);
    view->SetReturnHandler([this] { m_views->ShowMainView(); });
    view->SetOptionsHandler([this] { EditFlashOptions(); });
    view->SetQuizModeChangedHandler([this] { FillFlashToolBar(); });
    m_flashView = view;
    m_views->addWidget(view);
    m_views->setCurrentWidget(view);
    view->setFocus();
}

void CMainWindow::EditFlashOptions() {
    if (!m_flashView) return;
    CBrushly2Doc& document = m_application.Document();
    const CFlashOptions before = document.Options().flash;
    const std::int32_t commonWordsBefore = document.CommonWordsOnly();
    CFlashOptions options = before;
    std::int32_t commonWords = commonWordsBefore;
    const CCompoundLibrary* compounds = document.CompoundLibrary();
    const bool edict = compounds && compounds->Identification().starts_with("EDICT");
    if (!CFlashOptionPage::Edit(this, options, commonWords, edict, m_application.Prompter()))
        return;
    if (options == before && commonWords == commonWordsBefore) return;
    document.Options().flash = options;
    document.SetCommonWordsOnly(commonWords);
    document.SetModified(true);
    m_flashView->OptionsChanged(before, commonWordsBefore);
    Refresh();
}

void CMainWindow::DisplayModesChanged() {
    if (m_flashView) m_flashView->DisplayModesChanged();
    Refresh();
}

void CMainWindow::ViewShown() {
    const bool flashShown = m_flashView && m_views->currentWidget() == m_flashView;
    if (m_flashView && !flashShown) {
        m_flashView->Leave();
        m_views->removeWidget(m_flashView);
        m_flashView->deleteLater();
        m_flashView = nullptr;
    }
    FillFlashToolBar();
    m_flashToolBar->setVisible(flashShown);
}

void CMainWindow::Refresh() {
    const CBrushly2Doc& document = m_application.Document();
    setWindowTitle(QString::fromStdString(m_application.WindowTitle()));
    m_verticalAction->setText(document.VerticalMode() == 1 ? QStringLiteral("&Horizontal Mode")
                                                           : QStringLiteral("&Vertical Mode"));
    m_romajiAction->setText(document.RomajiMode() == 1 ? QStringLiteral("&Kana Mode")
                                                       : QStringLiteral("&Romaji Mode"));
    m_autosaveAction->setChecked(document.AutosaveOn());
}

void CMainWindow::ShowStatus(const QString& text) {
    statusBar()->showMessage(text);
    m_statusTimer.start();
}

void CMainWindow::ShowHelpTopic(int number) {
    if (!m_helpWindow) m_helpWindow = new CHelpWindow(this);
    m_helpWindow->ShowTopic(number);
    m_helpWindow->show();
    m_helpWindow->raise();
}

std::optional<std::string> CMainWindow::ChooseSavePath() {
    QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save As"), QString::fromStdString(m_application.DocumentTitle()),
        kFileFilter);
    if (path.isEmpty()) return std::nullopt;
    if (!CBrushly2Doc::HasDocumentExtension(path.toStdString())) path += QStringLiteral(".bly");
    return path.toStdString();
}

void CMainWindow::DocumentReplaced() {
    m_views->ShowMainView();
    m_mainView->Refresh();
    Refresh();
}

void CMainWindow::FileNew() {
    m_views->ShowMainView();  // no practice view may outlive the cards it drills
    if (m_application.FileNew([this] { return ChooseSavePath(); })) DocumentReplaced();
}

void CMainWindow::FileOpen() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open"), QString::fromStdString(m_application.InstallDirectory()),
        kFileFilter);
    if (!path.isEmpty()) OpenDocument(path.toStdString());
}

bool CMainWindow::OpenDocument(const std::string& path) {
    m_views->ShowMainView();
    const bool opened = m_application.FileOpen(path, [this] { return ChooseSavePath(); });
    if (opened) {
        DocumentReplaced();
    } else {
        Refresh();  // a save before the failed open may have named the document
    }
    return opened;
}

void CMainWindow::FileSave() {
    m_application.FileSave([this] { return ChooseSavePath(); });
    Refresh();
}

void CMainWindow::FileSaveAs() {
    if (const std::optional<std::string> path = ChooseSavePath()) {
        m_application.FileSaveAs(*path);
    }
    Refresh();
}

void CMainWindow::ShowDatabaseInfo() {
    CDatabaseInfoDialog dialog(
        DescribeDatabases(m_application.Document()), [this] { ShowHelpTopic(kEdictTopic); }, this);
    dialog.exec();
}

void CMainWindow::Autosave() {
    m_application.AutosaveTick(
        [this](const std::string& text) { ShowStatus(QString::fromStdString(text)); });
}

void CMainWindow::UpdateAutosaveTimer() {
    if (m_application.Document().AutosaveOn()) {
        m_autosaveTimer.start();
    } else {
        m_autosaveTimer.stop();
    }
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    if (m_application.SaveModified([this] { return ChooseSavePath(); })) {
        event->accept();
    } else {
        event->ignore();
        Refresh();
    }
}

void CMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedDocument(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedDocument(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    OpenDocument(path.toStdString());
}

}  // namespace brushly
