#include "handwriting/CKanjiDrawBox.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "handwriting/CWriterPlacement.h"
#include "handwriting/DrawBoxCaptions.h"
#include "handwriting/PathComparison.h"
#include "handwriting/StrokeComparison.h"

namespace brushly {
namespace {

// The first database stroke not taken yet; the number of strokes when all are.
int FirstFree(const std::vector<bool>& taken) {
    const auto free = std::find(taken.begin(), taken.end(), false);
    return static_cast<int>(free - taken.begin());
}

// A match whose average distance is not below this is no match at all.
constexpr double kMaxAverageDistance = 500.0;
constexpr double kAlignedPenalty = 15.0;  // px

// The distance by which a comparison ranks: a stroke that matches piece by piece beats one
// that matches only as a whole.
double RankDistance(const CStrokeComparison& comparison) {
    return comparison.averageDistance + (comparison.aligned ? kAlignedPenalty : 0.0);
}

// Index of the segment that begins the stroke holding segment index (0 when none does).
std::size_t StrokeStart(const CKanjiStrokes& strokes, std::size_t index) {
    while (index > 0 && strokes[index].newStroke == 0)
        --index;
    return index;
}

// Index of the first segment of the last stroke, or of the whole box group when the last
// segment closes one, among the segments before end (end > 0).
std::size_t LastGroupStart(const CKanjiStrokes& strokes, std::size_t end) {
    const std::size_t last = end - 1;
    if (strokes[last].type == kBoxEnd) {
        for (std::size_t index = last + 1; index-- > 0;) {
            if (strokes[index].type == kBoxBegin) return StrokeStart(strokes, index);
        }
    }
    return StrokeStart(strokes, last);
}

int CountStrokeStarts(const CKanjiStrokes& strokes, std::size_t first, std::size_t end) {
    int count = 0;
    for (std::size_t index = first; index < end; ++index) {
        if (strokes[index].newStroke != 0) ++count;
    }
    return count;
}

// Erases the last stroke, or the whole box group its last segment closes; gives the number
// of strokes erased.
int EraseLastGroup(CKanjiStrokes& strokes) {
    const std::size_t end = strokes.Size();
    if (end == 0) return 0;
    const std::size_t first = LastGroupStart(strokes, end);
    const int erased = CountStrokeStarts(strokes, first, end);
    strokes.segments.erase(strokes.segments.begin() + static_cast<std::ptrdiff_t>(first),
                           strokes.segments.end());
    return erased;
}

}  // namespace

void CKanjiDrawBox::SetCharacter(const CKanjiStrokes& target, const CDrawBoxSettings& settings) {
    m_target = &target;
    m_targetJoined = target;
    m_targetJoined.JoinForRaw();
    TakeSettings(settings);
    EraseAll();
}

void CKanjiDrawBox::TakeSettings(const CDrawBoxSettings& settings) {
    m_feedbackMode = settings.feedbackMode;
    m_autocorrect = settings.autocorrect;
    m_enforceOrder = settings.enforceOrder;
    m_tolerance = settings.tolerance;
    m_typeMode = settings.typeMode;
    m_simpleStyle = settings.simpleStyle;
}

void CKanjiDrawBox::ApplySettings(const CDrawBoxSettings& settings) {
    const bool orderNowEnforced = settings.enforceOrder && !m_enforceOrder;
    TakeSettings(settings);
    if (orderNowEnforced && m_userStrokes.Size() > 0) Check();
}

void CKanjiDrawBox::PenDown(CPoint point) {
    if (m_target == nullptr || !InsideDrawArea(point)) return;
    if (m_feedbackShown) HideFeedback();
    if (m_feedbackMode != kFeedbackEachStroke) m_caption.clear();
    m_recogniser.emplace();
    m_recogniser->AddPoint(point);
}

void CKanjiDrawBox::PenMove(CPoint point) {
    if (!Drawing()) return;
    if (!InsideDrawArea(point)) {
        CommitStroke();
        return;
    }
    m_recogniser->AddPoint(point);
    if (m_recogniser->Finished()) CommitStroke();
}

void CKanjiDrawBox::PenUp() {
    if (Drawing()) CommitStroke();
}

std::vector<CTypedSegment> CKanjiDrawBox::WorkingStroke() const {
    if (!Drawing()) return {};
    return m_recogniser->Working();
}

void CKanjiDrawBox::CycleGuides() {
    m_guides = m_guides == kGuidesCentreAndThirds ? kGuidesNone : m_guides + 1;
}

void CKanjiDrawBox::ToggleGhost(const std::string& character) {
    if (m_ghostText.empty()) {
        m_ghostText = character;
    } else {
        m_ghostText.clear();
    }
}

void CKanjiDrawBox::CommitStroke() {
    const std::vector<CTypedSegment> segments = m_recogniser->Release();
    std::vector<CPoint> path = m_recogniser->Samples();
    m_recogniser.reset();
    if (segments.empty()) return;
    AppendStroke(segments, m_userStrokes);
    AppendStroke(segments, m_written.segments);
    m_written.paths.push_back(path);
    m_matchMap.push_back(kUnmatched);
    m_userPaths.push_back(std::move(path));
    // A drawn stroke makes the revealed one stale.
    m_hintLevel = 0;
    m_hintStroke = CKanjiStrokes();
    if (m_feedbackMode == kFeedbackEachStroke) Check();
}

int CKanjiDrawBox::DatabaseStrokeCount() const {
    return m_target == nullptr ? 0 : m_target->StrokeCount();
}

void CKanjiDrawBox::HideFeedback() {
    if (!m_lookAlike.empty()) {
        // The status text stays while the next stroke is drawn; the look-alike goes.
        m_caption = std::string(StatusCaption(m_status, kCaptionKanjiCorrect));
        m_lookAlike.clear();
    }
    m_feedbackShown = false;
    m_status = kStatusNone;
    m_wrongOrder = CKanjiStrokes();
    m_wrongOrderMap.clear();
}

void CKanjiDrawBox::SetStatus(int status) {
    m_status = status;
    m_caption = std::string(StatusCaption(status, kCaptionKanjiCorrect));
    m_feedbackShown = status == kStatusIncorrect || status == kStatusWrongOrder ||
                      status == kStatusTooMany || status == kStatusIncomplete ||
                      status == kStatusIncompleteWrongOrder;
    AddLookAlike();
}

void CKanjiDrawBox::AddLookAlike() {
    m_lookAlike.clear();
    if (!m_feedbackShown || !m_lookAlikeFinder ||
        m_written.segments.StrokeCount() < DatabaseStrokeCount()) {
        return;
    }
    m_lookAlike = m_lookAlikeFinder(m_written);
    if (m_lookAlike.empty()) return;
    m_caption += kCaptionLooksLike;
    m_caption += m_lookAlike;
}

void CKanjiDrawBox::Check() {
    if (m_target == nullptr || m_userStrokes.Size() == 0) return;
    m_incorrect = CKanjiStrokes();
    m_wrongOrder = CKanjiStrokes();
    m_incomplete = CKanjiStrokes();
    m_incompleteWrongOrder = CKanjiStrokes();
    m_wrongOrderMap.clear();
    m_incompleteMaps.clear();
    m_incompleteWrongOrderMaps.clear();

    const CKanjiStrokes::StrokeIndex user = m_userStrokes.IndexStrokes();
    const CKanjiStrokes::StrokeIndex database = m_target->IndexStrokes();
    const std::size_t userCount = user.firstSegment.size();
    const int databaseCount = static_cast<int>(database.firstSegment.size());
    m_matchMap.resize(userCount, kUnmatched);
    m_userPaths.resize(userCount);

    struct CMatch {
        CStrokeMatch kind = CStrokeMatch::None;
        int databaseStroke = -1;
        std::vector<int> segmentMap;
        bool compared = false;  // matched by this check, not kept from an earlier one
    };
    std::vector<CMatch> matches(userCount);
    std::vector<bool> taken(static_cast<std::size_t>(databaseCount), false);
    for (std::size_t stroke = 0; stroke < userCount; ++stroke) {
        const int kept = m_matchMap[stroke];
        if (kept >= 0 && kept < databaseCount && !taken[static_cast<std::size_t>(kept)]) {
            matches[stroke] = {CStrokeMatch::Full, kept, {}};
            taken[static_cast<std::size_t>(kept)] = true;
        } else {
            m_matchMap[stroke] = kUnmatched;
        }
    }
    // The first start and the last end of database stroke k.
    const auto databaseEnds = [&](int k) {
        const auto first =
            static_cast<std::size_t>(database.firstSegment[static_cast<std::size_t>(k)]);
        const auto last =
            first + static_cast<std::size_t>(database.segmentCount[static_cast<std::size_t>(k)]) -
            1;
        return std::pair{(*m_target)[first].start, (*m_target)[last].end};
    };
    // Where the strokes already recognised put the character.
    std::vector<int> recognised;
    for (const CMatch& match : matches) {
        if (match.kind == CStrokeMatch::Full) recognised.push_back(match.databaseStroke);
    }
    for (std::size_t stroke = 0; stroke < userCount; ++stroke) {
        if (matches[stroke].kind != CStrokeMatch::None) continue;
        double best = kMaxAverageDistance;
        int bestStroke = -1;
        CStrokeComparison bestComparison;
        const int due = FirstFree(taken);  // the stroke the writer should be writing
        CStrokeComparison dueComparison;
        for (int candidate = 0; candidate < databaseCount; ++candidate) {
            const auto k = static_cast<std::size_t>(candidate);
            if (taken[k]) continue;
            CStrokeComparison comparison = CompareDrawnStroke(
                m_userStrokes, static_cast<std::size_t>(user.firstSegment[stroke]),
                static_cast<std::size_t>(user.segmentCount[stroke]), m_userPaths[stroke], *m_target,
                static_cast<std::size_t>(database.firstSegment[k]),
                static_cast<std::size_t>(database.segmentCount[k]), m_typeMode, Threshold());
            if (comparison.result == CStrokeMatch::None) continue;
            const double distance = RankDistance(comparison);
            if (candidate == due) dueComparison = comparison;
            if (distance < best) {
                best = distance;
                bestStroke = candidate;
                bestComparison = std::move(comparison);
            }
        }
        // With the order enforced, the stroke due next wins over another that the stroke
        // matches: always when it matches whole and the other only in part; for a match of the
        // same kind, when it lies nearer still in the character as the writer places it, judged
        // by the strokes already recognised around it.
        if (m_enforceOrder && bestStroke >= 0 && due != bestStroke) {
            bool dueWins = dueComparison.result == CStrokeMatch::Full &&
                           bestComparison.result == CStrokeMatch::Partial;
            if (!dueWins && dueComparison.result == bestComparison.result) {
                const auto k = static_cast<std::size_t>(due);
                const auto [from, to] = databaseEnds(due);
                const CPoint drift = m_placement.Drift(recognised, from, to);
                const CStrokeComparison placed = CompareDrawnStroke(
                    Shifted(m_userStrokes, {-drift.x, -drift.y}),
                    static_cast<std::size_t>(user.firstSegment[stroke]),
                    static_cast<std::size_t>(user.segmentCount[stroke]),
                    Shifted(m_userPaths[stroke], {-drift.x, -drift.y}), *m_target,
                    static_cast<std::size_t>(database.firstSegment[k]),
                    static_cast<std::size_t>(database.segmentCount[k]), m_typeMode, Threshold());
                dueWins = placed.result == dueComparison.result && RankDistance(placed) < best;
            }
            if (dueWins) {
                bestStroke = due;
                bestComparison = std::move(dueComparison);
            }
        }
        if (bestStroke < 0) continue;
        taken[static_cast<std::size_t>(bestStroke)] = true;
        matches[stroke] = {bestComparison.result, bestStroke, bestComparison.segmentMap, true};
        if (bestComparison.result == CStrokeMatch::Full) m_matchMap[stroke] = bestStroke;
    }

    CKanjiStrokes kept;
    std::vector<int> keptMap;
    std::vector<bool> reached(static_cast<std::size_t>(databaseCount), false);
    int expected = 0;
    int previous = -1;  // database stroke the previous user stroke matched
    for (std::size_t stroke = 0; stroke < userCount; ++stroke) {
        const CMatch& match = matches[stroke];
        const auto first = static_cast<std::size_t>(user.firstSegment[stroke]);
        const auto count = static_cast<std::size_t>(user.segmentCount[stroke]);
        const bool full = match.kind == CStrokeMatch::Full;
        const int k = match.databaseStroke;
        if (match.kind == CStrokeMatch::None) {
            AppendRange(m_incorrect, m_userStrokes, first, count);
            previous = -1;
            continue;
        }
        bool inOrder = true;
        if (m_enforceOrder) {
            reached[static_cast<std::size_t>(k)] = true;
            inOrder = k == expected && previous != k + 1;
            if (k == expected) {
                while (expected < databaseCount && reached[static_cast<std::size_t>(expected)]) {
                    ++expected;
                }
            }
        }
        previous = k;
        if (full && inOrder) {
            if (match.compared) {
                const auto [from, to] = databaseEnds(k);
                m_placement.Record(k, m_userStrokes[first].start,
                                   m_userStrokes[first + count - 1].end, from, to);
            }
            AppendRange(kept, m_userStrokes, first, count);
            keptMap.push_back(k);
        } else if (full) {
            AppendRange(m_wrongOrder, m_userStrokes, first, count);
            m_wrongOrderMap.push_back(k);
        } else if (inOrder) {
            AppendRange(m_incomplete, m_userStrokes, first, count);
            m_incompleteMaps.push_back({k, match.segmentMap});
        } else {
            AppendRange(m_incompleteWrongOrder, m_userStrokes, first, count);
            m_incompleteWrongOrderMaps.push_back({k, match.segmentMap});
        }
    }
    m_userStrokes = std::move(kept);
    m_matchMap = std::move(keptMap);
    m_userPaths.assign(m_matchMap.size(), {});
    m_userStrokes.NormalizeBoxPairs();

    const auto correct = static_cast<int>(m_matchMap.size());
    if (m_incorrect.Size() > 0) {
        SetStatus(correct >= databaseCount ? kStatusTooMany : kStatusIncorrect);
    } else if (m_wrongOrder.Size() > 0) {
        SetStatus(kStatusWrongOrder);
    } else if (m_incompleteWrongOrder.Size() > 0) {
        SetStatus(kStatusIncompleteWrongOrder);
    } else if (m_incomplete.Size() > 0) {
        SetStatus(kStatusIncomplete);
    } else {
        SetStatus(correct == databaseCount ? kStatusCorrect : kStatusCorrectSoFar);
    }

    if (m_autocorrect) {
        const CKanjiStrokes& source = m_simpleStyle ? m_targetJoined : *m_target;
        AutocorrectMatched(m_userStrokes, m_matchMap, source);
        AutocorrectMatched(m_wrongOrder, m_wrongOrderMap, source);
        AutocorrectPartial(m_incomplete, m_incompleteMaps, source);
        AutocorrectPartial(m_incompleteWrongOrder, m_incompleteWrongOrderMaps, source);
    }
}

void CKanjiDrawBox::Hint() {
    if (m_target == nullptr || Drawing()) return;
    if (m_feedbackMode == kFeedbackOnRequest) {
        Check();
        return;
    }
    if (m_feedbackMode != kFeedbackEachStroke || !m_enforceOrder) return;
    if (m_userStrokes.Size() >= m_target->Size()) return;
    if (m_hintLevel == 0) {
        // The next stroke is the first database stroke that no user stroke holds.
        const CKanjiStrokes::StrokeIndex database = m_target->IndexStrokes();
        std::size_t k = 0;
        while (k < database.firstSegment.size() &&
               std::find(m_matchMap.begin(), m_matchMap.end(), static_cast<int>(k)) !=
                   m_matchMap.end()) {
            ++k;
        }
        if (k == database.firstSegment.size()) return;
        HideFeedback();
        m_hintStroke = CKanjiStrokes();
        AppendRange(m_hintStroke, *m_target, static_cast<std::size_t>(database.firstSegment[k]),
                    static_cast<std::size_t>(database.segmentCount[k]));
        m_caption = std::string(kCaptionHintStart);
        m_hintLevel = 1;
        return;
    }
    HideFeedback();
    if (!AdvanceHint(m_hintLevel, m_caption)) {
        AppendRange(m_userStrokes, m_hintStroke, 0, m_hintStroke.Size());
        AppendRange(m_written.segments, m_hintStroke, 0, m_hintStroke.Size());
        m_written.paths.emplace_back();
        m_matchMap.push_back(kUnmatched);
        m_userPaths.emplace_back();
        m_hintStroke = CKanjiStrokes();
        m_hintLevel = 0;
        Check();
    }
}

void CKanjiDrawBox::DeleteLastStroke() {
    const int strokes = EraseLastGroup(m_userStrokes);
    const auto removed = std::min(m_matchMap.size(), static_cast<std::size_t>(strokes));
    m_matchMap.resize(m_matchMap.size() - removed);
    m_userPaths.resize(m_matchMap.size());
}

void CKanjiDrawBox::Back() {
    if (!Drawing()) {
        EraseLastGroup(m_written.segments);
        m_written.paths.resize(static_cast<std::size_t>(m_written.segments.StrokeCount()));
    }
    if (m_feedbackShown) {
        HideFeedback();
        m_caption.clear();
        Check();
        return;
    }
    if (Drawing()) {
        m_recogniser.reset();
        return;
    }
    if (m_userStrokes.Size() == 0) return;
    DeleteLastStroke();
    m_hintLevel = 0;
    m_hintStroke = CKanjiStrokes();
    m_status = kStatusNone;
    m_caption.clear();
    if (m_userStrokes.Size() > 0 && m_feedbackMode == kFeedbackEachStroke) Check();
}

void CKanjiDrawBox::EraseAll() {
    m_recogniser.reset();
    m_userStrokes = CKanjiStrokes();
    m_matchMap.clear();
    m_userPaths.clear();
    m_wrongOrderMap.clear();
    m_incorrect = CKanjiStrokes();
    m_wrongOrder = CKanjiStrokes();
    m_incomplete = CKanjiStrokes();
    m_incompleteWrongOrder = CKanjiStrokes();
    m_incompleteMaps.clear();
    m_incompleteWrongOrderMaps.clear();
    m_status = kStatusNone;
    m_feedbackShown = false;
    m_hintLevel = 0;
    m_hintStroke = CKanjiStrokes();
    m_caption.clear();
    m_written = CDrawnStrokes();
    m_lookAlike.clear();
    m_placement.Clear();
}

void CKanjiDrawBox::FixOrder() {
    if (m_target == nullptr || m_wrongOrder.Size() == 0) return;
    const CKanjiStrokes::StrokeIndex user = m_userStrokes.IndexStrokes();
    const CKanjiStrokes::StrokeIndex wrong = m_wrongOrder.IndexStrokes();
    const std::size_t wrongCount = std::min(wrong.firstSegment.size(), m_wrongOrderMap.size());
    std::vector<bool> used(wrongCount, false);
    CKanjiStrokes rebuilt;
    std::vector<int> rebuiltMap;
    for (int k = 0; k < DatabaseStrokeCount(); ++k) {
        const auto matched = std::find(m_matchMap.begin(), m_matchMap.end(), k);
        const auto userStroke = static_cast<std::size_t>(matched - m_matchMap.begin());
        if (matched != m_matchMap.end() && userStroke < user.firstSegment.size()) {
            AppendRange(rebuilt, m_userStrokes,
                        static_cast<std::size_t>(user.firstSegment[userStroke]),
                        static_cast<std::size_t>(user.segmentCount[userStroke]));
        } else {
            std::size_t recorded = 0;
            while (recorded < wrongCount && (used[recorded] || m_wrongOrderMap[recorded] != k)) {
                ++recorded;
            }
            if (recorded == wrongCount) break;
            used[recorded] = true;
            AppendRange(rebuilt, m_wrongOrder,
                        static_cast<std::size_t>(wrong.firstSegment[recorded]),
                        static_cast<std::size_t>(wrong.segmentCount[recorded]));
        }
        rebuiltMap.push_back(k);
    }
    CKanjiStrokes remaining;
    std::vector<int> remainingMap;
    for (std::size_t stroke = 0; stroke < wrongCount; ++stroke) {
        if (used[stroke]) continue;
        AppendRange(remaining, m_wrongOrder, static_cast<std::size_t>(wrong.firstSegment[stroke]),
                    static_cast<std::size_t>(wrong.segmentCount[stroke]));
        remainingMap.push_back(m_wrongOrderMap[stroke]);
    }
    m_userStrokes = std::move(rebuilt);
    m_matchMap = std::move(rebuiltMap);
    m_userPaths.assign(m_matchMap.size(), {});
    m_wrongOrder = std::move(remaining);
    m_wrongOrderMap = std::move(remainingMap);
    m_feedbackShown = m_incorrect.Size() > 0 || m_wrongOrder.Size() > 0 ||
                      m_incomplete.Size() > 0 || m_incompleteWrongOrder.Size() > 0;
    Check();
}

void CKanjiDrawBox::CopyLastStrokes(int count, CPoint pointer) {
    if (m_target == nullptr || Drawing() || count < 1 || m_userStrokes.Size() == 0) return;
    std::size_t first = m_userStrokes.Size();
    for (int group = 0; group < count && first > 0; ++group) {
        first = LastGroupStart(m_userStrokes, first);
    }
    const int dx = pointer.x - m_userStrokes[first].start.x;
    const int dy = pointer.y - m_userStrokes[first].start.y;
    // The groups to copy, in drawing order, as [begin, end) segment ranges.
    std::vector<std::pair<std::size_t, std::size_t>> groups;
    for (std::size_t end = m_userStrokes.Size(); end > first;) {
        const std::size_t begin = LastGroupStart(m_userStrokes, end);
        groups.insert(groups.begin(), {begin, end});
        end = begin;
    }
    if (m_feedbackShown) HideFeedback();
    const std::size_t originalEnd = m_userStrokes.Size();
    for (const auto& [begin, end] : groups) {
        CKanjiStrokes copy;
        bool inside = true;
        for (std::size_t index = begin; index < end && index < originalEnd; ++index) {
            CStrokeData segment = m_userStrokes[index];
            segment.start = {segment.start.x + dx, segment.start.y + dy};
            segment.end = {segment.end.x + dx, segment.end.y + dy};
            inside = inside && InsideDrawArea(segment.start) && InsideDrawArea(segment.end);
            copy.Append(segment);
        }
        if (!inside) continue;
        AppendRange(m_userStrokes, copy, 0, copy.Size());
        AppendRange(m_written.segments, copy, 0, copy.Size());
        m_written.paths.resize(static_cast<std::size_t>(m_written.segments.StrokeCount()));
        m_matchMap.insert(m_matchMap.end(), static_cast<std::size_t>(copy.StrokeCount()),
                          kUnmatched);
        m_userPaths.resize(m_matchMap.size());
    }
    if (m_feedbackMode == kFeedbackEachStroke) Check();
}

}  // namespace brushly
