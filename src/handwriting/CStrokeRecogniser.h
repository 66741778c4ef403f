#pragma once

#include <memory>
#include <span>
#include <vector>

#include "handwriting/CPointerSampler.h"
#include "handwriting/StrokeGeometry.h"
#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// The draw box's stroke recogniser: it turns the sampled points of one pen-down to pen-up
// into up to six typed segments, point by point while the stroke is drawn. The kanji
// database generator feeds it the points a mouse drawing each KanjiVG path gives, so the
// database holds, for every stroke, the segments and codes the recogniser gives the same
// stroke drawn well. Everything is in draw-box pixels (x right, y down); directions are whole
// degrees, trunc(atan2(dy, dx) * 57.296), so positive turns are clockwise on screen.
//
// The rules never see the pointer's positions as the mouse reports them: CPointerSampler first
// turns them into samples kSampleStep (3 px) apart along the drawn path, so that a slow hand's
// dense points, a fast hand's sparse ones and the repeated points of a pause give the same
// samples for the same shape. The samples are then smoothed, each with its two neighbours
// (weights 1, 2, 1; the first and the last as they are), so that a pixel or two of a hand's
// jitter does not read as bends; they trail the pointer by one sample until the release.
//
// Per sample, once the stroke has three samples and its
// last sample lies 5 px or more from the first:
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
//    degrees of vertical for more than 30 px: that part becomes code 16, once the part after
//    the bend is longer than 20 px, runs straight (detour ratio below 1.006) and still turns
//    more than 13 degrees from the part before it; otherwise the stroke runs on unbent. While the
//    growing turn qualifies it claims the bend, so no sharp-turn split happens there. A second part
//    of 5 px or more but shorter than 0.3 times the first, with a direction beyond 150
//    degrees either way or a last leg between -150 and -30 degrees, is a code-36 hook (end
//    4 px lower; the stroke finishes); at 0.3 times the first or longer the first part is 15.
//  - End hook: the same hook test applies to the segment that a sharp turn starts after a
//    downward segment (direction 60 to 120 degrees, chord 20 px or more), when its direction
//    turns more than 75 degrees from the stem's, except for a tail rising to the right
//    (direction -79 to -25 degrees): that one keeps growing (the tick of ㇙), and the release
//    decides.
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
//    horizontal that follows a segment running 86..119 degrees (the principal axis of its
//    first 85 %, before it rounds into the corner): codes 12 and 13, finished.
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
namespace brushly {

// One typed segment of a recognised stroke.
struct CTypedSegment {
    CPoint start;
    CPoint end;
    int type = 0;  // StrokeType code

    friend bool operator==(const CTypedSegment&, const CTypedSegment&) = default;
};

// The recogniser of one stroke in progress. Not copyable; one per stroke.
class CStrokeRecogniser {
public:
    CStrokeRecogniser();
    ~CStrokeRecogniser();
    CStrokeRecogniser(CStrokeRecogniser&&) noexcept;
    CStrokeRecogniser& operator=(CStrokeRecogniser&&) noexcept;

    // Takes the next mouse point; ignored once a rule has finished the stroke.
    void AddPoint(CPoint point);
    // Takes the points in order, as far as a rule lets the stroke run.
    void AddPoints(std::span<const CPoint> points);
    // A rule (hook, hook curve, tail, L) has finished the stroke: commit it without waiting
    // for the release.
    bool Finished() const;
    // The working segments as they stand after the last point, for display.
    const std::vector<CTypedSegment>& Working() const;
    // Takes the last mouse point and gives the segments committed at the release (or at the
    // finish). Later calls give the same segments.
    std::vector<CTypedSegment> Release();
    // The stroke's path: its pointer samples so far, kSampleStep apart, in drawing order.
    const std::vector<CPoint>& Samples() const { return m_samples; }

private:
    class CState;
    void SkipEntry();

    CPointerSampler m_sampler;
    std::vector<CPoint> m_samples;  // every sample of the stroke, unsmoothed
    std::vector<CPoint> m_fresh;    // the samples the last pointer position completed
    bool m_released = false;
    std::unique_ptr<CState> m_state;
};

// The recogniser run over all the mouse points of one stroke (rules above): one to six
// segments. A stroke whose points never reach 5 px from the first gives one code-3 segment
// from the first to the last point; no points give none.
std::vector<CTypedSegment> RecogniseStroke(const std::vector<CPoint>& points);

// Direction within tolerance degrees of horizontal, either way.
bool NearHorizontal(int direction, int tolerance);

// Appends a recognised stroke to a list: its first segment begins a stroke (newStroke 1),
// the others continue it.
void AppendStroke(const std::vector<CTypedSegment>& segments, CKanjiStrokes& list);

}  // namespace brushly
