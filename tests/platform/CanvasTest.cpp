// The canvases: the recording double the engine tests assert on, and the Qt canvas the
// program draws with, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/CQtCanvas.h"
#include "platform/CRecordingCanvas.h"
#include "support/CTempDirectory.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

constexpr CColor kBlack{0, 0, 0};
constexpr CColor kWhite{255, 255, 255};
constexpr CColor kRed{255, 0, 0};
constexpr CColor kGreen{0, 255, 0};
constexpr CColor kBlue{0, 0, 255};

using Kind = CDrawCall::Kind;

TEST(RecordingCanvas, StartsWithABlackPenAndAWhiteBrush) {
    CRecordingCanvas canvas(200, 100);
    EXPECT_EQ(canvas.Width(), 200);
    EXPECT_EQ(canvas.Height(), 100);
    EXPECT_EQ(canvas.Pen(), (CPen{kBlack, 1, CPenStyle::Solid}));
    EXPECT_EQ(canvas.Brush(), CBrush{kWhite});
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST(RecordingCanvas, RecordsEachCallWithThePenAndBrushSelectedThen) {
    CRecordingCanvas canvas(200, 100);
    const CPen redDots{kRed, 1, CPenStyle::Dot};
    EXPECT_EQ(canvas.SetPen(redDots), (CPen{kBlack, 1, CPenStyle::Solid}));
    canvas.Line({1, 2}, {3, 4});
    EXPECT_EQ(canvas.SetBrush(CBrush{}), CBrush{kWhite});
    canvas.Ellipse({10, 10, 20, 30});
    const CPen wideBlue{kBlue, 3, CPenStyle::Solid};
    EXPECT_EQ(canvas.SetPen(wideBlue), redDots);
    EXPECT_EQ(canvas.SetBrush(CBrush{kGreen}), CBrush{});
    const std::vector<CPoint> points{{0, 0}, {5, 0}, {5, 5}};
    canvas.Polyline(points);
    canvas.Polygon(points);
    canvas.Chord({0, 0, 40, 20}, {40, 0}, {0, 0});

    const CBrush white{kWhite};
    const CBrush green{kGreen};
    const CDrawCall line{
        .kind = Kind::Line, .points = {{1, 2}, {3, 4}}, .pen = redDots, .brush = white};
    const CDrawCall ellipse{.kind = Kind::Ellipse, .rect = {10, 10, 20, 30}, .pen = redDots};
    const CDrawCall polyline{
        .kind = Kind::Polyline, .points = points, .pen = wideBlue, .brush = green};
    const CDrawCall polygon{
        .kind = Kind::Polygon, .points = points, .pen = wideBlue, .brush = green};
    const CDrawCall chord{.kind = Kind::Chord,
                          .points = {{40, 0}, {0, 0}},
                          .rect = {0, 0, 40, 20},
                          .pen = wideBlue,
                          .brush = green};
    EXPECT_EQ(canvas.Calls(), (std::vector<CDrawCall>{line, ellipse, polyline, polygon, chord}));
}

TEST(RecordingCanvas, RecordsFillsAndText) {
    CRecordingCanvas canvas(200, 100);
    canvas.FillRect({0, 0, 200, 100}, kBlue);
    const CFont font{"IPAGothic", 24, 700};
    canvas.DrawText(u"漢字", font, {5, 6});

    ASSERT_EQ(canvas.Calls().size(), 2u);
    const CDrawCall& fill = canvas.Calls()[0];
    EXPECT_EQ(fill.kind, Kind::FillRect);
    EXPECT_EQ(fill.rect, (CRect{0, 0, 200, 100}));
    EXPECT_EQ(fill.color, kBlue);
    const CDrawCall& text = canvas.Calls()[1];
    EXPECT_EQ(text.kind, Kind::Text);
    EXPECT_EQ(text.text, u"漢字");
    EXPECT_EQ(text.font, font);
    EXPECT_EQ(text.points, (std::vector<CPoint>{{5, 6}}));
    EXPECT_EQ(text.pen, (CPen{kBlack, 1, CPenStyle::Solid}));
}

TEST(RecordingCanvas, CallsOfPicksOneKindAndClearKeepsTheSelection) {
    CRecordingCanvas canvas(50, 50);
    canvas.Line({0, 0}, {1, 1});
    canvas.FillRect({0, 0, 2, 2}, kRed);
    canvas.Line({2, 2}, {3, 3});
    const std::vector<CDrawCall> lines = canvas.CallsOf(Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].points, (std::vector<CPoint>{{2, 2}, {3, 3}}));
    EXPECT_TRUE(canvas.CallsOf(Kind::Text).empty());

    canvas.SetPen({kRed, 2, CPenStyle::Solid});
    canvas.Clear();
    EXPECT_TRUE(canvas.Calls().empty());
    EXPECT_EQ(canvas.Pen(), (CPen{kRed, 2, CPenStyle::Solid}));
}

TEST(RecordingCanvas, CopyFromRecordsTheSourceImageAndRectangles) {
    CRecordingCanvas window(200, 200);
    const std::unique_ptr<CCanvas> image = window.CreateImage(100, 50);
    const auto* recordedImage = dynamic_cast<const CRecordingCanvas*>(image.get());
    ASSERT_NE(recordedImage, nullptr);
    EXPECT_EQ(image->Width(), 100);
    EXPECT_EQ(image->Height(), 50);
    EXPECT_NE(recordedImage->Id(), window.Id());
    EXPECT_TRUE(recordedImage->Calls().empty());

    window.CopyFrom(*image, {0, 0, 100, 50}, {10, 10, 60, 35}, CStretchMode::Halftone);
    const std::vector<CDrawCall> copies = window.CallsOf(Kind::CopyFrom);
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].sourceId, recordedImage->Id());
    EXPECT_EQ(copies[0].sourceRect, (CRect{0, 0, 100, 50}));
    EXPECT_EQ(copies[0].rect, (CRect{10, 10, 60, 35}));
    EXPECT_EQ(copies[0].mode, CStretchMode::Halftone);
}

TEST(RecordingCanvas, CopyFromRejectsAnotherKindOfCanvas) {
    testing::EnsureQtApplication();
    CRecordingCanvas window(20, 20);
    const CQtCanvas other(10, 10);
    EXPECT_THROW(window.CopyFrom(other, {0, 0, 10, 10}, {0, 0, 10, 10}, CStretchMode::BlackOnWhite),
                 std::invalid_argument);
}

// The character standing for a pixel in a picture: '.' white, '#' black, 'r' red, 'g' green,
// 'b' blue, '?' any other colour.
char Symbol(QRgb pixel) {
    static const std::pair<QRgb, char> kSymbols[] = {{0xffffffff, '.'},
                                                     {0xff000000, '#'},
                                                     {0xffff0000, 'r'},
                                                     {0xff00ff00, 'g'},
                                                     {0xff0000ff, 'b'}};
    for (const auto& [rgb, symbol] : kSymbols)
        if (rgb == pixel) return symbol;
    return '?';
}

// The image as rows of characters, one a pixel.
std::vector<std::string> Picture(const QImage& image) {
    std::vector<std::string> rows;
    for (int y = 0; y < image.height(); ++y) {
        std::string row;
        for (int x = 0; x < image.width(); ++x)
            row += Symbol(image.pixel(x, y));
        rows.push_back(row);
    }
    return rows;
}

// The rectangle holding every pixel that is not white, as "left top right bottom" with right
// and bottom exclusive; "none" when the image is all white.
std::string InkBounds(const QImage& image) {
    int left = image.width(), top = image.height(), right = 0, bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == 0xffffffff) continue;
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x + 1);
            bottom = std::max(bottom, y + 1);
        }
    }
    if (right == 0) return "none";
    return std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(right) + " " +
           std::to_string(bottom);
}

// The picture turned upside down and left to right.
std::vector<std::string> Rotated(std::vector<std::string> rows) {
    std::reverse(rows.begin(), rows.end());
    for (std::string& row : rows)
        std::reverse(row.begin(), row.end());
    return rows;
}

class QtCanvas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::EnsureQtApplication(); }
};

TEST_F(QtCanvas, StartsWhiteWithABlackPenAndAWhiteBrush) {
    CQtCanvas canvas(7, 5);
    EXPECT_EQ(canvas.Width(), 7);
    EXPECT_EQ(canvas.Height(), 5);
    EXPECT_EQ(canvas.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(InkBounds(canvas.Image()), "none");
    EXPECT_EQ(canvas.SetPen({kRed, 2, CPenStyle::Solid}), (CPen{kBlack, 1, CPenStyle::Solid}));
    EXPECT_EQ(canvas.SetBrush(CBrush{}), CBrush{kWhite});
    EXPECT_EQ(canvas.SetPen({}), (CPen{kRed, 2, CPenStyle::Solid}));
}

TEST_F(QtCanvas, OnePixelLinesLeaveOutTheirLastPixel) {
    CQtCanvas canvas(10, 7);
    canvas.Line({1, 1}, {7, 1});
    const std::vector<CPoint> corner{{1, 3}, {8, 3}, {8, 6}};
    canvas.Polyline(corner);
    EXPECT_EQ(Picture(canvas.Image()), (std::vector<std::string>{
                                           "..........",
                                           ".######...",
                                           "..........",
                                           ".########.",
                                           "........#.",
                                           "........#.",
                                           "..........",
                                       }));
}

TEST_F(QtCanvas, DotPenDrawsThreePixelsOnThreeOff) {
    CQtCanvas canvas(20, 3);
    canvas.SetPen({kBlack, 1, CPenStyle::Dot});
    canvas.Line({0, 1}, {20, 1});
    EXPECT_EQ(Picture(canvas.Image())[1], "###...###...###...##");
}

TEST_F(QtCanvas, WidePensAreRoundAndSolid) {
    CQtCanvas canvas(20, 11);
    canvas.SetPen({kBlue, 5, CPenStyle::Dot});
    canvas.Line({5, 5}, {14, 5});
    const std::vector<std::string> picture = Picture(canvas.Image());
    EXPECT_EQ(picture[5], "...bbbbbbbbbbbbbb...");
    // The round ends leave the corners of the stroke's square extent white.
    EXPECT_EQ(picture[3][3], '.');
    EXPECT_EQ(picture[3][5], 'b');
    EXPECT_EQ(InkBounds(canvas.Image()), "3 3 17 8");
}

TEST_F(QtCanvas, PolygonFillsItsInsideAndOutlinesWithThePen) {
    CQtCanvas canvas(14, 11);
    canvas.SetPen({kBlue, 1, CPenStyle::Solid});
    canvas.SetBrush(CBrush{kRed});
    const std::vector<CPoint> square{{2, 2}, {11, 2}, {11, 8}, {2, 8}};
    canvas.Polygon(square);
    EXPECT_EQ(Picture(canvas.Image()), (std::vector<std::string>{
                                           "..............",
                                           "..............",
                                           "..bbbbbbbbbb..",
                                           "..brrrrrrrrb..",
                                           "..brrrrrrrrb..",
                                           "..brrrrrrrrb..",
                                           "..brrrrrrrrb..",
                                           "..brrrrrrrrb..",
                                           "..bbbbbbbbbb..",
                                           "..............",
                                           "..............",
                                       }));
}

TEST_F(QtCanvas, PolygonFillsByTheOddEvenRule) {
    CQtCanvas canvas(41, 41);
    canvas.SetBrush(CBrush{kRed});
    // A five-pointed star drawn in one stroke: its centre is inside the outline twice.
    const std::vector<CPoint> star{{20, 0}, {32, 36}, {1, 13}, {39, 13}, {8, 36}};
    canvas.Polygon(star);
    const QImage& image = canvas.Image();
    EXPECT_EQ(image.pixel(20, 22), 0xffffffffu);
    EXPECT_EQ(image.pixel(20, 6), 0xffff0000u);
    EXPECT_EQ(image.pixel(6, 15), 0xffff0000u);
}

TEST_F(QtCanvas, EllipseStaysInsideItsBoundsAndHollowBrushLeavesItsInsideWhite) {
    CQtCanvas canvas(12, 10);
    canvas.SetBrush(CBrush{});
    canvas.Ellipse({1, 1, 11, 9});
    const QImage& image = canvas.Image();
    EXPECT_EQ(InkBounds(image), "1 1 11 9");
    EXPECT_EQ(image.pixel(5, 4), 0xffffffffu);
    EXPECT_EQ(image.pixel(1, 4), 0xff000000u);
    EXPECT_EQ(Picture(image), Rotated(Picture(image)));
}

TEST_F(QtCanvas, FilledEllipseTakesTheBrushInsideThePenOutline) {
    CQtCanvas canvas(22, 22);
    canvas.SetPen({kBlue, 1, CPenStyle::Solid});
    canvas.SetBrush(CBrush{kGreen});
    canvas.Ellipse({1, 1, 21, 21});
    const std::vector<std::string> picture = Picture(canvas.Image());
    EXPECT_EQ(InkBounds(canvas.Image()), "1 1 21 21");
    EXPECT_EQ(picture[10], ".bggggggggggggggggggb.");
    EXPECT_EQ(picture, Rotated(picture));
}

TEST_F(QtCanvas, ChordRunsCounterclockwiseFromTheFirstRadialToTheSecond) {
    const CRect bounds{0, 0, 21, 21};
    CQtCanvas upper(21, 21);
    upper.SetPen({kBlue, 1, CPenStyle::Solid});
    upper.SetBrush(CBrush{kRed});
    upper.Chord(bounds, {20, 10}, {0, 10});
    EXPECT_EQ(InkBounds(upper.Image()), "0 0 21 11");
    EXPECT_EQ(Picture(upper.Image())[10], "bbbbbbbbbbbbbbbbbbbbb");
    EXPECT_EQ(upper.Image().pixel(10, 5), 0xffff0000u);

    CQtCanvas lower(21, 21);
    lower.SetPen({kBlue, 1, CPenStyle::Solid});
    lower.SetBrush(CBrush{kRed});
    lower.Chord(bounds, {0, 10}, {20, 10});
    EXPECT_EQ(Picture(lower.Image()), Rotated(Picture(upper.Image())));
}

TEST_F(QtCanvas, ChordRadialsPassThroughTheGivenPointsOfAFlatEllipse) {
    // Radials through the top corners of a 40 by 20 box meet the ellipse at 45 degrees of
    // the circle it is stretched from, so the chord runs 7 pixels above the centre, on row 3.
    CQtCanvas canvas(41, 21);
    canvas.SetBrush(CBrush{kRed});
    canvas.Chord({0, 0, 41, 21}, {40, 0}, {0, 0});
    EXPECT_EQ(InkBounds(canvas.Image()), "5 0 36 4");
}

TEST_F(QtCanvas, FillRectCoversExactlyToTheExclusiveRightAndBottom) {
    CQtCanvas canvas(8, 6);
    canvas.FillRect({2, 1, 6, 4}, kGreen);
    canvas.FillRect({7, 5, 7, 9}, kRed);
    EXPECT_EQ(Picture(canvas.Image()), (std::vector<std::string>{
                                           "........",
                                           "..gggg..",
                                           "..gggg..",
                                           "..gggg..",
                                           "........",
                                           "........",
                                       }));
}

TEST_F(QtCanvas, DrawsTextBelowAndRightOfItsTopLeftInThePenColour) {
    CQtCanvas canvas(80, 80);
    canvas.SetPen({kBlue, 1, CPenStyle::Solid});
    canvas.DrawText(u"永", CFont{"", 40, 400}, {10, 10});
    const QImage& image = canvas.Image();
    ASSERT_NE(InkBounds(image), "none");
    // Smoothed: white, the pen's blue, and blends of the two at the edges.
    int solid = 0, blended = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ASSERT_TRUE(qRed(pixel) == qGreen(pixel) && qBlue(pixel) == 255) << x << "," << y;
            solid += pixel == 0xff0000ff;
            blended += qRed(pixel) > 0 && qRed(pixel) < 255;
        }
    }
    EXPECT_GT(solid, 0);
    EXPECT_GT(blended, 0);
    if (QFontInfo(QFont(QStringLiteral("IPAMincho"))).family() != QStringLiteral("IPAMincho"))
        GTEST_SKIP() << "IPAMincho is not installed, so the glyph's box is unknown";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool insideBox = x >= 10 && x < 50 && y >= 10 && y < 50;
            if (!insideBox) {
                ASSERT_EQ(image.pixel(x, y), 0xffffffffu) << x << "," << y;
            }
        }
    }
}

// On a screen of pixel ratio 2 the same drawing calls fill twice the pixels each way, and
// copies between such images lose nothing.
TEST_F(QtCanvas, AnImageForADenseScreenHoldsDevicePixelsBehindLogicalOnes) {
    CQtCanvas canvas(20, 10, 2.0);
    EXPECT_EQ(canvas.Width(), 20);
    EXPECT_EQ(canvas.Height(), 10);
    EXPECT_EQ(canvas.Image().size(), QSize(40, 20));
    EXPECT_EQ(canvas.Image().devicePixelRatio(), 2.0);
    canvas.FillRect({5, 2, 10, 4}, kBlue);
    EXPECT_EQ(InkBounds(canvas.Image()), "10 4 20 8");

    const std::unique_ptr<CCanvas> image = canvas.CreateImage(20, 10);
    const auto& copy = dynamic_cast<const CQtCanvas&>(*image);
    EXPECT_EQ(copy.PixelRatio(), 2.0);
    image->CopyFrom(canvas, {0, 0, 20, 10}, {0, 0, 20, 10}, CStretchMode::BlackOnWhite);
    EXPECT_EQ(copy.Image(), canvas.Image());

    // Onto an image of ratio 1, halved.
    CQtCanvas plain(20, 10);
    plain.CopyFrom(canvas, {0, 0, 20, 10}, {0, 0, 20, 10}, CStretchMode::BlackOnWhite);
    EXPECT_EQ(InkBounds(plain.Image()), "5 2 10 4");
}

TEST_F(QtCanvas, AntialiasingSmoothsShapesOnlyWhenAskedAndIsInherited) {
    const auto greys = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int red = qRed(image.pixel(x, y));
                count += red > 0 && red < 255;
            }
        }
        return count;
    };
    const std::vector<CPoint> triangle{{2, 2}, {37, 9}, {8, 36}};
    CQtCanvas sharp(40, 40);
    sharp.SetBrush(CBrush{CColor{0, 0, 0}});
    sharp.Polygon(triangle);
    EXPECT_EQ(greys(sharp.Image()), 0);

    CQtCanvas smooth(40, 40);
    smooth.SetAntialiasing(true);
    smooth.SetBrush(CBrush{CColor{0, 0, 0}});
    smooth.Polygon(triangle);
    EXPECT_GT(greys(smooth.Image()), 10);
    EXPECT_TRUE(dynamic_cast<const CQtCanvas&>(*smooth.CreateImage(4, 4)).Antialiasing());
}

TEST_F(QtCanvas, CreateImageMakesAWhiteQtCanvas) {
    const CQtCanvas window(10, 10);
    const std::unique_ptr<CCanvas> image = window.CreateImage(30, 20);
    const auto* qtImage = dynamic_cast<const CQtCanvas*>(image.get());
    ASSERT_NE(qtImage, nullptr);
    EXPECT_EQ(qtImage->Image().size(), QSize(30, 20));
    EXPECT_EQ(InkBounds(qtImage->Image()), "none");
}

// An 8 by 6 image with a different colour in every pixel.
std::unique_ptr<CCanvas> Gradient(const CCanvas& window) {
    std::unique_ptr<CCanvas> image = window.CreateImage(8, 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const CColor color{std::uint8_t(x * 30), std::uint8_t(y * 40), std::uint8_t(7)};
            image->FillRect({x, y, x + 1, y + 1}, color);
        }
    }
    return image;
}

TEST_F(QtCanvas, CopyFromCopiesPixelsExactlyWhenSizesMatch) {
    for (const CStretchMode mode : {CStretchMode::BlackOnWhite, CStretchMode::Halftone}) {
        CQtCanvas window(12, 10);
        const std::unique_ptr<CCanvas> image = Gradient(window);
        const QImage& source = dynamic_cast<const CQtCanvas&>(*image).Image();
        window.CopyFrom(*image, {1, 2, 6, 5}, {6, 4, 11, 7}, mode);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 12; ++x) {
                const bool inTarget = x >= 6 && x < 11 && y >= 4 && y < 7;
                const QRgb expected = inTarget ? source.pixel(x - 5, y - 2) : 0xffffffff;
                ASSERT_EQ(window.Image().pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST_F(QtCanvas, CopyFromStretchesBlackOnWhiteByRepeatingPixels) {
    CQtCanvas window(16, 12);
    const std::unique_ptr<CCanvas> image = Gradient(window);
    const QImage& source = dynamic_cast<const CQtCanvas&>(*image).Image();
    window.CopyFrom(*image, {0, 0, 8, 6}, {0, 0, 16, 12}, CStretchMode::BlackOnWhite);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(window.Image().pixel(x, y), source.pixel(x / 2, y / 2)) << x << "," << y;
    }
}

TEST_F(QtCanvas, ShrinkingBlackOnWhiteKeepsThinStrokesAndHalftoneAveragesThem) {
    CQtCanvas drawing(40, 40);
    drawing.FillRect({13, 0, 14, 40}, kBlack);

    CQtCanvas blackOnWhite(10, 10);
    blackOnWhite.CopyFrom(drawing, {0, 0, 40, 40}, {0, 0, 10, 10}, CStretchMode::BlackOnWhite);
    const std::vector<std::string> kept = Picture(blackOnWhite.Image());
    EXPECT_EQ(kept, std::vector<std::string>(10, "...#......"));

    CQtCanvas halftone(10, 10);
    halftone.CopyFrom(drawing, {0, 0, 40, 40}, {0, 0, 10, 10}, CStretchMode::Halftone);
    const int grey = qRed(halftone.Image().pixel(3, 5));
    EXPECT_GT(grey, 0);
    EXPECT_LT(grey, 255);
    EXPECT_EQ(halftone.Image().pixel(7, 5), 0xffffffffu);
}

TEST_F(QtCanvas, HalftoneSmoothsWhenEnlarging) {
    CQtCanvas drawing(2, 1);
    drawing.FillRect({0, 0, 1, 1}, kBlack);
    CQtCanvas window(8, 1);
    window.CopyFrom(drawing, {0, 0, 2, 1}, {0, 0, 8, 1}, CStretchMode::Halftone);
    EXPECT_NE(Picture(window.Image())[0].find('?'), std::string::npos);
    window.CopyFrom(drawing, {0, 0, 2, 1}, {0, 0, 8, 1}, CStretchMode::BlackOnWhite);
    EXPECT_EQ(Picture(window.Image())[0], "####....");
}

TEST_F(QtCanvas, CopyFromWithinOneCanvasReadsThePixelsBeforeTheCopy) {
    CQtCanvas canvas(6, 1);
    canvas.FillRect({0, 0, 1, 1}, kRed);
    canvas.FillRect({1, 0, 2, 1}, kGreen);
    canvas.FillRect({2, 0, 3, 1}, kBlue);
    canvas.CopyFrom(canvas, {0, 0, 3, 1}, {1, 0, 4, 1}, CStretchMode::BlackOnWhite);
    EXPECT_EQ(Picture(canvas.Image())[0], "rrgb..");
}

TEST_F(QtCanvas, CopyFromRejectsAnotherKindOfCanvas) {
    CQtCanvas window(10, 10);
    const CRecordingCanvas other(10, 10);
    EXPECT_THROW(window.CopyFrom(other, {0, 0, 10, 10}, {0, 0, 10, 10}, CStretchMode::BlackOnWhite),
                 std::invalid_argument);
}

TEST_F(QtCanvas, SavePngWritesAnImageThatLoadsBackUnchanged) {
    const testing::CTempDirectory directory;
    CQtCanvas canvas(30, 20);
    canvas.SetPen({kBlue, 3, CPenStyle::Solid});
    canvas.SetBrush(CBrush{kRed});
    canvas.Ellipse({2, 2, 28, 18});
    canvas.FillRect({0, 0, 5, 5}, {10, 20, 30});
    const std::string path = directory.File("drawing.png");
    ASSERT_TRUE(canvas.SavePng(path));
    EXPECT_EQ(testing::CTempDirectory::Read(path).substr(1, 3), "PNG");
    const QImage loaded(QString::fromStdString(path));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_RGB32), canvas.Image());
    EXPECT_FALSE(canvas.SavePng(directory.File("missing/drawing.png")));
}

}  // namespace
}  // namespace brushly
