#include "app/CMainWindow.h"

#include <QAction>
#include <QMenuBar>

namespace brushly {

CMainWindow::CMainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Brushly"));
    resize(800, 600);
    QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* exitAction = fileMenu->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("exitAction"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
}

}  // namespace brushly
