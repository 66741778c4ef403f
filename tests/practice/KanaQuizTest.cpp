#include "practice/CKanaQuiz.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "FlashTestDocument.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "practice/KanaSets.h"
#include "practice/QuizRun.h"

namespace brushly {
namespace {

using testing::CRecordingHost;
using State = CReadingQuiz::AnswerState;
using Texts = std::vector<std::string>;

constexpr std::uint32_t kSeed = 77;
// Table positions of the kana read ji and zu: the s-row pair, then the t-row pair.
constexpr int kSRowJi = 52;
constexpr int kSRowZu = 53;
constexpr int kTRowJi = 57;
constexpr int kTRowZu = 58;
constexpr int kKya = 71;

// Both scripts' 104 statistics records. Romaji "s<position>" for a single kana and
// "c<position>" for a combined one tell the kinds apart, except the real ji and zu.
void FillStats(CKanaStatsArray& stats) {
    for (int position = 0; position < kKanaTableSize; ++position) {
        auto record = std::make_unique<CKanaStats>();
        record->kana = "\x82\xa0";  // あ
        record->romaji = (IsCombinedKanaPosition(position) ? "c" : "s") + std::to_string(position);
        stats.push_back(std::move(record));
    }
    stats[kSRowJi]->romaji = "ji";
    stats[kSRowZu]->romaji = "zu";
    stats[kTRowJi]->romaji = "ji(di)";
    stats[kTRowZu]->romaji = "zu(du)";
}

class KanaQuizTest : public ::testing::Test {
protected:
    KanaQuizTest() {
        FillStats(document.HiraganaStats());
        FillStats(document.KatakanaStats());
        Options().order = 1;  // table order
        Options().timeLimit = 0;
    }

    CKanaFlashOptions& Options() { return document.Options().kanaFlash; }
    CKanaStats& Hiragana(int position) { return *document.HiraganaStats()[position]; }
    void StartAt(int position, int quizMode) {
        Options().quizMode = quizMode;
        ASSERT_TRUE(quiz.Start(CKanaQuiz::kHiragana));
        while (quiz.Current() != &Hiragana(position))
            quiz.Next();
    }

    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document{settings, prompter, kSeed};
    CRecordingHost host;
    CKanaQuiz quiz{document, host};
};

TEST_F(KanaQuizTest, JiAndZuAcceptTheirOtherSpellingsByRow) {
    struct Case {
        int position;
        std::string typed;
        bool right;
    };
    const std::vector<Case> cases = {
        {kTRowJi, "di", true},   {kTRowJi, "JI", true},  {kTRowJi, "zi", false},
        {kSRowJi, "zi", true},   {kSRowJi, "di", false}, {kTRowZu, "dzu", true},
        {kSRowZu, "dzu", false}, {kSRowZu, "zu", true},  {3, "s3", true},
    };
    for (const Case& c : cases) {
        StartAt(c.position, CReadingQuiz::kFillInTheBlank);
        ASSERT_TRUE(quiz.AnswerWindowOpen());
        quiz.EnterAnswer(c.typed);
        EXPECT_EQ(quiz.State(), c.right ? State::kRight : State::kWrong)
            << c.position << " " << c.typed;
    }
    EXPECT_EQ(quiz.Prompt(), CKanaQuiz::kPrompt);
}

TEST_F(KanaQuizTest, FillInFeedbackNamesTheRomajiAndCountsTheAnswer) {
    StartAt(kTRowJi, CReadingQuiz::kFillInTheBlank);
    EXPECT_FALSE(document.IsModified());
    quiz.EnterAnswer("ji");
    EXPECT_EQ(quiz.Feedback(), kCorrectFeedback);
    EXPECT_EQ(Hiragana(kTRowJi).rightCount, 1);
    EXPECT_TRUE(document.IsModified());

    Options().timeLimit = 1;
    StartAt(kTRowZu, CReadingQuiz::kFillInTheBlank);
    quiz.SetTypedText("zi");
    quiz.TimerExpired(CReadingQuiz::kTimeLimitTimer, true);
    EXPECT_EQ(quiz.Feedback(), "Out of Time - zu(du)");
    quiz.Next();
    quiz.EnterAnswer("xx");
    EXPECT_EQ(quiz.Feedback(), "INCORRECT - s59");
    EXPECT_EQ(quiz.MissedCount(), 2u);
}

TEST_F(KanaQuizTest, DistractersAreOfTheQuestionsKind) {
    for (int position : {kKya, 90, 103, 0, kTRowJi, 70}) {
        StartAt(position, CReadingQuiz::kMultipleChoice);
        const FlashSlots slots = quiz.Slots();
        const char kind = IsCombinedKanaPosition(position) ? 'c' : 's';
        for (int slot = 0; slot < 4; ++slot) {
            const std::string& answer = slots.slots[slot].answer;
            if (slot + 1 == slots.correct) continue;
            EXPECT_TRUE(answer[0] == kind || (kind == 's' && (answer == "ji" || answer == "zu")))
                << position << ": " << answer;
            for (int other = 0; other < slot; ++other)
                EXPECT_NE(answer, slots.slots[other].answer);
        }
    }
    EXPECT_EQ(quiz.Slots().slots[quiz.Slots().correct - 1].answer, "s70");
    StartAt(kTRowJi, CReadingQuiz::kMultipleChoice);
    EXPECT_EQ(quiz.Slots().slots[quiz.Slots().correct - 1].answer, "ji");
}

TEST_F(KanaQuizTest, RandomOrderIsOnePassAlphabeticIsTableOrder) {
    Options().kanaSet = static_cast<int>(KanaSet::kGojuuOn);
    prompter.ScriptAnswers({false, false});  // no second round after either list
    ASSERT_TRUE(quiz.Start(CKanaQuiz::kHiragana));
    EXPECT_EQ(quiz.Caption(), "HIRAGANA Flashcard:  1 of 46 cards   (0 missed)");
    for (int position = 0; position < kGojuuOnCount; ++position, quiz.Next())
        EXPECT_EQ(quiz.Current(), &Hiragana(position));

    std::vector<int> expected(kGojuuOnCount);
    std::iota(expected.begin(), expected.end(), 0);
    CRandom random(prompter, kSeed);
    random.Discard(1000);
    SwapShuffle(expected, 1, random);

    Options().order = 0;
    CBrushly2Doc fresh{settings, prompter, kSeed};
    FillStats(fresh.HiraganaStats());
    fresh.Options().kanaFlash = Options();
    CKanaQuiz shuffled{fresh, host};
    ASSERT_TRUE(shuffled.Start(CKanaQuiz::kHiragana));
    for (int position : expected) {
        EXPECT_EQ(shuffled.Current(), fresh.HiraganaStats()[position].get());
        shuffled.Next();
    }
    EXPECT_EQ(host.returns, 2);
}

TEST_F(KanaQuizTest, ShowMissedWithNothingMissedSaysSoAndKeepsTheCard) {
    StartAt(5, CReadingQuiz::kMultipleChoice);
    quiz.ShowMissed();
    EXPECT_EQ(prompter.Texts(), Texts{CKanaQuiz::kNoMissedMessage});
    EXPECT_EQ(quiz.Current(), &Hiragana(5));
    EXPECT_FALSE(quiz.Reviewing());

    const int correct = quiz.Slots().correct;
    quiz.ClickSlot(correct % 4 + 1);
    quiz.ShowMissed();
    EXPECT_EQ(quiz.Caption(), "Missed HIRAGANA:  1 of 1 cards   (0 missed)");
    EXPECT_EQ(quiz.Current(), &Hiragana(5));
}

TEST_F(KanaQuizTest, ResetAllAsksByScriptAndClearsTheSet) {
    Hiragana(0).rightCount = 3;
    document.KatakanaStats()[0]->wrongCount = 2;
    prompter.ScriptAnswers({true, false});
    ASSERT_TRUE(quiz.Start(CKanaQuiz::kHiragana));
    quiz.ResetAll();
    ASSERT_TRUE(quiz.Start(CKanaQuiz::kKatakana));
    quiz.ResetAll();
    EXPECT_EQ(prompter.Texts(),
              (Texts{CKanaQuiz::kResetAllHiraganaQuestion, CKanaQuiz::kResetAllKatakanaQuestion}));
    EXPECT_EQ(Hiragana(0).rightCount, 0);
    EXPECT_EQ(document.KatakanaStats()[0]->wrongCount, 2);
    EXPECT_EQ(quiz.Caption(), "KATAKANA Flashcard:  1 of 104 cards   (0 missed)");
    EXPECT_STREQ(quiz.DemonstrationCaption().c_str(), CKanaQuiz::kKatakanaDemonstration);
}

TEST_F(KanaQuizTest, DetailsShowRomajiAndRecognition) {
    StartAt(kTRowJi, CReadingQuiz::kMultipleChoice);
    EXPECT_TRUE(quiz.CardData().empty());
    quiz.ClickSlot(quiz.Slots().correct);
    quiz.PressDetails();
    const std::vector<FlashDataPanel> panels = quiz.CardData();
    ASSERT_EQ(panels.size(), 2u);
    EXPECT_EQ(panels[0].heading, CKanaQuiz::kRomajiHeading);
    EXPECT_EQ(panels[0].lines[0].text, "ji(di)");
    EXPECT_EQ(panels[1].heading, CKanaQuiz::kRecognitionHeading);
    EXPECT_EQ(panels[1].lines[0].text, "100 %  (1 / 1)");
}

}  // namespace
}  // namespace brushly
