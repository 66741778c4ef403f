#pragma once

#include <initializer_list>
#include <tuple>
#include <vector>

#include "reference/CKanjiStrokes.h"
#include "reference/StrokeType.h"

// Building and inspecting small stroke lists in tests.
namespace brushly::testing {

inline CStrokeData Segment(int type, int newStroke, CPoint start = {}, CPoint end = {}) {
    CStrokeData segment;
    segment.start = start;
    segment.end = end;
    segment.type = type;
    segment.newStroke = newStroke;
    return segment;
}

inline CKanjiStrokes List(std::initializer_list<CStrokeData> segments) {
    CKanjiStrokes strokes;
    for (const CStrokeData& segment : segments)
        strokes.Append(segment);
    return strokes;
}

// One single-segment stroke per code.
inline CKanjiStrokes StrokesOfTypes(std::initializer_list<int> types) {
    CKanjiStrokes strokes;
    for (int type : types)
        strokes.Append(Segment(type, 1));
    return strokes;
}

inline std::vector<int> Types(const CKanjiStrokes& strokes) {
    std::vector<int> types;
    for (const auto& segment : strokes.segments)
        types.push_back(segment->type);
    return types;
}

inline std::tuple<int, int, int, int, int, int> Fields(const CStrokeData& segment) {
    return {segment.start.x, segment.start.y, segment.end.x,
            segment.end.y,   segment.type,    segment.newStroke};
}

}  // namespace brushly::testing
