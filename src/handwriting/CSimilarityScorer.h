#pragma once

#include <cstddef>
#include <vector>

#include "platform/CPoint.h"
#include "reference/CKanjiStrokes.h"

// The similarity score of the handwriting search: how closely a candidate's segments
// reproduce the user's. Draw-box pixels; distances are Euclidean.
namespace brushly {

// Scores candidate lists against one user list. Holds a flat copy of the user's segments
// and a scratch copy of the candidate's, so that scoring many candidates allocates nothing
// after the first few; not safe to share between threads.
class CSimilarityScorer {
public:
    explicit CSimilarityScorer(const CKanjiStrokes& user);

    // The score of candidate (see SimilarityScore). When the score cannot exceed floor the
    // scoring may stop early and return any value not above floor; a floor below 0 always
    // gives the exact score.
    int Score(const CKanjiStrokes& candidate, double threshold, int floor = -1);

    // A flat segment: the parts of CStrokeData the score reads.
    struct CSegment {
        CPoint start;
        CPoint end;
        int type = 0;
    };

private:
    std::vector<CSegment> m_user;
    std::vector<CSegment> m_candidate;
};

}  // namespace brushly
