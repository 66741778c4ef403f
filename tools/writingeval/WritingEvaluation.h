#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "reference/CKanjiLibrary.h"
#include "writingeval/FailureCauses.h"
#include "writingeval/SampleSets.h"

// The evaluation of a sample set: every character written by a fresh hand per character and
// spacing, judged in the draw boxes in each type mode, and optionally searched, checked for
// order and explained when it fails.
namespace brushly::writingeval {

// The row of a kana set, whose box has no type mode.
inline constexpr int kKanaRow = -1;

struct CEvaluationOptions {
    ERange hand = ERange::kSpacing;
    // The spacings (pixels) of the kSpacing hand, one pass each; the kFull hand draws its own
    // spacing and makes one pass, whatever this holds.
    std::vector<double> spacings{3.0};
    // Type modes of the kanji box (StrokeComparison.h), a row each; kana samples are judged
    // once per pass whatever this holds.
    std::vector<int> typeModes{0};
    bool search = false;
    bool order = false;
    bool causes = false;
    // Also each kanji written into the box of another: the next kanji of the set with as
    // many strokes (so that stroke counts alone do not give it away).
    bool impostors = false;
    std::uint64_t seed = 1;
};

struct CEvaluationRow {
    double spacing = 0.0;  // the pass's spacing, pixels; 0 for the kFull hand
    int typeMode = kKanaRow;
    int count = 0;
    int correct = 0;
    // The handwriting search (kanji only; the same for every type mode of a pass).
    int searched = 0;
    int top1 = 0;
    int top10 = 0;
    double searchMilliseconds = 0.0;  // summed over the searches
    // The order checks, over the kanji of three or more strokes judged correct in this row.
    int orderChecked = 0;
    int swapDetected = 0;
    int swapAccepted = 0;  // swapped first strokes judged "Kanji is CORRECT"
    int lateDetected = 0;
    int extraDetected = 0;
    // The impostor checks: kanji written into another's box, and how many it judged correct.
    int impostorsChecked = 0;
    int impostorsAccepted = 0;

    // Adds other's counts to these (spacing and type mode stay).
    void Add(const CEvaluationRow& other);
};

// One failed writing, explained (with options.causes).
struct CFailure {
    double spacing = 0.0;
    int typeMode = kKanaRow;
    std::string name;  // the sample's
    CFailureCause cause;
};

struct CEvaluation {
    // One row per pass and type mode: passes in the order of the spacings, type modes in the
    // order given (one kKanaRow row per pass for a kana set).
    std::vector<CEvaluationRow> rows;
    // The failure causes per type mode, over every pass (with options.causes).
    std::map<int, CCauseCounts> causes;
    // Every failure behind those counts, in the order written.
    std::vector<CFailure> failures;
};

// The seed of the hand that writes one sample in one pass: it depends only on the run's
// seed, the sample's name and the spacing, so a character is written alike whatever else the
// set holds.
std::uint64_t HandSeed(std::uint64_t seed, const CSample& sample, double spacing);

// Runs the evaluation. A kanji sample is judged against its database strokes, a kana sample in
// the kana box.
CEvaluation Evaluate(const CKanjiLibrary& library, std::span<const CSample> samples,
                     const CEvaluationOptions& options);

}  // namespace brushly::writingeval
