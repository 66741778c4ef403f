#pragma once

#include <QStyledItemDelegate>

#include "handwriting/JapaneseText.h"

namespace brushly {

// Paints the items of a list or a column: an item whose text holds Japanese is drawn by the
// built-in character renderer (DrawJapaneseText) when no Japanese font is installed, since
// the platform would show empty boxes; every other item is painted as usual. The style's
// kanji library must outlive the delegate.
class CJapaneseTextDelegate final : public QStyledItemDelegate {
public:
    CJapaneseTextDelegate(const CJapaneseTextStyle& style, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    CJapaneseTextStyle m_style;
};

}  // namespace brushly
