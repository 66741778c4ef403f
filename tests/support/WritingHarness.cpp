#include "support/WritingHarness.h"

#include "handwriting/CStrokeRecogniser.h"
#include "writingeval/CHandVariation.h"

namespace brushly::testing {
namespace {

// A small deterministic generator (xorshift32), the same on every platform.
class CJitter {
public:
    CJitter(std::uint32_t seed, int amplitude)
        : m_state(seed == 0 ? 1u : seed), m_amplitude(amplitude) {}

    // A whole number from -amplitude to amplitude.
    int Next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        const auto span = static_cast<std::uint32_t>(2 * m_amplitude + 1);
        return static_cast<int>(m_state % span) - m_amplitude;
    }

private:
    std::uint32_t m_state;
    int m_amplitude;
};

std::vector<kanjidb::CPointF> Transformed(const std::vector<kanjidb::CPointF>& path,
                                          const CHarnessOptions& options) {
    std::vector<kanjidb::CPointF> result;
    result.reserve(path.size());
    for (const kanjidb::CPointF& point : path) {
        result.push_back(
            {kWritingCentre.x + (point.x - kWritingCentre.x) * options.scale + options.offset.x,
             kWritingCentre.y + (point.y - kWritingCentre.y) * options.scale + options.offset.y});
    }
    return result;
}

}  // namespace

std::vector<std::vector<CPoint>> WriteAlongPaths(const std::vector<kanjidb::CVgStroke>& strokes,
                                                 const CHarnessOptions& options) {
    std::vector<std::vector<CPoint>> result;
    result.reserve(strokes.size());
    CJitter jitter(options.seed, options.jitter);
    // A steady hand: points kPenStep apart along the path, no pauses, the brush entry kept.
    writingeval::CHandParameters steady;
    steady.minSpacing = kPenStep;
    steady.maxSpacing = kPenStep;
    writingeval::CHandVariation pen(steady, options.seed);
    // Unmoved paths are sampled as they are, free of rounding in the transformation.
    const bool moved = options.scale != 1.0 || options.offset.x != 0.0 || options.offset.y != 0.0;
    for (const kanjidb::CVgStroke& stroke : strokes) {
        std::vector<CPoint> points =
            pen.WriteStroke(moved ? Transformed(stroke.points, options) : stroke.points);
        if (options.jitter > 0) {
            for (CPoint& point : points) {
                point.x += jitter.Next();
                point.y += jitter.Next();
            }
        }
        result.push_back(std::move(points));
    }
    return result;
}

CKanjiStrokes RecogniseWriting(const std::vector<std::vector<CPoint>>& strokes) {
    CKanjiStrokes list;
    for (const std::vector<CPoint>& points : strokes) {
        AppendStroke(RecogniseStroke(points), list);
    }
    return list;
}

}  // namespace brushly::testing
