#include "app/CPracticeViews.h"

#include <QToolBar>
#include <QWidget>
#include <memory>

#include "app/CBrushlyApplication.h"
#include "app/CMainView.h"
#include "app/COptionSheet.h"
#include "app/CViewSwitcher.h"
#include "app/HelpTopics.h"
#include "document/CBrushly2Doc.h"
#include "handwriting/CDrawBoxPracticeDialog.h"
#include "platform/CSettingsStore.h"
#include "practice/CDrawPractice.h"
#include "practice/CDrawView.h"
#include "practice/CFlashCardWidget.h"
#include "practice/CFlashView.h"
#include "practice/CKanaQuiz.h"
#include "practice/CKanaStatView.h"
#include "practice/CKanaView.h"

namespace brushly {

namespace {

int DrawModeOfScript(int script) {
    return script == CKanaQuiz::kKatakana ? CDrawPractice::kKatakanaMode
                                          : CDrawPractice::kHiraganaMode;
}

}  // namespace

CPracticeViews::CPracticeViews(CBrushlyApplication& application, CViewSwitcher& views,
                               CMainView& mainView, QToolBar& toolBar, QWidget& window,
                               HelpHandler showHelp)
    : m_application(application),
      m_views(views),
      m_mainView(mainView),
      m_toolBar(toolBar),
      m_window(window),
      m_showHelp(std::move(showHelp)) {}

CFlashView* CPracticeViews::Flash() const {
    return dynamic_cast<CFlashView*>(m_current);
}

CDrawView* CPracticeViews::Draw() const {
    return dynamic_cast<CDrawView*>(m_current);
}

CKanaView* CPracticeViews::KanaReading() const {
    return dynamic_cast<CKanaView*>(m_current);
}

CKanaStatView* CPracticeViews::KanaTable() const {
    return dynamic_cast<CKanaStatView*>(m_current);
}

void CPracticeViews::StartFlash() {
    StartFlash(m_mainView.Commands().Selection());
}

void CPracticeViews::StartDraw() {
    StartDraw(m_mainView.Commands().Selection());
}

void CPracticeViews::StartFlash(const std::vector<std::string>& groups) {
    if (groups.empty()) {
        m_mainView.PracticeReading();  // says that a selection is needed
        return;
    }
    auto view =
        std::make_unique<CFlashView>(m_application.Document(), m_application.Abbreviations(),
                                     m_textStyle, m_textStyle.mode != CJapaneseFontMode::kBuiltIn);
    if (!view->Open(groups)) {
        m_application.Prompter().Information(CWordGroupCommands::kReadingEmptyMessage);
        return;
    }
    if (!m_latinFace.empty()) view->Card().SetLatinFace(m_latinFace);
    view->SetOptionsHandler([this] { EditOptions(OptionEntry::kFlashView, OptionView::kOther); });
    view->SetQuizModeChangedHandler([this] { FillToolBar(); });
    view->SetReturnHandler([this] { m_views.ShowMainView(); });
    Show(view.release());
}

void CPracticeViews::StartDraw(const std::vector<std::string>& groups) {
    if (groups.empty()) {
        m_mainView.PracticeWriting();
        return;
    }
    std::unique_ptr<CDrawView> view = OpenDraw(CDrawPractice::kKanjiMode, groups);
    if (!view) {
        m_application.Prompter().Information(CWordGroupCommands::kWritingEmptyMessage);
        return;
    }
    // The draw box practice comes once a run, when a deck has actually started.
    const CKanjiLibrary* library = m_application.Document().KanjiLibrary();
    const bool tourRunning = m_tourRunning && m_tourRunning();
    if (!m_practiceDialogShown && library && !tourRunning &&
        CDrawBoxPracticeDialog::ShouldShow(m_application.Settings())) {
        m_practiceDialogShown = true;
        CDrawBoxPracticeDialog dialog(*library, m_application.Settings(), &m_window);
        dialog.exec();
    }
    Show(view.release());
}

void CPracticeViews::StartKanaDrawing(int script) {
    if (std::unique_ptr<CDrawView> view =
            OpenDraw(DrawModeOfScript(script), m_mainView.Commands().Selection())) {
        Show(view.release());
    }
}

std::unique_ptr<CDrawView> CPracticeViews::OpenDraw(int mode,
                                                    const std::vector<std::string>& groups) {
    auto view = std::make_unique<CDrawView>(m_application.Document(), m_textStyle);
    if (!view->Open(mode, groups)) return nullptr;
    view->SetOptionsHandler([this] { EditOptions(OptionEntry::kDrawView, OptionView::kOther); });
    view->SetReturnHandler([this] { m_views.ShowMainView(); });
    view->SetHintsHandler(
        [this](bool kana) { m_showHelp(kana ? kKanaDrawingHintsTopic : kDrawingHintsTopic); });
    return view;
}

void CPracticeViews::StartKanaReading(int script) {
    auto view = std::make_unique<CKanaView>(m_application.Document(), m_textStyle);
    if (!view->Open(script)) return;
    if (!m_latinFace.empty()) view->Card().SetLatinFace(m_latinFace);
    view->SetOptionsHandler(
        [this] { EditOptions(OptionEntry::kKanaFlashView, OptionView::kOther); });
    view->SetQuizModeChangedHandler([this] { FillToolBar(); });
    view->SetReturnHandler([this] { m_views.ShowMainView(); });
    Show(view.release());
}

void CPracticeViews::ShowKanaTable(int script) {
    auto* view = new CKanaStatView(m_application.Document(), m_textStyle, m_application.Prompter());
    view->SetScript(script);
    view->SetReturnHandler([this] { m_views.ShowMainView(); });
    view->SetPracticeReadingHandler([this](int shown) { StartKanaReading(shown); });
    view->SetPracticeWritingHandler([this](int shown) { StartKanaDrawing(shown); });
    Show(view);
}

void CPracticeViews::Show(QWidget* view) {
    if (m_current) m_views.ShowMainView();  // the old one goes
    m_current = view;
    m_views.addWidget(view);
    m_views.setCurrentWidget(view);
    view->setFocus();
    FillToolBar();
    m_toolBar.setVisible(!ToolbarActions().isEmpty());
}

QList<QAction*> CPracticeViews::ToolbarActions() const {
    if (auto* flash = Flash()) return flash->ToolbarActions();
    if (auto* kana = KanaReading()) return kana->ToolbarActions();
    if (auto* draw = Draw()) return draw->ToolbarActions();
    return {};
}

void CPracticeViews::FillToolBar() {
    m_toolBar.clear();
    m_toolBar.addActions(ToolbarActions());
}

void CPracticeViews::ViewShown() {
    if (m_current && m_views.currentWidget() != m_current) {
        if (auto* flash = Flash()) flash->Leave();
        if (auto* kana = KanaReading()) kana->Leave();
        if (auto* draw = Draw()) draw->Leave();
        m_views.removeWidget(m_current);
        m_current->deleteLater();
        m_current = nullptr;
        FillToolBar();
        m_toolBar.hide();
    }
}

void CPracticeViews::DisplayModesChanged() {
    if (auto* flash = Flash()) flash->DisplayModesChanged();
    if (auto* kana = KanaReading()) kana->DisplayModesChanged();
    if (m_current) m_current->update();
}

COptionRefresh CPracticeViews::EditOptions(OptionEntry entry, OptionView shown) {
    CBrushly2Doc& document = m_application.Document();
    CSettingsStore& store = m_application.Settings();
    const COptionValues before = CurrentOptionValues(document, store);
    COptionSheetContext context;
    const CCompoundLibrary* compounds = document.CompoundLibrary();
    context.edictDatabase = compounds && compounds->Identification().starts_with("EDICT");
    context.flashViewOpen = Flash() != nullptr;
    context.kanaViewOpen = KanaReading() != nullptr;
    CDrawView* draw = Draw();
    context.drawViewOpen = draw != nullptr;
    context.drawMode = draw ? draw->Practice().Mode() : CDrawPractice::kKanjiMode;
    context.drawHasStrokes = draw && draw->HasStrokes();
    COptionSheet sheet(before, context, FirstOptionTab(entry, shown), m_application.Prompter(),
                       &m_window);
    if (!sheet.Run()) return {};
    const COptionValues after = sheet.Values();
    ApplyOptionValues(after, document, store);

    const CBrushlyOptions& was = before.options;
    const CBrushlyOptions& is = after.options;
    if (auto* flash = Flash();
        flash && (is.flash != was.flash || after.commonWordsOnly != before.commonWordsOnly))
        flash->OptionsChanged(was.flash, before.commonWordsOnly);
    // Smoothing redraws the strokes on the boards as they are.
    const bool smoothingChanged = after.smoothStrokes != before.smoothStrokes;
    if (draw && (is.draw != was.draw || smoothingChanged)) draw->OptionsChanged(was.draw);
    if (auto* kana = KanaReading(); kana && is.kanaFlash != was.kanaFlash)
        kana->OptionsChanged(was.kanaFlash);
    // Romaji texts change with the long-o display; the cards' strokes with smoothing.
    if (after.longOMode != before.longOMode || smoothingChanged) DisplayModesChanged();
    const COptionRefresh refresh = OptionRefresh(shown, before, after);
    if (refresh.kanaTable && m_current) m_current->update();
    return refresh;
}

}  // namespace brushly
