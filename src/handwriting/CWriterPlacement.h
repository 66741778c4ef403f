#pragma once

#include <map>
#include <vector>

#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// Where a writer puts the strokes of a character relative to the database's: a hand whose
// proportions differ a little draws every stroke of a part of the character shifted the same
// way, so that a later stroke may lie nearer a neighbour's place than its own. The draw box
// compares a new stroke moved back by the drift of the strokes already recognised.
// Draw-box pixels (x right, y down).
namespace brushly {

class CWriterPlacement {
public:
    // Notes how a user stroke running from userStart to userEnd lies against the database
    // stroke it was recognised as, which runs from databaseStart to databaseEnd.
    void Record(int databaseStroke, CPoint userStart, CPoint userEnd, CPoint databaseStart,
                CPoint databaseEnd);

    // How the writer displaces the part of the character around the database stroke running
    // from databaseStart to databaseEnd: the displacement of the recorded stroke, among those
    // listed (still recognised), whose database stroke lies nearest to it (by the middles of
    // their ends), rounded to whole pixels; (0, 0) when none of them has been recorded.
    // Proportions differ across a character, so the nearest stroke says more than all of them.
    CPoint Drift(const std::vector<int>& databaseStrokes, CPoint databaseStart,
                 CPoint databaseEnd) const;

    void Clear() { m_displacements.clear(); }

private:
    struct CShift {
        double x = 0.0;
        double y = 0.0;
        CPoint middle;  // of the database stroke's ends
    };
    std::map<int, CShift> m_displacements;  // by database stroke
};

// A copy of strokes with every point moved by shift.
CKanjiStrokes Shifted(const CKanjiStrokes& strokes, CPoint shift);
// A copy of a path with every point moved by shift.
std::vector<CPoint> Shifted(const std::vector<CPoint>& path, CPoint shift);

}  // namespace brushly
