#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "CStreamPrompter.h"
#include "Commands.h"
#include "ToolData.h"
#include "handwriting/CStrokeCanvas.h"
#include "handwriting/CharacterImage.h"
#include "platform/CQtCanvas.h"
#include "platform/ShiftJis.h"

// brushly-tool render and sheet: kanji drawn from their database strokes, as PNG files.
namespace brushly::tool {

namespace {

constexpr COptionSpec kRenderOptions[] = {
    kDataOption, {"--out", true}, {"--style", true}, {"--size", true}};
constexpr COptionSpec kSheetOptions[] = {
    kDataOption, {"--out", true}, {"--style", true}, {"--first", true}, {"--size", true}};

constexpr CColor kWhite{255, 255, 255};
constexpr int kSheetColumns = 10;
constexpr int kSheetGap = 8;

// Fonts and the raster painter need a GUI application object; without a display the
// off-screen platform serves.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    static int argc = 1;
    static char name[] = "brushly-tool";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

CStrokeCanvas::Style ParseStyle(const CCommandLine& line) {
    const std::string style = line.Value("--style").value_or("brush");
    if (style == "brush") return CStrokeCanvas::Style::Brush;
    if (style == "simple") return CStrokeCanvas::Style::Simple;
    throw CUsageError("--style must be brush or simple, not '" + style + "'");
}

std::string OutputPath(const CCommandLine& line) {
    const auto path = line.Value("--out");
    if (!path || path->empty()) throw CUsageError("missing --out FILE.png");
    return *path;
}

// The character's strokes drawn into the square of the target: the brush style as the
// program's character images, the simple style from the strokes joined for it.
void DrawCharacter(CCanvas& target, const CKanjiData& record, CRect square,
                   CStrokeCanvas::Style style) {
    if (style == CStrokeCanvas::Style::Brush) {
        DrawCharacterImage(target, &record, square, kRoleUser, 0, kWhite);
        return;
    }
    const auto picture = target.CreateImage(kCharacterImageWidth, kCharacterImageHeight);
    CStrokeCanvas canvas(*picture);
    canvas.SetStyle(style);
    CKanjiStrokes joined = record.strokes;
    joined.JoinForRaw();
    canvas.DrawStrokesSimple(joined, kRoleUser);
    target.CopyFrom(*picture, kCharacterSquare, square,
                    square.Width() > kLargestHalftoneSide ? CStretchMode::BlackOnWhite
                                                          : CStretchMode::Halftone);
}

int Save(const CQtCanvas& canvas, const std::string& path, std::ostream& err) {
    if (canvas.SavePng(path)) return 0;
    err << "brushly-tool: cannot write " << path << "\n";
    return 1;
}

int RunRender(const CCommandLine& line, std::ostream&, std::ostream& err) {
    const std::string& character = line.OnePositional("CHAR");
    const std::string path = OutputPath(line);
    const CStrokeCanvas::Style style = ParseStyle(line);
    const int size = line.Number("--size", 200, 8, 4000);
    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;
    const CKanjiRef kanji = FindKanji(*library, character, "render", err);
    if (!kanji) return 1;
    const auto application = EnsureGuiApplication();
    CQtCanvas canvas(size, size);
    DrawCharacter(canvas, *kanji.record, {0, 0, size, size}, style);
    return Save(canvas, path, err);
}

// The first jouyou kanji by grade (1 to 6, then the secondary-school 8), each grade in the
// database's visiting order.
std::vector<const CKanjiData*> JouyouKanji(const CKanjiLibrary& library, int count) {
    std::vector<const CKanjiData*> kanji;
    for (int grade : {1, 2, 3, 4, 5, 6, 8}) {
        std::vector<CKanjiRef> matches;
        library.SelectByKey(kKeyGrade, grade, grade, &matches);
        for (const CKanjiRef& match : matches) {
            if (static_cast<int>(kanji.size()) == count) return kanji;
            kanji.push_back(match.record);
        }
    }
    return kanji;
}

int RunSheet(const CCommandLine& line, std::ostream& out, std::ostream& err) {
    line.NoPositionals();
    const std::string path = OutputPath(line);
    const CStrokeCanvas::Style style = ParseStyle(line);
    const int count = line.Number("--first", 100, 1, 2136);
    const int side = line.Number("--size", 80, 16, 400);
    CStreamPrompter prompter(err);
    const auto library = LoadKanjiLibrary(DataDirectory(line), prompter);
    if (!library) return 1;
    const std::vector<const CKanjiData*> kanji = JouyouKanji(*library, count);

    const auto application = EnsureGuiApplication();
    const int cellWidth = 2 * side + 3 * kSheetGap;
    const int cellHeight = side + 2 * kSheetGap;
    const int rows = (static_cast<int>(kanji.size()) + kSheetColumns - 1) / kSheetColumns;
    CQtCanvas sheet(kSheetColumns * cellWidth, std::max(1, rows) * cellHeight);
    const CFont font{"", side * 9 / 10, 400};
    for (std::size_t i = 0; i < kanji.size(); ++i) {
        const int left = static_cast<int>(i % kSheetColumns) * cellWidth + kSheetGap;
        const int top = static_cast<int>(i / kSheetColumns) * cellHeight + kSheetGap;
        DrawCharacter(sheet, *kanji[i], {left, top, left + side, top + side}, style);
        sheet.DrawText(sjis::ToUtf16(kanji[i]->character), font,
                       {left + side + kSheetGap + side / 20, top + side / 20});
    }
    out << "Drew " << kanji.size() << " kanji into " << path << "\n";
    return Save(sheet, path, err);
}

}  // namespace

constexpr CToolCommand kRenderCommand{
    "render", "draw a kanji from its database strokes into a PNG file",
    "Usage: brushly-tool render CHAR --out FILE.png [--style brush|simple] [--size N]\n"
    "                          [--data DIR]\n"
    "\n"
    "Draws CHAR from its kanji database strokes, as the program's character images do,\n"
    "into an N x N PNG image.\n"
    "\n"
    "Options:\n"
    "  --out FILE.png  the image to write\n"
    "  --style STYLE   brush (the default) or simple\n"
    "  --size N        side of the image in pixels, 8 to 4000 (default 200)\n"
    "  --data DIR      folder with MasterDB.kdb (default: the data folder)\n",
    kRenderOptions, &RunRender};

constexpr CToolCommand kSheetCommand{
    "sheet", "draw a contact sheet of the first jouyou kanji into a PNG file",
    "Usage: brushly-tool sheet --first N --out FILE.png [--style brush|simple] [--size N]\n"
    "                         [--data DIR]\n"
    "\n"
    "Draws the first N jouyou kanji by school grade from their database strokes, ten to a\n"
    "row, each with the same character in the installed Japanese font beside it.\n"
    "\n"
    "Options:\n"
    "  --first N       how many kanji, 1 to 2136 (default 100)\n"
    "  --out FILE.png  the image to write\n"
    "  --style STYLE   brush (the default) or simple\n"
    "  --size N        side of each character in pixels, 16 to 400 (default 80)\n"
    "  --data DIR      folder with MasterDB.kdb (default: the data folder)\n",
    kSheetOptions, &RunSheet};

}  // namespace brushly::tool
