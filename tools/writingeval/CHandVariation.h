#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/CPoint.h"
#include "writingeval/CArcPath.h"
#include "writingeval/CSeededRandom.h"

// A mouse hand that writes stroke paths as pen points, the way varied people with a mouse
// would: irregular point spacing, resting pauses, with or without a brush-entry twist, the
// whole character scaled, sheared and rotated, strokes shifted, a slow wobble and jitter.
// Everything is in draw-box pixels (x right, y down); angles are in degrees, positive turning
// clockwise on screen. It never uses the database generator's sampling, so that its writing
// can disagree with the database.
namespace brushly::writingeval {

// The pen points of a character: one list per pen-down to pen-up, in writing order.
using CWriting = std::vector<std::vector<CPoint>>;
// The paths of a character's strokes, in writing order.
using CPaths = std::vector<CPath>;

// The centre of the character square (x 11 to 179, y 0 to 168), about which the whole
// character is scaled, sheared and rotated.
inline constexpr CPointF kCharacterCentre{95.0, 84.0};

// Pen points are clamped into 0 to kLastPixel on both axes (the draw area).
inline constexpr int kLastPixel = 199;

struct CHandParameters {
    // Each step along the path is drawn uniformly from minSpacing to maxSpacing pixels of arc
    // length (0 < minSpacing <= maxSpacing); the last step of a stroke may be shorter.
    double minSpacing = 3.0;
    double maxSpacing = 3.0;
    // Chance per point, 0 to 1, that the pen rests there (the point repeated 1 to 3 times).
    // Above 0 the pen also always rests at its pen-down point and, with chance
    // kCornerPauseChance, at the corners (turns above 45 degrees) and the last point.
    double pauseChance = 0.0;
    // false: the start of the path that turns away from where the stroke goes is not written
    // (see TrimEntryTwist).
    bool keepEntryTwist = true;
    // The whole character about kCharacterCentre: scaled by scaleX and scaleY, sheared
    // (x += shear * y, relative to the centre), then rotated by rotation degrees.
    double scaleX = 1.0;
    double scaleY = 1.0;
    double shear = 0.0;
    double rotation = 0.0;
    // Each stroke is moved by a shift drawn uniformly from -maxShift to maxShift pixels, on
    // each axis.
    double maxShift = 0.0;
    // A slow displacement across the path: the sum over both entries of
    // amplitude * sin(2 pi s / wavelength + phase), s the arc length, in pixels, with a fresh
    // random phase per stroke and sine.
    std::array<double, 2> wobbleAmplitudes{0.0, 0.0};
    std::array<double, 2> wobbleWavelengths{120.0, 80.0};
    // Every point moved by noise drawn uniformly from -jitter to jitter pixels, on each axis.
    double jitter = 0.0;
};

// The chance of a pause at a corner or the last point, when pauses are on.
inline constexpr double kCornerPauseChance = 0.6;

// The whole-character transformation of the hand applied to one point.
CPointF CharacterTransform(const CHandParameters& hand, CPointF point);

// The path without its brush-entry twist: while the local direction at the start (the chord
// over the next 2 px) differs by more than 15 degrees from the direction of the next 15 px,
// the start is skipped, at most 8 px of arc length. Paths shorter than 30 px, and paths whose
// start already goes where the stroke goes, are returned unchanged.
CPath TrimEntryTwist(const CPath& path);

class CHandVariation {
public:
    // The hand's random choices (shifts, phases, spacing, pauses, jitter) all come from seed:
    // the same parameters, seed and paths always give the same points.
    CHandVariation(const CHandParameters& parameters, std::uint64_t seed);

    const CHandParameters& Parameters() const { return m_parameters; }
    std::uint64_t Seed() const { return m_seed; }
    // The same hand from the start of its random sequence: it writes the same paths the
    // same way this one did first.
    CHandVariation Restarted() const { return CHandVariation(m_parameters, m_seed); }

    // The pen points of each path, in order (an empty path gives an empty list). Points are
    // whole pixels in 0 to kLastPixel; two consecutive points are equal only where the pen
    // rests.
    CWriting Write(const CPaths& paths);
    // One stroke, continuing the hand's random sequence.
    std::vector<CPoint> WriteStroke(const CPath& path);

private:
    // The path as this hand places it: trimmed, transformed, shifted and wobbled.
    CPath Placed(const CPath& path);

    CHandParameters m_parameters;
    std::uint64_t m_seed;
    CSeededRandom m_random;
};

// The preset hands of the evaluation.
enum class ERange {
    // Spacing only: steps from 0.7 to 1.3 times the given spacing, pauses on, entry kept,
    // no other variation.
    kSpacing,
    // Every variation drawn from its range: base spacing 1 to 8 px (steps 0.7 to 1.3 times it,
    // within 1 to 8), pauses, entry kept or trimmed, scales 0.8 to 1.2, shear up to 0.1,
    // rotation up to 4 degrees, stroke shifts up to 6 px, wobble amplitudes up to 2.5 and
    // 1 px at wavelengths of 60 to 200 px, jitter up to 1.5 px. The spacing argument is
    // ignored.
    kFull,
};

// The pause chance per point of the preset hands.
inline constexpr double kPresetPauseChance = 0.03;

// A hand of the range, its parameters and random sequence drawn from seed.
CHandVariation RandomHand(std::uint64_t seed, ERange range, double spacing = 3.0);

}  // namespace brushly::writingeval
