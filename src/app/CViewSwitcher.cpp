#include "app/CViewSwitcher.h"

#include <QLabel>

namespace brushly {

CViewSwitcher::CViewSwitcher(QWidget* parent) : QStackedWidget(parent) {
    auto* placeholder = new QLabel(QStringLiteral("Brushly"), this);
    placeholder->setObjectName(QStringLiteral("mainViewPlaceholder"));
    placeholder->setAlignment(Qt::AlignCenter);
    addWidget(placeholder);
}

void CViewSwitcher::SetMainView(QWidget* view) {
    const bool shown = MainViewShown();
    QWidget* previous = widget(kMainViewPage);
    insertWidget(kMainViewPage, view);
    removeWidget(previous);
    delete previous;
    if (shown) setCurrentIndex(kMainViewPage);
}

void CViewSwitcher::ShowMainView() {
    setCurrentIndex(kMainViewPage);
}

}  // namespace brushly
