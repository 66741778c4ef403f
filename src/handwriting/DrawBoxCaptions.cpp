#include "handwriting/DrawBoxCaptions.h"

#include "handwriting/CKanjiDrawBox.h"

namespace brushly {

std::string_view StatusCaption(int status, std::string_view completion) {
    switch (status) {
        case kStatusIncorrect:
            return "Incorrect Stroke(s)";
        case kStatusWrongOrder:
            return "Incorrect Stroke Order";
        case kStatusCorrectSoFar:
            return "Correct (so far)";
        case kStatusCorrect:
            return completion;
        case kStatusTooMany:
            return "Too many strokes";
        case kStatusIncomplete:
            return "Incomplete Stroke";
        case kStatusIncompleteWrongOrder:
            return "Partial Str. - Incorrect Order";
        default:
            return {};
    }
}

bool AdvanceHint(int& hintLevel, std::string& caption) {
    if (hintLevel == 1) {
        caption = std::string(kCaptionHintEnd);
        hintLevel = 2;
        return true;
    }
    if (hintLevel == 2) {
        caption = std::string(kCaptionHintStroke);
        hintLevel = 3;
        return true;
    }
    return false;
}

bool InsideDrawArea(CPoint point) {
    return point.x >= kDrawArea.left && point.x < kDrawArea.right && point.y >= kDrawArea.top &&
           point.y < kDrawArea.bottom;
}

}  // namespace brushly
