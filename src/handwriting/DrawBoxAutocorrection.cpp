#include "handwriting/DrawBoxAutocorrection.h"

#include <utility>

#include "handwriting/StrokeComparison.h"

namespace brushly {
namespace {

// The database segment as the autocorrected user segment: box codes become plain straights
// unless the user drew that box code (userType, kNoType for an inserted segment).
CStrokeData CorrectedSegment(const CStrokeData& database, int userType, bool beginsStroke) {
    CStrokeData segment = database;
    if (database.type == kBoxBegin && userType != kBoxBegin) segment.type = kStraight;
    if (database.type == kBoxEnd && userType != kBoxEnd) segment.type = kStraightNoArrow;
    segment.newStroke = beginsStroke ? 1 : 0;
    return segment;
}

}  // namespace

void AppendRange(CKanjiStrokes& destination, const CKanjiStrokes& source, std::size_t first,
                 std::size_t count) {
    for (std::size_t index = first; index < first + count && index < source.Size(); ++index) {
        destination.Append(source[index]);
    }
}

void AutocorrectMatched(CKanjiStrokes& strokes, const std::vector<int>& strokeMap,
                        const CKanjiStrokes& source) {
    if (strokes.Size() == 0) return;
    const CKanjiStrokes::StrokeIndex database = source.IndexStrokes();
    const CKanjiStrokes::StrokeIndex user = strokes.IndexStrokes();
    const int databaseCount = static_cast<int>(database.firstSegment.size());
    CKanjiStrokes corrected;
    for (std::size_t stroke = 0; stroke < user.firstSegment.size(); ++stroke) {
        const int first = user.firstSegment[stroke];
        const int count = user.segmentCount[stroke];
        const int k = stroke < strokeMap.size() ? strokeMap[stroke] : -1;
        if (k < 0 || k >= databaseCount) {
            AppendRange(corrected, strokes, static_cast<std::size_t>(first),
                        static_cast<std::size_t>(count));
            continue;
        }
        const int databaseFirst = database.firstSegment[static_cast<std::size_t>(k)];
        const int databaseSegments = database.segmentCount[static_cast<std::size_t>(k)];
        // Segments are inserted or deleted at the stroke's first position, so the user's
        // last segments line up with the database's last.
        const int surplus = count - databaseSegments;
        for (int index = 0; index < databaseSegments; ++index) {
            const int userIndex = index + surplus;
            const int userType = userIndex >= 0
                                     ? strokes[static_cast<std::size_t>(first + userIndex)].type
                                     : kNoType;
            corrected.Append(CorrectedSegment(
                source[static_cast<std::size_t>(databaseFirst + index)], userType, index == 0));
        }
    }
    strokes = std::move(corrected);
    strokes.NormalizeBoxPairs();
}

void AutocorrectPartial(CKanjiStrokes& strokes, const std::vector<CPartialMatch>& partials,
                        const CKanjiStrokes& source) {
    if (strokes.Size() == 0) return;
    const CKanjiStrokes::StrokeIndex database = source.IndexStrokes();
    const CKanjiStrokes::StrokeIndex user = strokes.IndexStrokes();
    const int databaseCount = static_cast<int>(database.firstSegment.size());
    CKanjiStrokes corrected;
    for (std::size_t stroke = 0; stroke < user.firstSegment.size(); ++stroke) {
        const int first = user.firstSegment[stroke];
        const int count = user.segmentCount[stroke];
        const bool known = stroke < partials.size() && partials[stroke].databaseStroke >= 0 &&
                           partials[stroke].databaseStroke < databaseCount &&
                           partials[stroke].segmentMap.size() == static_cast<std::size_t>(count);
        if (!known) {
            AppendRange(corrected, strokes, static_cast<std::size_t>(first),
                        static_cast<std::size_t>(count));
            continue;
        }
        const auto k = static_cast<std::size_t>(partials[stroke].databaseStroke);
        const int databaseFirst = database.firstSegment[k];
        const int databaseSegments = database.segmentCount[k];
        // Per corrected segment: (database segment within stroke k, user code).
        std::vector<std::pair<int, int>> targets;
        for (int index = 0; index < count; ++index) {
            const int entry = partials[stroke].segmentMap[static_cast<std::size_t>(index)];
            const int userType = strokes[static_cast<std::size_t>(first + index)].type;
            if (index > 0 &&
                entry == partials[stroke].segmentMap[static_cast<std::size_t>(index - 1)]) {
                continue;
            }
            if (entry >= kJoinedPairMapBase) {
                targets.emplace_back(entry - kJoinedPairMapBase, userType);
                targets.emplace_back(entry - kJoinedPairMapBase + 1, userType);
            } else {
                targets.emplace_back(entry, userType);
            }
        }
        bool beginsStroke = true;
        for (const auto& [segmentIndex, userType] : targets) {
            if (segmentIndex < 0 || segmentIndex >= databaseSegments) continue;
            corrected.Append(
                CorrectedSegment(source[static_cast<std::size_t>(databaseFirst + segmentIndex)],
                                 userType, beginsStroke));
            beginsStroke = false;
        }
    }
    strokes = std::move(corrected);
    strokes.NormalizeBoxPairs();
    strokes.NormalizeLHookPairs();
}

}  // namespace brushly
