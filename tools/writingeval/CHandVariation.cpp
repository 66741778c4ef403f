#include "writingeval/CHandVariation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace brushly::writingeval {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// The entry-twist trim (see TrimEntryTwist).
constexpr double kTwistAngle = 15.0 * kDegree;
constexpr double kTwistLocal = 2.0;
constexpr double kTwistAhead = 15.0;
constexpr double kTwistMaxTrim = 8.0;
constexpr double kTwistMinLength = 30.0;
constexpr double kTwistScanStep = 0.5;

// The wobble displaces a path resampled this finely, across its direction over this many
// pixels either side, so that a corner bends the displacement smoothly instead of tearing it.
constexpr double kWobbleStep = 1.0;
constexpr double kWobbleReach = 4.0;

// A point is a corner where the path turns more than this between the 6 px before and after.
constexpr double kCornerAngle = 45.0 * kDegree;
constexpr double kCornerReach = 6.0;
constexpr int kMaxPauseRepeats = 3;

CPoint Rounded(CPointF point) {
    const auto clamp = [](double value) {
        return std::clamp(static_cast<int>(std::lround(value)), 0, kLastPixel);
    };
    return {clamp(point.x), clamp(point.y)};
}

}  // namespace

CPointF CharacterTransform(const CHandParameters& hand, CPointF point) {
    const double x = (point.x - kCharacterCentre.x) * hand.scaleX;
    const double y = (point.y - kCharacterCentre.y) * hand.scaleY;
    const double sheared = x + hand.shear * y;
    const double angle = hand.rotation * kDegree;
    const double cosine = std::cos(angle);
    const double sine = std::sin(angle);
    return {kCharacterCentre.x + sheared * cosine - y * sine,
            kCharacterCentre.y + sheared * sine + y * cosine};
}

CPath TrimEntryTwist(const CPath& path) {
    const CArcPath arc(path);
    if (arc.Length() < kTwistMinLength) return path;
    double trim = kTwistMaxTrim;
    for (double s = 0.0; s < kTwistMaxTrim; s += kTwistScanStep) {
        const double local = arc.ChordDirection(s, s + kTwistLocal);
        const double ahead = arc.ChordDirection(s, s + kTwistAhead);
        if (AngleBetween(local, ahead) <= kTwistAngle) {
            trim = s;
            break;
        }
    }
    return trim > 0.0 ? arc.Tail(trim) : path;
}

CHandVariation::CHandVariation(const CHandParameters& parameters, std::uint64_t seed)
    : m_parameters(parameters), m_seed(seed), m_random(seed) {}

CWriting CHandVariation::Write(const CPaths& paths) {
    CWriting writing;
    writing.reserve(paths.size());
    for (const CPath& path : paths)
        writing.push_back(WriteStroke(path));
    return writing;
}

CPath CHandVariation::Placed(const CPath& path) {
    const CPath trimmed = m_parameters.keepEntryTwist ? path : TrimEntryTwist(path);
    const double shiftX = m_random.Uniform(-m_parameters.maxShift, m_parameters.maxShift);
    const double shiftY = m_random.Uniform(-m_parameters.maxShift, m_parameters.maxShift);
    CPath placed;
    placed.reserve(trimmed.size());
    for (const CPointF& point : trimmed) {
        const CPointF moved = CharacterTransform(m_parameters, point);
        placed.push_back({moved.x + shiftX, moved.y + shiftY});
    }

    std::array<double, 2> phases{};
    for (double& phase : phases)
        phase = m_random.Uniform(0.0, 2.0 * std::numbers::pi);
    const auto& amplitudes = m_parameters.wobbleAmplitudes;
    if (amplitudes[0] == 0.0 && amplitudes[1] == 0.0) return placed;
    const CArcPath arc(std::move(placed));
    CPath dense = arc.Resampled(kWobbleStep);
    double s = 0.0;
    for (std::size_t i = 0; i < dense.size(); ++i, s += kWobbleStep) {
        double offset = 0.0;
        for (std::size_t k = 0; k < phases.size(); ++k) {
            offset += amplitudes[k] *
                      std::sin(2.0 * std::numbers::pi * s / m_parameters.wobbleWavelengths[k] +
                               phases[k]);
        }
        const double direction = arc.ChordDirection(s - kWobbleReach, s + kWobbleReach);
        dense[i].x -= offset * std::sin(direction);
        dense[i].y += offset * std::cos(direction);
    }
    return dense;
}

std::vector<CPoint> CHandVariation::WriteStroke(const CPath& path) {
    if (path.empty()) return {};
    const CArcPath arc(Placed(path));
    const double length = arc.Length();

    // Arc positions of the samples: irregular steps, then the end of the path.
    std::vector<double> positions{0.0};
    for (double s = m_random.Uniform(m_parameters.minSpacing, m_parameters.maxSpacing); s < length;
         s += m_random.Uniform(m_parameters.minSpacing, m_parameters.maxSpacing)) {
        positions.push_back(s);
    }
    if (length > 0.0) positions.push_back(length);

    const bool pauses = m_parameters.pauseChance > 0.0;
    std::vector<CPoint> points;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const double s = positions[i];
        CPointF sample = arc.At(s);
        if (m_parameters.jitter > 0.0) {
            sample.x += m_random.Uniform(-m_parameters.jitter, m_parameters.jitter);
            sample.y += m_random.Uniform(-m_parameters.jitter, m_parameters.jitter);
        }
        const CPoint point = Rounded(sample);
        // A mouse reports no move that stays on the same pixel.
        if (!points.empty() && points.back() == point) continue;
        points.push_back(point);
        if (!pauses) continue;
        const bool last = i + 1 == positions.size();
        const bool corner = AngleBetween(arc.ChordDirection(s - kCornerReach, s),
                                         arc.ChordDirection(s, s + kCornerReach)) > kCornerAngle;
        const double chance =
            i == 0 ? 1.0 : (last || corner ? kCornerPauseChance : m_parameters.pauseChance);
        if (m_random.Chance(chance)) {
            points.insert(points.end(), m_random.Between(1, kMaxPauseRepeats), point);
        }
    }
    return points;
}

CHandVariation RandomHand(std::uint64_t seed, ERange range, double spacing) {
    CSeededRandom random(seed);
    CHandParameters hand;
    hand.pauseChance = kPresetPauseChance;
    if (range == ERange::kSpacing) {
        hand.minSpacing = 0.7 * spacing;
        hand.maxSpacing = 1.3 * spacing;
        return CHandVariation(hand, CSeededRandom::Mix(seed, 1));
    }
    const double base = random.Uniform(1.0, 8.0);
    hand.minSpacing = std::max(1.0, 0.7 * base);
    hand.maxSpacing = std::min(8.0, 1.3 * base);
    hand.keepEntryTwist = random.Chance(0.5);
    hand.scaleX = random.Uniform(0.8, 1.2);
    hand.scaleY = random.Uniform(0.8, 1.2);
    hand.shear = random.Uniform(-0.1, 0.1);
    hand.rotation = random.Uniform(-4.0, 4.0);
    hand.maxShift = random.Uniform(0.0, 6.0);
    hand.wobbleAmplitudes = {random.Uniform(0.0, 2.5), random.Uniform(0.0, 1.0)};
    hand.wobbleWavelengths = {random.Uniform(60.0, 200.0), random.Uniform(60.0, 200.0)};
    hand.jitter = random.Uniform(0.0, 1.5);
    return CHandVariation(hand, CSeededRandom::Mix(seed, 1));
}

}  // namespace brushly::writingeval
