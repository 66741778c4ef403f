#pragma once

#include <QWidget>
#include <string>

#include "handwriting/JapaneseText.h"
#include "platform/CQtCanvas.h"

class QPaintEvent;

namespace brushly {

// A white frame showing Japanese (Shift-JIS) text centred, its characters `size` pixels
// high, through DrawJapaneseText: in the Japanese font, or by the built-in renderer when
// none is installed. The style's kanji library must outlive the widget.
class CJapaneseTextWidget final : public QWidget {
public:
    CJapaneseTextWidget(const CJapaneseTextStyle& style, int size, QWidget* parent = nullptr);

    // Shows text (Shift-JIS); empty shows the blank frame.
    void SetText(std::string text);
    const std::string& Text() const { return m_text; }
    // The picture as last painted, the widget's size.
    const CQtCanvas& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Compose();

    CJapaneseTextStyle m_style;
    int m_size;
    std::string m_text;
    CQtCanvas m_picture{0, 0};
};

}  // namespace brushly
