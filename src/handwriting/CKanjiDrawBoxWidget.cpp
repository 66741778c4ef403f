#include "handwriting/CKanjiDrawBoxWidget.h"

#include <QCursor>
#include <QKeyEvent>

#include "handwriting/BoxPicture.h"
#include "handwriting/CStrokeRecogniser.h"

namespace brushly {

namespace {

// The number of strokes a copy key copies, or 0 for any other key.
int CopyCount(int key) {
    switch (key) {
        case Qt::Key_End:
            return 1;
        case Qt::Key_F2:
            return 2;
        case Qt::Key_F3:
            return 3;
        case Qt::Key_F4:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

CKanjiDrawBoxWidget::CKanjiDrawBoxWidget(Buttons buttons, QWidget* parent)
    : CDrawBoxWindow(buttons, parent) {
    Redraw();
}

void CKanjiDrawBoxWidget::SetCharacter(const CKanjiStrokes& target,
                                       const CDrawBoxSettings& settings) {
    m_target = &target;
    m_targetJoined = target;
    m_targetJoined.JoinForRaw();
    m_box.SetCharacter(target, settings);
    Redraw();
}

bool CKanjiDrawBoxWidget::HandleKey(const QKeyEvent& event) {
    if (const int count = CopyCount(event.key()); count > 0) {
        const CPoint pointer = DrawPoint(QPointF(mapFromGlobal(QCursor::pos())));
        Apply([this, count, pointer] { m_box.CopyLastStrokes(count, pointer); }, true);
        return true;
    }
    if (event.key() != Qt::Key_Space) return false;
    Apply([this] { m_box.CycleGuides(); }, false);
    return true;
}

void CKanjiDrawBoxWidget::ComposePicture() {
    CStrokeCanvas& canvas = StrokeCanvas();
    CBoxPictureState state;
    state.guides = m_box.Guides();
    if (!m_box.GhostText().empty()) {
        if (GhostAsText()) {
            state.ghostText = QString::fromStdString(m_box.GhostText()).toStdU16String();
            state.ghostFont = GhostFont();
            state.ghostTextTopLeft = kGhostTextTopLeft;
        } else if (m_target != nullptr) {
            const bool simple = canvas.GetStyle() == CStrokeCanvas::Style::Simple;
            state.ghost = simple ? &m_targetJoined : m_target;
        }
    }
    state.userStrokes = &m_box.UserStrokes();
    state.correct = m_box.Status() == kStatusCorrect;
    state.feedbackShown = m_box.FeedbackShown();
    state.incorrect = &m_box.Incorrect();
    state.wrongOrder = &m_box.WrongOrder();
    state.incomplete = &m_box.Incomplete();
    state.incompleteWrongOrder = &m_box.IncompleteWrongOrder();
    state.hintLevel = m_box.HintLevel();
    state.hintStroke = &m_box.HintStroke();
    // The recogniser's working segments already stand where they are drawn: no offsets.
    CKanjiStrokes working;
    AppendStroke(m_box.WorkingStroke(), working);
    state.drawing = m_box.Drawing();
    state.working = &working;
    ComposeBoxPicture(canvas, state);
}

}  // namespace brushly
