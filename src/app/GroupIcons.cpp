#include "app/GroupIcons.h"

#include <QPainter>
#include <algorithm>
#include <array>

namespace brushly {

namespace {

// The kinds present in each icon: bit 0 kanji, 1 compound, 2 kana word, 3 counter.
constexpr std::array<unsigned, kGroupIconCount> kKindsByIcon = {0, 1,  2,  4, 8,  3,  5,  9,
                                                                6, 10, 12, 7, 11, 13, 14, 15};

struct CQuarter {
    unsigned kind;
    QColor colour;
    int column;
    int row;
};

const std::array<CQuarter, 4> kQuarters = {{
    {1, QColor(220, 50, 50), 0, 0},   // kanji
    {2, QColor(50, 90, 220), 1, 0},   // compound
    {8, QColor(240, 150, 30), 1, 1},  // counter
    {4, QColor(40, 170, 70), 0, 1},   // kana word
}};

}  // namespace

QPixmap GroupIconPixmap(int index, int size) {
    const unsigned kinds =
        kKindsByIcon[static_cast<std::size_t>(std::clamp(index, 0, kGroupIconCount - 1))];
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const int margin = size / 16;
    const QRect card(margin, margin, size - 2 * margin - 1, size - 2 * margin - 1);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawRect(card);
    const int inset = std::max(1, size / 8);
    const QRect inner = card.adjusted(inset, inset, -inset + 1, -inset + 1);
    const int half = inner.width() / 2;
    painter.setPen(Qt::NoPen);
    for (const CQuarter& quarter : kQuarters) {
        if ((kinds & quarter.kind) == 0) continue;
        painter.setBrush(quarter.colour);
        painter.drawRect(inner.left() + quarter.column * half, inner.top() + quarter.row * half,
                         half - (size >= kLargeGroupIconSize ? 1 : 0),
                         half - (size >= kLargeGroupIconSize ? 1 : 0));
    }
    return pixmap;
}

QIcon GroupIcon(int index) {
    QIcon icon;
    icon.addPixmap(GroupIconPixmap(index, kSmallGroupIconSize));
    icon.addPixmap(GroupIconPixmap(index, kLargeGroupIconSize));
    return icon;
}

}  // namespace brushly
