// The draw box on the generated database with real characters: strokes written out of order,
// one too many, or where none belongs are reported as such, and Fix Order mends the order.
// The rates of correct judgement are measured in RealWritingEvaluationTest. Skips without the
// generated data; in CI it must be there.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "handwriting/CKanjiDrawBox.h"
#include "platform/CScriptedPrompter.h"
#include "platform/ShiftJis.h"
#include "reference/CKanjiLibrary.h"
#include "support/RealData.h"
#include "support/WritingHarness.h"

namespace brushly {
namespace {

class RealWriting : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::filesystem::path file = testing::RealDataDirectory() / "MasterDB.kdb";
        if (!std::filesystem::exists(file) ||
            !std::filesystem::is_directory(testing::KanjiVgDirectory()))
            return;
        s_library = new CKanjiLibrary;
        CScriptedPrompter prompter;
        if (!s_library->Load(file.string(), prompter)) {
            delete s_library;
            s_library = nullptr;
        }
    }
    static void TearDownTestSuite() {
        delete s_library;
        s_library = nullptr;
    }
    void SetUp() override {
        BRUSHLY_REQUIRE_REAL_DATA(s_library != nullptr, "generated kanji data");
    }

    static void WriteStroke(CKanjiDrawBox& box, const std::vector<CPoint>& points) {
        if (points.empty()) return;
        box.PenDown(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            box.PenMove(points[i]);
        box.PenUp();
    }

    // The kanji's strokes as the harness writes them with options; empty without its file.
    static std::vector<std::vector<CPoint>> Written(const CKanjiData& kanji,
                                                    const testing::CHarnessOptions& options = {}) {
        const auto strokes =
            testing::ReadKanjiVgCharacter(testing::KanjiVgDirectory(), kanji.character);
        return strokes ? testing::WriteAlongPaths(*strokes, options)
                       : std::vector<std::vector<CPoint>>{};
    }

    // The caption after writing the kanji with the harness options, stroke by stroke.
    static std::string WriteInBox(const CKanjiData& kanji, const CDrawBoxSettings& settings,
                                  const testing::CHarnessOptions& options) {
        const auto written = Written(kanji, options);
        if (written.empty()) return "no KanjiVG file";
        CKanjiDrawBox box;
        box.SetCharacter(kanji.strokes, settings);
        for (const auto& points : written)
            WriteStroke(box, points);
        return box.Caption();
    }

    static CDrawBoxSettings Settings(int typeMode) {
        CDrawBoxSettings settings;
        settings.feedbackMode = kFeedbackEachStroke;
        settings.typeMode = typeMode;
        return settings;
    }

    static std::vector<CKanjiRef> Jouyou() {
        std::vector<CKanjiRef> kanji;
        s_library->SelectByKey(kKeyGrade, 1, 8, &kanji);
        return kanji;
    }

    static inline CKanjiLibrary* s_library = nullptr;
};

// Real characters written with their first two strokes swapped, checked on request: the order
// is reported and Fix Order puts the strokes back; one stroke too many, or a stroke where none
// belongs, is reported as such.
TEST_F(RealWriting, OrderAndExtraStrokesOfRealKanji) {
    // Kanji of three strokes or more that the steady hand writes correctly in order.
    std::vector<CKanjiRef> kanji = Jouyou();
    std::erase_if(kanji, [](const CKanjiRef& ref) {
        return ref.record->strokes.StrokeCount() < 3 ||
               WriteInBox(*ref.record, Settings(0), {}) != "Kanji is CORRECT";
    });
    ASSERT_GT(kanji.size(), 1900u);
    kanji.resize(200);
    CDrawBoxSettings onRequest = Settings(0);
    onRequest.feedbackMode = kFeedbackOnRequest;
    const std::vector<CPoint> nowhere = {
        {150, 196}, {160, 196}, {170, 196}, {180, 196}, {190, 196}};
    for (const CKanjiRef& ref : kanji) {
        const std::string character = sjis::ToUtf8(ref.record->character);
        auto written = Written(*ref.record);
        ASSERT_FALSE(written.empty()) << character;
        std::swap(written[0], written[1]);
        CKanjiDrawBox box;
        box.SetCharacter(ref.record->strokes, onRequest);
        for (const auto& points : written)
            WriteStroke(box, points);
        box.Hint();
        EXPECT_EQ(box.Caption(), "Incorrect Stroke Order") << character;
        box.FixOrder();
        EXPECT_EQ(box.Caption(), "Kanji is CORRECT") << character;
        std::vector<int> inOrder(written.size());
        for (std::size_t i = 0; i < inOrder.size(); ++i)
            inOrder[i] = static_cast<int>(i);
        EXPECT_EQ(box.MatchMap(), inOrder) << character;

        WriteStroke(box, written.back());
        box.Hint();
        EXPECT_EQ(box.Caption(), "Too many strokes") << character;

        box.SetCharacter(ref.record->strokes, Settings(0));
        WriteStroke(box, written[1]);
        WriteStroke(box, nowhere);
        EXPECT_EQ(box.Caption(), "Incorrect Stroke(s)") << character;
    }
}

}  // namespace
}  // namespace brushly
