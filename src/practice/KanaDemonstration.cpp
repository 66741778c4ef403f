#include "practice/KanaDemonstration.h"

#include "handwriting/KanaComparison.h"

namespace brushly {

namespace {

CPoint PrimaryPoint(const CKanaPoint& point) {
    const int x = point.x > kAlternativeX ? point.x - kAlternativeX : point.x;
    return {x, point.y};
}

CStrokeData Segment(CPoint start, CPoint end, bool first) {
    CStrokeData segment;
    segment.start = start;
    segment.end = end;
    segment.type = kStraightNoArrow;
    segment.newStroke = first ? 1 : 0;
    return segment;
}

}  // namespace

CKanjiStrokes KanaDemonstrationStrokes(const CKanaData& kana) {
    CKanjiStrokes strokes;
    for (const CObArray& stroke : kana.strokes) {
        if (stroke.points.empty()) continue;
        CPoint from = PrimaryPoint(stroke.points.front());
        bool first = true;
        for (std::size_t i = 1; i < stroke.points.size(); ++i) {
            const CPoint to = PrimaryPoint(stroke.points[i]);
            if (to == from) continue;
            strokes.Append(Segment(from, to, first));
            first = false;
            from = to;
        }
        if (first) strokes.Append(Segment(from, from, true));
    }
    return strokes;
}

}  // namespace brushly
