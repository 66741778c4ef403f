#include "practice/CFlashQuiz.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FlashTestDocument.h"
#include "dictionary/CAbbreviationList.h"
#include "practice/FlashDeck.h"

namespace brushly {
namespace {

using testing::CFlashTestDocument;
using testing::CRecordingHost;
using State = CFlashQuiz::AnswerState;
using Details = CFlashQuiz::DetailsButton;
using Texts = std::vector<std::string>;

constexpr const char* kOne = "\x88\xea";    // 一
constexpr const char* kTwo = "\x93\xf1";    // 二
constexpr const char* kThree = "\x8e\x4f";  // 三

class FlashQuizTest : public ::testing::Test {
protected:
    FlashQuizTest() {
        fixture.AddKanji("G", kOne, {"ICHI"}, {"hito(tsu)"}, "one");
        fixture.AddKanji("G", kTwo, {"NI"}, {"futa(tsu)"}, "two");
        fixture.AddKanji("G", kThree, {"SAN"}, {"mi(tsu)"}, "three");
        fixture.Flash().shuffleOrder = kShuffleWordGroup;
    }

    void Start(int quizMode) {
        fixture.Flash().quizMode = quizMode;
        ASSERT_TRUE(quiz.Start({"G"}));
    }
    // Multiple Choice: answers the current card, then clicks on to the next.
    void Answer(bool right) {
        const int correct = quiz.Slots().correct;
        quiz.ClickSlot(right ? correct : correct % 4 + 1);
        quiz.ClickCard();
    }
    std::vector<std::string> ListCharacters() const {
        std::vector<std::string> characters;
        for (const FlashDeckEntry& entry : quiz.List())
            characters.push_back(entry.kanji->character);
        return characters;
    }
    const CKanjiCard& Card(int index) { return *fixture.document.Cards().KanjiCards()[index]; }

    CFlashTestDocument fixture;
    CAbbreviationList abbreviations;
    CRecordingHost host;
    CFlashQuiz quiz{fixture.document, abbreviations, host, true};
};

TEST_F(FlashQuizTest, MultipleChoiceAnswerColoursSlotsCountsAndShowsDetails) {
    fixture.Flash().autoFlip = 1;
    Start(CFlashQuiz::kMultipleChoice);
    EXPECT_EQ(quiz.Caption(), "Flash View:  1 of 3 cards   (0 missed)");
    EXPECT_TRUE(host.Running(CFlashQuiz::kTimeLimitTimer));
    EXPECT_FALSE(fixture.document.IsModified());

    const int correct = quiz.Slots().correct;
    const int wrong = correct % 4 + 1;
    quiz.ClickCard();  // an unanswered card stays
    quiz.ClickSlot(wrong);
    quiz.ClickSlot(correct);  // answered once only
    EXPECT_EQ(quiz.State(), State::kWrong);
    EXPECT_EQ(quiz.Slots().slots[correct - 1].state, FlashSlot::kRight);
    EXPECT_EQ(quiz.Slots().slots[wrong - 1].state, FlashSlot::kWrong);
    EXPECT_EQ(Card(0).wrongCount, 1);
    EXPECT_TRUE(fixture.document.IsModified());
    EXPECT_EQ(quiz.Caption(), "Flash View:  1 of 3 cards   (1 missed)");
    EXPECT_EQ(quiz.Details(), Details::kDetails);
    EXPECT_EQ(host.timers, (std::map<int, double>{{CFlashQuiz::kAutoFlipTimer, 2.0}}));

    quiz.PressDetails();
    EXPECT_TRUE(quiz.Flipped());
    EXPECT_EQ(quiz.Details(), Details::kContinue);
    EXPECT_FALSE(host.Running(CFlashQuiz::kAutoFlipTimer));
    EXPECT_FALSE(quiz.CardData().empty());
    quiz.PressDetails();
    EXPECT_EQ(quiz.Caption(), "Flash View:  2 of 3 cards   (1 missed)");
}

TEST_F(FlashQuizTest, SummaryWithSkippedCardThenNoReviewReturnsToMainView) {
    Start(CFlashQuiz::kMultipleChoice);
    Answer(true);
    Answer(false);
    fixture.prompter.ScriptAnswers({false, false});
    quiz.Next();
    EXPECT_EQ(fixture.prompter.Texts(),
              (Texts{"You answered 1 out of 3 correctly (1 skipped).\n\nFinal score of "
                     "33%.\n\nReview 1 missed card?",
                     CFlashQuiz::kReshuffleQuestion}));
    EXPECT_EQ(host.returns, 1);
    EXPECT_EQ(quiz.Current(), nullptr);
    EXPECT_EQ(quiz.Caption(), "Flash View:  3 of 3 cards   (1 missed)");
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(FlashQuizTest, SummaryWithoutMissesAsksToReshuffleAndRestarts) {
    Start(CFlashQuiz::kMultipleChoice);
    fixture.prompter.ScriptAnswers({true});
    for (int i = 0; i < 3; ++i)
        Answer(true);
    EXPECT_EQ(fixture.prompter.Texts(),
              (Texts{"You answered 3 out of 3 correctly.\n\nFinal score of 100%.\n\nFinished - "
                     "would you like to re-shuffle (YES) \nand review these cards again?"}));
    EXPECT_EQ(host.returns, 0);
    EXPECT_EQ(quiz.Caption(), "Flash View:  1 of 3 cards   (0 missed)");
    EXPECT_EQ(quiz.QuestionText(), kOne);
}

TEST_F(FlashQuizTest, ReviewDrillsTheMissedCardsAndReportsThemAsMissedCards) {
    Start(CFlashQuiz::kMultipleChoice);
    fixture.prompter.ScriptAnswers({true});
    Answer(false);
    Answer(true);
    Answer(false);
    EXPECT_EQ(fixture.prompter.Texts().back(),
              "You answered 1 out of 3 correctly.\n\nFinal score of 33%.\n\nReview 2 missed "
              "cards?");
    EXPECT_TRUE(quiz.Reviewing());
    EXPECT_EQ(quiz.Caption(), "Missed cards:  1 of 2 cards   (0 missed)");
    EXPECT_EQ(ListCharacters(), (Texts{kOne, kThree}));

    fixture.prompter.Clear();
    fixture.prompter.ScriptAnswers({false});
    Answer(true);
    Answer(true);
    EXPECT_EQ(fixture.prompter.Texts(),
              (Texts{"You answered 2 out of 2 missed cards correctly.\n\nFinal score of "
                     "100%.\n\nFinished - would you like to re-shuffle (YES) \nand review these "
                     "cards again?"}));
    EXPECT_EQ(host.returns, 1);
}

TEST_F(FlashQuizTest, ReviewKeepsTheMissingOrderWithRecognitionOrder) {
    // After the misses both are 50%, the second with more answers: sorted again it would
    // come first.
    fixture.document.Cards().KanjiCards()[0]->rightCount = 1;
    fixture.document.Cards().KanjiCards()[0]->wrongCount = 1;
    fixture.document.Cards().KanjiCards()[1]->rightCount = 2;
    fixture.document.Cards().KanjiCards()[1]->wrongCount = 1;
    fixture.document.Cards().KanjiCards()[2]->rightCount = 3;
    fixture.Flash().shuffleOrder = kShuffleRecognition;
    Start(CFlashQuiz::kNoQuiz);
    EXPECT_EQ(ListCharacters(), (Texts{kOne, kTwo, kThree}));
    fixture.prompter.ScriptAnswers({true});
    quiz.MarkWrong();
    quiz.MarkWrong();
    quiz.MarkRight();
    EXPECT_EQ(fixture.prompter.Texts(), (Texts{"Review 2 missed cards?"}));  // no score
    EXPECT_EQ(ListCharacters(), (Texts{kOne, kTwo}));
}

// In No Quiz, Space first shows an unflipped card's data; the next Space goes on.
TEST_F(FlashQuizTest, NoQuizSpaceShowsTheDataBeforeGoingOn) {
    fixture.AddKanji("G", kOne, {"ICHI"}, {});
    fixture.AddKanji("G", kTwo, {"NI"}, {});
    fixture.Flash().shuffleOrder = 0;
    Start(CFlashQuiz::kNoQuiz);
    const FlashDeckEntry* first = quiz.Current();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(quiz.Flipped());
    quiz.PressSpace();
    EXPECT_EQ(quiz.Current(), first);
    EXPECT_TRUE(quiz.Flipped());
    EXPECT_EQ(quiz.SkippedCount(), 0);
    quiz.PressSpace();
    EXPECT_NE(quiz.Current(), first);
    EXPECT_FALSE(quiz.Flipped());
}

TEST_F(FlashQuizTest, ShowMissedShufflesTheReviewWithRandomOrder) {
    for (int i = 0; i < 6; ++i)
        fixture.AddKanji("G", std::string("\x88") + static_cast<char>(0xa0 + i), {"ON"}, {});
    fixture.Flash().shuffleOrder = kShuffleRandom;
    Start(CFlashQuiz::kNoQuiz);
    std::vector<std::string> missedOrder = ListCharacters();
    missedOrder.pop_back();
    quiz.ShowMissed();  // nothing missed yet
    EXPECT_FALSE(quiz.Reviewing());
    for (int i = 0; i < 8; ++i)
        quiz.MarkWrong();
    quiz.ShowMissed();
    EXPECT_TRUE(quiz.Reviewing());
    EXPECT_EQ(quiz.Caption(), "Missed cards:  1 of 8 cards   (0 missed)");
    std::vector<std::string> review = ListCharacters();
    EXPECT_NE(review, missedOrder);
    std::sort(review.begin(), review.end());
    std::sort(missedOrder.begin(), missedOrder.end());
    EXPECT_EQ(review, missedOrder);
}

TEST_F(FlashQuizTest, QuizModeSwitchSkipsAnUnansweredCardOnly) {
    Start(CFlashQuiz::kMultipleChoice);
    quiz.SwitchQuizMode();
    EXPECT_EQ(quiz.QuizMode(), CFlashQuiz::kFillInTheBlank);
    EXPECT_EQ(quiz.SkippedCount(), 1);
    EXPECT_EQ(quiz.Caption(), "Flash View:  2 of 3 cards   (0 missed)");
    EXPECT_TRUE(quiz.AnswerWindowOpen());
    EXPECT_EQ(quiz.Prompt(), "Enter a reading for this character");
}

TEST_F(FlashQuizTest, TimeLimitInMultipleChoiceIsAWrongAnswer) {
    fixture.Flash().autoFlip = 1;
    Start(CFlashQuiz::kMultipleChoice);
    quiz.TimerExpired(CFlashQuiz::kTimeLimitTimer, true);
    EXPECT_EQ(quiz.State(), State::kWrong);
    EXPECT_EQ(quiz.Slots().slots[quiz.Slots().correct - 1].state, FlashSlot::kRight);
    EXPECT_EQ(quiz.Missed().size(), 1u);
    EXPECT_TRUE(host.Running(CFlashQuiz::kAutoFlipTimer));
    quiz.TimerExpired(CFlashQuiz::kAutoFlipTimer, true);
    EXPECT_EQ(quiz.QuestionText(), kTwo);
    quiz.TimerExpired(CFlashQuiz::kTimeLimitTimer, false);  // no focus: no Auto Flip
    EXPECT_TRUE(host.timers.empty());
}

TEST_F(FlashQuizTest, FillInJudgesOnEnterOrAtTheTimeLimit) {
    Start(CFlashQuiz::kFillInTheBlank);
    quiz.EnterAnswer("hitotu");
    EXPECT_EQ(quiz.Feedback(), "CORRECT");
    EXPECT_EQ(quiz.Details(), Details::kDetails);
    quiz.EnterAnswer("");  // Enter on an answered card is Next
    EXPECT_EQ(quiz.QuestionText(), kTwo);
    EXPECT_TRUE(quiz.Feedback().empty());
    quiz.SetTypedText("ni");
    quiz.TimerExpired(CFlashQuiz::kTimeLimitTimer, true);
    EXPECT_EQ(quiz.State(), State::kRight);
    quiz.PressDetails();
    EXPECT_FALSE(quiz.AnswerWindowOpen());
    quiz.PressDetails();
    EXPECT_TRUE(quiz.AnswerWindowOpen());
    EXPECT_TRUE(quiz.TypedText().empty());
    quiz.SetTypedText("ichi");
    quiz.TimerExpired(CFlashQuiz::kTimeLimitTimer, true);
    EXPECT_EQ(quiz.State(), State::kWrong);
    EXPECT_EQ(quiz.Feedback(), "Out of Time - san, mitsu");  // with what was expected
    EXPECT_EQ(Card(2).wrongCount, 1);
}

TEST_F(FlashQuizTest, TimeLimitInNoQuizFlipsTheCard) {
    fixture.Flash().autoFlip = 1;
    Start(CFlashQuiz::kNoQuiz);
    quiz.TimerExpired(CFlashQuiz::kTimeLimitTimer, true);
    EXPECT_TRUE(quiz.Flipped());
    EXPECT_EQ(quiz.State(), State::kUnanswered);
    quiz.TimerExpired(CFlashQuiz::kAutoFlipTimer, true);
    EXPECT_EQ(quiz.SkippedCount(), 1);
}

TEST_F(FlashQuizTest, OptionsChangesRebuildMoveOnOrReturn) {
    Start(CFlashQuiz::kMultipleChoice);
    CFlashOptions before = fixture.Flash();
    fixture.Flash().desiredAnswer = 1;
    quiz.OptionsChanged(before, fixture.document.CommonWordsOnly());
    EXPECT_EQ(quiz.QuestionText(), kTwo);
    EXPECT_EQ(quiz.SkippedCount(), 1);

    before = fixture.Flash();
    fixture.Flash().includeKanji = 0;
    quiz.OptionsChanged(before, fixture.document.CommonWordsOnly());
    EXPECT_EQ(fixture.prompter.Texts(),
              (Texts{"There are now no active cards in this list for the current Flash "
                     "options.\nYou will be returned to the main page."}));
    EXPECT_EQ(host.returns, 1);
    EXPECT_EQ(quiz.Current(), nullptr);
}

TEST_F(FlashQuizTest, MarkingAnAnsweredCardMovesOnWithoutCountingItAgain) {
    Start(CFlashQuiz::kMultipleChoice);
    quiz.ClickSlot(quiz.Slots().correct);
    quiz.MarkWrong();
    EXPECT_EQ(Card(0).rightCount, 1);
    EXPECT_EQ(Card(0).wrongCount, 0);
    EXPECT_EQ(quiz.Caption(), "Flash View:  2 of 3 cards   (0 missed)");
}

TEST_F(FlashQuizTest, ResetAsksForTheCardAndResetAllForEveryCardOfTheGroups) {
    Start(CFlashQuiz::kMultipleChoice);
    Answer(false);
    quiz.ClickSlot(quiz.Slots().correct);  // the second card, right
    fixture.prompter.ScriptAnswers({false, true, true});
    quiz.Reset();  // No: the second card keeps its count
    EXPECT_EQ(Card(1).rightCount, 1);
    quiz.Reset();
    EXPECT_EQ(Card(1).rightCount, 0);
    EXPECT_EQ(Card(0).wrongCount, 1);
    quiz.ResetAll();
    EXPECT_EQ(Card(0).wrongCount, 0);
    EXPECT_EQ(fixture.prompter.Texts(), (Texts{"Reset this stat?", "Reset this stat?",
                                               "Reset ALL recognition statistics in this list?"}));
}

TEST_F(FlashQuizTest, TheShufflingBoxShowsForDecksOverTwoHundred) {
    for (int i = 3; i < 200; ++i)
        fixture.AddKanaWord("G", "ka");
    Start(CFlashQuiz::kNoQuiz);
    EXPECT_TRUE(host.shuffling.empty());  // 200 cards
    fixture.AddKanaWord("G", "ki");
    quiz.Shuffle();
    EXPECT_EQ(host.shuffling, (std::vector<bool>{true, false}));
    EXPECT_EQ(quiz.Caption(), "Flash View:  1 of 201 cards   (0 missed)");
    EXPECT_EQ(std::string(CFlashQuiz::kShufflingText), "Loading/Shuffling Flashcards...");
}

TEST_F(FlashQuizTest, AKanaWordAsksForItsRomaji) {
    fixture.Flash().includeKanji = 0;
    fixture.AddKanaWord("G", "TSUNAMI");
    Start(CFlashQuiz::kFillInTheBlank);
    EXPECT_EQ(quiz.Prompt(), "Enter the romaji for this word");
    quiz.EnterAnswer("tsunami");  // the case need not write the script
    EXPECT_EQ(quiz.Feedback(), "CORRECT");
    Start(CFlashQuiz::kFillInTheBlank);
    quiz.EnterAnswer("tunamu");
    EXPECT_EQ(quiz.Feedback(), "INCORRECT - TSUNAMI");
}

}  // namespace
}  // namespace brushly
