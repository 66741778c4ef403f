#include "handwriting/CharacterImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "handwriting/CStrokeCanvas.h"
#include "handwriting/ShapeSupport.h"
#include "handwriting/SimpleShapes.h"

namespace brushly {

namespace {

constexpr CColor kWhite{255, 255, 255};
constexpr CColor kRed{255, 0, 0};
constexpr int kCrossPenWidth = 5;
// The two lines of the cross that stands for a character without strokes.
constexpr std::array<std::array<CPoint, 2>, 2> kCross{
    {{{{20, 20}, {160, 160}}}, {{{160, 20}, {20, 160}}}}};
// The crude renderer's pen is the side divided by this, at least 1 pixel.
constexpr int kCrudePenDivisor = 24;

const CKanjiStrokes* StrokesOf(const CKanjiData* record) {
    if (!record || record->strokes.Size() == 0) return nullptr;
    return &record->strokes;
}

CColor CharacterColor(int role) {
    if (role == kRoleGhost) return kFaintCharacterColor;
    return RoleColor(role).value_or(CColor{});
}

void DrawStrokePicture(CCanvas& target, const CKanjiStrokes* strokes, CRect square, int role,
                       CColor background) {
    const std::unique_ptr<CCanvas> image =
        target.CreateImage(kCharacterImageWidth, kCharacterImageHeight);
    image->FillRect({0, 0, kCharacterImageWidth, kCharacterImageHeight}, background);
    if (!strokes) {
        const CScopedSelection selection(*image, CPen{kRed, kCrossPenWidth, CPenStyle::Solid});
        for (const auto& line : kCross)
            image->Line(line[0], line[1]);
    } else if (role == kRoleGhost) {
        CStrokeCanvas canvas(*image);
        const CScopedSelection selection(*image, CPen{kFaintCharacterColor, 1, CPenStyle::Solid},
                                         CBrush{kFaintCharacterColor});
        canvas.DrawStrokes(*strokes, kRoleGhost);
    } else {
        CStrokeCanvas canvas(*image);
        canvas.DrawStrokes(*strokes, RoleColor(role) ? role : kRoleUser);
    }

    const int side = square.Width();
    if (side == kUnscaledCharacterSide) {
        // The picture has only kCharacterImageHeight rows: the copy takes those, and the two
        // rows below them get the background instead of whatever lies past the picture.
        const int rows = kCharacterSquare.Height();
        target.CopyFrom(*image, {kCharacterSquare.left, 0, kCharacterSquare.left + side, rows},
                        {square.left, square.top, square.left + side, square.top + rows},
                        CStretchMode::BlackOnWhite);
        target.FillRect({square.left, square.top + rows, square.right, square.bottom}, background);
        return;
    }
    const CStretchMode mode =
        side > kLargestHalftoneSide ? CStretchMode::BlackOnWhite : CStretchMode::Halftone;
    target.CopyFrom(*image, kCharacterSquare, square, mode);
}

// Maps a point of the stroke frame's kCharacterSquare into the square, inside it.
CPoint ToSquare(CPoint point, CRect square) {
    const double x = (static_cast<double>(point.x) - kCharacterSquare.left) * square.Width() /
                     kCharacterSquare.Width();
    const double y = (static_cast<double>(point.y) - kCharacterSquare.top) * square.Height() /
                     kCharacterSquare.Height();
    return {square.left + static_cast<int>(std::clamp(std::floor(x), 0.0, square.Width() - 1.0)),
            square.top + static_cast<int>(std::clamp(std::floor(y), 0.0, square.Height() - 1.0))};
}

void DrawScaledLine(CCanvas& target, const std::vector<CPoint>& line, CRect square) {
    std::vector<CPoint> mapped;
    mapped.reserve(line.size());
    for (const CPoint& point : line)
        mapped.push_back(ToSquare(point, square));
    if (mapped.size() == 2)
        target.Line(mapped[0], mapped[1]);
    else
        target.Polyline(mapped);
}

void DrawCrudeCharacter(CCanvas& target, const CKanjiStrokes* strokes, CRect square, int role,
                        CColor background) {
    target.FillRect(square, background);
    const int penWidth = std::max(1, square.Width() / kCrudePenDivisor);
    if (!strokes) {
        const CScopedSelection selection(target, CPen{kRed, penWidth, CPenStyle::Solid});
        for (const auto& line : kCross)
            DrawScaledLine(target, {line[0], line[1]}, square);
        return;
    }
    const CScopedSelection selection(target,
                                     CPen{CharacterColor(role), penWidth, CPenStyle::Solid});
    CKanjiStrokes joined = *strokes;
    joined.JoinForRaw();
    for (std::size_t i = 0; i < joined.Size();) {
        const CSimpleShape shape = SimpleSegmentShape(joined, i);
        for (const std::vector<CPoint>& line : shape.lines)
            DrawScaledLine(target, line, square);
        i += shape.consumed;
    }
}

}  // namespace

void DrawCharacterImage(CCanvas& target, const CKanjiData* record, CRect square, int role,
                        int threshold, std::optional<CColor> background) {
    if (square.Width() <= 0 || square.Height() <= 0) return;
    const CKanjiStrokes* strokes = StrokesOf(record);
    const CColor fill = background.value_or(kWhite);
    if (square.Width() < threshold)
        DrawCrudeCharacter(target, strokes, square, role, fill);
    else
        DrawStrokePicture(target, strokes, square, role, fill);
}

}  // namespace brushly
