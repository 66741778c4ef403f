// Lays out the program's main window, then its Draw View, at the screen scale the environment
// sets (QT_SCALE_FACTOR), and writes into the folder given: layout.txt, with the window's
// device pixel ratio, the size of each grabbed picture in device pixels and the place of
// every visible named widget in logical pixels; main.png and draw.png, the pictures.
// A program of its own because the scale is read once, when the Qt application starts.
#include <QAction>
#include <QApplication>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "app/CApplicationUnderTest.h"
#include "app/CMainView.h"
#include "app/CMainWindow.h"
#include "app/CPracticeViews.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "platform/ScreenPixmap.h"
#include "practice/CDrawView.h"

namespace {

void Describe(QWidget& window, const char* name, const std::filesystem::path& folder,
              std::ostream& layout) {
    const QImage picture = window.grab().toImage();
    picture.save(QString::fromStdString((folder / (std::string(name) + ".png")).string()));
    layout << name << " picture " << picture.width() << 'x' << picture.height() << '\n';
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->objectName().isEmpty()) continue;
        const QRect place(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        layout << name << ' ' << widget->objectName().toStdString() << ' ' << place.x() << ','
               << place.y() << ' ' << place.width() << 'x' << place.height() << '\n';
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    const std::filesystem::path folder = argv[1];
    QApplication qt(argc, argv);
    brushly::testing::CApplicationUnderTest underTest;
    underTest.m_settings.WriteInt("practice", 1);  // no draw box practice before the Draw View
    if (underTest.m_application.Start("") != 0 || !underTest.AddNumbersGroup()) return 3;

    brushly::CMainWindow window(underTest.m_application);
    window.resize(1000, 700);
    window.show();
    QApplication::processEvents();
    std::ofstream layout(folder / "layout.txt");
    layout << "ratio " << window.devicePixelRatioF() << '\n';
    layout << "icon ratio " << brushly::TransparentPixmap(16, 16).devicePixelRatio() << '\n';
    Describe(window, "main", folder, layout);

    window.MainView().Refresh();
    window.MainView().Commands().SetSelection({"Numbers"});
    window.findChild<QAction*>(QStringLiteral("drawAction"))->trigger();
    QApplication::processEvents();
    const brushly::CDrawView* draw = window.Practice().Draw();
    if (!draw) return 4;
    const auto* box = draw->findChild<brushly::CKanjiDrawBoxWidget*>();
    if (!box) return 5;
    layout << "draw box picture ratio " << box->Picture().PixelRatio() << '\n';
    Describe(window, "draw", folder, layout);
    return layout ? 0 : 6;
}
