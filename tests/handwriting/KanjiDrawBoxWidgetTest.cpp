// The kanji draw box window: its layout, the mouse, keys, buttons and caption forwarded to
// the box, and the picture it shows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>
#include <string>
#include <vector>

#include "handwriting/CKanjiDrawBoxWidget.h"
#include "reference/StrokeTestUtil.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using brushly::testing::List;
using brushly::testing::Segment;
using Widget = CKanjiDrawBoxWidget;

// 十: a horizontal, then a vertical.
CKanjiStrokes Ten() {
    return List({Segment(kStraightNoArrow, 1, {40, 100}, {160, 100}),
                 Segment(kStraightNoArrow, 1, {100, 40}, {100, 160})});
}

CDrawBoxSettings EachStroke() {
    CDrawBoxSettings settings;
    settings.feedbackMode = kFeedbackEachStroke;
    return settings;
}

// The window position of a point in draw-box pixels.
QPointF WindowPoint(CPoint point) {
    return QPointF(point.x, point.y + Widget::kCaptionHeight);
}

void SendMouse(Widget& widget, QEvent::Type type, QPointF position, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, position, widget.mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

void Press(Widget& widget, QPointF position, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseButtonPress, position, button, button);
}

void MoveAlong(Widget& widget, CPoint start, CPoint end) {
    const double length = std::hypot(end.x - start.x, end.y - start.y);
    for (double along = 3.0; along < length; along += 3.0) {
        const double t = along / length;
        const CPoint point{start.x + static_cast<int>(std::lround((end.x - start.x) * t)),
                           start.y + static_cast<int>(std::lround((end.y - start.y) * t))};
        SendMouse(widget, QEvent::MouseMove, WindowPoint(point), Qt::NoButton, Qt::LeftButton);
    }
    SendMouse(widget, QEvent::MouseMove, WindowPoint(end), Qt::NoButton, Qt::LeftButton);
}

// Draws a straight stroke with the left button, in draw-box pixels.
void Draw(Widget& widget, CPoint start, CPoint end) {
    Press(widget, WindowPoint(start));
    MoveAlong(widget, start, end);
    SendMouse(widget, QEvent::MouseButtonRelease, WindowPoint(end), Qt::LeftButton, Qt::NoButton);
}

void Key(Widget& widget, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

QPushButton* Button(Widget& widget, const char* name) {
    return widget.findChild<QPushButton*>(QString::fromLatin1(name));
}

QString CaptionShown(Widget& widget) {
    return widget.findChild<QLabel*>(QStringLiteral("captionBar"))->text();
}

// The colour shown at a draw-box point of the rendered window.
QColor Shown(Widget& widget, CPoint point) {
    return widget.grab().toImage().pixelColor(WindowPoint(point).toPoint());
}

bool IsDark(const QColor& colour) {
    return qGray(colour.rgb()) < 64;
}

class KanjiDrawBoxWidget : public ::testing::Test {
protected:
    void SetUp() override { brushly::testing::EnsureQtApplication(); }

    const CKanjiStrokes ten = Ten();
};

TEST_F(KanjiDrawBoxWidget, LayoutAndTheDrawViewsButtons) {
    Widget widget(Widget::Buttons::DrawView);
    Widget plain(Widget::Buttons::BackAndErase);
    EXPECT_EQ(widget.size(), QSize(200, 18 + 224));
    EXPECT_EQ(widget.findChild<QLabel*>(QStringLiteral("captionBar"))->geometry(),
              QRect(0, 0, 200, 18));
    const struct {
        const char* name;
        int x;
        bool plainShows;
    } buttons[] = {{"ghostButton", 1, false},
                   {"hintButton", 49, false},
                   {"backButton", 97, true},
                   {"eraseButton", 145, true}};
    for (const auto& expected : buttons) {
        QPushButton* button = Button(widget, expected.name);
        ASSERT_NE(button, nullptr) << expected.name;
        EXPECT_EQ(button->geometry(), QRect(expected.x, widget.height() - 23, 48, 22));
        EXPECT_FALSE(button->icon().isNull()) << expected.name;
        EXPECT_TRUE(button->isVisibleTo(&widget)) << expected.name;
        EXPECT_EQ(Button(plain, expected.name)->isVisibleTo(&plain), expected.plainShows);
    }
}

TEST_F(KanjiDrawBoxWidget, StrokesReachTheBoxCaptionPictureAndHost) {
    Widget widget(Widget::Buttons::BackAndErase);
    widget.SetCharacter(ten, EachStroke());
    std::vector<int> reported;
    widget.SetStatusHandler([&](int status) { reported.push_back(status); });

    Draw(widget, {40, 100}, {160, 100});
    EXPECT_EQ(widget.DrawBox().UserStrokes().StrokeCount(), 1);
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Correct (so far)"));
    EXPECT_TRUE(IsDark(Shown(widget, {80, 101})));
    EXPECT_FALSE(IsDark(Shown(widget, {100, 60})));

    // The stroke in progress shows before the release, without a report.
    Press(widget, WindowPoint({100, 40}));
    MoveAlong(widget, {100, 40}, {100, 160});
    EXPECT_TRUE(IsDark(Shown(widget, {100, 60})));
    EXPECT_EQ(reported.size(), 1u);
    SendMouse(widget, QEvent::MouseButtonRelease, WindowPoint({100, 160}), Qt::LeftButton,
              Qt::NoButton);
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Kanji is CORRECT"));
    EXPECT_EQ(Shown(widget, {3, 3}), QColor(0, 255, 0));  // the green frame
    EXPECT_EQ(reported, (std::vector<int>{kStatusCorrectSoFar, kStatusCorrect}));
}

TEST_F(KanjiDrawBoxWidget, ALongCaptionShrinksToFitTheBarAndAShortOneGrowsBack) {
    // The first part of the second stroke alone: the longest status text.
    const CKanjiStrokes target = List({Segment(kStraightNoArrow, 1, {50, 40}, {150, 40}),
                                       Segment(kStraightHalfRectOnly, 1, {40, 100}, {150, 100}),
                                       Segment(kStraightNoArrow, 0, {150, 100}, {150, 180})});
    Widget widget(Widget::Buttons::DrawView);
    widget.SetCharacter(target, EachStroke());
    widget.Run([](CKanjiDrawBox& box) {
        box.SetLookAlikeFinder([](const CDrawnStrokes&) { return std::string("\x8e\x4f"); });
    });
    Draw(widget, {20, 180}, {60, 180});
    Draw(widget, {40, 100}, {150, 100});
    const QLabel& caption = *widget.findChild<QLabel*>(QStringLiteral("captionBar"));
    EXPECT_EQ(caption.text(),
              QString::fromUtf8("Partial Str. - Incorrect Order - looks like \u4e09"));
    EXPECT_LE(QFontMetrics(caption.font()).horizontalAdvance(caption.text()),
              Widget::kWidth - 2 * caption.indent());
    EXPECT_GE(QFontInfo(caption.font()).pixelSize(), Widget::kMinCaptionPixels);

    widget.Run([](CKanjiDrawBox& box) { box.EraseAll(); });
    EXPECT_EQ(QFontInfo(caption.font()).pixelSize(), QFontInfo(widget.font()).pixelSize());
}

TEST_F(KanjiDrawBoxWidget, FeedbackColoursInTheHostsStyle) {
    Widget widget(Widget::Buttons::BackAndErase);
    widget.SetCharacter(ten, EachStroke());
    Draw(widget, {100, 40}, {100, 160});  // the second stroke first
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Incorrect Stroke Order"));
    EXPECT_EQ(Shown(widget, {100, 60}), QColor(0, 0, 255));
    // The brush bar is 8 pixels wide; the simple style's line 8 pixels thick, centred.
    EXPECT_FALSE(IsDark(Shown(widget, {95, 60})));
    widget.SetStyle(CStrokeCanvas::Style::Simple);
    EXPECT_EQ(Shown(widget, {97, 60}), QColor(0, 0, 255));
}

TEST_F(KanjiDrawBoxWidget, MouseKeysAndButtonsGoBackAndErase) {
    Widget widget(Widget::Buttons::BackAndErase);
    widget.SetCharacter(ten, EachStroke());
    const auto strokes = [&] { return widget.DrawBox().UserStrokes().StrokeCount(); };
    Draw(widget, {40, 100}, {160, 100});
    Draw(widget, {100, 40}, {100, 160});
    Press(widget, WindowPoint({20, 20}), Qt::MiddleButton);
    EXPECT_EQ(strokes(), 1);
    EXPECT_FALSE(IsDark(Shown(widget, {100, 60})));
    Key(widget, Qt::Key_Backspace);
    EXPECT_EQ(strokes(), 0);
    EXPECT_FALSE(IsDark(Shown(widget, {80, 101})));

    Draw(widget, {40, 100}, {160, 100});
    Draw(widget, {100, 40}, {100, 160});
    Button(widget, "backButton")->click();
    EXPECT_EQ(strokes(), 1);
    Button(widget, "eraseButton")->click();
    EXPECT_EQ(strokes(), 0);
    EXPECT_EQ(CaptionShown(widget), QString());
    Draw(widget, {40, 100}, {160, 100});
    Key(widget, Qt::Key_Home);
    EXPECT_EQ(strokes(), 0);
}

TEST_F(KanjiDrawBoxWidget, SpaceCyclesTheGuides) {
    Widget widget(Widget::Buttons::BackAndErase);
    const auto uprightDots = [&] {  // the centre cross's dotted upright at x 100
        const QImage shown = widget.grab().toImage();
        int dots = 0;
        for (int y = 0; y < 90; ++y)
            dots += IsDark(shown.pixelColor(WindowPoint({100, y}).toPoint())) ? 1 : 0;
        return dots;
    };
    EXPECT_EQ(uprightDots(), 0);
    Key(widget, Qt::Key_Space);
    EXPECT_EQ(widget.DrawBox().Guides(), kGuidesCentreCross);
    EXPECT_GT(uprightDots(), 20);
}

TEST_F(KanjiDrawBoxWidget, EndCopiesTheLastStrokeToThePointer) {
    Widget widget(Widget::Buttons::BackAndErase);
    widget.SetCharacter(ten, CDrawBoxSettings{});  // no checking: the copy stays as drawn
    Draw(widget, {40, 100}, {160, 100});
    QCursor::setPos(widget.mapToGlobal(WindowPoint({40, 150}).toPoint()));
    if (widget.mapFromGlobal(QCursor::pos()) != WindowPoint({40, 150}).toPoint())
        GTEST_SKIP() << "the platform does not move the pointer";
    Key(widget, Qt::Key_End);
    ASSERT_EQ(widget.DrawBox().UserStrokes().StrokeCount(), 2);
    EXPECT_EQ(widget.DrawBox().UserStrokes()[1].start, (CPoint{40, 150}));
    EXPECT_TRUE(IsDark(Shown(widget, {80, 150})));
}

TEST_F(KanjiDrawBoxWidget, HintButtonAndCaptionClickRevealTheNextStroke) {
    Widget widget(Widget::Buttons::DrawView);
    widget.SetSmoothStrokes(false);  // the circle's pixels in their exact colour
    widget.SetCharacter(ten, EachStroke());
    Button(widget, "hintButton")->click();
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Next stroke starts here"));
    EXPECT_EQ(Shown(widget, {35, 100}), QColor(255, 0, 255));  // the circle round the start
    Press(widget, QPointF(50, 5));
    EXPECT_EQ(widget.DrawBox().HintLevel(), 2);
    EXPECT_EQ(widget.DrawBox().UserStrokes().StrokeCount(), 0);
}

// Smoothing, on at first, blends the hint circle's edge with the white around it; off, the
// circle is drawn in its colour alone.
TEST_F(KanjiDrawBoxWidget, StrokesAreSmoothedUnlessTheDisplayOptionIsOff) {
    const auto blends = [this](Widget& widget) {
        widget.SetCharacter(ten, EachStroke());
        Button(widget, "hintButton")->click();
        const QImage shown = widget.grab().toImage();
        int count = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                count += pixel.red() == 255 && pixel.blue() == 255 && pixel.green() > 0 &&
                         pixel.green() < 255;
            }
        }
        return count;
    };
    Widget smooth(Widget::Buttons::DrawView);
    EXPECT_TRUE(smooth.Picture().Antialiasing());
    EXPECT_GT(blends(smooth), 10);
    Widget sharp(Widget::Buttons::DrawView);
    sharp.SetSmoothStrokes(false);
    EXPECT_EQ(blends(sharp), 0);
}

TEST_F(KanjiDrawBoxWidget, GhostButtonShowsTheHostsCharacter) {
    Widget widget(Widget::Buttons::DrawView);
    widget.SetCharacter(ten, EachStroke());
    widget.SetGhostCharacter("十");
    const QColor ghost(192, 192, 192);
    Button(widget, "ghostButton")->click();
    EXPECT_EQ(widget.DrawBox().GhostText(), "十");
    EXPECT_EQ(Shown(widget, {100, 60}), ghost);  // the target's vertical stroke
    // Drawn in a font when one is installed, else in strokes still.
    widget.SetGhostFontFace(std::string());
    const QImage shown = widget.grab().toImage();
    int ghostPixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ghostPixels += shown.pixelColor(x, y) == ghost;
    EXPECT_GT(ghostPixels, 100);
    Button(widget, "ghostButton")->click();
    EXPECT_EQ(widget.DrawBox().GhostText(), "");
    EXPECT_NE(Shown(widget, {100, 60}), ghost);
}

}  // namespace
}  // namespace brushly
