// The kanji search dialog over the generated kanji database: opening it on saved results (the
// dialog built, the state restored, the page listed and painted), and a handwriting search
// from its draw box up to the repainted list.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QPushButton>
#include <memory>
#include <optional>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "handwriting/KanaComparison.h"
#include "lookup/qt/CKanjiSearchDialog.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/PenStrokes.h"
#include "support/QtTestApplication.h"
#include "support/RealData.h"

namespace brushly {
namespace {

// A document over the generated database, or nothing when there is none.
struct CBenchDocument {
    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    std::optional<CBrushly2Doc> document;

    bool Load() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        testing::EnsureQtApplication();
        auto library = std::make_unique<CKanjiLibrary>();
        if (!library->Load((testing::RealDataDirectory() / "MasterDB.kdb").string(), prompter))
            return false;
        document.emplace(settings, prompter, 77);
        document->SetKanjiLibrary(std::move(library));
        document->NewDocument();
        return true;
    }
};

void BM_OpenWithSavedResults(benchmark::State& state) {
    CBenchDocument bench;
    if (!bench.Load()) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    CBrushly2Doc& document = *bench.document;
    {
        // A search of many pages, left on its third page with a kanji selected.
        CKanjiSearch search(*document.KanjiLibrary(), document.KanjiSearch(), bench.prompter);
        document.KanjiSearch().reading = "sei";
        search.SearchText();
        search.NextPage();
        search.NextPage();
        search.SelectRow(4);
    }
    const CJapaneseTextStyle style;
    for (auto _ : state) {
        CKanjiSearchDialog dialog(document, bench.prompter, style, CKanjiSearchRequest{});
        dialog.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(dialog.isVisible());
    }
    state.counters["results"] = static_cast<double>(document.KanjiSearch().results.size());
}
BENCHMARK(BM_OpenWithSavedResults)->Unit(benchmark::kMillisecond);

void BM_HandwritingSearchFromTheDialog(benchmark::State& state) {
    CBenchDocument bench;
    if (!bench.Load()) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    CBrushly2Doc& document = *bench.document;
    const CKanjiRef eat = document.KanjiLibrary()->FindByCharacter("\x90\x48");  // 食
    if (!eat) {
        state.SkipWithError("the kanji is not in the database");
        return;
    }
    CKanjiSearchDialog dialog(document, bench.prompter, CJapaneseTextStyle{},
                              CKanjiSearchRequest{});
    dialog.show();
    auto* box = dialog.findChild<CKanjiDrawBoxWidget*>(QStringLiteral("searchDrawBox"));
    auto* search = dialog.findChild<QPushButton*>(QStringLiteral("handwritingSearchButton"));
    // Timing only: the strokes are the database's own, drawn as a mouse would.
    const std::vector<std::vector<CPoint>> strokes = StrokesToPolylines(eat.record->strokes);
    box->Run([&](CKanjiDrawBox& engine) {
        for (const std::vector<CPoint>& stroke : strokes)
            testing::DrawPath(engine, std::span<const CPoint>(stroke));
    });
    QCoreApplication::processEvents();
    for (auto _ : state) {
        search->click();
        if (state.range(0) == 1) {
            dialog.repaint();
            QCoreApplication::processEvents();
        }
    }
    state.counters["results"] = static_cast<double>(document.KanjiSearch().results.size());
}
BENCHMARK(BM_HandwritingSearchFromTheDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
