#pragma once

#include <optional>
#include <vector>

#include "platform/CPoint.h"

// The recogniser's view of the pointer: samples a fixed distance apart along the drawn path,
// so that the same drawn shape gives the same samples whether the mouse reports a point every
// pixel or every eight, with pauses (repeated points) or without. Draw-box pixels (x right,
// y down).
namespace brushly {

// Distance in pixels between consecutive samples.
inline constexpr double kSampleStep = 3.0;

class CPointerSampler {
public:
    // The first position is a sample of its own; each later sample lies step pixels (straight
    // line distance) from the one before, interpolated along the pointer's path and rounded to
    // whole pixels. A wobble smaller than the step therefore moves no sample, and positions that
    // repeat the last one add nothing.
    explicit CPointerSampler(double step = kSampleStep);

    // Takes the next pointer position; appends the samples it completes to samples.
    void Add(CPoint position, std::vector<CPoint>& samples);

    // At the release: the last pointer position, when it is not the last sample already.
    std::optional<CPoint> Finish() const;

private:
    struct CPointD {
        double x = 0.0;
        double y = 0.0;
    };

    double m_step;
    bool m_started = false;
    CPoint m_position;       // the last pointer position taken
    CPointD m_sample;        // the last sample, unrounded
    CPoint m_roundedSample;  // and as it was given out
};

}  // namespace brushly
