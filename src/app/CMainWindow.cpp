#include "app/CMainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "app/CBrushlyApplication.h"
#include "app/CDatabaseInfoDialog.h"
#include "app/CHelpWindow.h"
#include "app/CMainView.h"
#include "app/CMainWindowTourHost.h"
#include "app/CPracticeViews.h"
#include "app/CViewSwitcher.h"
#include "app/DatabaseInfo.h"
#include "app/HelpTopics.h"
#include "app/editors/qt/CCardEditors.h"
#include "app/tour/qt/CGuidedTourWindow.h"
#include "app/wordgroup/qt/CFindFlashcardDialog.h"
#include "app/wordgroup/qt/CWordGroupView.h"
#include "builder/qt/CFlashcardBuilderWizard.h"
#include "dictionary/qt/CCompoundSearchDialog.h"
#include "document/CBrushly2Doc.h"
#include "exchange/CImportCommand.h"
#include "exchange/qt/CExportDialog.h"
#include "exchange/qt/CImportDialog.h"
#include "lookup/qt/CKanjiSearchDialog.h"

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
      m_mainView(new CMainView(application.Document(), application.Prompter())),
      m_wordGroupView(new CWordGroupView(application.Document(), application.Prompter())) {
    m_views->SetMainView(m_mainView);
    m_views->addWidget(m_wordGroupView);
    setCentralWidget(m_views);
    setAcceptDrops(true);
    resize(1024, 720);
    CreateFileMenu();
    m_wordGroupMenu = menuBar()->addMenu(QStringLiteral("&Word Group"));
    m_wordGroupMenu->addActions(m_mainView->WordGroupActions());
    menuBar()->addMenu(m_wordGroupView->Menu());
    CreateViewMenu();
    CreateToolsMenu();
    CreateHelpMenu();
    CreateToolBar();
    auto* practiceToolBar = addToolBar(QStringLiteral("Practice"));
    practiceToolBar->setObjectName(QStringLiteral("practiceToolBar"));
    practiceToolBar->hide();
    m_practice =
        std::make_unique<CPracticeViews>(application, *m_views, *m_mainView, *practiceToolBar,
                                         *this, [this](int topic) { ShowHelpTopic(topic); });
    m_mainView->SetPracticeHandlers([this] { m_practice->StartFlash(); },
                                    [this] { m_practice->StartDraw(); });
    m_mainView->SetKanaHandlers([this](int script) { m_practice->StartKanaReading(script); },
                                [this](int script) { m_practice->StartKanaDrawing(script); },
                                [this] { m_practice->ShowKanaTable(m_mainView->KanaRow()); });
    m_mainView->SetToolHandler(CMainView::Tool::kFlashcardBuilder,
                               [this] { OpenFlashcardBuilder(); });
    m_mainView->SetToolHandler(CMainView::Tool::kKanjiSearch, [this] { OpenKanjiSearch(); });
    m_mainView->SetToolHandler(CMainView::Tool::kCompoundSearch, [this] { OpenCompoundSearch(); });
    m_mainView->SetEditHandler([this](const std::string& name) { OpenWordGroup(name); });
    m_wordGroupView->SetReturnHandler([this] { m_views->ShowMainView(); });
    m_wordGroupView->SetPracticeHandlers(
        [this](const std::string& name) { m_practice->StartFlash({name}); },
        [this](const std::string& name) { m_practice->StartDraw({name}); });
    m_tourHost = std::make_unique<CMainWindowTourHost>(
        application.Document(), *m_views, *m_mainView, *m_wordGroupView, *m_practice,
        [this](const std::string& name) { OpenWordGroup(name); });
    m_practice->SetTourRunning([this] { return !m_guidedTour.isNull(); });
    UpdateCardEditors();
    connect(m_views, &QStackedWidget::currentChanged, this, &CMainWindow::ViewShown);
    ViewShown();

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

CMainWindow::~CMainWindow() {
    // The view switcher outlives the practice views while the window's children are
    // destroyed; it must no longer report its pages to them.
    QObject::disconnect(m_views, nullptr, this, nullptr);
}

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
    m_fileMenu->addSeparator();
    AddAction(m_fileMenu, QStringLiteral("&Import Word Groups..."), "importAction", [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Import Word Groups"), {},
            QStringLiteral("Word Group files (*.tsv *.txt *.csv);;All files (*)"));
        if (!path.isEmpty()) ImportWordGroups(path.toStdString());
    });
    AddAction(m_fileMenu, QStringLiteral("Ex&port Word Groups..."), "exportAction",
              [this] { ExportWordGroups(); });
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
    AddAction(menu, QStringLiteral("&Word Group View"), "wordGroupViewAction", [this] {
        if (m_views->currentWidget() != m_wordGroupView) m_mainView->EditGroup();
    });
    AddAction(menu, QStringLiteral("&Flash View"), "flashViewAction",
              [this] { m_mainView->PracticeReading(); });
    AddAction(menu, QStringLiteral("&Draw View"), "drawViewAction",
              [this] { m_mainView->PracticeWriting(); });
    AddAction(menu, QStringLiteral("Kana &Table"), "kanaTableAction",
              [this] { m_practice->ShowKanaTable(m_mainView->KanaRow()); });
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
    const std::pair<const char*, Mode> modes[] = {{"D&etails", Mode::kDetails},
                                                  {"&List", Mode::kList},
                                                  {"Sm&all Icons", Mode::kSmallIcons},
                                                  {"Lar&ge Icons", Mode::kLargeIcons}};
    for (const auto& [text, mode] : modes) {
        AddAction(menu, QString::fromLatin1(text), "displayModeAction",
                  [this, mode] { m_mainView->SetDisplayMode(mode); });
    }
}

void CMainWindow::CreateToolsMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Tools"));
    AddAction(menu, QStringLiteral("&Flashcard Builder..."), "flashcardBuilderAction",
              [this] { OpenFlashcardBuilder(); });
    AddAction(menu, QStringLiteral("F&ind Flashcard..."), "findFlashcardAction", [this] {
        OpenFindFlashcard();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    menu->addSeparator();
    m_japaneseFontAction = AddAction(menu, QStringLiteral("&Japanese Font..."),
                                     "japaneseFontAction", [this] { m_japaneseFont(); });
    m_brushlyFontAction = AddAction(menu, QStringLiteral("&Brushly Font..."), "brushlyFontAction",
                                    [this] { m_brushlyFont(); });
    m_japaneseFontAction->setEnabled(false);
    m_brushlyFontAction->setEnabled(false);
    AddAction(menu, QStringLiteral("&Options..."), "optionsAction", [this] { EditOptions(); });
    AddAction(menu, QStringLiteral("&Database Info..."), "databaseInfoAction",
              [this] { ShowDatabaseInfo(); });
    m_autosaveAction = AddAction(menu, QStringLiteral("&AutoSave"), "autosaveAction", [this] {
        m_application.ToggleAutosave();
        UpdateAutosaveTimer();
        Refresh();
    });
    m_autosaveAction->setCheckable(true);
}

void CMainWindow::EditOptions() {
    const OptionView shown = m_practice->KanaTable()                       ? OptionView::kKanaTable
                             : m_views->currentWidget() == m_wordGroupView ? OptionView::kWordGroup
                                                                           : OptionView::kOther;
    if (m_practice->EditOptions(OptionEntry::kTools, shown).wordGroupView)
        m_wordGroupView->Refresh();
}

void CMainWindow::CreateHelpMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    AddAction(menu, QStringLiteral("&Help Topics"), "helpAction", [this] {
        ShowHelpTopic(kHowToDrawKanjiTopic);
    })->setShortcut(QKeySequence::HelpContents);
    AddAction(menu, QStringLiteral("&Guided Tour"), "guidedTourAction", [this] {
        OpenGuidedTour();
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
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
    toolBar->addAction(QStringLiteral("Draw"), m_mainView, &CMainView::PracticeWriting);
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

CFlashView* CMainWindow::FlashView() const {
    return m_practice->Flash();
}

void CMainWindow::SetJapaneseTextStyle(const CJapaneseTextStyle& style) {
    m_textStyle = style;
    m_practice->SetJapaneseTextStyle(style);
    m_mainView->SetJapaneseTextStyle(style);
    m_wordGroupView->SetJapaneseTextStyle(style);
    UpdateCardEditors();
}

void CMainWindow::UpdateCardEditors() {
    m_cardEditors = std::make_unique<CCardEditors>(
        m_application.Document(), m_application.Prompter(), m_application.Abbreviations(),
        m_application.Settings(), m_textStyle, [this] { ShowHelpTopic(kEdictTopic); }, this);
    m_wordGroupView->SetEditorHost(m_cardEditors.get());
}

void CMainWindow::SetLatinFace(const std::string& face) {
    m_latinFace = face;
    m_practice->SetLatinFace(face);
    m_mainView->SetLatinFace(face);
}

void CMainWindow::DisplayModesChanged() {
    m_practice->DisplayModesChanged();
    if (m_views->currentWidget() == m_wordGroupView) m_wordGroupView->Refresh();
    Refresh();
}

void CMainWindow::ViewShown() {
    m_practice->ViewShown();
    m_mainView->SetGroupCommandsEnabled(m_views->MainViewShown());
    const bool groupShown = m_views->currentWidget() == m_wordGroupView;
    m_wordGroupView->SetCommandsEnabled(groupShown);
    m_wordGroupView->Menu()->menuAction()->setVisible(groupShown);
    if (m_guidedTour) m_guidedTour->ViewEntered(m_tourHost->ActiveView());
}

void CMainWindow::OpenWordGroup(const std::string& groupName, const CObject* card) {
    m_wordGroupView->ShowGroup(groupName, card);
    m_views->setCurrentWidget(m_wordGroupView);
}

void CMainWindow::OpenFindFlashcard() {
    CBrushly2Doc& document = m_application.Document();
    CFindFlashcardDialog dialog(document, m_application.Prompter(), m_textStyle, this);
    if (dialog.exec() == QDialog::Accepted && dialog.Result())
        OpenWordGroup(dialog.Result()->groupName, dialog.Result()->card);
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

CGuidedTourWindow* CMainWindow::GuidedTour() const {
    return m_guidedTour;
}

void CMainWindow::OpenGuidedTour() {
    if (!m_guidedTour) {
        m_guidedTour = new CGuidedTourWindow(*m_tourHost, m_textStyle.library, m_latinFace, this);
        m_guidedTour->setAttribute(Qt::WA_DeleteOnClose);
        // At the bottom right, where it covers the least of the views it explains.
        const QRect frame = geometry();
        m_guidedTour->move(std::max(frame.left(), frame.right() - m_guidedTour->width() - 40),
                           std::max(frame.top(), frame.bottom() - m_guidedTour->height() - 80));
    }
    m_guidedTour->show();
    m_guidedTour->raise();
    m_guidedTour->activateWindow();
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

void CMainWindow::OpenFlashcardBuilder() {
    CBrushly2Doc& document = m_application.Document();
    if (!document.DatabasesLoaded()) return;
    m_views->ShowMainView();
    CFlashcardBuilderWizard::Run(document, m_application.Prompter(), this);
    m_mainView->Refresh();
    Refresh();
}

bool CMainWindow::ImportWordGroups(const std::string& path) {
    CBrushly2Doc& document = m_application.Document();
    CPrompter& prompter = m_application.Prompter();
    std::optional<CImportPlan> plan =
        CImportCommand::Read(path, document.KanjiLibrary(), document.Cards(), prompter);
    if (!plan) return false;
    // As for the Flashcard Builder: no practice view may drill while groups are added.
    m_views->ShowMainView();
    CImportDialog dialog(*plan, document.Cards(), prompter,
                         QFileInfo(QString::fromStdString(path)).fileName(), this);
    if (dialog.exec() != QDialog::Accepted) return false;
    const CImportPlan::Totals totals = plan->SelectedTotals();
    if (!CImportCommand::Apply(*plan, document.Cards(), prompter)) return false;
    document.SetModified(true);
    m_mainView->Refresh();
    Refresh();
    prompter.Information(CImportCommand::ImportedMessage(totals));
    return true;
}

void CMainWindow::ExportWordGroups() {
    CExportDialog dialog(m_application.Document().Cards(), m_mainView->Commands().Selection(),
                         m_application.Prompter(), this);
    dialog.exec();
}

void CMainWindow::OpenKanjiSearch() {
    CBrushly2Doc& document = m_application.Document();
    if (!document.DatabasesLoaded()) return;
    CKanjiSearchRequest request;
    const std::vector<std::string>& selection = m_mainView->Commands().Selection();
    if (!selection.empty()) request.wordGroup = selection.front();
    CKanjiSearchDialog dialog(document, m_application.Prompter(), m_textStyle, request, this);
    if (dialog.exec() == QDialog::Accepted) {
        const CKanjiSearchResult& result = dialog.Result();
        AddKanjiCard(document, *document.KanjiLibrary(), result.kanji, result.wordGroup);
    }
    m_mainView->Refresh();
    Refresh();
}

void CMainWindow::OpenCompoundSearch() {
    CBrushly2Doc& document = m_application.Document();
    if (!document.DatabasesLoaded()) return;
    CCompoundSearchRequest request;
    const std::vector<std::string>& selection = m_mainView->Commands().Selection();
    if (!selection.empty()) request.wordGroup = selection.front();
    CCompoundSearchDialog dialog(
        document, m_application.Prompter(), m_application.Abbreviations(), m_application.Settings(),
        m_textStyle, request, [this] { ShowHelpTopic(kEdictTopic); }, this);
    if (dialog.exec() == QDialog::Accepted) {
        const CCompoundSearchResult& result = dialog.Result();
        AddCompoundCard(document, result.selection, result.wordGroup);
    }
    m_mainView->Refresh();
    Refresh();
}

}  // namespace brushly
