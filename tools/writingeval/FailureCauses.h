#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "reference/CKanjiStrokes.h"
#include "writingeval/BoxWriting.h"

// Why a written kanji was not judged correct: its first rejected stroke, recognised as the box
// recognises it, compared alone with the database stroke of the same index. Points are
// draw-box pixels; the threshold is the box's distance threshold in pixels.
namespace brushly::writingeval {

struct CFailureCause {
    // What went wrong, the key under which failures are counted, tested in this order:
    //  - the stroke matches its own database stroke alone: "order (a later stroke matches
    //    closer)", else "rejected in context";
    //  - it matches when types are not tested: "type 3 vs 21" (user vs database codes, in
    //    order; " (similar)" appended when only the exact test fails);
    //  - it matches a later database stroke: "order (matches a later stroke)";
    //  - "segments 2 vs 1" (user vs database segment counts), "joined pieces 1 vs 2" (as many
    //    segments, but first halves join differently), "position of the start" / "of a
    //    corner" / "of the end" / "of a joined piece" (an end point the threshold or farther
    //    off).
    // Without a rejected stroke: "too few strokes" or "too many strokes".
    std::string cause;
    // Where: "stroke 3: 3 10 vs 21" (1-based stroke, user codes vs database codes); for a
    // stroke count, "written 2 vs 3".
    std::string detail;
};

// The cause of a failed writing; writing is what the box was given, result what it made of
// it (result.correct is false).
CFailureCause ClassifyFailure(const CKanjiStrokes& target, const CWriting& writing,
                              const CBoxResult& result, int typeMode, double threshold);

// The cause of a failed kana writing: "kana stroke rejected" (detail "stroke 2: status 1",
// the box's status right after it), or "kana strokes too few" when every stroke was kept.
CFailureCause KanaFailure(const CBoxResult& result);

// How often one cause was seen, with the first kanji (and detail) it was seen with.
struct CCauseCount {
    int count = 0;
    std::string example;
};
using CCauseCounts = std::map<std::string, CCauseCount>;

// Counts cause for the named kanji.
void CountCause(CCauseCounts& counts, const CFailureCause& cause, const std::string& kanji);

struct CRankedCause {
    std::string cause;
    CCauseCount count;
};
// The most common causes, most first (ties by cause), at most limit.
std::vector<CRankedCause> TopCauses(const CCauseCounts& counts, std::size_t limit);

}  // namespace brushly::writingeval
