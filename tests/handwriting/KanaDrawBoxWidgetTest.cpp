// The kana draw box window: the mouse reaching the free-hand box, its caption, the picture's
// feedback colours and the host's commands.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "handwriting/CKanaDrawBoxWidget.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using Widget = CKanaDrawBoxWidget;

// A two-stroke kana: a horizontal, then a vertical.
std::vector<CPolyline> Reference() {
    return {{{40, 100}, {160, 100}}, {{100, 40}, {100, 160}}};
}

CKanaBoxSettings EachStroke() {
    CKanaBoxSettings settings;
    settings.feedbackMode = kFeedbackEachStroke;
    return settings;
}

QPointF WindowPoint(CPoint point) {
    return QPointF(point.x, point.y + Widget::kCaptionHeight);
}

void SendMouse(Widget& widget, QEvent::Type type, CPoint point, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    const QPointF position = WindowPoint(point);
    QMouseEvent event(type, position, widget.mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// Presses at start and moves in 3-pixel steps towards end; release separately.
void PressAndMove(Widget& widget, CPoint start, CPoint end) {
    SendMouse(widget, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    const int steps = std::max(std::abs(end.x - start.x), std::abs(end.y - start.y)) / 3;
    for (int i = 1; i <= steps; ++i) {
        const CPoint point{start.x + (end.x - start.x) * i / steps,
                           start.y + (end.y - start.y) * i / steps};
        SendMouse(widget, QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton);
    }
}

void Draw(Widget& widget, CPoint start, CPoint end) {
    PressAndMove(widget, start, end);
    SendMouse(widget, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);
}

QString CaptionShown(Widget& widget) {
    return widget.findChild<QLabel*>(QStringLiteral("captionBar"))->text();
}

QColor Shown(Widget& widget, CPoint point) {
    return widget.grab().toImage().pixelColor(WindowPoint(point).toPoint());
}

class KanaDrawBoxWidget : public ::testing::Test {
protected:
    void SetUp() override { brushly::testing::EnsureQtApplication(); }
};

TEST_F(KanaDrawBoxWidget, MouseStrokesReachTheBoxAndTheCorrectKanaIsFramed) {
    Widget widget(Widget::Buttons::BackAndErase, nullptr);
    EXPECT_EQ(widget.size(), QSize(200, 18 + 224));
    EXPECT_FALSE(
        widget.findChild<QPushButton*>(QStringLiteral("hintButton"))->isVisibleTo(&widget));
    widget.SetKana(Reference(), KanaBoxMode::kHiragana, EachStroke());
    std::vector<int> reported;
    widget.SetStatusHandler([&](int status) { reported.push_back(status); });

    // The stroke in progress shows before the release, without a report.
    PressAndMove(widget, {40, 100}, {160, 100});
    EXPECT_TRUE(widget.DrawBox().Drawing());
    EXPECT_EQ(Shown(widget, {100, 100}), QColor(0, 0, 0));
    EXPECT_TRUE(reported.empty());
    SendMouse(widget, QEvent::MouseButtonRelease, {160, 100}, Qt::LeftButton, Qt::NoButton);
    ASSERT_EQ(widget.DrawBox().UserStrokes().size(), 1u);
    EXPECT_EQ(widget.DrawBox().UserStrokes()[0], Reference()[0]);  // autocorrected
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Correct (so far)"));

    Draw(widget, {100, 40}, {100, 160});
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Hiragana is CORRECT"));
    EXPECT_EQ(Shown(widget, {3, 3}), QColor(0, 255, 0));
    EXPECT_EQ(Shown(widget, {195, 150}), QColor(0, 255, 0));
    EXPECT_EQ(Shown(widget, {100, 60}), QColor(0, 0, 0));
    EXPECT_EQ(reported, (std::vector<int>{kStatusCorrectSoFar, kStatusCorrect}));
}

TEST_F(KanaDrawBoxWidget, FeedbackColoursButtonsAndHostCommands) {
    Widget widget;                   // the Draw View's row
    widget.SetSmoothStrokes(false);  // every colour checked pixel for pixel
    widget.SetKana(Reference(), KanaBoxMode::kKatakana, EachStroke());
    Draw(widget, {100, 40}, {100, 160});  // the second stroke first
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Incorrect Stroke Order"));
    EXPECT_EQ(Shown(widget, {100, 60}), QColor(0, 0, 255));
    widget.Run([](CKanaDrawBox& box) { box.Back(); });  // hides the feedback
    EXPECT_EQ(Shown(widget, {100, 60}), QColor(255, 255, 255));

    Draw(widget, {20, 180}, {180, 20});
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Incorrect Stroke(s)"));
    EXPECT_EQ(Shown(widget, {100, 100}), QColor(255, 0, 0));
    widget.SetIdleCaption("Draw Katakana");
    widget.findChild<QPushButton*>(QStringLiteral("eraseButton"))->click();
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Draw Katakana"));
    EXPECT_NE(Shown(widget, {100, 100}), QColor(255, 0, 0));

    widget.findChild<QPushButton*>(QStringLiteral("hintButton"))->click();
    EXPECT_EQ(CaptionShown(widget), QStringLiteral("Next stroke starts here"));
    EXPECT_EQ(Shown(widget, {35, 100}), QColor(255, 0, 255));
    widget.SetGhostCharacter("x");
    widget.findChild<QPushButton*>(QStringLiteral("ghostButton"))->click();
    EXPECT_EQ(Shown(widget, {100, 60}), QColor(192, 192, 192));
}

}  // namespace
}  // namespace brushly
