#include "writingeval/BoxWriting.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "handwriting/HandwritingSearch.h"

namespace brushly::writingeval {

namespace {

// Streams derived from a hand's seed for the order checks' choices and the extra stroke.
constexpr std::uint64_t kOrderChoices = 2;
constexpr std::uint64_t kExtraHand = 3;

std::size_t KeptStrokes(const CKanjiDrawBox& box) {
    return static_cast<std::size_t>(box.UserStrokes().StrokeCount());
}

std::size_t KeptStrokes(const CKanaDrawBox& box) {
    return box.UserStrokes().size();
}

template <class Box>
CBoxResult WriteInBox(Box& box, const CWriting& writing) {
    CBoxResult result;
    for (std::size_t stroke = 0; stroke < writing.size(); ++stroke) {
        const std::vector<CPoint>& points = writing[stroke];
        const std::size_t before = KeptStrokes(box);
        if (!points.empty()) {
            box.PenDown(points.front());
            for (std::size_t i = 1; i < points.size() && box.Drawing(); ++i)
                box.PenMove(points[i]);
            box.PenUp();
        }
        result.statuses.push_back(box.Status());
        if (result.firstRejected < 0 && KeptStrokes(box) <= before) {
            result.firstRejected = static_cast<int>(stroke);
        }
    }
    result.correct = box.Status() == kStatusCorrect;
    return result;
}

bool AnyStatus(const CBoxResult& result, int status) {
    return std::ranges::find(result.statuses, status) != result.statuses.end();
}

}  // namespace

CDrawBoxSettings EvaluationSettings(int typeMode) {
    CDrawBoxSettings settings;
    settings.feedbackMode = kFeedbackEachStroke;
    settings.autocorrect = true;
    settings.enforceOrder = true;
    settings.tolerance = 20;
    settings.typeMode = typeMode;
    return settings;
}

CBoxResult WriteKanji(const CKanjiStrokes& target, const CWriting& writing, int typeMode) {
    CKanjiDrawBox box;
    box.SetCharacter(target, EvaluationSettings(typeMode));
    return WriteInBox(box, writing);
}

CBoxResult WriteKana(const CKanaData& kana, KanaBoxMode mode, const CWriting& writing) {
    const CDrawBoxSettings settings = EvaluationSettings(kTypeModeAny);
    CKanaDrawBox box;
    box.SetKana(
        KanaReference(kana), mode,
        {settings.feedbackMode, settings.autocorrect, settings.enforceOrder, settings.tolerance});
    return WriteInBox(box, writing);
}

CSearchResult SearchRank(const CKanjiLibrary& library, const CKanjiRef& kanji,
                         const CWriting& writing) {
    const CDrawnStrokes drawn = RecogniseStrokes(writing);
    std::vector<CCandidate> candidates;
    const auto start = std::chrono::steady_clock::now();
    BestMatchesByPaths(library, drawn, kSearchDepth, candidates);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    CSearchResult result{0, elapsed.count()};
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (candidates[i].group == kanji.group && candidates[i].index == kanji.index) {
            result.rank = static_cast<int>(i) + 1;
            break;
        }
    }
    return result;
}

CPath ExtraStroke(const CKanjiStrokes& target) {
    // Centres of the corner regions: the top corners and the strip below the character
    // square, inside the draw area.
    constexpr CPointF kCorners[] = {{18.0, 8.0}, {182.0, 8.0}, {18.0, 190.0}, {182.0, 190.0}};
    constexpr double kHalfLength = 7.0;
    CPointF best = kCorners[0];
    double bestDistance = -1.0;
    for (const CPointF& corner : kCorners) {
        double nearest = std::numeric_limits<double>::max();
        for (const auto& segment : target.segments) {
            for (const CPoint end : {segment->start, segment->end}) {
                nearest = std::min(nearest, std::hypot(end.x - corner.x, end.y - corner.y));
            }
        }
        if (nearest > bestDistance) {
            bestDistance = nearest;
            best = corner;
        }
    }
    return {{best.x - kHalfLength, best.y}, {best.x + kHalfLength, best.y}};
}

COrderResult CheckOrder(const CKanjiStrokes& target, const CPaths& paths,
                        const CHandVariation& hand, int typeMode) {
    COrderResult result;
    if (paths.size() < 3) return result;
    CSeededRandom choices(CSeededRandom::Mix(hand.Seed(), kOrderChoices));

    CPaths swapped = paths;
    std::swap(swapped[0], swapped[1]);
    const CBoxResult swap = WriteKanji(target, hand.Restarted().Write(swapped), typeMode);
    result.swapAccepted = swap.correct;
    result.swapDetected =
        (swap.statuses[0] == kStatusWrongOrder || swap.statuses[1] == kStatusWrongOrder) &&
        !swap.correct;

    const int last = static_cast<int>(paths.size()) - 1;
    const auto moved = static_cast<std::ptrdiff_t>(choices.Between(0, last - 1));
    CPaths late = paths;
    std::rotate(late.begin() + moved, late.begin() + moved + 1, late.end());
    const CBoxResult lateResult = WriteKanji(target, hand.Restarted().Write(late), typeMode);
    result.lateDetected = AnyStatus(lateResult, kStatusWrongOrder);

    // Before the last stroke at the latest: after every stroke the box reports a stroke too
    // many instead.
    const auto place = static_cast<std::size_t>(choices.Between(0, last));
    CWriting writing = hand.Restarted().Write(paths);
    CHandParameters unplaced = hand.Parameters();
    unplaced.keepEntryTwist = true;
    unplaced.scaleX = unplaced.scaleY = 1.0;
    unplaced.shear = unplaced.rotation = unplaced.maxShift = 0.0;
    unplaced.wobbleAmplitudes = {0.0, 0.0};
    CHandVariation extraHand(unplaced, CSeededRandom::Mix(hand.Seed(), kExtraHand));
    writing.insert(writing.begin() + static_cast<std::ptrdiff_t>(place),
                   extraHand.WriteStroke(ExtraStroke(target)));
    const CBoxResult extra = WriteKanji(target, writing, typeMode);
    result.extraDetected = extra.statuses[place] == kStatusIncorrect;
    return result;
}

}  // namespace brushly::writingeval
