#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "platform/ShiftJis.h"
#include "support/SmallKanjiDatabase.h"
#include "writingeval/BoxWriting.h"
#include "writingeval/FailureCauses.h"
#include "writingeval/WritingEvaluation.h"

namespace brushly::writingeval {
namespace {

// Three level strokes, top to bottom, as the database holds them and as paths.
struct CThreeLines {
    CKanjiStrokes strokes;
    CPaths paths;
};

CThreeLines ThreeLines() {
    CThreeLines three;
    for (const int y : {40, 90, 140}) {
        three.strokes.segments.push_back(testing::Segment(30, y, 160, y, 1, 1));
        three.paths.push_back({{30.0, static_cast<double>(y)}, {160.0, static_cast<double>(y)}});
    }
    return three;
}

TEST(BoxWriting, AStrokeWrittenAlongTheDatabaseIsCorrectAndOneFarOffIsExplained) {
    const auto library = testing::MakeSmallKanjiLibrary();
    const CKanjiRef one = library->FindByCharacter(sjis::FromUtf8("一"));
    ASSERT_TRUE(one);
    CHandVariation hand = RandomHand(1, ERange::kSpacing, 3.0);
    const CWriting along = hand.Write({{{10.0, 100.0}, {190.0, 100.0}}});
    const CBoxResult correct = WriteKanji(one.record->strokes, along, kTypeModeAny);
    EXPECT_TRUE(correct.correct);
    EXPECT_EQ(correct.firstRejected, -1);
    EXPECT_EQ(correct.statuses, std::vector<int>{kStatusCorrect});
    EXPECT_EQ(SearchRank(*library, one, along).rank, 1);

    const CWriting below = hand.Write({{{10.0, 160.0}, {190.0, 160.0}}});
    const CBoxResult wrong = WriteKanji(one.record->strokes, below, kTypeModeAny);
    EXPECT_FALSE(wrong.correct);
    EXPECT_EQ(wrong.firstRejected, 0);
    const CFailureCause cause =
        ClassifyFailure(one.record->strokes, below, wrong, kTypeModeAny, 40.0);
    EXPECT_EQ(cause.cause, "position of the start");
    EXPECT_EQ(cause.detail.rfind("stroke 1: ", 0), 0u) << cause.detail;

    CCauseCounts counts;
    CountCause(counts, cause, "一");
    CountCause(counts, cause, "二");
    CountCause(counts, {"too few strokes", "1 vs 2"}, "二");
    const std::vector<CRankedCause> top = TopCauses(counts, 1);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0].cause, "position of the start");
    EXPECT_EQ(top[0].count.count, 2);
    EXPECT_EQ(top[0].count.example, "一 (" + cause.detail + ")");
}

TEST(BoxWriting, OrderChecksReportSwappedLateAndExtraStrokes) {
    const CThreeLines three = ThreeLines();
    const CHandVariation hand = RandomHand(4, ERange::kSpacing, 3.0);
    EXPECT_TRUE(
        WriteKanji(three.strokes, hand.Restarted().Write(three.paths), kTypeModeAny).correct);
    const COrderResult order = CheckOrder(three.strokes, three.paths, hand, kTypeModeAny);
    EXPECT_TRUE(order.swapDetected);
    EXPECT_TRUE(order.lateDetected);
    EXPECT_TRUE(order.extraDetected);

    // The extra stroke keeps clear of every stroke end.
    const CPath extra = ExtraStroke(three.strokes);
    ASSERT_EQ(extra.size(), 2u);
    for (const auto& segment : three.strokes.segments) {
        for (const CPointF end : extra) {
            EXPECT_GT(std::hypot(end.x - segment->start.x, end.y - segment->start.y), 40.0);
            EXPECT_GT(std::hypot(end.x - segment->end.x, end.y - segment->end.y), 40.0);
        }
    }
}

TEST(WritingEvaluation, RowsPerSpacingAndModeAndTheSameFiguresForTheSameSeed) {
    const auto library = testing::MakeSmallKanjiLibrary();
    const CKanjiRef two = library->FindByCharacter(sjis::FromUtf8("二"));
    const std::vector<CSample> samples{{"二",
                                        two,
                                        nullptr,
                                        KanaBoxMode::kHiragana,
                                        {{{40, 60}, {160, 60}}, {{10, 150}, {190, 150}}}}};
    CEvaluationOptions options;
    options.spacings = {2.0, 6.0};
    options.typeModes = {kTypeModeExact, kTypeModeAny};
    options.search = true;
    options.causes = true;
    const CEvaluation evaluation = Evaluate(*library, samples, options);
    ASSERT_EQ(evaluation.rows.size(), 4u);
    EXPECT_EQ(evaluation.rows[1].spacing, 2.0);
    EXPECT_EQ(evaluation.rows[1].typeMode, kTypeModeAny);
    EXPECT_EQ(evaluation.rows[2].spacing, 6.0);
    EXPECT_EQ(evaluation.rows[2].typeMode, kTypeModeExact);
    for (const CEvaluationRow& row : evaluation.rows) {
        EXPECT_EQ(row.count, 1);
        EXPECT_EQ(row.searched, 1);
    }
    EXPECT_EQ(evaluation.rows[1].correct, 1);

    const CEvaluation again = Evaluate(*library, samples, options);
    for (std::size_t i = 0; i < again.rows.size(); ++i) {
        EXPECT_EQ(again.rows[i].correct, evaluation.rows[i].correct) << i;
        EXPECT_EQ(again.rows[i].top1, evaluation.rows[i].top1) << i;
    }

    const std::vector<CSample> kana = {{"こ",
                                        {},
                                        library->Hiragana()[0].get(),
                                        KanaBoxMode::kHiragana,
                                        {{{50, 60}, {150, 60}}, {{50, 140}, {150, 140}}}}};
    const CEvaluation kanaEvaluation = Evaluate(*library, kana, options);
    ASSERT_EQ(kanaEvaluation.rows.size(), 2u);
    EXPECT_EQ(kanaEvaluation.rows[0].typeMode, kKanaRow);
    EXPECT_EQ(kanaEvaluation.rows[0].correct, 1);
}

}  // namespace
}  // namespace brushly::writingeval
