#pragma once

#include <vector>

#include "handwriting/CStrokeRecogniser.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// Strokes as the draw box keeps them once drawn: what the recogniser made of each and the path
// the pen took. Draw-box pixels (x right, y down).
namespace brushly {

// Several strokes: their segments in one list and, per stroke, its path (empty for a stroke
// not drawn by hand).
struct CDrawnStrokes {
    CKanjiStrokes segments;
    std::vector<std::vector<CPoint>> paths;
};

// Each stroke's pointer positions through the recogniser; strokes without points are left out.
CDrawnStrokes RecogniseStrokes(const std::vector<std::vector<CPoint>>& pointerStrokes);

}  // namespace brushly
