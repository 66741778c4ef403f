// Start-up to a usable main window on the generated data, without the loading dialog's fixed
// pauses: loading the kanji database and the word dictionaries, the first document with its
// sample Word Groups, the font enumeration, and the main window built and shown.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>

#include "app/CBrushlyApplication.h"
#include "app/CMainWindow.h"
#include "app/QtFontList.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/RealData.h"

namespace brushly {
namespace {

void BM_StartToMainWindow(benchmark::State& state) {
    if (!std::filesystem::exists(testing::RealDataDirectory() / "MasterDB.kdb")) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    int argc = 1;
    char name[] = "startup_bench";
    char* argv[] = {name, nullptr};
    QApplication qt(argc, argv);
    for (auto _ : state) {
        CMemorySettingsStore settings;
        CScriptedPrompter prompter;
        // A first start without EDICT-built libraries is offered the import: decline it, as
        // a start after the import loads them instead.
        prompter.ScriptAnswers({false});
        CSilentStartupDisplay display;
        CBrushlyApplication application(
            settings, prompter,
            [&display](const CBrushlyApplication::LoadingWork& work) { return work(display); },
            testing::RealDataDirectory().string());
        benchmark::DoNotOptimize(InstalledFaces());
        if (application.Start("") != 0) {
            state.SkipWithError("start-up failed");
            return;
        }
        CMainWindow window(application);
        window.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace brushly
