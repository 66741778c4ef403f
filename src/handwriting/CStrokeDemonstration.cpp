#include "handwriting/CStrokeDemonstration.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "handwriting/BrushShapes.h"
#include "handwriting/ShapeSupport.h"
#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeType.h"

namespace brushly {

namespace {

constexpr CColor kBackground{255, 255, 255};

// The code a segment is drawn with while it is being revealed: the straight strokes lose
// their serifs, and a hook bending right (direction below 90 degrees) loses its flick.
int SweepCode(const CStrokeData& segment) {
    switch (segment.type) {
        case kStraight:
        case kStraightHalfArrow:
        case kStraightNoArrow:
        case kBoxBegin:
        case kBoxEnd:
            return kStraightNoArrow;
        case kStraightRectOnly:
        case kStraightHalfRectOnly:
        case kStraightNoArrowRectOnly:
            return kStraightNoArrowRectOnly;
        case kHook:
            return GeometryOf(segment).direction < 90 ? kHookStem : kHook;
        default:
            return segment.type;
    }
}

// Where a segment of the direction (whole degrees) is revealed from: its start's column
// or row, then on towards its end.
enum class SweepDirection { Right, Down, Up, Left };

SweepDirection SweepDirectionOf(int direction) {
    if (std::abs(direction) <= 45) return SweepDirection::Right;
    if (std::abs(90 - direction) <= 44) return SweepDirection::Down;
    if (std::abs(-direction - 90) <= 44) return SweepDirection::Up;
    return SweepDirection::Left;
}

}  // namespace

CStrokeDemonstration::CStrokeDemonstration(CCanvas& picture, CDemonstrationTimers& timers,
                                           std::function<void()> pictureChanged)
    : m_canvas(picture), m_timers(timers), m_pictureChanged(std::move(pictureChanged)) {}

CStrokeDemonstration::~CStrokeDemonstration() {
    if (m_busy) SetBusy(false);
}

void CStrokeDemonstration::Start(const CKanjiStrokes* strokes, int speed,
                                 CStrokeCanvas::Style style, bool* ownerBusy) {
    Abandon();
    if (m_busy) SetBusy(false);
    m_strokes = strokes;
    m_ownerBusy = ownerBusy;
    m_speed = std::clamp(speed, 0, kDemonstrationMaxSpeed);
    m_canvas.SetStyle(style);
    m_strokesJoined = strokes ? *strokes : CKanjiStrokes();
    m_strokesJoined.JoinForRaw();
    m_sweepShapes = Demonstrated();
    for (const auto& segment : m_sweepShapes.segments)
        segment->type = SweepCode(*segment);
    m_playing = false;
    m_pauseRequested = false;
    Rewind();
}

void CStrokeDemonstration::Play() {
    m_playing = true;
    m_pauseRequested = false;
    SetBusy(true);
    if (IsDrawingStroke()) return;
    m_timers.StopTimers();
    if (m_finished || AllDrawn()) Rewind();
    DrawNextStroke();
}

void CStrokeDemonstration::Step() {
    m_playing = false;
    m_pauseRequested = false;
    m_timers.StopTimers();
    if (IsDrawingStroke()) {
        ContinueStroke(true);
        return;
    }
    SetBusy(true);
    if (m_finished || AllDrawn()) Rewind();
    DrawNextStroke();
}

void CStrokeDemonstration::Pause() {
    if (m_playing) m_pauseRequested = true;
    m_playing = false;
}

void CStrokeDemonstration::Restart() {
    m_playing = true;
    m_pauseRequested = false;
    SetBusy(true);
    Abandon();
    Rewind();
    DrawNextStroke();
}

void CStrokeDemonstration::OnStrokeTimer() {
    if (m_pauseRequested) {
        m_pauseRequested = false;
        SetBusy(false);
        return;
    }
    if (!m_playing || IsDrawingStroke()) return;
    DrawNextStroke();
}

void CStrokeDemonstration::OnRevealTick() {
    if (!IsDrawingStroke() || m_speed == 0) return;
    RevealDuePixels();
    if (m_sweep.revealed < m_sweep.count) {
        ArmRevealTimer();
        return;
    }
    DrawUnitComplete(m_units[m_nextUnit++]);
    ContinueStroke(false);
}

const CKanjiStrokes& CStrokeDemonstration::Demonstrated() const {
    if (m_canvas.GetStyle() == CStrokeCanvas::Style::Simple || !m_strokes) return m_strokesJoined;
    return *m_strokes;
}

bool CStrokeDemonstration::AllDrawn() const {
    return m_position >= Demonstrated().Size();
}

void CStrokeDemonstration::SetBusy(bool busy) {
    m_busy = busy;
    if (m_ownerBusy) *m_ownerBusy = busy;
}

void CStrokeDemonstration::NotifyPictureChanged() {
    if (m_pictureChanged) m_pictureChanged();
}

void CStrokeDemonstration::ClearPicture() {
    CCanvas& picture = m_canvas.Picture();
    picture.FillRect({0, 0, picture.Width(), picture.Height()}, kBackground);
    NotifyPictureChanged();
}

void CStrokeDemonstration::Rewind() {
    m_finished = false;
    m_position = 0;
    ClearPicture();
}

void CStrokeDemonstration::Abandon() {
    m_timers.StopTimers();
    m_units.clear();
    m_nextUnit = 0;
}

void CStrokeDemonstration::DrawNextStroke() {
    const CKanjiStrokes& list = Demonstrated();
    if (m_position >= list.Size()) {
        m_finished = true;
        m_playing = false;
        SetBusy(false);
        return;
    }
    m_units = StrokeUnits(list, m_position);
    m_nextUnit = 0;
    ContinueStroke(false);
}

std::vector<CStrokeDemonstration::CRevealUnit> CStrokeDemonstration::StrokeUnits(
    const CKanjiStrokes& list, std::size_t first) {
    std::vector<CRevealUnit> units;
    std::size_t i = first;
    do {
        const int type = list[i].type;
        const bool hasNext = i + 1 < list.Size();
        CRevealUnit unit{i, 0, 1};
        if (type == kStraightBsc && hasNext) {
            units.push_back(unit);
            unit.index = ++i;
            unit.width = kBentFollowerWidth;
            unit.consumed = StartsLShape(list, i) ? 2 : 1;
        } else if (StartsLShape(list, i)) {
            unit.consumed = 2;
        } else if (type == kAfterCurve && i > 0) {
            unit.width = StrokeWidth(GeometryOf(list[i - 1]).length);
        } else if (type == kStraightBc && hasNext) {
            unit.width = StrokeWidth(GeometryOf(list[i + 1]).length);
        }
        units.push_back(unit);
        i += unit.consumed;
    } while (i < list.Size() && list[i].newStroke == 0);
    return units;
}

void CStrokeDemonstration::ContinueStroke(bool atOnce) {
    while (m_nextUnit < m_units.size()) {
        if (!atOnce && m_speed > 0) {
            BeginSweep(m_units[m_nextUnit]);
            return;
        }
        DrawUnitComplete(m_units[m_nextUnit++]);
    }
    m_units.clear();
    m_nextUnit = 0;
    StrokeDrawn();
}

void CStrokeDemonstration::StrokeDrawn() {
    if (m_playing) {
        m_timers.StartStrokeTimer(kDemonstrationStrokeMilliseconds);
        return;
    }
    m_pauseRequested = false;
    SetBusy(false);
}

void CStrokeDemonstration::BeginSweep(const CRevealUnit& unit) {
    CCanvas& picture = m_canvas.Picture();
    const CStrokeData& segment = Demonstrated()[unit.index];
    const SweepDirection direction = SweepDirectionOf(GeometryOf(segment).direction);
    m_sweep = CSweep{};
    m_sweep.alongX = direction == SweepDirection::Right || direction == SweepDirection::Left;
    m_sweep.step = direction == SweepDirection::Right || direction == SweepDirection::Down ? 1 : -1;
    // Coordinates off the picture show nothing and are not waited for.
    const int last = std::max((m_sweep.alongX ? picture.Width() : picture.Height()) - 1, 0);
    const int from = std::clamp(m_sweep.alongX ? segment.start.x : segment.start.y, 0, last);
    const int to = std::clamp(m_sweep.alongX ? segment.end.x : segment.end.y, 0, last);
    m_sweep.first = from;
    m_sweep.count = std::max((to - from) * m_sweep.step, 0) + 1;
    m_sweep.begin = m_timers.Now();

    // The working image holds the picture with the whole segment on it; each tick copies
    // the part reached so far back, so that earlier strokes stay as they are.
    CCanvas& scratch = m_canvas.WorkingImage();
    const CRect whole{0, 0, picture.Width(), picture.Height()};
    scratch.CopyFrom(picture, whole, whole, CStretchMode::BlackOnWhite);
    const CStrokeCanvas::Target previous =
        m_canvas.SelectTarget(CStrokeCanvas::Target::WorkingImage);
    DrawUnitShape(m_sweepShapes, unit);
    m_canvas.SelectTarget(previous);
    ArmRevealTimer();
}

void CStrokeDemonstration::RevealDuePixels() {
    const std::int64_t elapsed = (m_timers.Now() - m_sweep.begin).count();
    const std::int64_t due =
        std::min(m_sweep.count, std::max<std::int64_t>(elapsed / MicrosecondsPerPixel(), 0));
    if (due <= m_sweep.revealed) return;
    m_sweep.revealed = due;
    CCanvas& picture = m_canvas.Picture();
    const int reached = m_sweep.first + m_sweep.step * static_cast<int>(due - 1);
    CRect revealed{0, 0, picture.Width(), picture.Height()};
    if (m_sweep.alongX && m_sweep.step > 0) revealed.right = reached + 1;
    if (m_sweep.alongX && m_sweep.step < 0) revealed.left = reached;
    if (!m_sweep.alongX && m_sweep.step > 0) revealed.bottom = reached + 1;
    if (!m_sweep.alongX && m_sweep.step < 0) revealed.top = reached;
    picture.CopyFrom(m_canvas.WorkingImage(), revealed, revealed, CStretchMode::BlackOnWhite);
    NotifyPictureChanged();
}

void CStrokeDemonstration::ArmRevealTimer() {
    const std::int64_t elapsed = (m_timers.Now() - m_sweep.begin).count();
    const std::int64_t wait = (m_sweep.revealed + 1) * MicrosecondsPerPixel() - elapsed;
    const std::int64_t milliseconds = (std::max<std::int64_t>(wait, 0) + 999) / 1000;
    m_timers.StartRevealTimer(
        static_cast<int>(std::max<std::int64_t>(milliseconds, kMinRevealTickMilliseconds)));
}

void CStrokeDemonstration::DrawUnitShape(const CKanjiStrokes& list, const CRevealUnit& unit) {
    CScopedSelection selection(m_canvas.Surface(), *m_canvas.RolePen(kRoleUser),
                               *m_canvas.RoleBrush(kRoleUser));
    if (m_canvas.GetStyle() == CStrokeCanvas::Style::Brush)
        m_canvas.DrawSegment(list, unit.index, unit.width);
    else
        m_canvas.DrawSegmentSimple(list, unit.index);
}

void CStrokeDemonstration::DrawUnitComplete(const CRevealUnit& unit) {
    DrawUnitShape(Demonstrated(), unit);
    m_position = unit.index + unit.consumed;
    NotifyPictureChanged();
}

std::int64_t CStrokeDemonstration::MicrosecondsPerPixel() const {
    return std::int64_t{m_speed} * kRevealMicrosecondsPerSpeedUnit;
}

}  // namespace brushly
