#pragma once

#include <vector>

#include "handwriting/StrokeGeometry.h"
#include "platform/CPoint.h"

// An offline replay of the draw box's stroke recogniser. The kanji database must hold, for
// every stroke, the segments and codes that the recogniser gives the same stroke drawn well,
// so the generator turns each KanjiVG path into the points a mouse drawing it gives
// (MousePoints.h) and feeds them point by point through the same bend detection,
// classification and refinement rules; the draw box's own recogniser is to agree with this
// replay. Everything is in draw-box pixels (x right, y down); directions are whole
// degrees, trunc(atan2(dy, dx) * 57.296), so positive turns are clockwise on screen.
//
// The replay (RecogniseStroke), per accepted point once the stroke has three points and its
// last point lies 5 px or more from the first:
//  - FindBend over the last 16 points, not reaching back before the last fixed corner;
//    bends within 20 px of the stroke's first point are ignored.
//  - A turn sharper than 75 degrees that no rule below claims ends the working segment at
//    the bend and starts a new one (at most six; a sharp turn with none left finishes the
//    stroke). The corner stays movable, to a sharper bend, while the pointer is within 20 px
//    of it; after that the points before it are out of the bend window.
//  - Segment codes by the plain classification (chord, direction P, half turn t, detour ratio
//    B: codes 3, 6, 7, 21, 22, 25, 26, 11 with the dot state, 0 with the hook-curve state,
//    which finishes the stroke when P falls 5 degrees below its maximum or exceeds 110).
//  - Bent start: in the first segment, a turn above 13 degrees, taken once it stops growing,
//    while the stroke's detour ratio is below 1.006 and the part before it runs within 4
//    degrees of vertical for more than 30 px: that part becomes code 16. While the growing
//    turn qualifies it claims the bend, so no sharp-turn split happens there. A second part
//    of 5 px or more but shorter than 0.3 times the first, with a direction beyond 150
//    degrees either way or a last leg between -150 and -30 degrees, is a code-36 hook (end
//    4 px lower; the stroke finishes); at 0.3 times the first or longer the first part is 15.
//  - End hook: the same hook test applies to the segment that a sharp turn starts after a
//    downward segment (direction 60 to 120 degrees, chord 20 px or more), except for a tail
//    rising to the right (direction -79 to -25 degrees): that one keeps growing (the tick of
//    ㇙), and the release decides.
//  - Straight tail: a segment with direction 11 to 59 that ends in a run of 40 px or more,
//    within 3 degrees of horizontal and straight (detour ratio below 1.004), splits where
//    the run begins; the run is code 10 and the stroke finishes when the pointer leaves the
//    run's height by more than 10 px.
//  - L from one curving movement (t < 0, B > 1.09, first leg 85..150, last leg within 10
//    degrees of horizontal, pointer more than 16 px below the segment start): code 12 to the
//    corner (leftmost x, lowest y of the segment) and code 14 level at corner height + 4;
//    then more than 10 px below that height finishes, more than 10 px above finishes with
//    code 13, or, within 12 px right of the vertical's start, with a code-36 hook from the
//    corner to the pointer instead (the vertical becoming code 1, as NormalizeLHookPairs
//    makes it).
//  - L from a sharp turn: a turn below -50 degrees after a run within 10 degrees of
//    horizontal that follows a segment running 86..119 degrees: codes 12 and 13, finished.
//  - At the release (the end of the points) the working stroke falls back one snapshot when
//    the last two disagree (count, codes, axis class of codes 1 to 6); a stroke that a rule
//    finished keeps what finished it, and the point that ends a hook-curve, tail or L
//    state is not taken. Snapshots carry the neighbour forms: codes 17-20 before a code 10,
//    and code 5 with the flush forms after it (11 and 21 to 23, 22 to 24, 25 to 28, 26 to
//    29) for a straight 3-7 within 45 degrees of horizontal. Unless a rule finished the
//    stroke, a last segment rising to the right (-79 to -25 degrees) after a downward one,
//    5 px or longer but shorter than 25 px and than 0.3 times the downward one, becomes its
//    code-36 hook (end 4 px lower). Finally straight codes 1-6 within 5 degrees of
//    horizontal or vertical are squared up, and a hook pointing 90 to 94 degrees ends 4 px
//    left of its start.
namespace brushly::kanjidb {

// One typed segment of a recognised stroke.
struct CTypedSegment {
    CPoint start;
    CPoint end;
    int type = 0;  // StrokeType code

    friend bool operator==(const CTypedSegment&, const CTypedSegment&) = default;
};

// The recogniser replayed over the sampled points of one stroke (rules above): one to six
// segments. A stroke whose points never reach 5 px from the first gives one code-3 segment
// from the first to the last point; no points give none.
std::vector<CTypedSegment> RecogniseStroke(const std::vector<CPoint>& points);

// Direction within tolerance degrees of horizontal, either way.
bool NearHorizontal(int direction, int tolerance);

}  // namespace brushly::kanjidb
