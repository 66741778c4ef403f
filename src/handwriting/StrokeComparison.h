#pragma once

#include <cstddef>
#include <vector>

#include "reference/CKanjiStrokes.h"

// The pure comparisons of the kanji draw box and the handwriting search: stroke-type
// weights, the comparison of one user stroke with one database stroke, and the similarity
// score of two whole stroke lists. All points are draw-box pixels (x right, y down);
// distances are Euclidean, in pixels.
namespace brushly {

// How strictly CompareStroke tests stroke types.
inline constexpr int kTypeModeExact = 0;    // TypeMatch exactly 1, or borderline
inline constexpr int kTypeModeSimilar = 1;  // TypeMatch at least 0.5, or borderline
inline constexpr int kTypeModeAny = 2;      // no type test (as is any other value)

// A segmentMap entry at or above this marks a user segment matched against a joined
// database pair: the entry is this base plus the index of the pair's first segment.
inline constexpr int kJoinedPairMapBase = 100;

// A code that the comparisons join with the segment after it (15 to 20).
bool IsFirstHalf(int code);

// The type test of the checker: how well a user segment of code userCode stands for a
// database segment of code databaseCode. 1 fits, 0.5 is a similar kind (a curve for a
// straight, a joined pair for a single segment), 0 does not fit. kCompStroke (35) stands
// for a joined pair on either side. Defined for every pair of ints.
double TypeMatch(int databaseCode, int userCode);

// Codes that the recogniser gives the same stroke either side of one of its thresholds, where
// a pixel of difference in the drawing decides: a straight (1 to 14) and the mildest curve
// (17, 21, 23, 31); a joined first half (35), whose bend may be as slight as 14 degrees, and a
// sweep (17 to 34) or a straight (1 to 14); the hook curve (0) and a dot (11). Either order.
// The type tests of the exact and the similar mode let them pass.
bool IsBorderlineType(int databaseCode, int userCode);

// A hook read as a short straight, or the other way round: shorter than this (pixels), a
// straight piece where the other side has a hook (36) passes the type tests of the exact and
// the similar mode.
inline constexpr double kFlickLength = 25.0;

// The graded type weight of SimilarityScore, from 0 (unrelated) to 1 (the same kind);
// 1 whenever a == b. Not symmetric: a is the user's code, b the candidate's, or
// kCompStroke for a joined pair. Defined for every pair of ints.
double TypeAffinity(int a, int b);

enum class CStrokeMatch { None = 0, Full = 1, Partial = 2 };

struct CStrokeComparison {
    CStrokeMatch result = CStrokeMatch::None;
    // Mean of the accepted end-point distances in pixels (the first accepted pair counts
    // both its start and end distance); 0 when the result is None.
    double averageDistance = 0.0;
    // One entry per user segment of the stroke when the result is Full or Partial, empty
    // when it is None: the index, counted from the database stroke's first segment, of the
    // database segment it matched, or kJoinedPairMapBase + the index of the first segment
    // of the joined database pair it matched.
    std::vector<int> segmentMap;
    // Matched only as a whole, by AlignStroke, the pieces cut differently on the two sides.
    bool aligned = false;
};

// Compares one user stroke, the userCount segments of user from userFirst, with one
// database stroke, the databaseCount segments of database from databaseFirst, piece by
// piece in drawing order. A segment of code 15 to 20 that is not the last of its stroke
// is joined with the next one into a kCompStroke piece from its start to the next one's
// end. A pair of pieces matches when both their start and their end points lie less than
// threshold pixels apart and the type test of typeMode passes. Database pieces may be
// skipped only before the first match; after a match every following pair must match.
// Full: every piece on both sides matched. Partial: every user piece matched but database
// pieces were skipped or are left over. None otherwise. Ranges reaching past the end of
// their list are cut at its end.
CStrokeComparison CompareStroke(const CKanjiStrokes& user, std::size_t userFirst,
                                std::size_t userCount, const CKanjiStrokes& database,
                                std::size_t databaseFirst, std::size_t databaseCount, int typeMode,
                                double threshold);

// How closely the candidate's segments reproduce the user's, for ranking the candidates of
// the handwriting search; threshold is the largest distance in pixels (exclusive) at which
// two points count as close. Each user segment earns at most 1000 / (number of user
// segments), integer division, weighted by type affinity and closeness; the total shrinks
// by 1/30 for every segment by which the two lists differ in length, down to 0. So a list
// compared with itself scores 1000 when its segment count divides 1000 (999 for three
// segments). An empty user list scores 0. CSimilarityScorer scores many candidates against
// one user list.
int SimilarityScore(const CKanjiStrokes& user, const CKanjiStrokes& candidate, double threshold);

}  // namespace brushly
