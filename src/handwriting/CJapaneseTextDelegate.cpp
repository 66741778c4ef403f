#include "handwriting/CJapaneseTextDelegate.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <string>

#include "platform/CQtCanvas.h"
#include "platform/ShiftJis.h"

namespace brushly {

namespace {

bool HoldsDoubleByteText(const std::string& sjisText) {
    return std::ranges::any_of(
        sjisText, [](char byte) { return sjis::IsLeadByte(static_cast<unsigned char>(byte)); });
}

}  // namespace

CJapaneseTextDelegate::CJapaneseTextDelegate(const CJapaneseTextStyle& style, QObject* parent)
    : QStyledItemDelegate(parent), m_style(style) {}

void CJapaneseTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    const std::string sjisText = sjis::FromUtf16(text.toStdU16String());
    if (m_style.mode != CJapaneseFontMode::kBuiltIn || !HoldsDoubleByteText(sjisText)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The icon and the selection as usual, then the characters where the text would be.
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    if (area.width() <= 0 || area.height() <= 2) return;
    CQtCanvas canvas(area.width(), area.height(), painter->device()->devicePixelRatioF());
    const int size = area.height() - 2;
    DrawJapaneseText(canvas, m_style, sjisText, size, {0, 1});
    painter->drawImage(area.topLeft(), canvas.Image());
}

}  // namespace brushly
