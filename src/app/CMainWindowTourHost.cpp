#include "app/CMainWindowTourHost.h"

#include "app/CMainView.h"
#include "app/CPracticeViews.h"
#include "app/CViewSwitcher.h"
#include "app/wordgroup/qt/CWordGroupView.h"
#include "document/CBrushly2Doc.h"
#include "practice/CDrawPractice.h"
#include "practice/CDrawView.h"
#include "practice/CKanaQuiz.h"

namespace brushly {

CMainWindowTourHost::CMainWindowTourHost(const CBrushly2Doc& document, CViewSwitcher& views,
                                         CMainView& mainView, const CWordGroupView& wordGroupView,
                                         CPracticeViews& practice, OpenGroup openGroup)
    : m_document(document),
      m_views(views),
      m_mainView(mainView),
      m_wordGroupView(wordGroupView),
      m_practice(practice),
      m_openGroup(std::move(openGroup)) {}

TourView CMainWindowTourHost::ActiveView() const {
    if (m_views.MainViewShown()) return TourView::kMainView;
    if (m_views.currentWidget() == &m_wordGroupView) return TourView::kWordGroupView;
    if (m_practice.Flash()) return TourView::kFlashView;
    if (m_practice.KanaReading()) return TourView::kKanaFlashView;
    if (m_practice.KanaTable()) return TourView::kKanaTableView;
    if (const CDrawView* draw = m_practice.Draw()) {
        return draw->Practice().Mode() == CDrawPractice::kKanjiMode ? TourView::kDrawView
                                                                    : TourView::kKanaDrawView;
    }
    return TourView::kOther;
}

std::optional<std::string> CMainWindowTourHost::FirstGroup() const {
    const std::vector<std::string>& names = m_document.Cards().GroupNames();
    if (names.empty()) return std::nullopt;
    return names.front();
}

std::vector<std::string> CMainWindowTourHost::Selection() const {
    return m_mainView.Commands().Selection();
}

void CMainWindowTourHost::SetSelection(const std::vector<std::string>& groups) {
    m_mainView.Commands().SetSelection(groups);
    m_mainView.Refresh();
}

void CMainWindowTourHost::ShowMainView() {
    m_views.ShowMainView();
}

void CMainWindowTourHost::OpenWordGroupView(const std::string& group) {
    m_openGroup(group);
}

void CMainWindowTourHost::StartFlash() {
    m_practice.StartFlash();
}

void CMainWindowTourHost::StartDraw() {
    m_practice.StartDraw();
}

void CMainWindowTourHost::StartKanaReading() {
    m_practice.StartKanaReading(CKanaQuiz::kHiragana);
}

void CMainWindowTourHost::StartKanaDrawing() {
    m_practice.StartKanaDrawing(CKanaQuiz::kHiragana);
}

void CMainWindowTourHost::ShowKanaTable() {
    m_practice.ShowKanaTable(CKanaQuiz::kHiragana);
}

}  // namespace brushly
