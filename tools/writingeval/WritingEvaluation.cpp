#include "writingeval/WritingEvaluation.h"

#include <cmath>
#include <optional>

namespace brushly::writingeval {

namespace {

// The draw box's distance threshold at the evaluation's tolerance.
double Threshold() {
    return 2.0 * EvaluationSettings(kTypeModeExact).tolerance;
}

bool IsKanaSet(std::span<const CSample> samples) {
    return !samples.empty() && samples.front().kana != nullptr;
}

// One pass over the samples with one hand range and spacing; rows[k] is type mode k's row.
// Per sample, the next sample after it (wrapping) with as many strokes; itself when none.
std::vector<std::size_t> ImpostorPartners(std::span<const CSample> samples) {
    std::vector<std::size_t> partners(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        partners[i] = i;
        for (std::size_t step = 1; step < samples.size(); ++step) {
            const std::size_t j = (i + step) % samples.size();
            if (samples[j].paths.size() == samples[i].paths.size()) {
                partners[i] = j;
                break;
            }
        }
    }
    return partners;
}

void RunPass(const CKanjiLibrary& library, std::span<const CSample> samples,
             const CEvaluationOptions& options, double spacing, std::vector<CEvaluationRow>& rows,
             CEvaluation& evaluation) {
    const std::vector<std::size_t> partners =
        options.impostors ? ImpostorPartners(samples) : std::vector<std::size_t>{};
    for (std::size_t index = 0; index < samples.size(); ++index) {
        const CSample& sample = samples[index];
        const CHandVariation hand =
            RandomHand(HandSeed(options.seed, sample, spacing), options.hand, spacing);
        const CWriting writing = hand.Restarted().Write(sample.paths);
        if (sample.kana != nullptr) {
            ++rows.front().count;
            const CBoxResult result = WriteKana(*sample.kana, sample.kanaMode, writing);
            if (result.correct) {
                ++rows.front().correct;
            } else if (options.causes) {
                const CFailureCause cause = KanaFailure(result);
                CountCause(evaluation.causes[kKanaRow], cause, sample.name);
                evaluation.failures.push_back({spacing, kKanaRow, sample.name, cause});
            }
            continue;
        }
        const CKanjiStrokes& target = sample.kanji.record->strokes;
        std::optional<CSearchResult> search;
        if (options.search) search = SearchRank(library, sample.kanji, writing);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            CEvaluationRow& row = rows[k];
            ++row.count;
            if (search) {
                ++row.searched;
                row.top1 += search->rank == 1 ? 1 : 0;
                row.top10 += search->rank >= 1 ? 1 : 0;
                row.searchMilliseconds += search->milliseconds;
            }
            if (options.impostors && partners[index] != index) {
                const CSample& impostor = samples[partners[index]];
                const CWriting other = hand.Restarted().Write(impostor.paths);
                ++row.impostorsChecked;
                if (WriteKanji(target, other, row.typeMode).correct) ++row.impostorsAccepted;
            }
            const CBoxResult result = WriteKanji(target, writing, row.typeMode);
            if (!result.correct) {
                if (options.causes) {
                    const CFailureCause cause =
                        ClassifyFailure(target, writing, result, row.typeMode, Threshold());
                    CountCause(evaluation.causes[row.typeMode], cause, sample.name);
                    evaluation.failures.push_back({spacing, row.typeMode, sample.name, cause});
                }
                continue;
            }
            ++row.correct;
            if (!options.order || sample.paths.size() < 3) continue;
            const COrderResult order = CheckOrder(target, sample.paths, hand, row.typeMode);
            ++row.orderChecked;
            row.swapDetected += order.swapDetected ? 1 : 0;
            row.swapAccepted += order.swapAccepted ? 1 : 0;
            row.lateDetected += order.lateDetected ? 1 : 0;
            row.extraDetected += order.extraDetected ? 1 : 0;
        }
    }
}

}  // namespace

void CEvaluationRow::Add(const CEvaluationRow& other) {
    count += other.count;
    correct += other.correct;
    searched += other.searched;
    top1 += other.top1;
    top10 += other.top10;
    searchMilliseconds += other.searchMilliseconds;
    orderChecked += other.orderChecked;
    swapDetected += other.swapDetected;
    swapAccepted += other.swapAccepted;
    lateDetected += other.lateDetected;
    extraDetected += other.extraDetected;
    impostorsChecked += other.impostorsChecked;
    impostorsAccepted += other.impostorsAccepted;
}

std::uint64_t HandSeed(std::uint64_t seed, const CSample& sample, double spacing) {
    // FNV-1a of the name: stable across platforms, unlike std::hash.
    std::uint64_t name = 0xCBF29CE484222325ull;
    for (const char c : sample.name) {
        name ^= static_cast<unsigned char>(c);
        name *= 0x100000001B3ull;
    }
    const auto tenths = static_cast<std::uint64_t>(std::llround(spacing * 10.0));
    return CSeededRandom::Mix(CSeededRandom::Mix(seed, name), tenths);
}

CEvaluation Evaluate(const CKanjiLibrary& library, std::span<const CSample> samples,
                     const CEvaluationOptions& options) {
    CEvaluation evaluation;
    const std::vector<double> spacings =
        options.hand == ERange::kFull ? std::vector<double>{0.0} : options.spacings;
    const std::vector<int> modes =
        IsKanaSet(samples) ? std::vector<int>{kKanaRow} : options.typeModes;
    for (const double spacing : spacings) {
        std::vector<CEvaluationRow> rows;
        for (const int mode : modes)
            rows.push_back({.spacing = spacing, .typeMode = mode});
        RunPass(library, samples, options, spacing, rows, evaluation);
        evaluation.rows.insert(evaluation.rows.end(), rows.begin(), rows.end());
    }
    return evaluation;
}

}  // namespace brushly::writingeval
