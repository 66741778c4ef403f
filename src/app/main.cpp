#include <QApplication>
#include <QStringList>

#include "app/AppSettings.h"
#include "app/CBrushlyApplication.h"
#include "app/CLoadingDialog.h"
#include "app/CMainWindow.h"
#include "platform/CQSettingsStore.h"
#include "platform/CQtPrompter.h"

// Starts Brushly: loads the databases behind the loading dialog, then shows the main window
// with a new document or the document named on the command line. Exits with -1 when the
// kanji database cannot be loaded.
int main(int argc, char* argv[]) {
    QApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brushly"));

    brushly::CQSettingsStore settings;
    brushly::CQtPrompter prompter;
    brushly::CBrushlyApplication application(settings, prompter, &brushly::CLoadingDialog::Run,
                                             brushly::settings::DefaultDataDirectory());
    const QStringList arguments = QApplication::arguments();
    const std::string documentPath =
        arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();
    if (const int exitCode = application.Start(documentPath); exitCode != 0) return exitCode;

    brushly::CMainWindow window(application);
    prompter.SetParent(&window);
    window.showMaximized();
    const int exitCode = QApplication::exec();
    settings.Sync();
    return exitCode;
}
