// The kana draw box: free-hand strokes written with the pen, the check against reference
// polylines (alternative forms included), its captions, autocorrection, hints and the
// editing commands; then every kana of the generated database written along its own strokes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "handwriting/CKanaDrawBox.h"
#include "handwriting/KanaComparison.h"
#include "platform/CScriptedPrompter.h"
#include "reference/CKanjiLibrary.h"
#include "support/RealData.h"

namespace brushly {
namespace {

// A kana-like pair: a horizontal bar, then a curve sweeping down to the left.
std::vector<CPolyline> BarAndSweep() {
    return {{{40, 60}, {100, 58}, {160, 60}}, {{110, 30}, {112, 80}, {104, 130}, {80, 170}}};
}

// One clockwise loop (on screen), a diamond that starts and ends at the top.
std::vector<CPolyline> Loop() {
    return {{{100, 40}, {160, 100}, {100, 160}, {40, 100}, {100, 40}}};
}

// A vertical with a tail to the lower left that belongs to the full form only.
std::vector<CPolyline> StemWithTail(int tailX) {
    return {{{100, 40}, {100, 140}, {tailX, 170}}};
}

// The pen positions of a mouse following polyline: its first point, then one every step px
// of its length (rounded), then its last point; no position repeats the one before.
CPolyline MousePath(const CPolyline& polyline, double step) {
    CPolyline path{polyline.front()};
    const auto add = [&path](CPoint point) {
        if (point != path.back()) path.push_back(point);
    };
    double along = step;  // distance into the current segment of the next position
    for (std::size_t i = 1; i < polyline.size(); ++i) {
        const CPoint a = polyline[i - 1];
        const CPoint b = polyline[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        for (; along < length; along += step) {
            const double t = along / length;
            add({a.x + static_cast<int>(std::lround((b.x - a.x) * t)),
                 a.y + static_cast<int>(std::lround((b.y - a.y) * t))});
        }
        along -= length;
    }
    add(polyline.back());
    return path;
}

void PenAlong(CKanaDrawBox& box, const CPolyline& path) {
    box.PenDown(path.front());
    for (std::size_t i = 1; i < path.size(); ++i)
        box.PenMove(path[i]);
    box.PenUp();
}

void Write(CKanaDrawBox& box, const CPolyline& polyline, double step = 3.0) {
    PenAlong(box, MousePath(polyline, step));
}

CKanaBoxSettings Settings(int feedbackMode) {
    CKanaBoxSettings settings;
    settings.feedbackMode = feedbackMode;
    return settings;
}

TEST(KanaDrawBox, StrokesWrittenAlongTheReferenceCompleteInEveryMode) {
    const struct {
        KanaBoxMode mode;
        const char* caption;
    } cases[] = {{KanaBoxMode::kHiragana, "Hiragana is CORRECT"},
                 {KanaBoxMode::kKatakana, "Katakana is CORRECT"},
                 {KanaBoxMode::kKanji, "Kanji is CORRECT"}};
    for (const auto& [mode, caption] : cases) {
        CKanaDrawBox box;
        box.SetKana(BarAndSweep(), mode, Settings(kFeedbackEachStroke));
        Write(box, BarAndSweep()[0]);
        EXPECT_EQ(box.Status(), kStatusCorrectSoFar);
        EXPECT_EQ(box.Caption(), "Correct (so far)");
        Write(box, BarAndSweep()[1]);
        EXPECT_EQ(box.Status(), kStatusCorrect);
        EXPECT_EQ(box.Caption(), caption);
        EXPECT_FALSE(box.FeedbackShown());
        EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1}));
        EXPECT_EQ(box.UserStrokes(), BarAndSweep());
    }
}

// The box takes the pen's positions as samples 3 px apart: a fast hand's four positions along
// the bar are a whole stroke, while a click with a drag too short for three samples never
// matches.
TEST(KanaDrawBox, AStrokeOfFewerThanThreeSamplesNeverMatches) {
    CKanaDrawBox box;
    box.SetKana(BarAndSweep(), KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
    PenAlong(box, {{40, 60}, {80, 59}, {120, 59}, {160, 60}});
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    const std::vector<CPolyline> dab = {{{40, 60}, {43, 60}, {46, 60}}};
    box.SetKana(dab, KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
    PenAlong(box, {{40, 60}, {42, 60}});
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
    EXPECT_TRUE(box.UserStrokes().empty());
    PenAlong(box, {{40, 60}, {45, 60}});
    EXPECT_EQ(box.Caption(), "Hiragana is CORRECT");
}

TEST(KanaDrawBox, APointOutsideTheDrawAreaEndsTheStroke) {
    CKanaDrawBox box;
    box.SetKana(BarAndSweep(), KanaBoxMode::kHiragana, Settings(kFeedbackNone));
    box.PenDown({40, 60});
    box.PenMove({45, 60});
    EXPECT_EQ(box.CurrentStroke(), (CPolyline{{40, 60}, {43, 60}}));
    box.PenMove({50, 200});
    EXPECT_FALSE(box.Drawing());
    box.PenMove({55, 60});
    box.PenUp();
    EXPECT_EQ(box.UserStrokes(), (std::vector<CPolyline>{{{40, 60}, {43, 60}, {45, 60}}}));
    EXPECT_EQ(box.MatchMap(), std::vector<int>{kUnmatched});
}

TEST(KanaDrawBox, AClosedLoopMatchesInEitherRotation) {
    CPolyline reversed = Loop()[0];
    std::reverse(reversed.begin(), reversed.end());
    for (const CPolyline& drawn : {Loop()[0], reversed}) {
        CKanaDrawBox box;
        box.SetKana(Loop(), KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
        Write(box, drawn);
        EXPECT_EQ(box.Caption(), "Hiragana is CORRECT");
        EXPECT_EQ(box.UserStrokes(), Loop());
    }
}

TEST(KanaDrawBox, TheShortenedFormIsAcceptedAndCorrectedToTheFullForm) {
    const CPolyline shortened{{100, 40}, {100, 140}};
    CKanaDrawBox box;
    box.SetKana(StemWithTail(270), KanaBoxMode::kKatakana, Settings(kFeedbackEachStroke));
    Write(box, shortened);
    EXPECT_EQ(box.Caption(), "Katakana is CORRECT");
    EXPECT_EQ(box.UserStrokes(), StemWithTail(70));
    // Without the marked points the tail is required.
    box.SetKana(StemWithTail(70), KanaBoxMode::kKatakana, Settings(kFeedbackEachStroke));
    Write(box, shortened);
    EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)");
}

TEST(KanaDrawBox, StrokesOutOfOrderAreReportedAndFixed) {
    CKanaDrawBox box;
    box.SetKana(BarAndSweep(), KanaBoxMode::kHiragana, Settings(kFeedbackOnRequest));
    Write(box, BarAndSweep()[1]);
    Write(box, BarAndSweep()[0]);
    box.Hint();
    EXPECT_EQ(box.Status(), kStatusWrongOrder);
    EXPECT_EQ(box.Caption(), "Incorrect Stroke Order");
    EXPECT_TRUE(box.FeedbackShown());
    // The second stroke matches the expected one but follows its successor.
    EXPECT_EQ(box.WrongOrderMap(), (std::vector<int>{1, 0}));
    EXPECT_EQ(box.WrongOrder(), (std::vector<CPolyline>{BarAndSweep()[1], BarAndSweep()[0]}));
    box.FixOrder();
    EXPECT_EQ(box.Caption(), "Hiragana is CORRECT");
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1}));
    EXPECT_EQ(box.UserStrokes(), BarAndSweep());
    EXPECT_TRUE(box.WrongOrder().empty());
}

// The bar and sweep with a dakuten: two ticks of one shape, 12 px apart.
std::vector<CPolyline> WithDakuten() {
    std::vector<CPolyline> kana = BarAndSweep();
    kana.push_back({{140, 24}, {146, 32}, {150, 40}});
    kana.push_back({{150, 18}, {156, 26}, {160, 34}});
    return kana;
}

CPolyline Moved(const CPolyline& polyline, int dx, int dy) {
    CPolyline moved;
    for (const CPoint& point : polyline)
        moved.push_back({point.x + dx, point.y + dy});
    return moved;
}

TEST(KanaDrawBox, ADakutenTickPlacedNearerItsTwinStillCountsInOrder) {
    const std::vector<CPolyline> kana = WithDakuten();
    CKanaDrawBox box;
    box.SetKana(kana, KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
    Write(box, kana[0]);
    Write(box, kana[1]);
    // The first tick drawn 7 px towards the second: nearer the second's place than its own.
    Write(box, Moved(kana[2], 6, -4));
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    Write(box, kana[3]);
    EXPECT_EQ(box.Caption(), "Hiragana is CORRECT");
    EXPECT_EQ(box.MatchMap(), (std::vector<int>{0, 1, 2, 3}));

    // Written where the other one belongs, the ticks are out of order.
    box.SetKana(kana, KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
    Write(box, kana[0]);
    Write(box, kana[1]);
    Write(box, kana[3]);
    EXPECT_EQ(box.Caption(), "Incorrect Stroke Order");
}

TEST(KanaDrawBox, AStrokeBeyondTheReferenceIsTooMany) {
    CKanaDrawBox box;
    box.SetKana(BarAndSweep(), KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
    Write(box, BarAndSweep()[0]);
    Write(box, BarAndSweep()[1]);
    // A second copy of the bar finds its reference stroke taken.
    Write(box, BarAndSweep()[0]);
    EXPECT_EQ(box.Status(), kStatusTooMany);
    EXPECT_EQ(box.Caption(), "Too many strokes");
    EXPECT_EQ(box.Incorrect().size(), 1u);
    EXPECT_EQ(box.UserStrokes().size(), 2u);
}

TEST(KanaDrawBox, FourHintPressesDrawTheNextStrokeIn) {
    const std::vector<CPolyline> reference{StemWithTail(270)[0], BarAndSweep()[0]};
    CKanaDrawBox box;
    box.SetKana(reference, KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
    box.Hint();
    EXPECT_EQ(box.Caption(), "Next stroke starts here");
    EXPECT_EQ(box.HintLevel(), 1);
    EXPECT_EQ(box.HintStroke(), StemWithTail(70)[0]);
    box.Hint();
    EXPECT_EQ(box.Caption(), "Next stroke ends here");
    box.Hint();
    EXPECT_EQ(box.Caption(), "The next stroke");
    EXPECT_EQ(box.HintLevel(), 3);
    box.Hint();
    EXPECT_EQ(box.HintLevel(), 0);
    EXPECT_TRUE(box.HintStroke().empty());
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    EXPECT_EQ(box.UserStrokes(), StemWithTail(70));
    EXPECT_EQ(box.MatchMap(), std::vector<int>{0});
    // A stroke drawn meanwhile makes the next reveal start over.
    box.Hint();
    Write(box, reference[1]);
    EXPECT_EQ(box.HintLevel(), 0);
    EXPECT_EQ(box.Caption(), "Hiragana is CORRECT");
    box.Hint();
    EXPECT_EQ(box.HintLevel(), 0);
}

TEST(KanaDrawBox, BackHidesFeedbackThenDeletesStrokes) {
    CKanaDrawBox box;
    box.SetKana(BarAndSweep(), KanaBoxMode::kHiragana, Settings(kFeedbackEachStroke));
    Write(box, BarAndSweep()[0]);
    Write(box, {{20, 180}, {90, 180}});
    EXPECT_TRUE(box.FeedbackShown());
    box.Back();
    EXPECT_FALSE(box.FeedbackShown());
    EXPECT_EQ(box.Caption(), "Correct (so far)");
    EXPECT_EQ(box.UserStrokes().size(), 1u);
    box.PenDown({110, 30});
    box.PenMove({110, 40});
    box.Back();
    EXPECT_FALSE(box.Drawing());
    EXPECT_EQ(box.UserStrokes().size(), 1u);
    box.Back();
    EXPECT_TRUE(box.UserStrokes().empty());
    EXPECT_TRUE(box.MatchMap().empty());
    EXPECT_EQ(box.Status(), kStatusNone);
    EXPECT_EQ(box.Caption(), "");
}

// The caption after writing the kana along its own strokes' primary forms, a pen position
// every 2 to 4 px.
std::string WriteAlongReference(const CKanaData& kana, KanaBoxMode mode, std::size_t seed) {
    CKanaDrawBox box;
    const std::vector<CPolyline> reference = KanaReference(kana);
    box.SetKana(reference, mode, Settings(kFeedbackEachStroke));
    for (std::size_t stroke = 0; stroke < reference.size(); ++stroke) {
        const double step = 2.0 + static_cast<double>((seed + stroke) % 3);
        Write(box, PrimaryForm(reference[stroke]), step);
    }
    return box.Caption();
}

TEST(RealKana, EveryKanaWrittenAlongItsStrokesIsCorrect) {
    const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
    CKanjiLibrary library;
    CScriptedPrompter prompter;
    BRUSHLY_REQUIRE_REAL_DATA(
        std::filesystem::exists(file) && library.Load(file.string(), prompter),
        "generated kanji database");
    int total = 0;
    int correct = 0;
    std::string failed;
    const auto tally = [&](const CKanaData& kana, KanaBoxMode mode, const char* expected) {
        if (kana.StrokeCount() == 0) return;
        const std::string caption =
            WriteAlongReference(kana, mode, static_cast<std::size_t>(total));
        ++total;
        if (caption == expected)
            ++correct;
        else
            failed += kana.romaji + " (" + caption + ") ";
    };
    for (const auto& kana : library.Hiragana())
        tally(*kana, KanaBoxMode::kHiragana, "Hiragana is CORRECT");
    for (const auto& kana : library.Katakana())
        tally(*kana, KanaBoxMode::kKatakana, "Katakana is CORRECT");
    ASSERT_GT(total, 100);
    const double share = 100.0 * correct / total;
    std::printf("kana: %d of %d correct (%.2f%%)\nfailed: %s\n", correct, total, share,
                failed.c_str());
    EXPECT_EQ(correct, total) << failed;
}

}  // namespace
}  // namespace brushly
