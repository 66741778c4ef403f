#include "platform/CQtCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>
#include <utility>
#include <vector>

namespace brushly {

namespace {

const QString kDefaultFace = QStringLiteral("IPAMincho");
constexpr qreal kFullTurn = 2 * std::numbers::pi;
constexpr qreal kDotLength = 3;  // pixels on, then as many off

QColor ToQColor(CColor color) {
    return QColor(color.red, color.green, color.blue);
}

QPen ToQPen(const CPen& pen) {
    QPen qtPen(ToQColor(pen.color));
    if (pen.width > 1) {
        qtPen.setWidth(pen.width);
        qtPen.setCapStyle(Qt::RoundCap);
        qtPen.setJoinStyle(Qt::RoundJoin);
        return qtPen;
    }
    // A flat cap leaves out a line's last pixel, so joined lines draw each pixel once.
    qtPen.setWidth(1);
    qtPen.setCapStyle(Qt::FlatCap);
    qtPen.setJoinStyle(Qt::MiterJoin);
    if (pen.style == CPenStyle::Dot) qtPen.setDashPattern({kDotLength, kDotLength});
    return qtPen;
}

QBrush ToQBrush(const CBrush& brush) {
    if (!brush.color) return Qt::NoBrush;
    return QBrush(ToQColor(*brush.color), Qt::SolidPattern);
}

QFont ToQFont(const CFont& font) {
    QFont qtFont(font.face.empty() ? kDefaultFace : QString::fromStdString(font.face));
    if (font.pixelHeight > 0) qtFont.setPixelSize(font.pixelHeight);
    if (font.weight > 0) qtFont.setWeight(QFont::Weight(std::min(font.weight, 1000)));
    qtFont.setStyleStrategy(QFont::PreferAntialias);
    return qtFont;
}

QPolygon ToQPolygon(std::span<const CPoint> points) {
    QPolygon polygon;
    polygon.reserve(qsizetype(points.size()));
    for (CPoint point : points)
        polygon.append(QPoint(point.x, point.y));
    return polygon;
}

bool IsEmpty(const CRect& rect) {
    return rect.Width() <= 0 || rect.Height() <= 0;
}

QRect ToQRect(const CRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// The rectangle Qt needs to outline the ellipse inscribed in bounds with a 1-pixel pen
// through the pixels just inside bounds: Qt's outline covers its right and bottom edges.
QRectF ShapeRect(const CRect& bounds) {
    return QRectF(bounds.left, bounds.top, bounds.Width() - 1, bounds.Height() - 1);
}

// The angle in radians, counterclockwise on screen from 3 o'clock, of the radial from the
// centre of the ellipse inscribed in shape through the point, measured on the circle the
// ellipse is stretched from (so the radial meets the ellipse at PointOnEllipse of it).
qreal RadialAngle(const QRectF& shape, CPoint point) {
    const QPointF centre = shape.center();
    const qreal dx = (point.x - centre.x()) / std::max(shape.width(), qreal(1));
    const qreal dy = (centre.y() - point.y) / std::max(shape.height(), qreal(1));
    return std::atan2(dy, dx);
}

QPointF PointOnEllipse(const QRectF& shape, qreal angle) {
    return shape.center() +
           QPointF(shape.width() / 2 * std::cos(angle), -shape.height() / 2 * std::sin(angle));
}

// The half-plane on middle's side of the line through first and last (which differ), as a
// polygon reaching `reach` pixels away. It is moved half a pixel because clipping keeps the pixels
// whose centres are inside, while the outlines run through the points pixels' coordinates name.
QPainterPath SideOfLine(QPointF first, QPointF last, QPointF middle, qreal reach) {
    const QPointF chord = last - first;
    const qreal length = std::hypot(chord.x(), chord.y());
    const QPointF along = chord / length * reach;
    QPointF across(-along.y(), along.x());
    if (QPointF::dotProduct(middle - first, across) < 0) across = -across;
    const QPointF offset(0.5, 0.5);
    QPainterPath side;
    side.addPolygon(QPolygonF({first - along + offset, last + along + offset,
                               last + along + across + offset, first - along + across + offset}));
    return side;
}

// Runs draw with a painter on the image, shapes antialiased or not, text always smoothed;
// nothing on an empty image. The painter works in the image's logical pixels.
template <typename Draw>
void Paint(QImage& image, bool antialias, Draw draw) {
    if (image.isNull()) return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    draw(painter);
}

// Fills with the brush and outlines with the pen the shape that draw(painter) paints, inside
// the clip when one is given. The fill covers the pixels whose centres lie inside the shape
// (pixel (x, y) spans x to x + 1, y to y + 1); the outline runs through the pixels that the
// shape's coordinates name, as Qt's 1-pixel outlines do, so wider outlines move half a pixel
// to centre on them.
template <typename Draw>
void DrawShape(QImage& image, bool antialias, const CPen& pen, const CBrush& brush, Draw draw,
               const QPainterPath& clip = {}) {
    Paint(image, antialias, [&](QPainter& painter) {
        if (!clip.isEmpty()) painter.setClipPath(clip);
        if (brush.color) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQBrush(brush));
            draw(painter);
        }
        painter.setPen(ToQPen(pen));
        painter.setBrush(Qt::NoBrush);
        // Smoothed 1-pixel outlines run through pixel centres too, so that upright and level
        // lines stay crisp.
        if (pen.width > 1 || antialias) painter.translate(0.5, 0.5);
        draw(painter);
    });
}

// For each of targetCount pixels along an axis, the source pixels [first, second) it covers
// when sourceCount pixels are stretched over targetCount; at least one each.
std::vector<std::pair<int, int>> CoveredSpans(int sourceCount, int targetCount) {
    std::vector<std::pair<int, int>> spans(static_cast<std::size_t>(targetCount));
    for (int i = 0; i < targetCount; ++i) {
        const auto first = int(std::int64_t(i) * sourceCount / targetCount);
        const auto last = int(std::int64_t(i + 1) * sourceCount / targetCount);
        spans[std::size_t(i)] = {first, std::max(last, first + 1)};
    }
    return spans;
}

// Scales the image to size making each pixel the bitwise AND of the pixels it covers, which
// keeps dark strokes on white when shrinking and picks the nearest pixel when enlarging.
QImage ScaleKeepingDark(const QImage& image, QSize size) {
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const auto columns = CoveredSpans(source.width(), size.width());
    const auto rows = CoveredSpans(source.height(), size.height());
    QImage scaled(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        const auto [firstRow, endRow] = rows[std::size_t(y)];
        for (int x = 0; x < size.width(); ++x) {
            const auto [firstColumn, endColumn] = columns[std::size_t(x)];
            QRgb pixel = 0xffffffff;
            for (int sourceY = firstRow; sourceY < endRow; ++sourceY) {
                const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sourceY));
                for (int sourceX = firstColumn; sourceX < endColumn; ++sourceX)
                    pixel &= in[sourceX];
            }
            out[x] = pixel | 0xff000000;
        }
    }
    return scaled;
}

}  // namespace

CQtCanvas::CQtCanvas(int width, int height, qreal pixelRatio)
    : m_width(std::max(width, 0)),
      m_height(std::max(height, 0)),
      m_pixelRatio(pixelRatio > 0 ? pixelRatio : 1.0),
      m_image(qRound(m_width * m_pixelRatio), qRound(m_height * m_pixelRatio),
              QImage::Format_RGB32) {
    m_image.setDevicePixelRatio(m_pixelRatio);
    m_image.fill(Qt::white);
}

CPen CQtCanvas::SetPen(const CPen& pen) {
    return std::exchange(m_pen, pen);
}

CBrush CQtCanvas::SetBrush(const CBrush& brush) {
    return std::exchange(m_brush, brush);
}

void CQtCanvas::Line(CPoint from, CPoint to) {
    DrawShape(m_image, m_antialias, m_pen, CBrush{},
              [&](QPainter& painter) { painter.drawLine(from.x, from.y, to.x, to.y); });
}

void CQtCanvas::Polyline(std::span<const CPoint> points) {
    DrawShape(m_image, m_antialias, m_pen, CBrush{},
              [&](QPainter& painter) { painter.drawPolyline(ToQPolygon(points)); });
}

void CQtCanvas::Polygon(std::span<const CPoint> points) {
    DrawShape(m_image, m_antialias, m_pen, m_brush,
              [&](QPainter& painter) { painter.drawPolygon(ToQPolygon(points), Qt::OddEvenFill); });
}

void CQtCanvas::Ellipse(const CRect& bounds) {
    if (IsEmpty(bounds)) return;
    DrawShape(m_image, m_antialias, m_pen, m_brush,
              [&](QPainter& painter) { painter.drawEllipse(ShapeRect(bounds)); });
}

// The ellipse cut along the chord, then the chord itself: Qt's own chords and arcs leave the
// curve uneven, while its whole ellipses come out symmetric.
void CQtCanvas::Chord(const CRect& bounds, CPoint from, CPoint to) {
    if (IsEmpty(bounds)) return;
    const QRectF shape = ShapeRect(bounds);
    const qreal start = RadialAngle(shape, from);
    qreal span = RadialAngle(shape, to) - start;
    if (span <= 0) span += kFullTurn;
    const QPoint first = PointOnEllipse(shape, start).toPoint();
    const QPoint last = PointOnEllipse(shape, start + span).toPoint();
    if (first == last) {
        // The radials coincide, or the chord is shorter than a pixel.
        if (span > std::numbers::pi) Ellipse(bounds);
        return;
    }
    const QPointF middle = PointOnEllipse(shape, start + span / 2);
    const qreal reach = shape.width() + shape.height() + 2;
    DrawShape(
        m_image, m_antialias, m_pen, m_brush,
        [&](QPainter& painter) { painter.drawEllipse(shape); },
        SideOfLine(first, last, middle, reach));
    // As a closed outline, so that both of its ends are drawn.
    DrawShape(m_image, m_antialias, m_pen, CBrush{}, [&](QPainter& painter) {
        painter.drawPolygon(QPolygon({first, last}));
    });
}

void CQtCanvas::FillRect(const CRect& rect, CColor color) {
    if (IsEmpty(rect)) return;
    Paint(m_image, false,
          [&](QPainter& painter) { painter.fillRect(ToQRect(rect), ToQColor(color)); });
}

void CQtCanvas::DrawText(std::u16string_view text, const CFont& font, CPoint topLeft) {
    const QString qtText = QString::fromUtf16(text.data(), qsizetype(text.size()));
    Paint(m_image, m_antialias, [&](QPainter& painter) {
        painter.setFont(ToQFont(font));
        painter.setPen(ToQColor(m_pen.color));
        const int baseline = topLeft.y + painter.fontMetrics().ascent();
        painter.drawText(QPoint(topLeft.x, baseline), qtText);
    });
}

std::unique_ptr<CCanvas> CQtCanvas::CreateImage(int width, int height) const {
    auto image = std::make_unique<CQtCanvas>(width, height, m_pixelRatio);
    image->SetAntialiasing(m_antialias);
    return image;
}

void CQtCanvas::CopyFrom(const CCanvas& image, const CRect& source, const CRect& target,
                         CStretchMode mode) {
    const auto* qtImage = dynamic_cast<const CQtCanvas*>(&image);
    if (!qtImage) throw std::invalid_argument("CQtCanvas copies only from Qt canvases");
    if (IsEmpty(source) || IsEmpty(target)) return;
    // A copy of the source part, so that copying within one canvas reads unchanged pixels;
    // both rectangles in device pixels.
    QImage part = qtImage->m_image.copy(qtImage->DeviceRect(source));
    part.setDevicePixelRatio(1.0);
    const QSize size = DeviceRect(target).size();
    QImage scaled = part;
    if (part.size() != size) {
        scaled = mode == CStretchMode::BlackOnWhite
                     ? ScaleKeepingDark(part, size)
                     : part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    scaled.setDevicePixelRatio(m_pixelRatio);
    Paint(m_image, false, [&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(target.left, target.top), scaled);
    });
}

bool CQtCanvas::SavePng(const std::string& path) const {
    return m_image.save(QString::fromStdString(path), "PNG");
}

QRect CQtCanvas::DeviceRect(const CRect& rect) const {
    const QRectF scaled(rect.left * m_pixelRatio, rect.top * m_pixelRatio,
                        rect.Width() * m_pixelRatio, rect.Height() * m_pixelRatio);
    return scaled.toAlignedRect();
}

}  // namespace brushly
