// The demonstration window: its layout, its buttons and its timers driving a real run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPushButton>
#include <chrono>
#include <functional>

#include "handwriting/CDemonstrationWidget.h"
#include "reference/StrokeTestUtil.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using namespace std::chrono_literals;
using brushly::testing::List;
using brushly::testing::Segment;

CKanjiStrokes TwoStrokes() {
    return List({Segment(kStraight, 1, {50, 100}, {150, 100}),
                 Segment(kStraightNoArrow, 1, {100, 20}, {100, 120})});
}

// Processes events until the condition holds or five seconds have passed; whether it held.
bool ProcessEventsUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

bool IsDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 64;
}

int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += IsDark(image, x, y) ? 1 : 0;
    return dark;
}

QPushButton* Button(CDemonstrationWidget& widget, const char* name) {
    return widget.findChild<QPushButton*>(QString::fromLatin1(name));
}

TEST(DemonstrationWidget, SizeCaptionAndButtons) {
    brushly::testing::EnsureQtApplication();
    CDemonstrationWidget widget(QStringLiteral("Stroke Demonstration"));
    EXPECT_EQ(widget.size(), QSize(200, 224));
    EXPECT_EQ(widget.windowTitle(), QStringLiteral("Stroke Demonstration"));
    EXPECT_EQ(widget.Picture().Width(), 200);
    EXPECT_EQ(widget.Picture().Height(), 201);
    const struct {
        const char* name;
        const char* text;
        int x;
    } buttons[] = {{"playButton", "Play", 1},
                   {"stepButton", "Step", 49},
                   {"pauseButton", "Pause", 97},
                   {"restartButton", "Restart", 145}};
    for (const auto& expected : buttons) {
        QPushButton* button = Button(widget, expected.name);
        ASSERT_NE(button, nullptr) << expected.name;
        EXPECT_EQ(button->text(), QString::fromLatin1(expected.text));
        EXPECT_EQ(button->geometry(), QRect(expected.x, 224 - 23, 48, 22)) << expected.name;
    }
}

TEST(DemonstrationWidget, PlayRunsToTheEndOnItsTimers) {
    brushly::testing::EnsureQtApplication();
    CDemonstrationWidget widget(QStringLiteral("Stroke Demonstration"));
    const CKanjiStrokes strokes = TwoStrokes();
    bool busy = false;
    CStrokeDemonstration& demonstration = widget.Demonstration();
    demonstration.Start(&strokes, 10, CStrokeCanvas::Style::Brush, &busy);
    EXPECT_EQ(DarkPixels(widget.Picture().Image()), 0);

    Button(widget, "playButton")->click();
    EXPECT_TRUE(busy);
    ASSERT_TRUE(ProcessEventsUntil([&] { return demonstration.IsFinished(); }));
    EXPECT_FALSE(busy);
    EXPECT_EQ(demonstration.Position(), 2u);
    const QImage& picture = widget.Picture().Image();
    EXPECT_GT(DarkPixels(picture), 0);
    EXPECT_TRUE(IsDark(picture, 80, 100));  // the horizontal stroke
    EXPECT_TRUE(IsDark(picture, 100, 40));  // the vertical stroke
    EXPECT_FALSE(IsDark(picture, 20, 180));

    // The window shows the picture.
    const QImage shown = widget.grab().toImage();
    EXPECT_TRUE(IsDark(shown, 80, 100));
    EXPECT_TRUE(IsDark(shown, 100, 40));
}

TEST(DemonstrationWidget, RevealGrowsFromTheStartAndKeepsEarlierStrokes) {
    brushly::testing::EnsureQtApplication();
    CDemonstrationWidget widget(QStringLiteral("Stroke Demonstration"));
    const CKanjiStrokes strokes = TwoStrokes();
    CStrokeDemonstration& demonstration = widget.Demonstration();
    demonstration.Start(&strokes, 200, CStrokeCanvas::Style::Brush, nullptr);
    // The first Step begins revealing the first stroke, the second completes it.
    Button(widget, "stepButton")->click();
    Button(widget, "stepButton")->click();
    ASSERT_EQ(demonstration.Position(), 1u);

    // The vertical stroke runs down from y 20 at 10 ms per pixel; y 110 is 0.85 s behind
    // y 25, so it is still hidden when y 25 shows.
    demonstration.Play();
    const QImage& picture = widget.Picture().Image();
    ASSERT_TRUE(ProcessEventsUntil([&] { return IsDark(picture, 100, 25); }));
    EXPECT_TRUE(demonstration.IsDrawingStroke());
    EXPECT_FALSE(IsDark(picture, 100, 110));
    EXPECT_TRUE(IsDark(picture, 80, 100));
    EXPECT_TRUE(IsDark(picture, 140, 100));
    demonstration.Step();
    EXPECT_TRUE(IsDark(picture, 100, 110));
}

TEST(DemonstrationWidget, StepPauseAndRestartButtons) {
    brushly::testing::EnsureQtApplication();
    CDemonstrationWidget widget(QStringLiteral("Stroke Demonstration"));
    const CKanjiStrokes strokes = TwoStrokes();
    bool busy = false;
    CStrokeDemonstration& demonstration = widget.Demonstration();
    demonstration.Start(&strokes, 0, CStrokeCanvas::Style::Simple, &busy);

    Button(widget, "stepButton")->click();
    EXPECT_EQ(demonstration.Position(), 1u);
    EXPECT_FALSE(busy);
    EXPECT_TRUE(IsDark(widget.Picture().Image(), 80, 100));
    EXPECT_FALSE(IsDark(widget.Picture().Image(), 100, 40));

    Button(widget, "restartButton")->click();
    EXPECT_TRUE(demonstration.IsPlaying());
    EXPECT_EQ(demonstration.Position(), 1u);
    Button(widget, "pauseButton")->click();
    EXPECT_TRUE(demonstration.IsPauseRequested());
    ASSERT_TRUE(ProcessEventsUntil([&] { return !busy; }));
    EXPECT_EQ(demonstration.Position(), 1u);
    EXPECT_FALSE(demonstration.IsFinished());
}

}  // namespace
}  // namespace brushly
