#include "kanjidb/StrokeClassifier.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "kanjidb/MousePoints.h"
#include "kanjidb/StrokeFidelity.h"
#include "reference/StrokeType.h"

namespace brushly::kanjidb {

namespace {

constexpr double kBoxCornerTolerance = 16.0;
constexpr int kSlantingFoot = 30;  // degrees from level: the foot of an L (㇗ ㇄)
constexpr int kLevelFoot = 10;     // the foot of a ㇟ drawn as an L

bool IsPlainStraight(int type) {
    return type >= kStraightNoArrow && type <= kStraightNoRect;
}

// The KanjiVG type's base stroke ("㇕" of "㇕a"); empty when the type is ambiguous ("㇔/㇏").
std::string_view BaseType(std::string_view type) {
    if (type.find('/') != std::string_view::npos) return {};
    return type.substr(0, std::min<std::size_t>(type.size(), 3));  // one CJK stroke, UTF-8
}

// Picks the drawing among codes the checker treats alike (straight 1-14 for straight 3-7 and
// 11); returns how many codes changed.
int RefineByType(std::string_view vgType, std::vector<CTypedSegment>& segments) {
    const std::vector<CTypedSegment> original = segments;
    const std::string_view base = BaseType(vgType);
    // The dot state also catches the head of longer strokes; only dots are drawn as dots.
    if (vgType.find("㇔") == std::string_view::npos) {
        for (CTypedSegment& s : segments) {
            if (s.type == kTeardrop) s.type = kStraightNoArrow;
        }
    }
    if (segments.size() == 1 && IsPlainStraight(segments[0].type)) {
        const int d = Direction(segments[0].start, segments[0].end);
        if (base == "㇔" && d > 0) segments[0].type = kTeardrop;
        if (base == "㇐" && std::abs(d) <= 15) segments[0].type = kStraight;
        if (base == "㇒" || base == "㇏") segments[0].type = kStraightNoRect;  // a wedge
    }
    // A ㇟ whose hook is too small to be recognised keeps a level foot.
    const int footTolerance = base == "㇟" ? kLevelFoot : kSlantingFoot;
    if (segments.size() == 2 && (base == "㇗" || base == "㇄" || base == "㇟") &&
        IsPlainStraight(segments[0].type) && IsPlainStraight(segments[1].type)) {
        const int down = Direction(segments[0].start, segments[0].end);
        const int along = Direction(segments[1].start, segments[1].end);
        if (down >= 60 && down <= 120 && NearHorizontal(along, footTolerance)) {
            segments[0].type = kLHookBegin;
            segments[1].type = kLNoHookEnd;
        }
    }
    int changed = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (segments[i].type != original[i].type) ++changed;
    }
    return changed;
}

struct CStrokeSpan {
    std::size_t first = 0;  // index of the stroke's first segment in the list
    std::size_t count = 0;
    std::string_view vgType;
};

// Marks enclosures with the box codes (see ClassifyStrokes); returns how many.
int MarkBoxes(CKanjiStrokes& list, const std::vector<CStrokeSpan>& spans) {
    auto segment = [&](std::size_t stroke, std::size_t k) -> CStrokeData& {
        return list[spans[stroke].first + k];
    };
    auto direction = [](const CStrokeData& s) { return Direction(s.start, s.end); };
    auto isSide = [&](std::size_t stroke) {
        if (spans[stroke].count != 1) return false;
        const CStrokeData& s = segment(stroke, 0);
        const int d = direction(s);
        return s.type >= kStraight && s.type <= kTeardrop && s.type != kBoxBegin &&
               s.type != kBoxEnd && d >= 60 && d <= 120 && Distance(s.start, s.end) >= 15.0;
    };
    struct CBox {
        std::size_t open;
        std::size_t close;
    };
    std::vector<CBox> candidates;
    for (std::size_t left = 0; left + 2 < spans.size(); ++left) {
        const std::size_t frame = left + 1;
        // A corner stroke ending in a hook (㇖ as in 冖, ㇆ as in 月) leaves the frame open.
        const std::string_view frameType = BaseType(spans[frame].vgType);
        if (!isSide(left) || spans[frame].count != 2 || frameType == "㇖" || frameType == "㇆") {
            continue;
        }
        const CStrokeData& side = segment(left, 0);
        const CStrokeData& top = segment(frame, 0);
        const CStrokeData& right = segment(frame, 1);
        const int rightDirection = direction(right);
        if (!NearHorizontal(direction(top), 30) || top.end.x <= top.start.x ||
            Distance(top.start, side.start) > kBoxCornerTolerance || rightDirection < 45 ||
            rightDirection > 135 ||
            Distance(right.start, right.end) < 0.25 * Distance(side.start, side.end)) {
            continue;
        }
        for (std::size_t close = frame + 1; close < spans.size(); ++close) {
            if (spans[close].count != 1) continue;
            const CStrokeData& bottom = segment(close, 0);
            if (bottom.type >= kStraight && bottom.type <= kTeardrop &&
                NearHorizontal(direction(bottom), 30) && bottom.end.x > bottom.start.x &&
                Distance(bottom.start, side.end) <= kBoxCornerTolerance &&
                Distance(bottom.end, right.end) <= kBoxCornerTolerance) {
                candidates.push_back({left, close});
                break;
            }
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const CBox& a, const CBox& b) { return a.close < b.close; });
    int boxes = 0;
    std::size_t free = 0;  // strokes before this index belong to a chosen box or precede it
    for (const CBox& box : candidates) {
        if (box.open < free) continue;
        segment(box.open, 0).type = kBoxBegin;
        segment(box.close, 0).type = kBoxEnd;
        free = box.close + 1;
        ++boxes;
    }
    return boxes;
}

}  // namespace

CKanjiStrokes ClassifyStrokes(const std::vector<CVgStroke>& strokes, CStrokeReport& report) {
    CKanjiStrokes list;
    std::vector<CStrokeSpan> spans;
    for (const CVgStroke& stroke : strokes) {
        std::vector<CTypedSegment> segments = RecogniseStroke(MousePoints(stroke.points));
        if (segments.empty()) continue;
        report.refinedCodes += RefineByType(stroke.type, segments);
        if (DistanceFromPath(SamplePoints(stroke.points, kMouseStep), segments) > kFarFromPath) {
            ++report.farStrokes;
            ++report.farStrokesPerType[stroke.type];
        }
        spans.push_back({list.Size(), segments.size(), stroke.type});
        AppendStroke(segments, list);
    }
    report.boxes += MarkBoxes(list, spans);
    report.strokes += static_cast<int>(spans.size());
    for (const auto& segment : list.segments)
        ++report.segmentsPerType[segment->type];
    return list;
}

}  // namespace brushly::kanjidb
