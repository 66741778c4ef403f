#include <signal.h>

#include <QApplication>
#include <QStringList>
#include <memory>

#include "app/AppSettings.h"
#include "app/CBrushlyApplication.h"
#include "app/CBrushlyQtApplication.h"
#include "app/CFontDialogsQt.h"
#include "app/CHelpWindow.h"
#include "app/CJapaneseFonts.h"
#include "app/CLoadingDialog.h"
#include "app/CMainView.h"
#include "app/CMainWindow.h"
#include "app/QtFontList.h"
#include "document/CBrushly2Doc.h"
#include "platform/CQSettingsStore.h"
#include "platform/CQtPrompter.h"

// Starts Brushly: loads the databases behind the loading dialog, makes the Japanese font
// decisions, then shows the main window with a new document or the document named on the
// command line. Exits with -1 when the kanji database cannot be loaded.
int main(int argc, char* argv[]) {
    // A save past the file-size limit then fails with EFBIG and is reported, instead of
    // killing the program with its temporary file left behind.
    signal(SIGXFSZ, SIG_IGN);
    brushly::CBrushlyQtApplication qtApplication(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brushly"));

    brushly::CQSettingsStore settings;
    brushly::CQtPrompter prompter;
    const std::vector<brushly::CInstalledFace> installedFaces = brushly::InstalledFaces();
    const std::string latinFace = brushly::CJapaneseFonts::ChooseLatinFace(installedFaces);
    brushly::CBrushlyApplication application(
        settings, prompter,
        [&latinFace](const brushly::CBrushlyApplication::LoadingWork& work) {
            return brushly::CLoadingDialog::RunInFace(work, latinFace);
        },
        brushly::settings::DefaultDataDirectory());
    qtApplication.SetFailureHandler([&application](const std::string& description) {
        application.RecoverFromFailure(description);
    });

    // The font dialogs open before the main window exists, so their help has its own window.
    brushly::CHelpWindow fontHelp;
    std::unique_ptr<brushly::CQtFontDialogs> fontDialogs;
    std::unique_ptr<brushly::CJapaneseFonts> fonts;
    application.SetJapaneseFontHook([&](brushly::CBrushly2Doc& document) {
        fontDialogs = std::make_unique<brushly::CQtFontDialogs>(nullptr, document.KanjiLibrary(),
                                                                [&fontHelp](int topic) {
                                                                    fontHelp.ShowTopic(topic);
                                                                    fontHelp.show();
                                                                });
        fonts = std::make_unique<brushly::CJapaneseFonts>(installedFaces, settings, *fontDialogs);
        fonts->ChooseAtStartup();
    });

    const QStringList arguments = QApplication::arguments();
    const std::string documentPath =
        arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();
    if (const int exitCode = application.Start(documentPath); exitCode != 0) return exitCode;

    brushly::CMainWindow window(application);
    prompter.SetParent(&window);
    window.SetLatinFace(latinFace);
    if (fonts) {
        window.SetJapaneseTextStyle(fonts->TextStyle(application.Document().KanjiLibrary()));
    }
    window.SetFontCommands([&fonts] { fonts->ChooseFaceAgain(); },
                           [&fonts] { fonts->AdjustThresholdAgain(); });
    window.showMaximized();
    const int exitCode = QApplication::exec();
    settings.Sync();
    return exitCode;
}
