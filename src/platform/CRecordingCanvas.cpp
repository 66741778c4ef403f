#include "platform/CRecordingCanvas.h"

#include <atomic>
#include <stdexcept>

namespace brushly {

namespace {
std::atomic<int> lastCanvasId{0};
}  // namespace

CRecordingCanvas::CRecordingCanvas(int width, int height)
    : m_id(++lastCanvasId), m_width(width), m_height(height) {}

CPen CRecordingCanvas::SetPen(const CPen& pen) {
    CPen previous = m_pen;
    m_pen = pen;
    return previous;
}

CBrush CRecordingCanvas::SetBrush(const CBrush& brush) {
    CBrush previous = m_brush;
    m_brush = brush;
    return previous;
}

void CRecordingCanvas::Line(CPoint from, CPoint to) {
    Record(CDrawCall::Kind::Line).points = {from, to};
}

void CRecordingCanvas::Polyline(std::span<const CPoint> points) {
    Record(CDrawCall::Kind::Polyline).points.assign(points.begin(), points.end());
}

void CRecordingCanvas::Polygon(std::span<const CPoint> points) {
    Record(CDrawCall::Kind::Polygon).points.assign(points.begin(), points.end());
}

void CRecordingCanvas::Ellipse(const CRect& bounds) {
    Record(CDrawCall::Kind::Ellipse).rect = bounds;
}

void CRecordingCanvas::Chord(const CRect& bounds, CPoint from, CPoint to) {
    CDrawCall& call = Record(CDrawCall::Kind::Chord);
    call.rect = bounds;
    call.points = {from, to};
}

void CRecordingCanvas::FillRect(const CRect& rect, CColor color) {
    CDrawCall& call = Record(CDrawCall::Kind::FillRect);
    call.rect = rect;
    call.color = color;
}

void CRecordingCanvas::DrawText(std::u16string_view text, const CFont& font, CPoint topLeft) {
    CDrawCall& call = Record(CDrawCall::Kind::Text);
    call.points = {topLeft};
    call.text = text;
    call.font = font;
}

std::unique_ptr<CCanvas> CRecordingCanvas::CreateImage(int width, int height) const {
    return std::make_unique<CRecordingCanvas>(width, height);
}

void CRecordingCanvas::CopyFrom(const CCanvas& image, const CRect& source, const CRect& target,
                                CStretchMode mode) {
    const auto* recorded = dynamic_cast<const CRecordingCanvas*>(&image);
    if (!recorded) throw std::invalid_argument("CRecordingCanvas copies only recording canvases");
    CDrawCall& call = Record(CDrawCall::Kind::CopyFrom);
    call.rect = target;
    call.sourceRect = source;
    call.sourceId = recorded->Id();
    call.mode = mode;
}

std::vector<CDrawCall> CRecordingCanvas::CallsOf(CDrawCall::Kind kind) const {
    std::vector<CDrawCall> calls;
    for (const CDrawCall& call : m_calls)
        if (call.kind == kind) calls.push_back(call);
    return calls;
}

CDrawCall& CRecordingCanvas::Record(CDrawCall::Kind kind) {
    CDrawCall& call = m_calls.emplace_back();
    call.kind = kind;
    call.pen = m_pen;
    call.brush = m_brush;
    return call;
}

}  // namespace brushly
