#include "handwriting/CWriterPlacement.h"

#include <cmath>

namespace brushly {

namespace {

CPoint Middle(CPoint a, CPoint b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

}  // namespace

void CWriterPlacement::Record(int databaseStroke, CPoint userStart, CPoint userEnd,
                              CPoint databaseStart, CPoint databaseEnd) {
    m_displacements[databaseStroke] = {
        (userStart.x - databaseStart.x + userEnd.x - databaseEnd.x) / 2.0,
        (userStart.y - databaseStart.y + userEnd.y - databaseEnd.y) / 2.0,
        Middle(databaseStart, databaseEnd)};
}

CPoint CWriterPlacement::Drift(const std::vector<int>& databaseStrokes, CPoint databaseStart,
                               CPoint databaseEnd) const {
    const CPoint near = Middle(databaseStart, databaseEnd);
    const CShift* nearest = nullptr;
    double nearestDistance = 0.0;
    for (const int stroke : databaseStrokes) {
        const auto found = m_displacements.find(stroke);
        if (found == m_displacements.end()) continue;
        const double dx = found->second.middle.x - near.x;
        const double dy = found->second.middle.y - near.y;
        const double distance = dx * dx + dy * dy;
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = &found->second;
            nearestDistance = distance;
        }
    }
    if (nearest == nullptr) return {};
    return {static_cast<int>(std::lround(nearest->x)), static_cast<int>(std::lround(nearest->y))};
}

CKanjiStrokes Shifted(const CKanjiStrokes& strokes, CPoint shift) {
    CKanjiStrokes copy;
    for (const auto& segment : strokes.segments) {
        CStrokeData moved = *segment;
        moved.start = {moved.start.x + shift.x, moved.start.y + shift.y};
        moved.end = {moved.end.x + shift.x, moved.end.y + shift.y};
        copy.Append(moved);
    }
    return copy;
}

std::vector<CPoint> Shifted(const std::vector<CPoint>& path, CPoint shift) {
    std::vector<CPoint> moved;
    moved.reserve(path.size());
    for (const CPoint p : path)
        moved.push_back({p.x + shift.x, p.y + shift.y});
    return moved;
}

}  // namespace brushly
