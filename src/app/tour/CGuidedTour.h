#pragma once

#include <string>

#include "app/tour/CGuidedTourHost.h"

namespace brushly {

// The page logic of the guided tour: the current page (always 1 to kPageCount), the view
// each page needs and how the host is brought to it, the pages skipped while the document
// has no Word Group, the states of BACK and NEXT and the window titles. The host must
// outlive the tour.
class CGuidedTour final {
public:
    static constexpr int kPageCount = 32;
    // Below this client width the window takes the short title.
    static constexpr int kLongTitleWidth = 251;
    // The pages of the views that drill or list a Word Group's cards.
    struct CPageRange {
        int first;
        int last;
        constexpr bool Contains(int page) const { return page >= first && page <= last; }
    };
    static constexpr CPageRange kWordGroupPages{10, 12};
    static constexpr CPageRange kFlashPages{14, 17};
    static constexpr CPageRange kDrawPages{19, 24};

    explicit CGuidedTour(CGuidedTourHost& host);

    int Page() const { return m_page; }
    // Shows the page (clamped to 1..kPageCount) and brings its view. Without a Word Group a
    // page of the Word Group, Flash or Draw pages gives way to the page after them, or, with
    // backwards set, to the page before them.
    void GoTo(int page, bool backwards = false);
    // Brings the current page's view again (the user may have left it).
    void ShowPage() { GoTo(m_page); }
    void Next() { GoTo(m_page + 1); }
    void Back() { GoTo(m_page - 1, true); }

    bool BackEnabled() const { return m_page > 1; }
    bool IsLastPage() const { return m_page == kPageCount; }
    // "NEXT", or "FINISH" on the last page (which ends the tour).
    const char* NextText() const { return IsLastPage() ? "FINISH" : "NEXT"; }
    // The window title for a client area of that width in pixels.
    std::string Title(int clientWidth) const;

    // The user showed a view: the kanji Draw View takes the tour to its first page unless it
    // is already on one of them.
    void ViewEntered(TourView view);

    static TourView RequiredView(int page);
    // The pages just before the Word Group, Flash and Draw pages, which tell that the tour
    // goes on there only with a Word Group.
    static bool HasWordGroupNote(int page);

private:
    void BringView(TourView view);
    // Selects the first Word Group when none is selected; false without any Word Group.
    bool EnsureSelection();

    CGuidedTourHost& m_host;
    int m_page = 1;
};

}  // namespace brushly
