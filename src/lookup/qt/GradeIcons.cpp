#include "lookup/qt/GradeIcons.h"
#include "platform/ScreenPixmap.h"

#include <QFont>
#include <QPainter>
#include <array>

namespace brushly {

namespace {

// From the first grades' warm colours to the cool ones of the upper grades.
const std::array<QColor, 8> kGradeColours = {
    QColor(214, 48, 49),  QColor(230, 126, 34), QColor(200, 160, 20), QColor(46, 160, 67),
    QColor(22, 140, 160), QColor(41, 98, 200),  QColor(120, 70, 190), QColor(90, 90, 90)};

}  // namespace

QPixmap GradeIconPixmap(int grade) {
    if (grade < 1 || grade > 8) return {};
    QPixmap pixmap = TransparentPixmap(kGradeIconSize, kGradeIconSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGradeColours[static_cast<std::size_t>(grade - 1)]);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kGradeIconSize - 1, kGradeIconSize - 1), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(grade == 8 ? 10 : 13);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, kGradeIconSize, kGradeIconSize), Qt::AlignCenter,
                     grade == 8 ? QStringLiteral("7+") : QString::number(grade));
    return pixmap;
}

QIcon GradeIcon(int grade) {
    QPixmap pixmap = GradeIconPixmap(grade);
    if (pixmap.isNull()) {
        pixmap = TransparentPixmap(kGradeIconSize, kGradeIconSize);
    }
    return QIcon(pixmap);
}

}  // namespace brushly
