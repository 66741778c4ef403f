// Japanese text on a canvas: with a font horizontally, vertically and boxed, the marker,
// and the built-in renderer when no Japanese font is installed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "handwriting/JapaneseText.h"
#include "platform/CRecordingCanvas.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

using Kind = CDrawCall::Kind;

constexpr CColor kWhite{255, 255, 255};
constexpr CColor kRed{255, 0, 0};
const std::string kIchi = "\x88\xEA";      // 一
const std::string kKo = "\x82\xB1";        // こ
const std::string kKa = "\x83\x4A";        // カ
const std::string kSmallTsu = "\x83\x62";  // ッ
const std::string kLongMark = "\x81\x5B";  // ー

CJapaneseTextStyle FontStyle() {
    return {CJapaneseFontMode::kOtherFace, "IPAMincho", 0, nullptr};
}

std::vector<CPoint> TextCorners(const CRecordingCanvas& canvas) {
    std::vector<CPoint> corners;
    for (const CDrawCall& call : canvas.CallsOf(Kind::Text))
        corners.push_back(call.points.at(0));
    return corners;
}

TEST(JapaneseText, HorizontalTextIsOneTransparentTextCall) {
    CRecordingCanvas canvas(300, 300);
    DrawJapaneseText(canvas, FontStyle(), kIchi + kKo, 30, {10, 20});
    ASSERT_EQ(canvas.Calls().size(), 1u);
    const CDrawCall& call = canvas.Calls()[0];
    EXPECT_EQ(call.kind, Kind::Text);
    EXPECT_EQ(call.text, u"\u4E00\u3053");
    EXPECT_EQ(call.font, (CFont{"IPAMincho", 30, 400}));
    EXPECT_EQ(call.points, (std::vector<CPoint>{{10, 20}}));
}

TEST(JapaneseText, VerticalShiftsSmallKanaAndTurnsTheLongMark) {
    CRecordingCanvas canvas(300, 300);
    DrawJapaneseText(canvas, FontStyle(), kLongMark + kKa + kSmallTsu + kLongMark, 30, {10, 20},
                     {.vertical = true});
    std::vector<std::u16string> texts;
    for (const CDrawCall& call : canvas.CallsOf(Kind::Text))
        texts.push_back(call.text);
    // A leading mark stays as it is.
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"\u30FC", u"\u30AB", u"\u30C3", u"\u4E28"}));
    EXPECT_EQ(TextCorners(canvas), (std::vector<CPoint>{{10, 20}, {10, 50}, {16, 80}, {10, 110}}));
}

TEST(JapaneseText, BoxedDrawsAWhiteBoxThenTheInsetText) {
    CRecordingCanvas canvas(300, 300);
    // 3 bytes at size 25: 37.5 + 4 wide, truncated to 41; ceil(28.125) = 29 high.
    DrawJapaneseText(canvas, FontStyle(), "a" + kIchi, 25, {10, 20}, {.boxed = true});
    ASSERT_EQ(canvas.Calls().size(), 2u);
    const CDrawCall& box = canvas.Calls()[0];
    EXPECT_EQ(box.kind, Kind::Polygon);
    EXPECT_EQ(box.points, (std::vector<CPoint>{{10, 20}, {51, 20}, {51, 49}, {10, 49}}));
    EXPECT_EQ(box.brush, (CBrush{kWhite}));
    EXPECT_EQ(TextCorners(canvas), (std::vector<CPoint>{{12, 22}}));
    EXPECT_EQ(canvas.Brush(), (CBrush{kWhite}));
}

TEST(JapaneseText, MarkerUnderlinesOrSeparates) {
    CRecordingCanvas horizontal(300, 300);
    DrawJapaneseText(horizontal, FontStyle(), kIchi + kKo + kKa, 30, {10, 20}, {.marker = 2});
    const std::vector<CDrawCall> underline = horizontal.CallsOf(Kind::Line);
    ASSERT_EQ(underline.size(), 1u);
    EXPECT_EQ(underline[0].points, (std::vector<CPoint>{{40, 50}, {70, 50}}));
    EXPECT_EQ(underline[0].pen, (CPen{kRed, 1, CPenStyle::Solid}));
    EXPECT_EQ(horizontal.Pen(), CPen{});

    CRecordingCanvas vertical(300, 300);
    DrawJapaneseText(vertical, FontStyle(), kIchi + kKo + kKa, 30, {10, 20},
                     {.vertical = true, .marker = 2});
    const std::vector<CDrawCall> line = vertical.CallsOf(Kind::Line);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].points, (std::vector<CPoint>{{10, 80}, {40, 80}}));
}

TEST(JapaneseText, BuiltInModeDrawsStrokesInsteadOfText) {
    const auto library = testing::MakeSmallKanjiLibrary();
    const CJapaneseTextStyle style{CJapaneseFontMode::kBuiltIn, "MS Mincho", 17, library.get()};
    CRecordingCanvas canvas(300, 300);
    DrawJapaneseText(canvas, style, kIchi + kKo + kLongMark, 40, {10, 20});
    EXPECT_TRUE(canvas.CallsOf(Kind::Text).empty());

    const std::vector<CDrawCall> copies = canvas.CallsOf(Kind::CopyFrom);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].rect, (CRect{10, 20, 50, 60}));

    // こ: two strokes of the 200-pixel frame scaled into the square beside 一.
    const std::vector<CDrawCall> kana = canvas.CallsOf(Kind::Polyline);
    ASSERT_EQ(kana.size(), 2u);
    EXPECT_EQ(kana[0].points, (std::vector<CPoint>{{60, 32}, {80, 32}}));
    EXPECT_EQ(kana[0].pen.width, 3);

    // ー: a level line across the third square.
    const std::vector<CDrawCall> lines = canvas.CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points, (std::vector<CPoint>{{90, 40}, {130, 40}}));
}

TEST(JapaneseText, BuiltInModeBelowTheThresholdDrawsCrudeLines) {
    const auto library = testing::MakeSmallKanjiLibrary();
    const CJapaneseTextStyle style{CJapaneseFontMode::kBuiltIn, "MS Mincho", 31, library.get()};
    CRecordingCanvas canvas(300, 300);
    DrawJapaneseText(canvas, style, kIchi + kLongMark, 24, {0, 0}, {.vertical = true});
    EXPECT_TRUE(canvas.CallsOf(Kind::CopyFrom).empty());
    EXPECT_TRUE(canvas.CallsOf(Kind::Text).empty());
    const std::vector<CDrawCall> lines = canvas.CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    // The vertical mark stands in the second square.
    EXPECT_EQ(lines[1].points, (std::vector<CPoint>{{12, 24}, {12, 48}}));
}

}  // namespace
}  // namespace brushly
