#include "handwriting/DrawnStrokes.h"

namespace brushly {

CDrawnStrokes RecogniseStrokes(const std::vector<std::vector<CPoint>>& pointerStrokes) {
    CDrawnStrokes drawn;
    for (const std::vector<CPoint>& points : pointerStrokes) {
        CStrokeRecogniser recogniser;
        recogniser.AddPoints(points);
        const std::vector<CTypedSegment> segments = recogniser.Release();
        if (segments.empty()) continue;
        AppendStroke(segments, drawn.segments);
        drawn.paths.push_back(recogniser.Samples());
    }
    return drawn;
}

}  // namespace brushly
