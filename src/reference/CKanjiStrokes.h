#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "archive/CArchive.h"
#include "reference/CStrokeData.h"

namespace brushly {

// The stroke list of one character, database or user-drawn: segments in drawing order,
// in draw-box pixels (x right, y down, 200 px wide). Owns its segments; `segments` never
// holds a null element. A stroke begins at a segment with newStroke != 0 and runs through
// the continuations (newStroke 0) after it. In a stored list the first segment begins a
// stroke, but every operation here is safe on any list, including continuations before
// the first stroke start (those belong to no stroke).
//
// Stream body (schema 1, always written in place, never tagged): an object array of
// tagged CStrokeData, count then each segment. A null element fails the load.
class CKanjiStrokes final : public CObject {
public:
    static const CRuntimeClass kRuntimeClass;
    const CRuntimeClass& GetRuntimeClass() const override { return kRuntimeClass; }
    // Loading fails with CArchiveException BadClass at a null element; the segments read
    // before any failure stay in the list.
    void Serialize(CArchive& archive) override;

    CKanjiStrokes() = default;
    CKanjiStrokes(const CKanjiStrokes& other);
    CKanjiStrokes& operator=(const CKanjiStrokes& other);
    CKanjiStrokes(CKanjiStrokes&&) = default;
    CKanjiStrokes& operator=(CKanjiStrokes&&) = default;
    ~CKanjiStrokes() override = default;

    // Replaces the segments by a deep copy of other's, in order; self-assignment keeps the
    // list as it is. Returns the number of segments now held.
    std::size_t Assign(const CKanjiStrokes& other);

    std::size_t Size() const { return segments.size(); }
    // index < Size().
    CStrokeData& operator[](std::size_t index) { return *segments[index]; }
    const CStrokeData& operator[](std::size_t index) const { return *segments[index]; }
    // Appends segment at the end and returns the list's own copy of it.
    CStrokeData& Append(CStrokeData segment);

    // Number of strokes: the segments that begin one. Always equals the size of the arrays
    // that IndexStrokes() fills.
    int StrokeCount() const;

    // Per stroke k (0-based, in drawing order): the index of its first segment, its
    // number of segments, and its box state, the state after its first segment of the
    // automaton that every segment drives: 0 outside a box; 0 -> 1 at kBoxBegin;
    // 1 -> 2 at any segment; 2 -> 3 at kBoxEnd; 3 -> 1 at kBoxBegin, else 0.
    // So 1 marks the stroke that opens a box group, 2 one inside it, 3 the one closing it.
    struct StrokeIndex {
        std::vector<int> firstSegment;
        std::vector<int> segmentCount;
        std::vector<int> boxState;
    };
    StrokeIndex IndexStrokes() const;

    // Repairs unpaired box codes, scanning in order: a kBoxBegin while a box is open turns
    // the segment that opened it into kStraight and opens the box anew at itself; a kBoxEnd
    // with no box open becomes kStraightNoArrow. A box still open at the end stays open (a
    // user's character may not be finished yet).
    void NormalizeBoxPairs();

    // Repairs unpaired L-shape codes: a kLHookBegin not followed by kLHookEnd or
    // kLNoHookEnd becomes a vertical kStraight (end.x = start.x); a kLHookEnd or kLNoHookEnd
    // not preceded by kLHookBegin becomes kStraightNoArrow moved up by 4 px.
    void NormalizeLHookPairs();

    // Moves end points so that the segments of a stroke meet when drawn in the raw brush
    // style: flat straight runs, box sides, after-curve segments, L-shapes, hooks and bent
    // first halves are joined to their neighbours. Changes the list: callers run it on a
    // copy. A rule that names a neighbour beyond either end of the list does nothing.
    void JoinForRaw();

    std::vector<std::unique_ptr<CStrokeData>> segments;  // drawing order, never null
};

}  // namespace brushly
