#pragma once

#include <string>
#include <vector>

#include "platform/CCanvas.h"

namespace brushly {

// One drawing call as a CRecordingCanvas saw it. Fields a kind does not use keep their
// defaults, so whole calls compare equal when they drew the same thing.
struct CDrawCall {
    enum class Kind { Line, Polyline, Polygon, Ellipse, Chord, FillRect, Text, CopyFrom };

    Kind kind = Kind::Line;
    // Line: from, to. Polyline, Polygon: the points. Chord: the radial points from, to.
    // Text: the top-left corner.
    std::vector<CPoint> points{};
    // Ellipse, Chord: the bounds. FillRect: the rectangle. CopyFrom: the target rectangle.
    CRect rect{};
    // CopyFrom: the rectangle in the source image, the source's Id() and the stretch mode.
    CRect sourceRect{};
    int sourceId = 0;
    CStretchMode mode = CStretchMode::BlackOnWhite;
    // FillRect: the colour. Text: the text and its font.
    CColor color{};
    std::u16string text{};
    CFont font{};
    // The pen and brush selected when the call was made, whatever its kind.
    CPen pen{};
    CBrush brush{};

    friend bool operator==(const CDrawCall&, const CDrawCall&) = default;
};

// A canvas that draws nothing and records every call as a CDrawCall, so tests of the
// engines can assert exactly what was drawn. Like a fresh device context it starts with a
// black 1-pixel solid pen and a white brush selected. Each canvas has its own id, which
// CopyFrom records to name its source.
class CRecordingCanvas final : public CCanvas {
public:
    // Sizes are in pixels and only reported back by Width() and Height().
    CRecordingCanvas(int width, int height);
    CRecordingCanvas(const CRecordingCanvas&) = delete;
    CRecordingCanvas& operator=(const CRecordingCanvas&) = delete;

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

    CPen SetPen(const CPen& pen) override;
    CBrush SetBrush(const CBrush& brush) override;

    void Line(CPoint from, CPoint to) override;
    void Polyline(std::span<const CPoint> points) override;
    void Polygon(std::span<const CPoint> points) override;
    void Ellipse(const CRect& bounds) override;
    void Chord(const CRect& bounds, CPoint from, CPoint to) override;
    void FillRect(const CRect& rect, CColor color) override;
    void DrawText(std::u16string_view text, const CFont& font, CPoint topLeft) override;

    // Returns a new, empty CRecordingCanvas of the size.
    std::unique_ptr<CCanvas> CreateImage(int width, int height) const override;
    // Records the copy; the image must be a CRecordingCanvas (else std::invalid_argument).
    void CopyFrom(const CCanvas& image, const CRect& source, const CRect& target,
                  CStretchMode mode) override;

    // Distinct for every recording canvas made in the process, counting from 1.
    int Id() const { return m_id; }
    const CPen& Pen() const { return m_pen; }
    const CBrush& Brush() const { return m_brush; }

    // Every call in the order made.
    const std::vector<CDrawCall>& Calls() const { return m_calls; }
    // The calls of one kind, in the order made.
    std::vector<CDrawCall> CallsOf(CDrawCall::Kind kind) const;
    // Forgets the recorded calls; the selected pen and brush stay.
    void Clear() { m_calls.clear(); }

private:
    // Appends a call of the kind carrying the current pen and brush, for the caller to fill.
    CDrawCall& Record(CDrawCall::Kind kind);

    int m_id;
    int m_width;
    int m_height;
    CPen m_pen;
    CBrush m_brush{CColor{255, 255, 255}};
    std::vector<CDrawCall> m_calls;
};

}  // namespace brushly
