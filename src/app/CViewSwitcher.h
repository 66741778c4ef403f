#pragma once

#include <QStackedWidget>

namespace brushly {

// The central widget of the main window: one page per view, of which one is shown. The first
// page is the main view; until one is set it is a placeholder page.
class CViewSwitcher final : public QStackedWidget {
public:
    explicit CViewSwitcher(QWidget* parent = nullptr);

    // Puts view in the main view's place (the switcher takes it over and deletes the page
    // it replaces) and shows it when the main view was showing.
    void SetMainView(QWidget* view);
    QWidget* MainView() const { return widget(kMainViewPage); }
    // Returns to the main view.
    void ShowMainView();
    bool MainViewShown() const { return currentIndex() == kMainViewPage; }

private:
    static constexpr int kMainViewPage = 0;
};

}  // namespace brushly
