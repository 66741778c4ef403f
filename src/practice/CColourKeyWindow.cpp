#include "practice/CColourKeyWindow.h"

#include <QFont>
#include <QPaintEvent>
#include <QPainter>

#include "handwriting/CStrokeCanvas.h"

namespace brushly {

namespace {

constexpr int kStrokeWidth = 4;
constexpr int kFrameSampleWidth = 3;

QColor ToQColor(CColor colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

CColor Role(int role) {
    return RoleColor(role).value_or(CColor{});
}

int RowCount() {
    return static_cast<int>(CColourKeyWindow::Rows().size());
}

}  // namespace

CColourKeyWindow::CColourKeyWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("colourKey"));
    setWindowTitle(QString::fromLatin1(kTitle));
    // A title row above the colour rows.
    setFixedSize(kWidth, 2 * kMargin + (RowCount() + 1) * kRowHeight);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
}

std::vector<CColourKeyWindow::Row> CColourKeyWindow::Rows() {
    // The correct character's frame is drawn in the incomplete strokes' green.
    return {{Role(kRoleUser), "Your strokes"},
            {Role(kRoleIncorrect), "Incorrect"},
            {Role(kRoleOutOfOrder), "Out of order"},
            {Role(kRoleHint), "Hint"},
            {Role(kRoleIncomplete), "Incomplete"},
            {Role(kRoleIncompleteOutOfOrder), "Incomplete and out of order"},
            {kGhostColor, "Ghost"},
            {Role(kRoleIncomplete), "Character is correct", true}};
}

void CColourKeyWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QFont font(QString::fromLatin1("Arial"));
    font.setPixelSize(kTextSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect title(kMargin, kMargin, width() - 2 * kMargin, kRowHeight);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    font.setBold(false);
    painter.setFont(font);

    int top = kMargin + kRowHeight;
    for (const Row& row : Rows()) {
        const QRect sample(kMargin, top + 3, kSampleWidth, kRowHeight - 6);
        if (row.frame) {
            painter.setPen(QPen(ToQColor(row.colour), kFrameSampleWidth));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(sample.adjusted(1, 1, -1, -1));
        } else {
            painter.setPen(QPen(ToQColor(row.colour), kStrokeWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(sample.left(), sample.center().y(), sample.right(),
                             sample.center().y());
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(kTextLeft, top, width() - kTextLeft - kMargin, kRowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(row.meaning));
        top += kRowHeight;
    }
}

}  // namespace brushly
