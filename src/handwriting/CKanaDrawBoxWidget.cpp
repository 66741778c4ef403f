#include "handwriting/CKanaDrawBoxWidget.h"

#include <utility>

#include "handwriting/BoxPicture.h"
#include "handwriting/KanaComparison.h"
#include "handwriting/ShapeSupport.h"

namespace brushly {

namespace {

constexpr CColor kMagenta{255, 0, 255};
// The user's pen is 1 pixel in the brush style, too thin for free-hand lines: kana strokes
// take this width there, and the role pen's 8 pixels in the simple style.
constexpr int kBrushStylePenWidth = 3;
constexpr int kHintRadius = 5;

int PenWidth(const CStrokeCanvas& canvas) {
    return canvas.GetStyle() == CStrokeCanvas::Style::Simple ? 8 : kBrushStylePenWidth;
}

void DrawPolylines(CStrokeCanvas& canvas, const std::vector<CPolyline>& strokes, CColor colour) {
    CCanvas& picture = canvas.Picture();
    const CScopedSelection selection(picture, CPen{colour, PenWidth(canvas), CPenStyle::Solid});
    for (const CPolyline& stroke : strokes)
        picture.Polyline(stroke);
}

void DrawRole(CStrokeCanvas& canvas, const std::vector<CPolyline>& strokes, int role) {
    DrawPolylines(canvas, strokes, RoleColor(role).value_or(CColor{}));
}

// The revealed stroke: circles round its start (level 1), also its end (level 2), or the
// stroke itself (level 3).
void DrawHint(CStrokeCanvas& canvas, int level, const CPolyline& stroke) {
    if (stroke.empty() || level < 1) return;
    if (level >= 3) {
        DrawRole(canvas, {stroke}, kRoleHint);
        return;
    }
    CCanvas& picture = canvas.Picture();
    const CScopedSelection selection(picture, CPen{kMagenta, 1, CPenStyle::Solid}, CBrush{});
    auto circle = [&](CPoint centre) {
        picture.Ellipse({centre.x - kHintRadius, centre.y - kHintRadius, centre.x + kHintRadius,
                         centre.y + kHintRadius});
    };
    circle(stroke.front());
    if (level == 2) circle(stroke.back());
}

}  // namespace

CKanaDrawBoxWidget::CKanaDrawBoxWidget(QWidget* parent)
    : CKanaDrawBoxWidget(Buttons::DrawView, parent) {}

CKanaDrawBoxWidget::CKanaDrawBoxWidget(Buttons buttons, QWidget* parent)
    : CDrawBoxWindow(buttons, parent) {
    Redraw();
}

void CKanaDrawBoxWidget::SetKana(std::vector<CPolyline> reference, KanaBoxMode mode,
                                 const CKanaBoxSettings& settings) {
    m_box.SetKana(std::move(reference), mode, settings);
    Redraw();
}

// The background, the centre line, a ghost in a font and the green frame come from the
// kanji box's picture; the polylines are drawn over it, so a stroke that reaches the edge
// shows over the frame.
void CKanaDrawBoxWidget::ComposePicture() {
    CStrokeCanvas& canvas = StrokeCanvas();
    const bool ghostShown = !m_box.GhostText().empty();
    CBoxPictureState state;
    if (ghostShown && GhostAsText()) {
        state.ghostText = QString::fromStdString(m_box.GhostText()).toStdU16String();
        state.ghostFont = GhostFont();
        state.ghostTextTopLeft = kGhostTextTopLeft;
    }
    state.correct = m_box.Status() == kStatusCorrect;
    ComposeBoxPicture(canvas, state);

    if (ghostShown && !GhostAsText()) {
        std::vector<CPolyline> ghost;
        for (const CPolyline& stroke : m_box.Reference())
            ghost.push_back(PrimaryForm(stroke));
        DrawPolylines(canvas, ghost, kGhostColor);
    }
    DrawRole(canvas, m_box.UserStrokes(), kRoleUser);
    if (m_box.Drawing()) {
        DrawRole(canvas, {m_box.CurrentStroke()}, kRoleUser);
        return;
    }
    if (m_box.FeedbackShown()) {
        DrawRole(canvas, m_box.Incorrect(), kRoleIncorrect);
        DrawRole(canvas, m_box.WrongOrder(), kRoleOutOfOrder);
    }
    DrawHint(canvas, m_box.HintLevel(), m_box.HintStroke());
}

}  // namespace brushly
