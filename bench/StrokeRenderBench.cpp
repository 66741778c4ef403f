// Rendering one kanji in the brush style at 200 pixels: the strokes of 食 from the
// generated database (or a stand-in of the same size without it) into a QImage.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "handwriting/CStrokeCanvas.h"
#include "handwriting/CharacterImage.h"
#include "platform/CQtCanvas.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "reference/CKanjiLibrary.h"

namespace brushly {
namespace {

CKanjiData LoadEat() {
    const std::filesystem::path file =
        std::filesystem::path(BRUSHLY_DEFAULT_DATA_DIR) / "MasterDB.kdb";
    CScriptedPrompter prompter;
    CKanjiLibrary library;
    if (std::filesystem::exists(file) && library.Load(file.string(), prompter)) {
        if (const CKanjiRef eat = library.FindByCharacter(sjis::FromUtf8("食"))) return *eat.record;
    }
    CKanjiData standIn;
    for (int i = 0; i < 12; ++i) {
        CStrokeData segment;
        segment.start = {30 + i * 9, 20 + i * 6};
        segment.end = {60 + i * 7, 150 - i * 5};
        segment.type = (i * 7) % 30;
        segment.newStroke = i % 2 == 0;
        standIn.strokes.Append(segment);
    }
    return standIn;
}

void BM_DrawKanjiBrushStyle(benchmark::State& state) {
    const CKanjiData eat = LoadEat();
    CQtCanvas picture(200, 200);
    CStrokeCanvas canvas(picture);
    for (auto _ : state) {
        picture.FillRect({0, 0, 200, 200}, {255, 255, 255});
        canvas.DrawStrokes(eat.strokes, kRoleUser);
    }
}
BENCHMARK(BM_DrawKanjiBrushStyle)->Unit(benchmark::kMicrosecond);

void BM_CharacterImage200(benchmark::State& state) {
    const CKanjiData eat = LoadEat();
    CQtCanvas target(200, 200);
    for (auto _ : state)
        DrawCharacterImage(target, &eat, {0, 0, 200, 200}, kRoleUser, 0, {});
}
BENCHMARK(BM_CharacterImage200)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brushly
