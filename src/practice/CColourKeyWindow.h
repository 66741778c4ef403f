#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "platform/CCanvas.h"

class QPaintEvent;

namespace brushly {

// The colour key of the Draw View: one row per feedback colour of the draw boxes, a short
// stroke in that colour beside its meaning, and last a small green frame for a correct
// character. The colours are the stroke canvas's own (RoleColor, kGhostColor), so the key
// always matches the boxes. It only draws; sizes are pixels.
class CColourKeyWindow final : public QWidget {
public:
    static constexpr int kRowHeight = 20;
    static constexpr int kMargin = 8;
    static constexpr int kSampleWidth = 40;
    static constexpr int kTextLeft = kMargin + kSampleWidth + 10;
    static constexpr int kTextSize = 14;
    static constexpr int kWidth = 280;
    static constexpr const char* kTitle = "Feedback Colors";

    struct Row {
        CColor colour;
        std::string meaning;
        bool frame = false;  // drawn as a frame rather than a stroke
    };

    explicit CColourKeyWindow(QWidget* parent = nullptr);

    // The rows in the order shown.
    static std::vector<Row> Rows();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace brushly
