#include "handwriting/BoxPicture.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "handwriting/ShapeSupport.h"

namespace brushly {

namespace {

constexpr CColor kBlack{0, 0, 0};
constexpr CColor kGreen{0, 255, 0};
constexpr CColor kMagenta{255, 0, 255};
// The horizontal guide runs across the whole box width.
constexpr int kGuideLength = 200;
constexpr int kFrameWidth = 10;
constexpr int kHintRadius = 5;
constexpr int kGhostSimplePenWidth = 8;

void DrawGuides(CCanvas& picture, int width, int height, int guides) {
    const CScopedSelection selection(picture, CPen{kBlack, 1, CPenStyle::Dot});
    picture.Line({0, height / 2}, {kGuideLength, height / 2});
    auto upright = [&](int x) { picture.Line({x, 0}, {x, height}); };
    if (guides == 1) upright(width / 2);
    if (guides == 2) {
        upright(static_cast<int>(width * 0.3333));
        upright(static_cast<int>(width * 0.6667));
    }
}

void DrawGhost(CStrokeCanvas& canvas, const CBoxPictureState& state) {
    CCanvas& picture = canvas.Picture();
    if (!state.ghostText.empty()) {
        const CScopedSelection selection(picture, CPen{kGhostColor, 1, CPenStyle::Solid});
        picture.DrawText(state.ghostText, state.ghostFont, state.ghostTextTopLeft);
        return;
    }
    if (!state.ghost) return;
    const int width = canvas.GetStyle() == CStrokeCanvas::Style::Simple ? kGhostSimplePenWidth : 1;
    const CScopedSelection selection(picture, CPen{kGhostColor, width, CPenStyle::Solid},
                                     CBrush{kGhostColor});
    canvas.DrawStrokesInStyle(*state.ghost, kRoleGhost);
}

// Four bands along the edges, each kFrameWidth wide (narrower in a tiny area).
void DrawCorrectFrame(CCanvas& picture, int width, int height) {
    const int across = std::min(kFrameWidth, width / 2);
    const int down = std::min(kFrameWidth, height / 2);
    picture.FillRect({0, 0, width, down}, kGreen);
    picture.FillRect({0, height - down, width, height}, kGreen);
    picture.FillRect({0, down, across, height - down}, kGreen);
    picture.FillRect({width - across, down, width, height - down}, kGreen);
}

void DrawHint(CStrokeCanvas& canvas, const CBoxPictureState& state) {
    if (!state.hintStroke || state.hintStroke->Size() == 0) return;
    const CKanjiStrokes& stroke = *state.hintStroke;
    if (state.hintLevel == 3) {
        canvas.DrawStrokesInStyle(stroke, kRoleHint);
        return;
    }
    if (state.hintLevel != 1 && state.hintLevel != 2) return;
    CCanvas& picture = canvas.Picture();
    const CScopedSelection selection(picture, CPen{kMagenta, 1, CPenStyle::Solid}, CBrush{});
    auto circle = [&](CPoint centre) {
        picture.Ellipse({centre.x - kHintRadius, centre.y - kHintRadius, centre.x + kHintRadius,
                         centre.y + kHintRadius});
    };
    circle(stroke[0].start);
    if (state.hintLevel == 2) circle(stroke[stroke.Size() - 1].end);
}

void DrawFeedback(CStrokeCanvas& canvas, const CBoxPictureState& state) {
    const std::pair<const CKanjiStrokes*, int> lists[] = {
        {state.incorrect, kRoleIncorrect},
        {state.wrongOrder, kRoleOutOfOrder},
        {state.incomplete, kRoleIncomplete},
        {state.incompleteWrongOrder, kRoleIncompleteOutOfOrder}};
    for (const auto& [list, role] : lists)
        if (list) canvas.DrawStrokesInStyle(*list, role);
}

// The point moved by the offset, held within the shapes' coordinate limit.
CPoint Shifted(CPoint point, CPoint offset) {
    auto add = [](int value, int delta) {
        return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{value} + delta,
                                                         -kCoordinateLimit, kCoordinateLimit));
    };
    return {add(point.x, offset.x), add(point.y, offset.y)};
}

// The working segments, each shifted by its offset, drawn on the working image over a copy
// of the picture; the result goes back into the picture.
void DrawWorkingStroke(CStrokeCanvas& canvas, const CBoxPictureState& state) {
    CKanjiStrokes shifted = *state.working;
    for (std::size_t i = 0; i < shifted.Size() && i < state.workingOffsets.size(); ++i) {
        const CPoint offset = state.workingOffsets[i];
        CStrokeData& segment = shifted[i];
        segment.start = Shifted(segment.start, offset);
        segment.end = Shifted(segment.end, offset);
    }
    CCanvas& picture = canvas.Picture();
    CCanvas& working = canvas.WorkingImage();
    const CRect whole{0, 0, picture.Width(), picture.Height()};
    working.CopyFrom(picture, whole, whole, CStretchMode::BlackOnWhite);
    canvas.SelectTarget(CStrokeCanvas::Target::WorkingImage);
    canvas.DrawStrokesInStyle(shifted, kRoleUser);
    canvas.SelectTarget(CStrokeCanvas::Target::Picture);
    picture.CopyFrom(working, whole, whole, CStretchMode::BlackOnWhite);
}

}  // namespace

void ComposeBoxPicture(CStrokeCanvas& canvas, const CBoxPictureState& state) {
    const CStrokeCanvas::Target previousTarget =
        canvas.SelectTarget(CStrokeCanvas::Target::Picture);
    CCanvas& picture = canvas.Picture();
    const int width = state.areaWidth > 0 ? state.areaWidth : picture.Width();
    const int height = state.areaHeight > 0 ? state.areaHeight : picture.Height();

    picture.FillRect({0, 0, width, height}, state.background);
    DrawGuides(picture, width, height, state.guides);
    DrawGhost(canvas, state);
    if (state.userStrokes) canvas.DrawStrokesInStyle(*state.userStrokes, kRoleUser);
    if (state.correct) DrawCorrectFrame(picture, width, height);
    if (!state.drawing) {
        if (state.feedbackShown) DrawFeedback(canvas, state);
        DrawHint(canvas, state);
    } else if (state.working) {
        DrawWorkingStroke(canvas, state);
    }
    canvas.SelectTarget(previousTarget);
}

}  // namespace brushly
