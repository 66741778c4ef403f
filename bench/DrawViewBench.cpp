// The Draw View over the generated kanji database: from the mouse release that ends the
// last stroke of a real kanji to the verdict redrawn on the screen (the check, the box's
// picture, the caption and the view's repaint).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "document/CBrushly2Doc.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "handwriting/KanaComparison.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "practice/CDrawView.h"
#include "support/QtTestApplication.h"
#include "support/RealData.h"

namespace brushly {
namespace {

constexpr const char* kKanji = "\x8e\x4f";  // 三
constexpr double kStep = 3.0;

void SendMouse(QWidget& widget, QEvent::Type type, CPoint point, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    const QPointF position(point.x, point.y + CDrawBoxFrame::kCaptionHeight);
    QMouseEvent event(type, position, widget.mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// Presses and moves along the stroke as a hand would, leaving the button down.
void Trace(QWidget& box, const std::vector<CPoint>& stroke) {
    SendMouse(box, QEvent::MouseButtonPress, stroke.front(), Qt::LeftButton, Qt::LeftButton);
    for (std::size_t i = 1; i < stroke.size(); ++i) {
        const CPoint from = stroke[i - 1];
        const CPoint to = stroke[i];
        const double length = std::hypot(to.x - from.x, to.y - from.y);
        for (double along = kStep; along < length; along += kStep) {
            const double t = along / length;
            const CPoint point{static_cast<int>(std::lround(from.x + (to.x - from.x) * t)),
                               static_cast<int>(std::lround(from.y + (to.y - from.y) * t))};
            SendMouse(box, QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton);
        }
        SendMouse(box, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    }
}

void Release(QWidget& box, CPoint point) {
    SendMouse(box, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
}

void BM_LastStrokeToRedrawnVerdict(benchmark::State& state) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::EnsureQtApplication();
    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    auto library = std::make_unique<CKanjiLibrary>();
    if (!library->Load((testing::RealDataDirectory() / "MasterDB.kdb").string(), prompter)) {
        state.SkipWithError("no generated kanji database");
        return;
    }
    const CKanjiRef ref = library->FindByCharacter(kKanji);
    if (ref.record == nullptr) {
        state.SkipWithError("the kanji is not in the database");
        return;
    }
    CBrushly2Doc document(settings, prompter, 4242);
    document.SetKanjiLibrary(std::move(library));
    document.NewDocument();
    document.Cards().AddGroup("Bench");
    auto card = std::make_unique<CKanjiCard>();
    card->groupName = "Bench";
    card->character = kKanji;
    card->dbGroup = ref.group;
    card->dbIndex = ref.index;
    document.Cards().AddCard(std::move(card));

    CDrawView view(document, CJapaneseTextStyle{});
    view.resize(900, 600);
    view.show();
    if (!view.Open(CDrawPractice::kKanjiMode, {"Bench"})) {
        state.SkipWithError("empty deck");
        return;
    }
    CKanjiDrawBoxWidget& box = view.KanjiBox();
    const std::vector<std::vector<CPoint>> strokes = StrokesToPolylines(ref.record->strokes);
    QCoreApplication::processEvents();

    for (auto _ : state) {
        box.Run([](CKanjiDrawBox& drawBox) { drawBox.EraseAll(); });
        for (std::size_t i = 0; i + 1 < strokes.size(); ++i) {
            Trace(box, strokes[i]);
            Release(box, strokes[i].back());
        }
        Trace(box, strokes.back());
        QCoreApplication::processEvents();

        const auto start = std::chrono::steady_clock::now();
        Release(box, strokes.back().back());
        view.repaint();
        QCoreApplication::processEvents();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    state.SetLabel(box.findChild<QLabel*>(QStringLiteral("captionBar"))->text().toStdString());
}
BENCHMARK(BM_LastStrokeToRedrawnVerdict)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brushly
