#include "platform/ScreenPixmap.h"

#include <QGuiApplication>

namespace brushly {

QPixmap TransparentPixmap(int width, int height) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(qRound(width * ratio), qRound(height * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace brushly
