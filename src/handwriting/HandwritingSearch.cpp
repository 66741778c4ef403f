#include "handwriting/HandwritingSearch.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "handwriting/CSimilarityScorer.h"
#include "handwriting/PathComparison.h"

namespace brushly {
namespace {

bool Holds(const std::vector<CCandidate>& list, int group, int index) {
    return std::any_of(list.begin(), list.end(), [&](const CCandidate& entry) {
        return entry.group == group && entry.index == index;
    });
}

// Scores every kanji of one group and takes those that qualify into result; minimumScore is
// the pass's running minimum.
void SearchGroup(const CKanjiLibrary& library, CSimilarityScorer& scorer, int group,
                 double tolerance, std::size_t maximum, int& minimumScore,
                 std::vector<CCandidate>& result) {
    const auto records = library.KanjiGroup(group);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int index = static_cast<int>(i);
        const int score = scorer.Score(records[i]->strokes, tolerance, minimumScore);
        if (score <= minimumScore || Holds(result, group, index)) continue;
        if (result.size() >= maximum) result.pop_back();
        const auto place =
            std::find_if(result.begin(), result.end(),
                         [score](const CCandidate& entry) { return entry.score < score; });
        result.insert(place, CCandidate{group, index, score});
        if (result.size() >= maximum) minimumScore = result.back().score;
    }
}

void RunPass(const CKanjiLibrary& library, CSimilarityScorer& scorer, int strokeCount,
             const CSearchPass& pass, std::size_t maximum, std::vector<CCandidate>& result) {
    // A full list from an earlier pass only takes kanji that beat its last entry.
    int minimumScore = pass.minimumScore;
    if (result.size() >= maximum) minimumScore = std::max(minimumScore, result.back().score);
    int skippedInRow = 0;
    // Offsets 0, +1, -1, +2, -2, ... from the drawn stroke count.
    for (int step = 0; skippedInRow < 2; ++step) {
        const int offset = step % 2 == 1 ? (step + 1) / 2 : -(step / 2);
        const int group = strokeCount + offset;
        const bool inRange = group >= 1 && group <= CKanjiLibrary::kKanjiGroups &&
                             offset <= pass.spread && -offset <= pass.spread;
        if (!inRange) {
            ++skippedInRow;
            continue;
        }
        skippedInRow = 0;
        SearchGroup(library, scorer, group, pass.tolerance, maximum, minimumScore, result);
    }
}

// The mean comparison distance at which the draw box takes the drawn strokes for the
// candidate's, stroke for stroke in order; nothing when it would not.
std::optional<double> FollowedDistance(const CDrawnStrokes& drawn,
                                       const CKanjiStrokes::StrokeIndex& user,
                                       const CKanjiStrokes& candidate) {
    const CKanjiStrokes::StrokeIndex database = candidate.IndexStrokes();
    const std::size_t strokes = user.firstSegment.size();
    if (database.firstSegment.size() != strokes || drawn.paths.size() != strokes) {
        return std::nullopt;
    }
    double sum = 0.0;
    for (std::size_t k = 0; k < strokes; ++k) {
        const CStrokeComparison comparison = CompareDrawnStroke(
            drawn.segments, static_cast<std::size_t>(user.firstSegment[k]),
            static_cast<std::size_t>(user.segmentCount[k]), drawn.paths[k], candidate,
            static_cast<std::size_t>(database.firstSegment[k]),
            static_cast<std::size_t>(database.segmentCount[k]), kTypeModeSimilar, kRerankThreshold);
        if (comparison.result != CStrokeMatch::Full) return std::nullopt;
        sum += comparison.averageDistance;
    }
    return sum / static_cast<double>(strokes);
}

}  // namespace

void BestMatchesByStrokes(const CKanjiLibrary& library, const CKanjiStrokes& drawn,
                          std::size_t maximum, std::vector<CCandidate>& result) {
    result.clear();
    if (drawn.Size() == 0 || maximum == 0) return;
    const int strokeCount = std::clamp(drawn.StrokeCount(), 1, CKanjiLibrary::kKanjiGroups);
    CSimilarityScorer scorer(drawn);
    for (const CSearchPass& pass : kSearchPasses)
        RunPass(library, scorer, strokeCount, pass, maximum, result);
}

void BestMatchesByPaths(const CKanjiLibrary& library, const CDrawnStrokes& drawn,
                        std::size_t maximum, std::vector<CCandidate>& result) {
    BestMatchesByStrokes(library, drawn.segments, std::max(maximum, kRerankDepth), result);
    if (result.empty()) return;
    const CKanjiStrokes::StrokeIndex user = drawn.segments.IndexStrokes();
    std::vector<std::pair<double, CCandidate>> followed;
    std::vector<CCandidate> others;
    for (const CCandidate& candidate : result) {
        const CKanjiData& record =
            *library.KanjiGroup(candidate.group)[static_cast<std::size_t>(candidate.index)];
        if (const auto distance = FollowedDistance(drawn, user, record.strokes)) {
            followed.emplace_back(*distance, candidate);
        } else {
            others.push_back(candidate);
        }
    }
    std::stable_sort(followed.begin(), followed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    result.clear();
    for (const auto& entry : followed)
        result.push_back(entry.second);
    result.insert(result.end(), others.begin(), others.end());
    if (result.size() > maximum) result.resize(maximum);
}

}  // namespace brushly
