#pragma once

#include <span>
#include <string>

#include "handwriting/CStrokeCanvas.h"
#include "platform/CCanvas.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

namespace brushly {

// Everything a kanji draw box shows. Stroke lists are not owned; a null list shows
// nothing. Pixels of the drawing area, origin at the picture's top-left, y down.
struct CBoxPictureState {
    // Size of the drawing area; 0 takes the picture's width or height.
    int areaWidth = 0;
    int areaHeight = 0;
    CColor background{255, 255, 255};
    int guides = 0;  // 0 none, 1 centre cross, 2 centre line and thirds

    // The ghost: when ghostText is not empty it is drawn in kGhostColor with ghostFont at
    // ghostTextTopLeft, else the ghost strokes in kRoleGhost (for the simple style the
    // caller passes the JoinForRaw copy of the target strokes).
    const CKanjiStrokes* ghost = nullptr;
    std::u16string ghostText;
    CFont ghostFont;
    CPoint ghostTextTopLeft;

    const CKanjiStrokes* userStrokes = nullptr;
    bool correct = false;  // the status is "Kanji is CORRECT": a green frame

    // The check's feedback lists, drawn only while feedbackShown and no stroke is drawn.
    bool feedbackShown = false;
    const CKanjiStrokes* incorrect = nullptr;
    const CKanjiStrokes* wrongOrder = nullptr;
    const CKanjiStrokes* incomplete = nullptr;
    const CKanjiStrokes* incompleteWrongOrder = nullptr;

    // The hint, shown while no stroke is drawn: level 1 circles the hint stroke's start,
    // level 2 its start and its last segment's end, level 3 draws the stroke in kRoleHint.
    int hintLevel = 0;
    const CKanjiStrokes* hintStroke = nullptr;

    // A stroke in progress: the recogniser's working segments, segment i shifted by
    // workingOffsets[i] (no shift where the offsets end).
    bool drawing = false;
    const CKanjiStrokes* working = nullptr;
    std::span<const CPoint> workingOffsets;
};

// Composes the draw box's picture on canvas.Picture(), in the canvas's style:
// background and dotted guides, the ghost, the user's strokes in kRoleUser, the green
// frame 10 pixels wide when correct, then either (no stroke being drawn) the feedback
// lists in roles 2, 3, 6, 5 and the hint, or (while drawing) the working segments in
// kRoleUser, drawn on the working image over a copy of the picture and copied back. The
// picture then holds the whole box, to be copied to the screen in one piece. The canvas's
// drawing target is left as it was.
void ComposeBoxPicture(CStrokeCanvas& canvas, const CBoxPictureState& state);

}  // namespace brushly
