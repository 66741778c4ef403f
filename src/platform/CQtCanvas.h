#pragma once

#include <QImage>
#include <string>

#include "platform/CCanvas.h"

namespace brushly {

// The canvas of the program: a QImage (Format_RGB32, pixel (0, 0) top-left) drawn with
// QPainter. Coordinates are logical pixels; an image made for a screen of device pixel ratio
// r holds r x r device pixels for each of them (r = 1 by default), so that it is as sharp on
// a high-density screen. Shapes are not antialiased unless SetAntialiasing asks for it, so by
// default they come out pixel for pixel much as on the Windows device contexts the program
// was first written for (at r = 1):
// - A fresh canvas is white, with a black 1-pixel solid pen and a white brush selected.
// - Outlines run through the pixels their coordinates name; wider pens centre on them, with
//   round ends and joins. 1-pixel lines leave out their last pixel, as LineTo does. A dot
//   pen draws 3 pixels on, 3 off; wider than 1 pixel it draws solid.
// - Fills cover the pixels whose centres lie inside a shape (pixel (x, y) spanning x to
//   x + 1), polygons by the odd-even rule. An ellipse or chord, outline included, stays
//   inside its bounds (right and bottom exclusive) for a 1-pixel pen; the chord's ends are
//   where the radials meet the ellipse, rounded to pixels.
// - Text uses the face given, else IPAMincho, else Qt's best match for the glyphs; it is
//   antialiased. A pixel height of 0 or less keeps the face's default size, and a
//   weight of 0 or less means normal.
// - CopyFrom takes sources from CQtCanvas images only (else std::invalid_argument); parts of
//   the source rectangle outside its image read as black. Empty rectangles copy nothing.
//   BlackOnWhite makes each target pixel the bitwise AND of the source pixels it covers
//   (the nearest pixel when enlarging), so thin dark strokes survive shrinking; Halftone
//   averages (smooth scaling). Equal sizes copy pixels unchanged in either mode. Copies work
//   in device pixels, so images of the same pixel ratio copy without loss.
class CQtCanvas final : public CCanvas {
public:
    // A white canvas of the size in logical pixels, with pixelRatio device pixels to each
    // (a ratio of 0 or less counts as 1); a size of 0 or less makes an empty canvas that
    // ignores drawing.
    CQtCanvas(int width, int height, qreal pixelRatio = 1.0);

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }
    qreal PixelRatio() const { return m_pixelRatio; }
    // Whether lines and shapes (not FillRect or CopyFrom) are drawn with smoothed edges; off
    // on a new canvas, inherited by the images CreateImage makes.
    void SetAntialiasing(bool on) { m_antialias = on; }
    bool Antialiasing() const { return m_antialias; }

    CPen SetPen(const CPen& pen) override;
    CBrush SetBrush(const CBrush& brush) override;

    void Line(CPoint from, CPoint to) override;
    void Polyline(std::span<const CPoint> points) override;
    void Polygon(std::span<const CPoint> points) override;
    void Ellipse(const CRect& bounds) override;
    void Chord(const CRect& bounds, CPoint from, CPoint to) override;
    void FillRect(const CRect& rect, CColor color) override;
    void DrawText(std::u16string_view text, const CFont& font, CPoint topLeft) override;

    std::unique_ptr<CCanvas> CreateImage(int width, int height) const override;
    void CopyFrom(const CCanvas& image, const CRect& source, const CRect& target,
                  CStretchMode mode) override;

    // The image, of Width() x Height() logical pixels, with PixelRatio() set as its device
    // pixel ratio: QPainter draws it at its logical size.
    const QImage& Image() const { return m_image; }
    // Writes the image as a PNG file (path in UTF-8); false if it cannot be written.
    bool SavePng(const std::string& path) const;

private:
    // The rectangle of logical pixels in device pixels of the image.
    QRect DeviceRect(const CRect& rect) const;

    int m_width;
    int m_height;
    qreal m_pixelRatio;
    bool m_antialias = false;
    QImage m_image;
    CPen m_pen;
    CBrush m_brush{CColor{255, 255, 255}};
};

}  // namespace brushly
