#include "handwriting/CStrokeRecogniser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "handwriting/CPointerSampler.h"
#include "handwriting/StrokeMeasures.h"
#include "reference/StrokeType.h"

namespace brushly {

namespace {

using namespace recognition;

constexpr int kBendWindow = 24;         // FindBend looks at the last 3w + 1 points, w = 5
constexpr double kMinReach = 5.0;       // the recogniser waits for the pointer to move this far
constexpr double kBendStartGap = 20.0;  // bends this close to the stroke's start are ignored
constexpr double kCornerHold = 20.0;    // a corner moves while the pointer stays this close
constexpr int kSharpTurn = 75;
constexpr int kOpenCornerTurn = 50;  // a turn between straight arms at least this long
constexpr double kOpenCornerArm = 15.0;
constexpr double kOpenCornerArmDetour = 1.02;  // below this an arm runs straight
constexpr std::size_t kMaxSegments = 6;
constexpr double kLongestDot = 55.0;  // px
constexpr double kHookShare = 0.3;    // a hook is shorter than this share of its stem
constexpr int kLevelTolerance = 10;   // L and tail: how far the pointer may leave the level
constexpr int kHookDrop = 4;          // a hook's end is moved this far down
constexpr int kTailLowest = -79;      // a rising tail after a stem runs between these
constexpr int kTailHighest = -25;
constexpr double kTailLength = 25.0;       // and is a hook when shorter than this
constexpr int kBentTurn = 13;              // a bent start turns more than this
constexpr double kNearlyStraight = 1.006;  // a detour ratio below this is a straight run
// A bent start is taken once the part after the bend is longer than this, runs straight and
// still turns more than kBentTurn from the part before it.
constexpr double kBentStartArm = 20.0;
// The share of an L's stem, from its start, whose direction counts: the rest rounds into the
// corner.
constexpr double kStemShare = 0.85;

// How a working segment is (re)classified while it grows.
enum class ESegmentMode { kPlain, kDot, kHookCurve, kFixed };

struct CWorkSegment {
    int first = 0;  // sample indices; start and end may differ from the samples (L, hooks)
    int last = 0;
    CPoint start;
    CPoint end;
    int type = kStraightNoArrow;
    ESegmentMode mode = ESegmentMode::kPlain;
    int maxDirection = 0;  // hook-curve state: the largest P seen
};

// The recogniser state of the last working segment.
enum class EState { kPlain, kBentStart, kEndHook, kTail, kL };

bool IsStraightAxisCode(int type) {
    return type >= kStraight && type <= kStraightNoArrowRectOnly;
}

// 0 neither, 1 near vertical, 2 near horizontal: what two snapshots must agree on.
int AxisClass(const CTypedSegment& s) {
    const int d = Direction(s.start, s.end);
    if (std::abs(d - 90) <= 4) return 1;
    return std::abs(d) <= 5 ? 2 : 0;
}

bool SnapshotsAgree(const std::vector<CTypedSegment>& a, const std::vector<CTypedSegment>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].type != b[i].type) return false;
        if (IsStraightAxisCode(a[i].type) && AxisClass(a[i]) != AxisClass(b[i])) return false;
    }
    return true;
}

// A segment after which a short backward or upward part is an end hook.
bool IsStem(CPoint start, CPoint end) {
    const int d = Direction(start, end);
    return d >= 60 && d <= 120 && Distance(start, end) >= 20.0;
}

bool IsRisingTail(int direction) {
    return direction >= kTailLowest && direction <= kTailHighest;
}

// At the release, a short rising tail after a stem is the stem's hook.
void HookShortTail(std::vector<CTypedSegment>& segments) {
    if (segments.size() < 2) return;
    const CTypedSegment& stem = segments[segments.size() - 2];
    CTypedSegment& tail = segments.back();
    const double length = Distance(tail.start, tail.end);
    if (!IsStem(stem.start, stem.end) || !IsRisingTail(Direction(tail.start, tail.end)) ||
        length < kBendArm || length >= kTailLength ||
        length >= kHookShare * Distance(stem.start, stem.end)) {
        return;
    }
    tail.type = kHook;
    tail.end.y += kHookDrop;
}

// The neighbour forms: curve forms that lead into a code-10 straight, and code 5 with the
// flush forms after it for a near-horizontal straight segment that another one follows.
void ApplyNeighbourForms(std::vector<CTypedSegment>& segments) {
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        if (segments[i + 1].type != kAfterCurve) continue;
        int& type = segments[i].type;
        if (type == kStraightNoArrow || type == kCurve) type = kCurveVe;
        if (type == kExtraCurve) type = kExtraCurveVe;
        if (type == kSharpCurve) type = kSharpCurveVe;
        if (type == kExtraSharpCurve) type = kExtraSharpCurveVe;
    }
    for (std::size_t i = 0; i + 1 < segments.size(); ++i) {
        CTypedSegment& s = segments[i];
        if (s.type < kStraightNoArrow || s.type > kStraightNoRect) continue;
        if (!NearHorizontal(Direction(s.start, s.end), 44)) continue;
        s.type = kStraightHalfRectOnly;
        int& next = segments[i + 1].type;
        if (next == kTeardrop || next == kCurve) next = kCurveFlush;
        if (next == kExtraCurve) next = kExtraCurveFlush;
        if (next == kSharpCurve) next = kSharpCurveFlush;
        if (next == kExtraSharpCurve) next = kExtraSharpCurveFlush;
    }
}

// Squaring up at the commit: near-horizontal and near-vertical straight segments, hooks
// that point straight down.
void SquareUp(std::vector<CTypedSegment>& segments) {
    for (CTypedSegment& s : segments) {
        const int d = Direction(s.start, s.end);
        if (IsStraightAxisCode(s.type)) {
            if (NearHorizontal(d, 5)) {
                s.end.y = s.start.y;
            } else if (std::abs(d - 90) <= 5) {
                s.end.x = s.start.x;
            }
        } else if (s.type == kHook && d >= 90 && d <= 94) {
            s.end.x = s.start.x - 4;
        }
    }
}

}  // namespace

// The rules' state for one stroke, advanced one sample at a time.
class CStrokeRecogniser::CState {
public:
    // The rules see smoothed samples: the first one as it is, then each one with its
    // neighbours once the next has come (so they trail the pointer by one sample), and the
    // last one as it is at the release.
    void TakeSample(CPoint point) {
        if (m_finished) return;
        ++m_sampleCount;
        if (m_sampleCount == 1) Sample(point);
        if (m_sampleCount >= 3) Sample(Smoothed(m_sampleBefore, m_sampleLast, point));
        m_sampleBefore = m_sampleLast;
        m_sampleLast = point;
    }

    bool Finished() const { return m_finished; }

    const std::vector<CTypedSegment>& Working() const {
        static const std::vector<CTypedSegment> kNone;
        return m_snapshots.empty() ? kNone : m_snapshots.back();
    }

    std::vector<CTypedSegment> Release() {
        if (!m_finished && !m_released && m_sampleCount >= 2) Sample(m_sampleLast);
        m_released = true;
        if (m_snapshots.empty()) {
            if (m_p.empty()) return {};
            return {{m_p.front(), m_p.back(), kStraightNoArrow}};
        }
        // A release right after a change of the recognition falls back to the snapshot
        // before it; a stroke that the recogniser finished keeps what finished it.
        std::size_t pick = m_snapshots.size() - 1;
        if (!m_finished && m_snapshots.size() >= 3 &&
            !SnapshotsAgree(m_snapshots[pick], m_snapshots[pick - 1])) {
            --pick;
        }
        std::vector<CTypedSegment> result = m_snapshots[pick];
        if (!m_finished) HookShortTail(result);
        SquareUp(result);
        return result;
    }

private:
    void Sample(CPoint point) {
        m_p.push_back(point);
        Step(static_cast<int>(m_p.size()) - 1);
    }

    void Step(int last) {
        if (last < 2 || Distance(m_p[last], m_p[0]) < kMinReach) return;
        if (m_segments.empty()) m_segments.push_back({0, last, m_p[0], m_p[last]});
        if (m_state == EState::kTail) {
            StepTail(last);
        } else if (m_state == EState::kL) {
            StepL(last);
        } else {
            StepTracking(last);
        }
        TakeSnapshot();
    }

    void StepTail(int last) {
        CWorkSegment& tail = m_segments.back();
        if (std::abs(m_p[last].y - tail.start.y) > kLevelTolerance) {
            m_finished = true;
            return;
        }
        tail.last = last;
        tail.end = m_p[last];
    }

    void StepL(int last) {
        CWorkSegment& horizontal = m_segments.back();
        CWorkSegment& vertical = m_segments[m_segments.size() - 2];
        const int rise = m_p[last].y - m_lCorner.y;
        if (rise > kLevelTolerance) {
            m_finished = true;
        } else if (rise < -kLevelTolerance) {
            m_finished = true;
            if (m_p[last].x < vertical.start.x + 12) {
                vertical.type = kStraight;
                vertical.end.x = vertical.start.x;
                horizontal.start = vertical.end;
                horizontal.end = m_p[last];
                horizontal.type = kHook;
            } else {
                horizontal.type = kLHookEnd;
            }
        } else {
            horizontal.last = last;
            horizontal.end.x = m_p[last].x;
        }
    }

    void StepTracking(int last) {
        const CWorkSegment before = m_segments.back();
        const std::size_t count = m_segments.size();
        m_segments.back().last = last;
        m_segments.back().end = m_p[last];
        ConfirmBentStart(last);
        if (m_corner >= 0 && Distance(m_p[last], m_p[m_corner]) > kCornerHold) {
            m_floor = m_corner;
            m_corner = -1;
        }
        CBend bend = FindBend(m_p, std::max(m_floor, last - kBendWindow + 1), last);
        if (bend.index >= 0 && Distance(m_p[bend.index], m_p[0]) < kBendStartGap) bend = {};
        if (m_corner >= 0) {
            MoveCorner(bend);
        } else if (bend.index >= 0 && ApplyBendRules(bend, last)) {
            return;
        }
        if ((m_state == EState::kBentStart || m_state == EState::kEndHook) && TryHook(last)) {
            return;
        }
        CWorkSegment& current = m_segments.back();
        if (current.mode == ESegmentMode::kFixed) return;
        const CShape shape = Measure(m_p, current.first, last);
        Classify(current, shape);
        if (current.mode == ESegmentMode::kHookCurve &&
            (shape.direction < current.maxDirection - 5 || shape.direction > 110)) {
            if (m_segments.size() == count) m_segments.back() = before;
            m_finished = true;
            return;
        }
        if (m_state == EState::kPlain) {
            if (!SplitStraightTail(shape, last)) SplitCurvedL(shape, last);
        }
    }

    // Moves the movable corner to a sharper bend.
    void MoveCorner(const CBend& bend) {
        CWorkSegment& previous = m_segments[m_segments.size() - 2];
        if (bend.index < 0 || bend.index == m_corner || bend.index <= previous.first + 1 ||
            std::abs(bend.turn) <= std::abs(m_cornerTurn)) {
            return;
        }
        m_corner = bend.index;
        m_cornerTurn = bend.turn;
        previous.last = bend.index;
        previous.end = m_p[bend.index];
        Reclassify(previous);
        m_segments.back().first = bend.index;
        m_segments.back().start = m_p[bend.index];
        m_state = IsStem(previous.start, previous.end) ? EState::kEndHook : EState::kPlain;
    }

    // The bent start and the sharp-turn rules; true when the step is done.
    bool ApplyBendRules(const CBend& bend, int last) {
        if (m_segments.size() == 1 && !m_bentDone && TrackBentStart(bend, last)) return true;
        CWorkSegment& current = m_segments.back();
        if (bend.turn < -50 && m_segments.size() >= 2 && bend.index > current.first) {
            CWorkSegment& previous = m_segments[m_segments.size() - 2];
            const int stem = RunningDirection(
                m_p, previous.first,
                previous.first + static_cast<int>((previous.last - previous.first) * kStemShare));
            if (stem >= 86 && stem <= 119 &&
                NearHorizontal(Direction(current.start, m_p[bend.index]), 10)) {
                previous.type = kLHookBegin;
                previous.mode = ESegmentMode::kFixed;
                current.last = bend.index;
                current.end = m_p[bend.index];
                current.type = kLHookEnd;
                current.mode = ESegmentMode::kFixed;
                m_finished = true;
                return true;
            }
        }
        if (!IsCorner(bend, last) || bend.index <= current.first + 1) return false;
        if (m_segments.size() == kMaxSegments) {
            m_finished = true;
            return true;
        }
        current.last = bend.index;
        current.end = m_p[bend.index];
        Reclassify(current);
        m_state = IsStem(current.start, current.end) ? EState::kEndHook : EState::kPlain;
        m_segments.push_back({bend.index, last, m_p[bend.index], m_p[last]});
        m_corner = bend.index;
        m_cornerTurn = bend.turn;
        m_bentDone = true;
        return false;
    }

    // A turn sharper than kSharpTurn, or a plainer one between two straight arms: a corner
    // that a hand drew a little open.
    bool IsCorner(const CBend& bend, int last) const {
        if (std::abs(bend.turn) > kSharpTurn) return true;
        const int first = std::max(m_floor, last - kBendWindow + 1);
        return std::abs(bend.turn) > kOpenCornerTurn &&
               Distance(m_p[first], m_p[bend.index]) >= kOpenCornerArm &&
               Distance(m_p[bend.index], m_p[last]) >= kOpenCornerArm &&
               DetourRatio(m_p, first, bend.index) < kOpenCornerArmDetour &&
               DetourRatio(m_p, bend.index, last) < kOpenCornerArmDetour;
    }

    // Bent start: follows a qualifying turn while it grows and, once it stops, holds it for
    // ConfirmBentStart.
    bool TrackBentStart(const CBend& bend, int last) {
        if (m_bentPending >= 0) return false;
        if (m_bentIndex >= 0 && std::abs(bend.turn) <= std::abs(m_bentTurn)) {
            m_bentPending = m_bentIndex;
            m_bentIndex = -1;
            return false;
        }
        const int stemDirection = Direction(m_p[0], m_p[bend.index]);
        const bool holds =
            std::abs(bend.turn) > kBentTurn && DetourRatio(m_p, 0, last) < kNearlyStraight &&
            std::abs(stemDirection - 90) <= 4 && Distance(m_p[0], m_p[bend.index]) > 30.0;
        m_bentIndex = holds ? bend.index : -1;
        m_bentTurn = holds ? bend.turn : 0;
        return holds;
    }

    // A bent start is taken once the part after it runs long enough to show the turn plainly;
    // the short-armed turns of a hand's wobble along a vertical do not last, and a bend that
    // rounds into a corner is no bent start.
    void ConfirmBentStart(int last) {
        if (m_bentPending < 0 || m_segments.size() != 1 ||
            Distance(m_p[m_bentPending], m_p[last]) <= kBentStartArm) {
            return;
        }
        const int bent = m_bentPending;
        m_bentPending = -1;
        const int turn = WrapAngle(Direction(m_p[bent], m_p[last]) - Direction(m_p[0], m_p[bent]));
        if (std::abs(turn) <= kBentTurn || DetourRatio(m_p, bent, last) >= kNearlyStraight) return;
        CWorkSegment& stem = m_segments.front();
        stem.last = bent;
        stem.end = m_p[bent];
        stem.type = kStraightBsc;
        stem.mode = ESegmentMode::kFixed;
        m_segments.push_back({bent, last, m_p[bent], m_p[last]});
        m_floor = bent;
        m_bentDone = true;
        m_state = EState::kBentStart;
    }

    // A short second part after a stem that points back or up is a hook and ends the stroke;
    // a long one makes the stroke an ordinary bent one. True when the stroke finished.
    bool TryHook(int last) {
        CWorkSegment& stem = m_segments[m_segments.size() - 2];
        CWorkSegment& part = m_segments.back();
        const double stemLength = Distance(stem.start, stem.end);
        const double length = Distance(part.start, m_p[last]);
        if (length >= kHookShare * stemLength) {
            if (m_state == EState::kBentStart) stem.type = kStraightBc;
            m_state = EState::kPlain;
            return false;
        }
        if (length < kBendArm) return false;
        const CShape shape = Measure(m_p, part.first, last);
        if (std::abs(shape.direction) <= 150 && (shape.lastLeg <= -150 || shape.lastLeg >= -30)) {
            return false;
        }
        // A rising tail after a stem may run on as a stroke of its own (the tick of ㇙);
        // the release decides.
        if (m_state == EState::kEndHook && IsRisingTail(shape.direction)) return false;
        // An end hook turns sharply back from its stem; a stroke that only bends on (the
        // zigzag of 辶) runs on.
        const int turn = WrapAngle(shape.direction - Direction(stem.start, stem.end));
        if (m_state == EState::kEndHook && std::abs(turn) <= kSharpTurn) return false;
        part.type = kHook;
        part.mode = ESegmentMode::kFixed;
        part.end.y += kHookDrop;
        m_finished = true;
        return true;
    }

    // Straight tail: a slanting segment that ends in a long level run splits where it begins.
    bool SplitStraightTail(const CShape& shape, int last) {
        if (shape.direction < 11 || shape.direction > 59) return false;
        CWorkSegment& current = m_segments.back();
        int runStart = last;
        while (runStart - 1 > current.first &&
               std::abs(Direction(m_p[runStart - 1], m_p[last])) <= 3) {
            --runStart;
        }
        while (runStart < last && Distance(m_p[runStart], m_p[last]) >= 40.0 &&
               DetourRatio(m_p, runStart, last) >= 1.004) {
            ++runStart;
        }
        if (Distance(m_p[runStart], m_p[last]) < 40.0 || m_segments.size() == kMaxSegments) {
            return false;
        }
        current.last = runStart;
        current.end = m_p[runStart];
        Reclassify(current);
        m_segments.push_back(
            {runStart, last, m_p[runStart], m_p[last], kAfterCurve, ESegmentMode::kFixed});
        m_state = EState::kTail;
        return true;
    }

    // L from one curving movement: a vertical and a level part split at the corner.
    void SplitCurvedL(const CShape& shape, int last) {
        CWorkSegment& current = m_segments.back();
        if (shape.halfTurn >= 0 || shape.detour <= 1.09 || shape.firstLeg < 85 ||
            shape.firstLeg > 150 || !NearHorizontal(shape.lastLeg, 10) ||
            m_p[last].y - current.start.y <= 16 || m_segments.size() == kMaxSegments) {
            return;
        }
        CPoint corner = current.start;
        for (int i = current.first; i <= last; ++i) {
            corner.x = std::min(corner.x, m_p[i].x);
            corner.y = std::max(corner.y, m_p[i].y);
        }
        current.end = corner;
        current.type = kLHookBegin;
        current.mode = ESegmentMode::kFixed;
        const int level = corner.y + kHookDrop;
        m_segments.push_back({last,
                              last,
                              {corner.x, level},
                              {m_p[last].x, level},
                              kLNoHookEnd,
                              ESegmentMode::kFixed});
        m_lCorner = corner;
        m_state = EState::kL;
    }

    // Classification of a growing segment in its mode (plain, dot or hook-curve state).
    static void Classify(CWorkSegment& segment, const CShape& shape) {
        if (segment.mode == ESegmentMode::kHookCurve) {
            segment.maxDirection = std::max(segment.maxDirection, shape.direction);
            return;
        }
        // A dot that runs on past the longest dot was the head of a longer stroke.
        if (segment.mode == ESegmentMode::kDot && shape.chord > kLongestDot) {
            segment.mode = ESegmentMode::kPlain;
        }
        if (segment.mode == ESegmentMode::kDot) {
            const bool hookCurve = shape.direction >= 10 && shape.direction <= 90 &&
                                   shape.halfTurn >= 0 && shape.detour >= 1.09 &&
                                   shape.direction > 60 && shape.chord > 30.0;
            if (!hookCurve) return;
            segment.type = kChook;
        } else {
            segment.type = PlainCode(shape);
        }
        if (segment.type == kTeardrop) segment.mode = ESegmentMode::kDot;
        if (segment.type == kChook) {
            segment.mode = ESegmentMode::kHookCurve;
            segment.maxDirection = shape.direction;
        }
    }

    void Reclassify(CWorkSegment& segment) const {
        if (segment.mode == ESegmentMode::kFixed) return;
        Classify(segment, Measure(m_p, segment.first, segment.last));
    }

    void TakeSnapshot() {
        std::vector<CTypedSegment> snapshot;
        for (const CWorkSegment& s : m_segments)
            snapshot.push_back({s.start, s.end, s.type});
        ApplyNeighbourForms(snapshot);
        if (m_snapshots.size() == 3) m_snapshots.erase(m_snapshots.begin());
        m_snapshots.push_back(std::move(snapshot));
    }

    SamplePoints m_p;
    std::vector<CWorkSegment> m_segments;
    std::vector<std::vector<CTypedSegment>> m_snapshots;  // the last three, oldest first
    EState m_state = EState::kPlain;
    bool m_finished = false;
    bool m_released = false;
    int m_sampleCount = 0;  // samples taken, smoothed into m_p
    CPoint m_sampleBefore;  // the last two samples
    CPoint m_sampleLast;
    int m_floor = 0;    // FindBend never reaches back before this point (the last fixed corner)
    int m_corner = -1;  // the movable corner, -1 when none
    int m_cornerTurn = 0;
    int m_bentIndex = -1;  // the growing bent-start candidate, -1 when none
    int m_bentTurn = 0;
    int m_bentPending = -1;   // a bent start that stopped growing, waiting to show, -1 when none
    bool m_bentDone = false;  // the first segment is no longer open to a bent start
    CPoint m_lCorner;
};

bool NearHorizontal(int direction, int tolerance) {
    return std::abs(direction) <= tolerance || std::abs(direction) >= 180 - tolerance;
}

CStrokeRecogniser::CStrokeRecogniser() : m_state(std::make_unique<CState>()) {}
CStrokeRecogniser::~CStrokeRecogniser() = default;
CStrokeRecogniser::CStrokeRecogniser(CStrokeRecogniser&&) noexcept = default;
CStrokeRecogniser& CStrokeRecogniser::operator=(CStrokeRecogniser&&) noexcept = default;

void CStrokeRecogniser::AddPoint(CPoint point) {
    if (m_released || m_state->Finished()) return;
    m_fresh.clear();
    m_sampler.Add(point, m_fresh);
    for (const CPoint& sample : m_fresh) {
        m_samples.push_back(sample);
        m_state->TakeSample(sample);
        if (m_samples.size() == kEntrySamples) SkipEntry();
    }
}

void CStrokeRecogniser::AddPoints(std::span<const CPoint> points) {
    for (const CPoint& point : points) {
        if (Finished()) return;
        AddPoint(point);
    }
}

// Once the stroke has run far enough to show its direction, a brush-like twist at its start
// is dropped: the rules run again from where the stroke settles into its direction.
void CStrokeRecogniser::SkipEntry() {
    const int entry = recognition::EntryLength(m_samples);
    if (entry == 0 || m_state->Finished()) return;
    m_state = std::make_unique<CState>();
    for (std::size_t i = static_cast<std::size_t>(entry); i < m_samples.size(); ++i)
        m_state->TakeSample(m_samples[i]);
}

bool CStrokeRecogniser::Finished() const {
    return m_state->Finished();
}

const std::vector<CTypedSegment>& CStrokeRecogniser::Working() const {
    return m_state->Working();
}

std::vector<CTypedSegment> CStrokeRecogniser::Release() {
    if (!m_released && !m_state->Finished()) {
        if (const std::optional<CPoint> last = m_sampler.Finish()) {
            m_samples.push_back(*last);
            m_state->TakeSample(*last);
        }
    }
    m_released = true;
    return m_state->Release();
}

std::vector<CTypedSegment> RecogniseStroke(const std::vector<CPoint>& points) {
    CStrokeRecogniser recogniser;
    recogniser.AddPoints(points);
    return recogniser.Release();
}

void AppendStroke(const std::vector<CTypedSegment>& segments, CKanjiStrokes& list) {
    for (std::size_t i = 0; i < segments.size(); ++i) {
        CStrokeData data;
        data.start = segments[i].start;
        data.end = segments[i].end;
        data.type = segments[i].type;
        data.newStroke = i == 0 ? 1 : 0;
        list.Append(data);
    }
}

}  // namespace brushly
