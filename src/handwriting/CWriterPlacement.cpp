#include "handwriting/CWriterPlacement.h"

#include <cmath>

namespace brushly {

void CWriterPlacement::Record(int databaseStroke, const CKanjiStrokes& user, std::size_t userFirst,
                              std::size_t userCount, const CKanjiStrokes& database,
                              std::size_t databaseFirst, std::size_t databaseCount) {
    if (userCount == 0 || databaseCount == 0) return;
    const CStrokeData& userStart = user[userFirst];
    const CStrokeData& userEnd = user[userFirst + userCount - 1];
    const CStrokeData& databaseStart = database[databaseFirst];
    const CStrokeData& databaseEnd = database[databaseFirst + databaseCount - 1];
    m_displacements[databaseStroke] = {
        (userStart.start.x - databaseStart.start.x + userEnd.end.x - databaseEnd.end.x) / 2.0,
        (userStart.start.y - databaseStart.start.y + userEnd.end.y - databaseEnd.end.y) / 2.0,
        StrokeMiddle(database, databaseFirst, databaseCount)};
}

CPoint CWriterPlacement::Drift(const std::vector<int>& databaseStrokes, CPoint near) const {
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

CPoint StrokeMiddle(const CKanjiStrokes& strokes, std::size_t first, std::size_t count) {
    const CPoint start = strokes[first].start;
    const CPoint end = strokes[first + count - 1].end;
    return {(start.x + end.x) / 2, (start.y + end.y) / 2};
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

}  // namespace brushly
