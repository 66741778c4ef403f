#include "dictionary/qt/CompoundRowIcons.h"
#include "platform/ScreenPixmap.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace brushly {

namespace {

// A five-pointed star around centre.
QPainterPath Star(QPointF centre, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle),
                            centre.y() + radius * std::sin(angle));
        if (i == 0) {
            path.moveTo(point);
        } else {
            path.lineTo(point);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

QIcon CompoundRowIcon(CCompoundRowKind kind) {
    QPixmap pixmap = TransparentPixmap(kCompoundRowIconSize, kCompoundRowIconSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    const bool compound =
        kind == CCompoundRowKind::kCompound || kind == CCompoundRowKind::kCommonCompound;
    const QRectF body(1.5, 1.5, 11, 11);
    if (compound) {
        painter.setBrush(QColor(60, 100, 210));
        painter.drawRoundedRect(body, 2, 2);
    } else {
        painter.setBrush(QColor(50, 165, 80));
        painter.drawEllipse(body);
    }
    if (kind == CCompoundRowKind::kCommonCompound || kind == CCompoundRowKind::kCommonKanaWord) {
        painter.setPen(QPen(QColor(120, 90, 0), 0.8));
        painter.setBrush(QColor(250, 200, 40));
        painter.drawPath(Star(QPointF(11.5, 11.5), 4.5, 2.0));
    }
    return QIcon(pixmap);
}

}  // namespace brushly
