// The pointer's positions as the recogniser sees them: the same drawn shape gives the same
// samples and the same segments whatever the pointer's spacing, and pauses add nothing.
#include "handwriting/CPointerSampler.h"

#include <gtest/gtest.h>

#include <cmath>

#include "handwriting/CStrokeRecogniser.h"
#include "handwriting/StrokeGeometry.h"
#include "reference/StrokeType.h"

namespace brushly {
namespace {

struct CPointF {
    double x;
    double y;
};

// The path (a polyline) as a pointer reports it: positions step pixels apart along it,
// rounded to whole pixels, each repeated pause times (the pen resting), the last exact.
std::vector<CPoint> Pointer(const std::vector<CPointF>& path, double step, int pause = 1) {
    std::vector<CPoint> points;
    auto add = [&](CPointF p) {
        for (int k = 0; k < pause; ++k)
            points.push_back(
                {static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))});
    };
    add(path.front());
    double travelled = 0.0;
    double next = step;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const CPointF a = path[i - 1];
        const CPointF b = path[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        while (travelled + length >= next) {
            const double t = (next - travelled) / length;
            add({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
            next += step;
        }
        travelled += length;
    }
    add(path.back());
    return points;
}

// A quarter of an ellipse followed by a straight run: a curve that the pointer's spacing must
// not turn into corners.
std::vector<CPointF> SweepThenRun() {
    std::vector<CPointF> path;
    for (int k = 0; k <= 60; ++k) {
        const double angle = 3.14159265 / 2 * k / 60;
        path.push_back({40 + 90 * std::sin(angle), 30 + 110 * (1 - std::cos(angle))});
    }
    path.push_back({175, 140});
    return path;
}

TEST(PointerSampler, SamplesLieAStepApartWhateverThePointerSpacing) {
    const std::vector<CPointF> line = {{20.3, 40.7}, {180.2, 95.1}};
    for (const double spacing : {1.0, 3.0, 8.0}) {
        CPointerSampler sampler;
        std::vector<CPoint> samples;
        for (const CPoint& p : Pointer(line, spacing, 2))
            sampler.Add(p, samples);
        ASSERT_GT(samples.size(), 50u) << spacing;
        EXPECT_EQ(samples.front(), (CPoint{20, 41}));
        for (std::size_t i = 1; i < samples.size(); ++i) {
            EXPECT_NEAR(Distance(samples[i - 1], samples[i]), kSampleStep, 1.5) << spacing;
        }
        ASSERT_TRUE(sampler.Finish().has_value());
        EXPECT_EQ(*sampler.Finish(), (CPoint{180, 95}));
    }
}

TEST(PointerSampler, APauseAndAWobbleSmallerThanTheStepAddNothing) {
    CPointerSampler sampler;
    std::vector<CPoint> samples;
    for (const CPoint& p : {CPoint{50, 50}, CPoint{50, 50}, CPoint{51, 50}, CPoint{50, 51},
                            CPoint{51, 51}, CPoint{50, 50}}) {
        sampler.Add(p, samples);
    }
    EXPECT_EQ(samples, (std::vector<CPoint>{{50, 50}}));
    EXPECT_FALSE(sampler.Finish().has_value());
    sampler.Add({60, 50}, samples);
    EXPECT_EQ(samples, (std::vector<CPoint>{{50, 50}, {53, 50}, {56, 50}, {59, 50}}));
    EXPECT_EQ(sampler.Finish(), (CPoint{60, 50}));
}

TEST(PointerSampler, TheSameShapeGivesTheSameSegmentsAtEverySpacing) {
    const std::vector<std::vector<CPointF>> shapes = {
        {{40, 30}, {160, 32}},               // a horizontal
        {{100, 20}, {101, 180}},             // a vertical
        {{40, 40}, {160, 40}, {160, 170}},   // a corner
        {{100, 20}, {100, 150}, {88, 140}},  // a stem with a hook
        SweepThenRun(),
    };
    for (std::size_t s = 0; s < shapes.size(); ++s) {
        const std::vector<CTypedSegment> reference = RecogniseStroke(Pointer(shapes[s], 3.0));
        ASSERT_FALSE(reference.empty());
        for (const double spacing : {1.0, 2.0, 5.0, 8.0}) {
            for (const int pause : {1, 3}) {
                const std::vector<CTypedSegment> segments =
                    RecogniseStroke(Pointer(shapes[s], spacing, pause));
                ASSERT_EQ(segments.size(), reference.size())
                    << "shape " << s << " at " << spacing << " px, pause " << pause;
                for (std::size_t k = 0; k < segments.size(); ++k) {
                    EXPECT_EQ(segments[k].type, reference[k].type)
                        << "shape " << s << " segment " << k << " at " << spacing << " px";
                    EXPECT_LE(Distance(segments[k].end, reference[k].end), 4.0)
                        << "shape " << s << " segment " << k << " at " << spacing << " px";
                }
            }
        }
    }
}

}  // namespace
}  // namespace brushly
