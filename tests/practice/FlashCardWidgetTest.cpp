// The Flash View's card area: card data panels flow into columns without drawing over each
// other.
#include "practice/CFlashCardWidget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "support/QtTestApplication.h"

namespace brushly {
namespace {

FlashDataPanel TextPanel(const std::string& heading, const std::string& line, int lines) {
    FlashDataPanel panel;
    panel.kind = FlashPanelKind::kReadings;
    panel.heading = heading;
    for (int i = 0; i < lines; ++i) {
        FlashDataLine text;
        text.text = line;
        panel.lines.push_back(text);
    }
    return panel;
}

// Whether any pixel of the columns from left to right (exclusive), rows top to bottom
// (exclusive), is dark.
bool InkBetween(const QImage& image, int left, int right, int top, int bottom) {
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (qGray(image.pixel(x, y)) < 128) return true;
        }
    }
    return false;
}

TEST(FlashCardWidget, LongLinesAreCutWhereTheNextColumnBegins) {
    testing::EnsureQtApplication();
    CFlashCardWidget card(CJapaneseTextStyle{});
    card.resize(900, 420);
    CFlashCardContent content;
    content.question.assign(1, 'x');
    // Tall enough to send the second panel into a column of its own.
    content.panels.push_back(TextPanel("Readings", std::string(120, 'W'), 12));
    content.panels.push_back(TextPanel("Comments:", "short", 2));
    card.SetContent(content);
    const QImage picture = card.grab().toImage();
    // The second column starts 20 px after the first one's 380; nothing of the first
    // column's lines may reach into the gap before it.
    const int gapLeft = CFlashCardWidget::kMargin + 380;
    const int gapRight = gapLeft + CFlashCardWidget::kMargin;
    EXPECT_FALSE(InkBetween(picture, gapLeft, gapRight, 0, picture.height()));

    // In one column the lines use the window's width.
    content.panels.pop_back();
    content.panels.front().lines.resize(2);
    card.SetContent(content);
    const QImage wide = card.grab().toImage();
    EXPECT_TRUE(InkBetween(wide, 600, 860, 0, wide.height()));
    EXPECT_FALSE(InkBetween(wide, 900 - CFlashCardWidget::kMargin + 1, 900, 0, wide.height()));
}

}  // namespace
}  // namespace brushly
