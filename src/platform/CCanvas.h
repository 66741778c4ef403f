#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/CPoint.h"

namespace brushly {

struct CColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const CColor&, const CColor&) = default;
};

enum class CPenStyle { Solid, Dot };

struct CPen {
    CColor color;
    int width = 1;  // pixels
    CPenStyle style = CPenStyle::Solid;

    friend bool operator==(const CPen&, const CPen&) = default;
};

// A solid brush of a colour, or the hollow brush (no fill) when color is empty.
struct CBrush {
    std::optional<CColor> color;

    friend bool operator==(const CBrush&, const CBrush&) = default;
};

struct CFont {
    std::string face;  // UTF-8 family name; empty for the default Japanese font
    int pixelHeight = 0;
    int weight = 400;  // 400 normal, 700 bold

    friend bool operator==(const CFont&, const CFont&) = default;
};

// How CopyFrom shrinks or stretches: keeping black strokes on white legible, or averaging.
enum class CStretchMode { BlackOnWhite, Halftone };

// A drawing surface in integer pixels, origin top-left, y downwards: the program's window
// contents and its off-screen images. Shapes are outlined with the selected pen and filled
// with the selected brush; lines use the pen. A new canvas starts with a black 1-pixel solid
// pen and a white brush. Engines draw through this interface only, so they stay free of
// the GUI toolkit; tests use a recording implementation.
class CCanvas {
public:
    virtual ~CCanvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Select a pen or brush; each returns the one selected before, for restoring.
    virtual CPen SetPen(const CPen& pen) = 0;
    virtual CBrush SetBrush(const CBrush& brush) = 0;

    virtual void Line(CPoint from, CPoint to) = 0;
    virtual void Polyline(std::span<const CPoint> points) = 0;
    // A closed polygon through the points, filled and outlined.
    virtual void Polygon(std::span<const CPoint> points) = 0;
    // The ellipse inscribed in the rectangle, filled and outlined.
    virtual void Ellipse(const CRect& bounds) = 0;
    // The part of the ellipse inscribed in bounds that lies between the chord from the
    // radial through `from` to the radial through `to`, going counterclockwise on screen;
    // filled and outlined.
    virtual void Chord(const CRect& bounds, CPoint from, CPoint to) = 0;
    // Fills the rectangle with the colour, no outline.
    virtual void FillRect(const CRect& rect, CColor color) = 0;
    // Draws the text with its top-left corner at the point, in the pen's colour, with a
    // transparent background.
    virtual void DrawText(std::u16string_view text, const CFont& font, CPoint topLeft) = 0;

    // A new off-screen image of the same kind, filled white.
    virtual std::unique_ptr<CCanvas> CreateImage(int width, int height) const = 0;
    // Copies the source rectangle of an image made by CreateImage (of this canvas or of
    // one of the same kind) into the target rectangle, stretching when sizes differ.
    virtual void CopyFrom(const CCanvas& image, const CRect& source, const CRect& target,
                          CStretchMode mode) = 0;
};

}  // namespace brushly
