#include "handwriting/JapaneseText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "handwriting/CKanaDrawBox.h"
#include "handwriting/CStrokeCanvas.h"
#include "handwriting/CharacterImage.h"
#include "handwriting/KanaComparison.h"
#include "handwriting/ShapeSupport.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

constexpr CColor kWhite{255, 255, 255};
constexpr CColor kMarkerColor{255, 0, 0};
constexpr int kFontWeight = 400;
constexpr std::string_view kLongMark = "\x81\x5B";          // ー
constexpr std::string_view kVerticalLongMark = "\xFA\x68";  // 丨
constexpr std::array<std::string_view, 13> kSmallKana{
    "\x82\xE1", "\x82\xE3", "\x82\xE5", "\x82\xC1", "\x83\x83", "\x83\x85", "\x83\x87",
    "\x83\x62", "\x83\x40", "\x83\x42", "\x83\x44", "\x83\x46", "\x83\x48"};
// Two-byte characters from this lead byte on are kanji.
constexpr unsigned char kFirstKanjiLead = 0x88;
// The side of the draw area kana strokes are stored in.
constexpr int kKanaFrameSide = 200;
// Kana pens are the side divided by these, at least 1 pixel.
constexpr int kKanaPenDivisor = 12;
constexpr int kCrudeKanaPenDivisor = 24;

CFont TextFont(std::string face, int size) {
    return CFont{std::move(face), size, kFontWeight};
}

int KanaPenWidth(int side, int threshold) {
    return std::max(1, side / (side >= threshold ? kKanaPenDivisor : kCrudeKanaPenDivisor));
}

CPoint FromKanaFrame(CPoint point, CRect square) {
    return {square.left + point.x * square.Width() / kKanaFrameSide,
            square.top + point.y * square.Height() / kKanaFrameSide};
}

// The kana record of a character, if it is a kana the library holds.
const CKanaData* KanaRecord(const CKanjiLibrary& library, std::string_view character) {
    if (const CKanaData* hiragana = library.FindHiraganaByKana(character)) return hiragana;
    return library.FindKatakanaByKana(character);
}

void DrawKana(CCanvas& canvas, const CKanaData& kana, CRect square, int threshold) {
    canvas.FillRect(square, kWhite);
    const CScopedSelection selection(
        canvas, CPen{RoleColor(kRoleUser).value_or(CColor{}),
                     KanaPenWidth(square.Width(), threshold), CPenStyle::Solid});
    for (const CPolyline& stroke : KanaReference(kana)) {
        std::vector<CPoint> points = PrimaryForm(stroke);
        if (points.empty()) continue;
        for (CPoint& point : points)
            point = FromKanaFrame(point, square);
        canvas.Polyline(points);
    }
}

void DrawLongMark(CCanvas& canvas, bool vertical, CRect square, int threshold) {
    const CScopedSelection selection(
        canvas, CPen{RoleColor(kRoleUser).value_or(CColor{}),
                     KanaPenWidth(square.Width(), threshold), CPenStyle::Solid});
    const int middleX = square.left + square.Width() / 2;
    const int middleY = square.top + square.Height() / 2;
    if (vertical)
        canvas.Line({middleX, square.top}, {middleX, square.bottom});
    else
        canvas.Line({square.left, middleY}, {square.right, middleY});
}

// One character of built-in text in a square of side size at topLeft.
void DrawBuiltInCharacter(CCanvas& canvas, const CJapaneseTextStyle& style,
                          std::string_view character, int size, CPoint topLeft) {
    const CRect square{topLeft.x, topLeft.y, topLeft.x + size, topLeft.y + size};
    if (character == kLongMark || character == kVerticalLongMark) {
        DrawLongMark(canvas, character == kVerticalLongMark, square, style.threshold);
        return;
    }
    if (style.library) {
        if (const CKanaData* kana = KanaRecord(*style.library, character)) {
            DrawKana(canvas, *kana, square, style.threshold);
            return;
        }
    }
    if (character.size() == 2 && static_cast<unsigned char>(character[0]) >= kFirstKanjiLead) {
        const CKanjiData* record =
            style.library ? style.library->FindByCharacter(character).record : nullptr;
        DrawCharacterImage(canvas, record, square, kRoleUser, style.threshold, kWhite);
        return;
    }
    canvas.DrawText(sjis::ToUtf16(character), TextFont("", size), topLeft);
}

void DrawCharacter(CCanvas& canvas, const CJapaneseTextStyle& style, std::string_view character,
                   int size, CPoint topLeft) {
    if (style.mode == CJapaneseFontMode::kBuiltIn)
        DrawBuiltInCharacter(canvas, style, character, size, topLeft);
    else
        canvas.DrawText(sjis::ToUtf16(character), TextFont(style.face, size), topLeft);
}

void DrawHorizontal(CCanvas& canvas, const CJapaneseTextStyle& style, std::string_view text,
                    int size, CPoint topLeft) {
    if (style.mode != CJapaneseFontMode::kBuiltIn) {
        canvas.DrawText(sjis::ToUtf16(text), TextFont(style.face, size), topLeft);
        return;
    }
    int x = topLeft.x;
    for (std::string_view character : sjis::Characters(text)) {
        DrawBuiltInCharacter(canvas, style, character, size, {x, topLeft.y});
        x += character.size() == 2 ? size : size / 2;
    }
}

void DrawVertical(CCanvas& canvas, const CJapaneseTextStyle& style, std::string_view text, int size,
                  CPoint topLeft) {
    const int smallKanaShift = static_cast<int>(0.2 * size);
    int y = topLeft.y;
    bool first = true;
    for (std::string_view character : sjis::Characters(text)) {
        if (!first && character == kLongMark) character = kVerticalLongMark;
        const int x = topLeft.x + (IsSmallKana(character) ? smallKanaShift : 0);
        DrawCharacter(canvas, style, character, size, {x, y});
        y += size;
        first = false;
    }
}

void DrawBox(CCanvas& canvas, std::size_t bytes, int size, CPoint topLeft) {
    const int width = static_cast<int>(static_cast<double>(bytes) * size / 2.0 + size / 6);
    const int height = static_cast<int>(std::ceil(1.125 * size));
    const CBrush previous = canvas.SetBrush(CBrush{kWhite});
    const std::array<CPoint, 4> corners{{{topLeft.x, topLeft.y},
                                         {topLeft.x + width, topLeft.y},
                                         {topLeft.x + width, topLeft.y + height},
                                         {topLeft.x, topLeft.y + height}}};
    canvas.Polygon(corners);
    canvas.SetBrush(previous);
}

void DrawMarker(CCanvas& canvas, int marker, bool vertical, int size, CPoint topLeft) {
    const CScopedSelection selection(canvas, CPen{kMarkerColor, 1, CPenStyle::Solid});
    if (vertical) {
        const int y = topLeft.y + marker * size;
        canvas.Line({topLeft.x, y}, {topLeft.x + size, y});
    } else {
        const int y = topLeft.y + size;
        canvas.Line({topLeft.x + (marker - 1) * size, y}, {topLeft.x + marker * size, y});
    }
}

}  // namespace

bool IsSmallKana(std::string_view character) {
    return std::find(kSmallKana.begin(), kSmallKana.end(), character) != kSmallKana.end();
}

void DrawJapaneseText(CCanvas& canvas, const CJapaneseTextStyle& style, std::string_view text,
                      int size, CPoint origin, const CJapaneseTextLayout& layout) {
    if (layout.boxed) {
        DrawBox(canvas, text.size(), size, origin);
        DrawHorizontal(canvas, style, text, size, {origin.x + size / 12, origin.y + size / 12});
    } else if (layout.vertical) {
        DrawVertical(canvas, style, text, size, origin);
    } else {
        DrawHorizontal(canvas, style, text, size, origin);
    }
    if (layout.marker > 0) DrawMarker(canvas, layout.marker, layout.vertical, size, origin);
}

}  // namespace brushly
