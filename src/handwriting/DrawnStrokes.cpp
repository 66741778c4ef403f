#include "handwriting/DrawnStrokes.h"

#include <utility>

namespace brushly {

CRecognisedStroke RecogniseStrokeAndPath(const std::vector<CPoint>& points) {
    CStrokeRecogniser recogniser;
    recogniser.AddPoints(points);
    CRecognisedStroke stroke;
    stroke.segments = recogniser.Release();
    stroke.path = recogniser.Samples();
    return stroke;
}

CDrawnStrokes RecogniseStrokes(const std::vector<std::vector<CPoint>>& pointerStrokes) {
    CDrawnStrokes drawn;
    for (const std::vector<CPoint>& points : pointerStrokes) {
        CRecognisedStroke stroke = RecogniseStrokeAndPath(points);
        if (stroke.segments.empty()) continue;
        AppendStroke(stroke.segments, drawn.segments);
        drawn.paths.push_back(std::move(stroke.path));
    }
    return drawn;
}

}  // namespace brushly
