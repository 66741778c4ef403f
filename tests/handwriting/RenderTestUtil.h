#pragma once

#include <initializer_list>
#include <vector>

#include "handwriting/StrokeGeometry.h"
#include "platform/CRecordingCanvas.h"
#include "reference/CKanjiStrokes.h"
#include "reference/StrokeTestUtil.h"

// Reading back what the stroke renderer drew on a recording canvas.
namespace brushly::testing {

using Points = std::vector<CPoint>;

// The points of every recorded call of the kind, in drawing order.
inline std::vector<Points> PointsOf(const CRecordingCanvas& canvas, CDrawCall::Kind kind) {
    std::vector<Points> shapes;
    for (const CDrawCall& call : canvas.CallsOf(kind))
        shapes.push_back(call.points);
    return shapes;
}

inline std::vector<Points> Polygons(const CRecordingCanvas& canvas) {
    return PointsOf(canvas, CDrawCall::Kind::Polygon);
}

// Lines and polylines alike, in drawing order.
inline std::vector<Points> PenLines(const CRecordingCanvas& canvas) {
    std::vector<Points> lines;
    for (const CDrawCall& call : canvas.Calls())
        if (call.kind == CDrawCall::Kind::Line || call.kind == CDrawCall::Kind::Polyline)
            lines.push_back(call.points);
    return lines;
}

inline COutlinePiece Vertex(CPoint point) {
    return {point, std::nullopt, {}};
}

inline COutlinePiece Arc(CPoint from, CPoint to, CPoint centre) {
    return {from, to, centre};
}

inline Points Outline(std::initializer_list<COutlinePiece> pieces) {
    return OutlinePoints(std::vector<COutlinePiece>(pieces));
}

// A list holding one single-segment stroke.
inline CKanjiStrokes One(int type, CPoint start, CPoint end) {
    return List({Segment(type, 1, start, end)});
}

}  // namespace brushly::testing
