// The writing check on the generated database, measured with hands that cannot agree with it by
// construction: KanjiVG paths written with irregular spacing, pauses and the brush entry, with
// the whole range of a writer's proportions, and another font's strokes (hanzi-writer-data)
// for kanji outside the jouyou list. A few hundred characters of each set, seeded, so that a
// regression of the recogniser or the comparison fails here; brushly-tool evaluate-writing
// runs the whole sets. Skips without the generated data; in CI it must be there.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <vector>

#include "handwriting/StrokeComparison.h"
#include "platform/CScriptedPrompter.h"
#include "reference/CKanjiLibrary.h"
#include "support/RealData.h"
#include "writingeval/SampleSets.h"
#include "writingeval/StrokeSources.h"
#include "writingeval/WritingEvaluation.h"

namespace brushly::writingeval {
namespace {

class RealWritingEvaluation : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
        if (!std::filesystem::exists(file) || !std::filesystem::is_directory(KanjiVgDirectory()) ||
            !std::filesystem::is_directory(HanziDirectory())) {
            return;
        }
        auto library = std::make_unique<CKanjiLibrary>();
        CScriptedPrompter prompter;
        if (library->Load(file.string(), prompter)) s_library = library.release();
    }
    static void TearDownTestSuite() {
        delete s_library;
        s_library = nullptr;
    }
    void SetUp() override {
        BRUSHLY_REQUIRE_REAL_DATA(s_library != nullptr,
                                  "generated kanji data, KanjiVG or hanzi-writer-data");
    }

    // Every step-th sample, from the first.
    static std::vector<CSample> Every(std::vector<CSample> samples, std::size_t step) {
        std::vector<CSample> picked;
        for (std::size_t i = 0; i < samples.size(); i += step)
            picked.push_back(std::move(samples[i]));
        return picked;
    }

    static std::vector<CSample> JouyouSamples() {
        return Every(KanjiVgSamples(JouyouKanji(*s_library), KanjiVgDirectory()), 8);
    }

    // The rows of the evaluation summed per type mode, printed with label.
    static std::map<int, CEvaluationRow> Totals(const char* label, const CEvaluation& evaluation) {
        std::map<int, CEvaluationRow> totals;
        for (const CEvaluationRow& row : evaluation.rows) {
            auto [entry, added] = totals.try_emplace(row.typeMode, row);
            if (!added) entry->second.Add(row);
        }
        for (const auto& [mode, row] : totals) {
            std::printf("%s, mode %d: %d of %d correct (%.1f%%)", label, mode, row.correct,
                        row.count, Percent(row.correct, row.count));
            if (row.searched > 0) {
                std::printf(", search first %.1f%%, in ten %.1f%%", Percent(row.top1, row.searched),
                            Percent(row.top10, row.searched));
            }
            if (row.orderChecked > 0) {
                std::printf(", order checks over %d: swap %d (accepted %d), late %d, extra %d",
                            row.orderChecked, row.swapDetected, row.swapAccepted, row.lateDetected,
                            row.extraDetected);
            }
            std::printf("\n");
        }
        return totals;
    }

    static double Percent(int part, int whole) { return whole == 0 ? 0.0 : 100.0 * part / whole; }

    static inline CKanjiLibrary* s_library = nullptr;
};

TEST_F(RealWritingEvaluation, JouyouAtEverySpacing) {
    const std::vector<CSample> samples = JouyouSamples();
    ASSERT_GT(samples.size(), 250u);
    CEvaluationOptions options;
    options.spacings = {1.0, 4.0, 8.0};
    options.typeModes = {kTypeModeExact, kTypeModeSimilar};
    options.search = true;
    auto totals = Totals("jouyou, spacing hand", Evaluate(*s_library, samples, options));
    EXPECT_GE(Percent(totals[kTypeModeExact].correct, totals[kTypeModeExact].count), 99.0);
    EXPECT_GE(Percent(totals[kTypeModeSimilar].correct, totals[kTypeModeSimilar].count), 99.5);
    EXPECT_GE(Percent(totals[kTypeModeExact].top1, totals[kTypeModeExact].searched), 99.5);
    EXPECT_GE(Percent(totals[kTypeModeExact].top10, totals[kTypeModeExact].searched), 99.5);
}

TEST_F(RealWritingEvaluation, JouyouInAWritersProportions) {
    CEvaluationOptions options;
    options.hand = ERange::kFull;
    options.typeModes = {kTypeModeSimilar};
    options.order = true;
    auto totals = Totals("jouyou, full hand", Evaluate(*s_library, JouyouSamples(), options));
    const CEvaluationRow& similar = totals[kTypeModeSimilar];
    EXPECT_GE(Percent(similar.correct, similar.count), 98.0);
    // Strokes out of order or out of place are always reported.
    ASSERT_GT(similar.orderChecked, 150);
    EXPECT_EQ(similar.swapAccepted, 0);
    EXPECT_GE(Percent(similar.swapDetected, similar.orderChecked), 98.0);
    EXPECT_GE(Percent(similar.lateDetected, similar.orderChecked), 98.0);
    EXPECT_EQ(similar.extraDetected, similar.orderChecked);
}

TEST_F(RealWritingEvaluation, IndependentlyWrittenKanji) {
    const std::vector<CSample> samples =
        Every(DevelopmentSamples(*s_library, KanjiVgDirectory(), HanziDirectory()), 6);
    ASSERT_GT(samples.size(), 250u);
    CEvaluationOptions options;
    options.typeModes = {kTypeModeExact, kTypeModeSimilar};
    options.search = true;
    auto totals = Totals("development set", Evaluate(*s_library, samples, options));
    EXPECT_GE(Percent(totals[kTypeModeExact].correct, totals[kTypeModeExact].count), 91.0);
    EXPECT_GE(Percent(totals[kTypeModeSimilar].correct, totals[kTypeModeSimilar].count), 93.5);
    EXPECT_GE(Percent(totals[kTypeModeExact].top1, totals[kTypeModeExact].searched), 96.0);
    EXPECT_GE(Percent(totals[kTypeModeExact].top10, totals[kTypeModeExact].searched), 98.5);
}

TEST_F(RealWritingEvaluation, KanaWithTheirVariations) {
    const std::vector<CSample> samples = KanaSamples(*s_library);
    ASSERT_EQ(samples.size(), 208u);
    CEvaluationOptions spacing;
    spacing.spacings = {1.0, 4.0, 8.0};
    auto totals = Totals("kana, spacing hand", Evaluate(*s_library, samples, spacing));
    EXPECT_GE(Percent(totals[kKanaRow].correct, totals[kKanaRow].count), 99.0);
    CEvaluationOptions full;
    full.hand = ERange::kFull;
    totals = Totals("kana, full hand", Evaluate(*s_library, samples, full));
    EXPECT_GE(Percent(totals[kKanaRow].correct, totals[kKanaRow].count), 98.5);
}

}  // namespace
}  // namespace brushly::writingeval
