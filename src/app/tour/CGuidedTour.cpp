#include "app/tour/CGuidedTour.h"

#include <algorithm>

namespace brushly {

CGuidedTour::CGuidedTour(CGuidedTourHost& host) : m_host(host) {}

TourView CGuidedTour::RequiredView(int page) {
    if (page <= 2) return TourView::kAny;
    if (kWordGroupPages.Contains(page)) return TourView::kWordGroupView;
    if (kFlashPages.Contains(page)) return TourView::kFlashView;
    if (kDrawPages.Contains(page)) return TourView::kDrawView;
    switch (page) {
        case 26:
            return TourView::kKanaFlashView;
        case 28:
            return TourView::kKanaDrawView;
        case 30:
        case 31:
            return TourView::kKanaTableView;
        default:
            return TourView::kMainView;
    }
}

bool CGuidedTour::HasWordGroupNote(int page) {
    return page + 1 == kWordGroupPages.first || page + 1 == kFlashPages.first ||
           page + 1 == kDrawPages.first;
}

void CGuidedTour::GoTo(int page, bool backwards) {
    m_page = std::clamp(page, 1, kPageCount);
    if (!m_host.FirstGroup()) {
        for (const CPageRange& range : {kWordGroupPages, kFlashPages, kDrawPages}) {
            if (range.Contains(m_page)) m_page = backwards ? range.first - 1 : range.last + 1;
        }
    }
    BringView(RequiredView(m_page));
}

void CGuidedTour::BringView(TourView view) {
    if (view == TourView::kAny || m_host.ActiveView() == view) return;
    switch (view) {
        case TourView::kWordGroupView:
            if (EnsureSelection()) m_host.OpenWordGroupView(m_host.Selection().front());
            break;
        case TourView::kFlashView:
            if (EnsureSelection()) m_host.StartFlash();
            break;
        case TourView::kDrawView:
            if (EnsureSelection()) m_host.StartDraw();
            break;
        case TourView::kKanaFlashView:
            m_host.StartKanaReading();
            break;
        case TourView::kKanaDrawView:
            m_host.StartKanaDrawing();
            break;
        case TourView::kKanaTableView:
            m_host.ShowKanaTable();
            break;
        default:
            m_host.ShowMainView();
            break;
    }
}

bool CGuidedTour::EnsureSelection() {
    if (!m_host.Selection().empty()) return true;
    const std::optional<std::string> first = m_host.FirstGroup();
    if (!first) return false;
    m_host.SetSelection({*first});
    return !m_host.Selection().empty();
}

std::string CGuidedTour::Title(int clientWidth) const {
    const std::string page = std::to_string(m_page);
    const std::string count = std::to_string(kPageCount);
    std::string title;
    if (clientWidth < kLongTitleWidth) {
        title += "(";
        title += page;
        title += "/";
        title += count;
        title += ") - Guided Tour";
    } else {
        title += "Brushly Guided Tour: Page ";
        title += page;
        title += " of ";
        title += count;
    }
    return title;
}

void CGuidedTour::ViewEntered(TourView view) {
    if (view == TourView::kDrawView && !kDrawPages.Contains(m_page)) m_page = kDrawPages.first;
}

}  // namespace brushly
