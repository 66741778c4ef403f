#include "handwriting/CKanaDrawBox.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "handwriting/DrawBoxCaptions.h"
#include "handwriting/KanaComparison.h"

namespace brushly {
namespace {

// Two reference strokes of one shape a few pixels apart, the ticks of a dakuten: one is the
// other moved by less than kTwinShift px, its start and end moved alike to within
// kTwinShape px. Gives how far apart they lie, px; nothing for strokes that are no twins.
std::optional<double> TwinSeparation(const CPolyline& a, const CPolyline& b) {
    constexpr double kTwinShift = 20.0;
    constexpr double kTwinShape = 4.0;
    const CPoint startShift{b.front().x - a.front().x, b.front().y - a.front().y};
    const CPoint endShift{b.back().x - a.back().x, b.back().y - a.back().y};
    const double separation = (Distance({0, 0}, startShift) + Distance({0, 0}, endShift)) / 2.0;
    if (separation >= kTwinShift || Distance(startShift, endShift) >= kTwinShape) {
        return std::nullopt;
    }
    return separation;
}

// A match whose distance is not below this is no match at all.
constexpr double kMaxDistance = 500.0;
// A stroke of fewer samples (CPointerSampler, 3 px apart) never matches: densified, a click
// with a short drag would otherwise pass for a whole stroke. Three samples are a drag of 5 px
// or more, as short as the marks of a dakuten drawn small.
constexpr std::size_t kMinStrokePoints = 3;

// The polyline with every point moved back by drift.
CPolyline ShiftedPolyline(const CPolyline& polyline, CPoint drift) {
    CPolyline moved;
    moved.reserve(polyline.size());
    for (const CPoint point : polyline)
        moved.push_back({point.x - drift.x, point.y - drift.y});
    return moved;
}

constexpr std::string_view kCaptionHiraganaCorrect = "Hiragana is CORRECT";
constexpr std::string_view kCaptionKatakanaCorrect = "Katakana is CORRECT";

std::string_view CompletionCaption(KanaBoxMode mode) {
    switch (mode) {
        case KanaBoxMode::kHiragana:
            return kCaptionHiraganaCorrect;
        case KanaBoxMode::kKatakana:
            return kCaptionKatakanaCorrect;
        case KanaBoxMode::kKanji:
            return kCaptionKanjiCorrect;
    }
    return {};
}

}  // namespace

std::vector<CPolyline> KanaReference(const CKanaData& kana) {
    std::vector<CPolyline> reference;
    reference.reserve(kana.strokes.size());
    for (const CObArray& stroke : kana.strokes) {
        CPolyline polyline;
        polyline.reserve(stroke.points.size());
        for (const CKanaPoint& point : stroke.points)
            polyline.push_back({point.x, point.y});
        reference.push_back(std::move(polyline));
    }
    return reference;
}

void CKanaDrawBox::SetKana(std::vector<CPolyline> reference, KanaBoxMode mode,
                           const CKanaBoxSettings& settings) {
    m_reference = std::move(reference);
    m_mode = mode;
    TakeSettings(settings);
    EraseAll();
}

void CKanaDrawBox::TakeSettings(const CKanaBoxSettings& settings) {
    m_feedbackMode = settings.feedbackMode;
    m_autocorrect = settings.autocorrect;
    m_enforceOrder = settings.enforceOrder;
    m_tolerance = settings.tolerance;
}

void CKanaDrawBox::ApplySettings(const CKanaBoxSettings& settings) {
    const bool orderNowEnforced = settings.enforceOrder && !m_enforceOrder;
    TakeSettings(settings);
    if (orderNowEnforced && !m_userStrokes.empty()) Check();
}

void CKanaDrawBox::PenDown(CPoint point) {
    if (m_reference.empty() || !InsideDrawArea(point)) return;
    if (m_feedbackShown) HideFeedback();
    if (m_feedbackMode != kFeedbackEachStroke) m_caption.clear();
    m_sampler = CPointerSampler();
    m_current.clear();
    m_sampler.Add(point, m_current);
    m_drawing = true;
}

void CKanaDrawBox::PenMove(CPoint point) {
    if (!m_drawing) return;
    if (!InsideDrawArea(point)) {
        CommitStroke();
        return;
    }
    m_sampler.Add(point, m_current);
}

void CKanaDrawBox::PenUp() {
    if (m_drawing) CommitStroke();
}

void CKanaDrawBox::ToggleGhost(const std::string& character) {
    if (m_ghostText.empty()) {
        m_ghostText = character;
    } else {
        m_ghostText.clear();
    }
}

void CKanaDrawBox::CommitStroke() {
    m_drawing = false;
    if (const std::optional<CPoint> last = m_sampler.Finish()) m_current.push_back(*last);
    m_userStrokes.push_back(std::move(m_current));
    m_current.clear();
    m_matchMap.push_back(kUnmatched);
    // A drawn stroke makes the revealed one stale.
    m_hintLevel = 0;
    m_hintStroke.clear();
    if (m_feedbackMode == kFeedbackEachStroke) Check();
}

void CKanaDrawBox::HideFeedback() {
    m_feedbackShown = false;
    m_status = kStatusNone;
    m_wrongOrder.clear();
    m_wrongOrderMap.clear();
}

void CKanaDrawBox::SetStatus(int status) {
    m_status = status;
    m_caption = std::string(StatusCaption(status, CompletionCaption(m_mode)));
    m_feedbackShown =
        status == kStatusIncorrect || status == kStatusWrongOrder || status == kStatusTooMany;
}

std::optional<double> CKanaDrawBox::MatchDistance(const CPolyline& user,
                                                  const CPreparedReference& reference) const {
    const CPolylineMatch primary = ComparePolyline(user, reference.primary, m_tolerance);
    if (primary.matched) return primary.distance;
    if (!reference.alternative) return std::nullopt;
    const CPolylineMatch alternative = ComparePolyline(user, *reference.alternative, m_tolerance);
    if (alternative.matched) return alternative.distance;
    return std::nullopt;
}

void CKanaDrawBox::Check() {
    if (m_reference.empty() || m_userStrokes.empty()) return;
    m_incorrect.clear();
    m_wrongOrder.clear();
    m_wrongOrderMap.clear();

    const int referenceCount = ReferenceCount();
    std::vector<CPreparedReference> prepared;
    prepared.reserve(m_reference.size());
    for (const CPolyline& stroke : m_reference) {
        CPreparedReference entry{Densify(PrimaryForm(stroke)), std::nullopt};
        if (const std::optional<CPolyline> alternative = AlternativeForm(stroke))
            entry.alternative = Densify(*alternative);
        prepared.push_back(std::move(entry));
    }

    const std::size_t userCount = m_userStrokes.size();
    m_matchMap.resize(userCount, kUnmatched);
    std::vector<bool> taken(m_reference.size(), false);
    for (int& kept : m_matchMap) {
        if (kept >= 0 && kept < referenceCount && !taken[static_cast<std::size_t>(kept)]) {
            taken[static_cast<std::size_t>(kept)] = true;
        } else {
            kept = kUnmatched;
        }
    }
    // Where the strokes already recognised put the character.
    std::vector<int> recognised;
    for (const int k : m_matchMap) {
        if (k != kUnmatched) recognised.push_back(k);
    }
    std::vector<bool> fresh(userCount, false);  // matched by this check
    for (std::size_t stroke = 0; stroke < userCount; ++stroke) {
        if (m_matchMap[stroke] != kUnmatched || m_userStrokes[stroke].size() < kMinStrokePoints)
            continue;
        const CPolyline user = Densify(m_userStrokes[stroke]);
        double best = kMaxDistance;
        int bestStroke = -1;
        // The reference stroke the writer should be writing, and whether the stroke matches it.
        const auto due =
            static_cast<std::size_t>(std::find(taken.begin(), taken.end(), false) - taken.begin());
        std::optional<double> dueDistance;
        for (int candidate = 0; candidate < referenceCount; ++candidate) {
            const auto k = static_cast<std::size_t>(candidate);
            if (taken[k]) continue;
            const std::optional<double> distance = MatchDistance(user, prepared[k]);
            if (k == due) dueDistance = distance;
            if (distance && *distance < best) {
                best = *distance;
                bestStroke = candidate;
            }
        }
        if (bestStroke < 0) continue;
        // With the order enforced, the stroke due next wins over a nearer one when it lies nearer
        // still in the character as the writer places it, or, against its twin, less than half
        // their separation farther.
        if (m_enforceOrder && static_cast<int>(due) != bestStroke && dueDistance) {
            const auto other = static_cast<std::size_t>(bestStroke);
            // Both compared as if written where the recognised strokes around them put the
            // character.
            const auto placed = [&](std::size_t k) {
                const CPolyline& reference = prepared[k].primary;
                const CPoint drift =
                    m_placement.Drift(recognised, reference.front(), reference.back());
                return MatchDistance(Densify(ShiftedPolyline(m_userStrokes[stroke], drift)),
                                     prepared[k]);
            };
            const std::optional<double> twins =
                TwinSeparation(prepared[due].primary, prepared[other].primary);
            const double margin = twins ? *twins / 2.0 : 0.0;
            const std::optional<double> duePlaced = placed(due);
            const std::optional<double> otherPlaced = placed(other);
            if (duePlaced && (!otherPlaced || *duePlaced < *otherPlaced + margin)) {
                bestStroke = static_cast<int>(due);
            }
        }
        fresh[stroke] = true;
        taken[static_cast<std::size_t>(bestStroke)] = true;
        m_matchMap[stroke] = bestStroke;
    }

    std::vector<CPolyline> kept;
    std::vector<int> keptMap;
    std::vector<bool> reached(m_reference.size(), false);
    int expected = 0;
    int previous = -1;  // reference stroke the previous user stroke matched
    for (std::size_t stroke = 0; stroke < userCount; ++stroke) {
        const int k = m_matchMap[stroke];
        if (k == kUnmatched) {
            m_incorrect.push_back(std::move(m_userStrokes[stroke]));
            previous = -1;
            continue;
        }
        bool inOrder = true;
        if (m_enforceOrder) {
            reached[static_cast<std::size_t>(k)] = true;
            inOrder = k == expected && previous != k + 1;
            if (k == expected) {
                while (expected < referenceCount && reached[static_cast<std::size_t>(expected)])
                    ++expected;
            }
        }
        previous = k;
        if (inOrder) {
            if (fresh[stroke]) {
                const CPolyline& reference = prepared[static_cast<std::size_t>(k)].primary;
                m_placement.Record(k, m_userStrokes[stroke].front(), m_userStrokes[stroke].back(),
                                   reference.front(), reference.back());
            }
            kept.push_back(std::move(m_userStrokes[stroke]));
            keptMap.push_back(k);
        } else {
            m_wrongOrder.push_back(std::move(m_userStrokes[stroke]));
            m_wrongOrderMap.push_back(k);
        }
    }
    m_userStrokes = std::move(kept);
    m_matchMap = std::move(keptMap);

    const auto correct = static_cast<int>(m_matchMap.size());
    if (!m_incorrect.empty()) {
        SetStatus(correct >= referenceCount ? kStatusTooMany : kStatusIncorrect);
    } else if (!m_wrongOrder.empty()) {
        SetStatus(kStatusWrongOrder);
    } else {
        SetStatus(correct == referenceCount ? kStatusCorrect : kStatusCorrectSoFar);
    }

    if (m_autocorrect) {
        Autocorrect(m_userStrokes, m_matchMap);
        Autocorrect(m_wrongOrder, m_wrongOrderMap);
    }
}

void CKanaDrawBox::Autocorrect(std::vector<CPolyline>& strokes,
                               const std::vector<int>& strokeMap) const {
    const std::size_t count = std::min(strokes.size(), strokeMap.size());
    for (std::size_t stroke = 0; stroke < count; ++stroke) {
        const int k = strokeMap[stroke];
        if (k >= 0 && k < ReferenceCount())
            strokes[stroke] = PrimaryForm(m_reference[static_cast<std::size_t>(k)]);
    }
}

void CKanaDrawBox::Hint() {
    if (m_reference.empty() || m_drawing) return;
    if (m_feedbackMode == kFeedbackOnRequest) {
        Check();
        return;
    }
    if (m_feedbackMode != kFeedbackEachStroke || !m_enforceOrder) return;
    if (m_userStrokes.size() >= m_reference.size()) return;
    if (m_hintLevel == 0) {
        // The next stroke is the first reference stroke that no user stroke holds.
        int k = 0;
        while (k < ReferenceCount() &&
               std::find(m_matchMap.begin(), m_matchMap.end(), k) != m_matchMap.end()) {
            ++k;
        }
        if (k == ReferenceCount()) return;
        HideFeedback();
        m_hintReference = k;
        m_hintStroke = PrimaryForm(m_reference[static_cast<std::size_t>(k)]);
        m_caption = std::string(kCaptionHintStart);
        m_hintLevel = 1;
        return;
    }
    HideFeedback();
    if (!AdvanceHint(m_hintLevel, m_caption)) {
        // The drawn-in stroke is its reference stroke, so it holds that match from the start
        // (a reference stroke of few points would otherwise fail kMinStrokePoints).
        m_userStrokes.push_back(std::move(m_hintStroke));
        m_matchMap.push_back(m_hintReference);
        m_hintStroke.clear();
        m_hintLevel = 0;
        Check();
    }
}

void CKanaDrawBox::Back() {
    if (m_feedbackShown) {
        HideFeedback();
        m_caption.clear();
        Check();
        return;
    }
    if (m_drawing) {
        m_drawing = false;
        m_current.clear();
        return;
    }
    if (m_userStrokes.empty()) return;
    m_userStrokes.pop_back();
    if (!m_matchMap.empty()) m_matchMap.pop_back();
    m_hintLevel = 0;
    m_hintStroke.clear();
    m_status = kStatusNone;
    m_caption.clear();
    if (!m_userStrokes.empty() && m_feedbackMode == kFeedbackEachStroke) Check();
}

void CKanaDrawBox::EraseAll() {
    m_drawing = false;
    m_current.clear();
    m_userStrokes.clear();
    m_matchMap.clear();
    m_wrongOrderMap.clear();
    m_incorrect.clear();
    m_wrongOrder.clear();
    m_status = kStatusNone;
    m_feedbackShown = false;
    m_hintLevel = 0;
    m_hintStroke.clear();
    m_caption.clear();
    m_placement.Clear();
}

void CKanaDrawBox::FixOrder() {
    if (m_reference.empty() || m_wrongOrder.empty()) return;
    const std::size_t wrongCount = std::min(m_wrongOrder.size(), m_wrongOrderMap.size());
    std::vector<bool> used(wrongCount, false);
    std::vector<CPolyline> rebuilt;
    std::vector<int> rebuiltMap;
    for (int k = 0; k < ReferenceCount(); ++k) {
        const auto matched = std::find(m_matchMap.begin(), m_matchMap.end(), k);
        const auto userStroke = static_cast<std::size_t>(matched - m_matchMap.begin());
        if (matched != m_matchMap.end() && userStroke < m_userStrokes.size()) {
            rebuilt.push_back(m_userStrokes[userStroke]);
        } else {
            std::size_t recorded = 0;
            while (recorded < wrongCount && (used[recorded] || m_wrongOrderMap[recorded] != k))
                ++recorded;
            if (recorded == wrongCount) break;
            used[recorded] = true;
            rebuilt.push_back(m_wrongOrder[recorded]);
        }
        rebuiltMap.push_back(k);
    }
    std::vector<CPolyline> remaining;
    std::vector<int> remainingMap;
    for (std::size_t stroke = 0; stroke < wrongCount; ++stroke) {
        if (used[stroke]) continue;
        remaining.push_back(m_wrongOrder[stroke]);
        remainingMap.push_back(m_wrongOrderMap[stroke]);
    }
    m_userStrokes = std::move(rebuilt);
    m_matchMap = std::move(rebuiltMap);
    m_wrongOrder = std::move(remaining);
    m_wrongOrderMap = std::move(remainingMap);
    m_feedbackShown = !m_incorrect.empty() || !m_wrongOrder.empty();
    Check();
}

}  // namespace brushly
