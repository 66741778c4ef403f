#include <QApplication>

#include "app/CMainWindow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brushly"));
    brushly::CMainWindow window;
    window.show();
    return QApplication::exec();
}
