#include "reference/CKanjiStrokes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <utility>

namespace brushly {

const CRuntimeClass CKanjiStrokes::kRuntimeClass{"CKanjiStrokes", 1, false,
                                                 &CreateObject<CKanjiStrokes>};

namespace {

// Degrees per radian as the handwriting code has always used it (not 180/pi).
constexpr double kDegreesPerRadian = 57.296;
// A straight segment flatter than this joins the straight continuation after it.
constexpr int kMaxJoinDegrees = 45;
// How far an unpaired L-shape end moves up when it becomes a plain straight.
constexpr int kLoneLEndLift = 4;

bool IsPlainStraight(int type) {
    return type >= kStraight && type <= kStraightNoRect;
}

bool IsLEnd(int type) {
    return type == kLHookEnd || type == kLNoHookEnd;
}

// value + delta, held inside int: coordinates come from files and may be extreme.
int Offset(int value, int delta) {
    const std::int64_t sum = std::int64_t{value} + delta;
    return static_cast<int>(std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// The segment's direction in whole degrees, truncated toward zero, -180 to 180.
int DirectionDegrees(const CStrokeData& segment) {
    const double dx = static_cast<double>(segment.end.x) - segment.start.x;
    const double dy = static_cast<double>(segment.end.y) - segment.start.y;
    return static_cast<int>(std::atan2(dy, dx) * kDegreesPerRadian);
}

// Brings the end of the segment before a continuation to just right of its start.
void JoinToPrevious(CStrokeData& segment, CStrokeData* previous) {
    if (previous && segment.newStroke == 0) previous->end.x = Offset(segment.start.x, 1);
}

}  // namespace

CKanjiStrokes::CKanjiStrokes(const CKanjiStrokes& other) : CObject(other) {
    Assign(other);
}

CKanjiStrokes& CKanjiStrokes::operator=(const CKanjiStrokes& other) {
    Assign(other);
    return *this;
}

std::size_t CKanjiStrokes::Assign(const CKanjiStrokes& other) {
    if (&other == this) return segments.size();
    std::vector<std::unique_ptr<CStrokeData>> copies;
    copies.reserve(other.segments.size());
    for (const auto& segment : other.segments)
        copies.push_back(std::make_unique<CStrokeData>(*segment));
    segments = std::move(copies);
    return segments.size();
}

void CKanjiStrokes::Serialize(CArchive& archive) {
    if (archive.IsStoring()) {
        archive.WriteObjectArray(segments);
        return;
    }
    // Read element by element so that a failure leaves only whole, non-null segments.
    const std::size_t count = archive.ReadCount(2);
    segments.clear();
    segments.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::unique_ptr<CStrokeData> segment = archive.ReadOwnedObject<CStrokeData>();
        if (!segment) throw CArchiveException(CArchiveException::Cause::BadClass);
        segments.push_back(std::move(segment));
    }
}

CStrokeData& CKanjiStrokes::Append(CStrokeData segment) {
    segments.push_back(std::make_unique<CStrokeData>(std::move(segment)));
    return *segments.back();
}

int CKanjiStrokes::StrokeCount() const {
    return static_cast<int>(
        std::count_if(segments.begin(), segments.end(),
                      [](const auto& segment) { return segment->newStroke != 0; }));
}

CKanjiStrokes::StrokeIndex CKanjiStrokes::IndexStrokes() const {
    StrokeIndex index;
    int boxState = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const CStrokeData& segment = *segments[i];
        switch (boxState) {
            case 0:
                if (segment.type == kBoxBegin) boxState = 1;
                break;
            case 1:
                boxState = 2;
                break;
            case 2:
                if (segment.type == kBoxEnd) boxState = 3;
                break;
            default:
                boxState = segment.type == kBoxBegin ? 1 : 0;
                break;
        }
        if (segment.newStroke != 0) {
            index.firstSegment.push_back(static_cast<int>(i));
            index.segmentCount.push_back(1);
            index.boxState.push_back(boxState);
        } else if (!index.segmentCount.empty()) {
            ++index.segmentCount.back();
        }
    }
    return index;
}

void CKanjiStrokes::NormalizeBoxPairs() {
    CStrokeData* boxOpener = nullptr;
    for (const auto& segment : segments) {
        if (segment->type == kBoxBegin) {
            if (boxOpener) boxOpener->type = kStraight;
            boxOpener = segment.get();
        } else if (segment->type == kBoxEnd) {
            if (boxOpener)
                boxOpener = nullptr;
            else
                segment->type = kStraightNoArrow;
        }
    }
}

void CKanjiStrokes::NormalizeLHookPairs() {
    const std::size_t count = segments.size();
    for (std::size_t i = 0; i < count; ++i) {
        CStrokeData& segment = *segments[i];
        if (segment.type == kLHookBegin) {
            if (i + 1 < count && IsLEnd(segments[i + 1]->type)) continue;
            segment.type = kStraight;
            segment.end.x = segment.start.x;
        } else if (IsLEnd(segment.type)) {
            if (i > 0 && segments[i - 1]->type == kLHookBegin) continue;
            segment.type = kStraightNoArrow;
            segment.start.y = Offset(segment.start.y, -kLoneLEndLift);
            segment.end.y = Offset(segment.end.y, -kLoneLEndLift);
        }
    }
}

void CKanjiStrokes::JoinForRaw() {
    const std::size_t count = segments.size();
    for (std::size_t i = 0; i < count; ++i) {
        CStrokeData& segment = *segments[i];
        CStrokeData* previous = i > 0 ? segments[i - 1].get() : nullptr;
        CStrokeData* next = i + 1 < count ? segments[i + 1].get() : nullptr;
        if (IsPlainStraight(segment.type)) {
            // A flat straight runs on into the straight continuation after it.
            if (next && IsPlainStraight(next->type) && next->newStroke == 0 &&
                std::abs(DirectionDegrees(segment)) < kMaxJoinDegrees)
                segment.end.x = Offset(next->start.x, 1);
        } else if (segment.type == kBoxBegin) {
            // The box's second side reaches the start of its third.
            if (i + 2 < count) next->end.x = Offset(segments[i + 2]->start.x, 1);
        } else if (segment.type == kAfterCurve) {
            if (previous) previous->end.y = segment.start.y;
        } else if (segment.type == kLHookBegin) {
            // The L's upright is drawn vertical, never leaning right.
            if (segment.start.x < segment.end.x) segment.end.x = segment.start.x;
            JoinToPrevious(segment, previous);
        } else if (segment.type == kHook) {
            JoinToPrevious(segment, previous);
        } else if (segment.type == kStraightBc) {
            if (next) next->start.x = segment.end.x;
        }
    }
}

}  // namespace brushly
