#include "handwriting/CJapaneseTextWidget.h"

#include <QPainter>
#include <utility>

#include "platform/ShiftJis.h"

namespace brushly {

CJapaneseTextWidget::CJapaneseTextWidget(const CJapaneseTextStyle& style, int size, QWidget* parent)
    : QWidget(parent), m_style(style), m_size(size) {
    setMinimumSize(size + 4, size + 4);
}

void CJapaneseTextWidget::SetText(std::string text) {
    m_text = std::move(text);
    update();
}

void CJapaneseTextWidget::Compose() {
    m_picture = CQtCanvas(width(), height(), devicePixelRatioF());
    if (m_text.empty()) return;
    // Each double-byte character takes a square, a single byte half of one.
    int textWidth = 0;
    for (std::string_view character : sjis::Characters(m_text))
        textWidth += character.size() == 2 ? m_size : m_size / 2;
    const CPoint origin{(width() - textWidth) / 2, (height() - m_size) / 2};
    DrawJapaneseText(m_picture, m_style, m_text, m_size, origin);
}

void CJapaneseTextWidget::paintEvent(QPaintEvent*) {
    Compose();
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture.Image());
}

}  // namespace brushly
