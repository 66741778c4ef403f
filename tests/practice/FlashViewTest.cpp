// The Flash View window over its quiz: slots answered by the mouse, the Details button, the
// Fill in the Blank answer window, the toolbar per quiz mode; and the slot font rule.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <chrono>

#include "FlashTestDocument.h"
#include "dictionary/CAbbreviationList.h"
#include "handwriting/CDemonstrationWidget.h"
#include "practice/CFlashAnswerWindow.h"
#include "practice/CFlashCardWidget.h"
#include "practice/CFlashView.h"
#include "practice/FlashSlotFont.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using brushly::testing::CFlashTestDocument;

// Every byte half a square, as Japanese text is laid out.
int HalfSquares(std::string_view text, int size) {
    return static_cast<int>(text.size()) * size / 2;
}

TEST(FlashSlotFont, ShrinksFrom36To18AndWrapsOnlyMeanings) {
    const FlashSlotFont narrow = ChooseFlashSlotFont({"ka", "ki", "ku", "ke"}, false, HalfSquares);
    EXPECT_EQ(narrow.size, 36);
    EXPECT_EQ(narrow.slotWidth, 100);
    // 8 bytes need 144 pixels at 36: the slots widen to 200 and stay at 36.
    const FlashSlotFont wide = ChooseFlashSlotFont({"ka", "kakikuke"}, false, HalfSquares);
    EXPECT_EQ(wide.size, 36);
    EXPECT_EQ(wide.slotWidth, 200);
    // 12 bytes fit 200 pixels first at 32; every slot takes the smallest size.
    const FlashSlotFont smaller =
        ChooseFlashSlotFont({"ka", "kakikukekoka", "", "ki"}, false, HalfSquares);
    EXPECT_EQ(smaller.size, 32);
    EXPECT_FALSE(smaller.wrapped);

    const std::string longText(30, 'a');
    const FlashSlotFont reading = ChooseFlashSlotFont({longText}, false, HalfSquares);
    EXPECT_EQ(reading.size, 18);
    EXPECT_FALSE(reading.wrapped);
    EXPECT_TRUE(ChooseFlashSlotFont({longText}, true, HalfSquares).wrapped);
}

TEST(FlashSlotFont, WrapsAtBlanksKeepingLongWords) {
    EXPECT_EQ(WrapFlashText("to write  a letter", 80, 20, HalfSquares),
              (std::vector<std::string>{"to write", "a letter"}));
    EXPECT_EQ(WrapFlashText("extraordinarily long", 40, 20, HalfSquares),
              (std::vector<std::string>{"extraordinarily", "long"}));
    EXPECT_TRUE(WrapFlashText("   ", 80, 20, HalfSquares).empty());
}

// A view on two kanji cards of one Word Group, drawn with a font, in Word Group order and
// without time limit.
class FlashViewTest : public ::testing::Test {
protected:
    FlashViewTest() {
        brushly::testing::EnsureQtApplication();
        first = &data.AddKanji("G", "\x88\xea", {"ICHI"}, {"hito(tsu)"}, "one");  // 一
        second = &data.AddKanji("G", "\x93\xf1", {"NI"}, {"futa(tsu)"}, "two");   // 二
        data.Flash().shuffleOrder = 1;
        data.Flash().timeLimit = 0;
    }

    CFlashView& OpenView(int quizMode) {
        data.Flash().quizMode = quizMode;
        view =
            std::make_unique<CFlashView>(data.document, abbreviations, CJapaneseTextStyle{}, true);
        view->resize(800, 600);
        view->show();
        EXPECT_TRUE(view->Open({"G"}));
        return *view;
    }

    void ClickAt(QWidget& widget, QPoint position) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(position),
                          widget.mapToGlobal(QPointF(position)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &press);
    }

    std::string Caption() const { return view->Quiz().Caption(); }
    QString Label(const char* name) {
        return view->AnswerWindow().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    CFlashTestDocument data;
    CAbbreviationList abbreviations;
    CKanjiCard* first = nullptr;
    CKanjiCard* second = nullptr;
    std::unique_ptr<CFlashView> view;
};

TEST_F(FlashViewTest, ClickingSlotsAnswersAndDetailsThenContinues) {
    CFlashView& flash = OpenView(CFlashQuiz::kMultipleChoice);
    EXPECT_EQ(Caption(), "Flash View:  1 of 2 cards   (0 missed)");
    EXPECT_FALSE(flash.DetailsButton().isVisible());
    CFlashCardWidget& card = flash.Card();
    const int correct = flash.Quiz().Slots().correct;
    const int wrong = correct % 4 + 1;
    ASSERT_FALSE(card.SlotRect(wrong).isEmpty());

    ClickAt(card, card.SlotRect(wrong).center());
    EXPECT_EQ(flash.Quiz().State(), CFlashQuiz::AnswerState::kWrong);
    EXPECT_EQ(first->wrongCount, 1);
    EXPECT_EQ(Caption(), "Flash View:  1 of 2 cards   (1 missed)");
    EXPECT_TRUE(flash.DetailsButton().isVisible());
    EXPECT_EQ(flash.DetailsButton().text(), QStringLiteral("Details"));
    EXPECT_EQ(flash.DetailsButton().geometry(), QRect(800 - 110, 5, 100, 30));
    // The clicked slot is red, the right one green.
    const QImage picture = card.grab().toImage();
    const QPoint inside(4, 20);
    EXPECT_EQ(picture.pixelColor(card.SlotRect(wrong).topLeft() + inside), QColor(255, 0, 0));
    EXPECT_EQ(picture.pixelColor(card.SlotRect(correct).topLeft() + inside), QColor(0, 192, 0));

    flash.DetailsButton().click();
    EXPECT_EQ(flash.DetailsButton().text(), QStringLiteral("Continue"));
    EXPECT_TRUE(flash.Quiz().Flipped());
    EXPECT_FALSE(card.Content().panels.empty());
    flash.DetailsButton().click();
    EXPECT_EQ(Caption(), "Flash View:  2 of 2 cards   (1 missed)");
    EXPECT_FALSE(flash.DetailsButton().isVisible());

    // The keyboard answers too: the right slot by its number.
    const int slot = flash.Quiz().Slots().correct;
    QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + slot, Qt::NoModifier, QString::number(slot));
    QCoreApplication::sendEvent(&flash, &key);
    EXPECT_EQ(second->rightCount, 1);
}

TEST_F(FlashViewTest, FillInTheBlankThroughTheAnswerWindow) {
    CFlashView& flash = OpenView(CFlashQuiz::kFillInTheBlank);
    CFlashAnswerWindow& window = flash.AnswerWindow();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Enter your answer"));
    EXPECT_EQ(window.pos(), flash.FirstAnswerPosition());
    EXPECT_EQ(Label("prompt"), QStringLiteral("Enter a reading for this character"));
    EXPECT_TRUE(flash.Card().SlotRect(1).isEmpty());

    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("answerEdit"));
    auto* enter = window.findChild<QPushButton*>(QStringLiteral("enterButton"));
    edit->setText(QStringLiteral("hitotsu"));
    enter->click();
    EXPECT_EQ(Label("feedback"), QStringLiteral("CORRECT"));
    EXPECT_EQ(first->rightCount, 1);
    EXPECT_TRUE(flash.DetailsButton().isVisible());

    // Enter again moves on; the edit box is cleared for the new card.
    enter->click();
    EXPECT_EQ(Caption(), "Flash View:  2 of 2 cards   (0 missed)");
    EXPECT_TRUE(edit->text().isEmpty());
    edit->setText(QStringLiteral("ichi"));
    enter->click();
    // A wrong answer is followed by the readings that were expected.
    EXPECT_EQ(Label("feedback"), QStringLiteral("INCORRECT - ni, futatsu"));
    EXPECT_EQ(second->wrongCount, 1);

    // Details closes the window; it comes back where it was.
    window.move(window.pos() + QPoint(30, 40));
    const QPoint moved = window.pos();
    flash.DetailsButton().click();
    EXPECT_FALSE(window.isVisible());
    data.prompter.ScriptAnswers({false, true});  // no review; re-shuffle
    flash.DetailsButton().click();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), moved);
}

TEST_F(FlashViewTest, ToolbarFollowsTheQuizModeAndReturnLinkLeaves) {
    data.AddKanji("G", "\x8e\x4f", {"SAN"}, {"mi(tsu)"}, "three");  // 三
    CFlashView& flash = OpenView(CFlashQuiz::kMultipleChoice);
    int modeChanges = 0;
    int returns = 0;
    flash.SetQuizModeChangedHandler([&] { ++modeChanges; });
    flash.SetReturnHandler([&] { ++returns; });
    QList<QAction*> actions = flash.ToolbarActions();
    ASSERT_EQ(actions.size(), 8);
    EXPECT_EQ(actions.front()->statusTip(),
              QStringLiteral("Move to the next card (without marking right or wrong)"));

    flash.SwitchQuizMode();
    EXPECT_TRUE(flash.AnswerWindow().isVisible());
    flash.SwitchQuizMode();
    EXPECT_EQ(modeChanges, 2);
    EXPECT_FALSE(flash.AnswerWindow().isVisible());
    actions = flash.ToolbarActions();
    ASSERT_EQ(actions.size(), 11);
    EXPECT_EQ(actions.back()->statusTip(), QStringLiteral("Show the \"data\" for this card"));
    // The unanswered cards were skipped on each switch.
    EXPECT_EQ(flash.Quiz().SkippedCount(), 2);

    ClickAt(flash, flash.ReturnRect().center());
    EXPECT_EQ(returns, 1);
}

// A whole deck in each quiz mode, answered with the mouse, the keyboard or the answer
// window: the first card missed, the second right, the missed card reviewed and right, the
// score reported, and no re-shuffle.
TEST_F(FlashViewTest, AWholeDeckInEachModeEndsWithItsScoreAndAReviewOfTheMissedCard) {
    for (const int mode :
         {CFlashQuiz::kMultipleChoice, CFlashQuiz::kFillInTheBlank, CFlashQuiz::kNoQuiz}) {
        SCOPED_TRACE(mode);
        data.prompter.Clear();
        for (CKanjiCard* card : {first, second})
            CFlashcardSet::ResetStats(*card);
        CFlashView& flash = OpenView(mode);
        int returns = 0;
        flash.SetReturnHandler([&] { ++returns; });
        auto* edit = flash.AnswerWindow().findChild<QLineEdit*>(QStringLiteral("answerEdit"));
        const auto press = [&flash](int key) {
            QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
            QCoreApplication::sendEvent(&flash, &event);
        };
        // Answers the current card, then looks at its data and goes on with the keyboard.
        const auto answer = [&](bool right) {
            const CKanjiCard* card = flash.Quiz().Current()->kanji;
            if (mode == CFlashQuiz::kMultipleChoice) {
                const int correct = flash.Quiz().Slots().correct;
                const int slot = right ? correct : correct % 4 + 1;
                ClickAt(flash.Card(), flash.Card().SlotRect(slot).center());
            } else if (mode == CFlashQuiz::kFillInTheBlank) {
                edit->setText(QString::fromStdString(right ? card->readings[0]->onReadings[0]
                                                           : std::string("zzz")));
                flash.AnswerWindow()
                    .findChild<QPushButton*>(QStringLiteral("enterButton"))
                    ->click();
            } else {
                flash.More();
                right ? flash.MarkRight() : flash.MarkWrong();
                return;
            }
            press(Qt::Key_Space);  // Details
            EXPECT_FALSE(flash.Card().Content().panels.empty());
            press(Qt::Key_Space);  // Continue
        };
        data.prompter.ScriptAnswers({true, false});  // review the missed card; no re-shuffle
        answer(false);
        answer(true);
        EXPECT_EQ(Caption(), "Missed cards:  1 of 1 cards   (0 missed)");
        answer(true);
        EXPECT_EQ(returns, 1);
        const std::string firstScore = mode == CFlashQuiz::kNoQuiz
                                           ? ""
                                           : "You answered 1 out of 2 correctly.\n\nFinal score "
                                             "of 50%.\n\n";
        const std::string reviewScore = mode == CFlashQuiz::kNoQuiz
                                            ? ""
                                            : "You answered 1 out of 1 missed cards correctly.\n\n"
                                              "Final score of 100%.\n\n";
        EXPECT_EQ(data.prompter.Texts(),
                  (std::vector<std::string>{firstScore + "Review 1 missed card?",
                                            reviewScore + CFlashQuiz::kReshuffleQuestion}));
        EXPECT_EQ(first->rightCount + first->wrongCount, 2);
        flash.Leave();
    }
}

TEST_F(FlashViewTest, TimeLimitRunsOutOnTheViewsTimer) {
    data.Flash().timeLimit = 1;
    data.Flash().timeLimitSeconds = 0.05;
    CFlashView& flash = OpenView(CFlashQuiz::kMultipleChoice);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (flash.Quiz().State() == CFlashQuiz::AnswerState::kUnanswered &&
           std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(flash.Quiz().State(), CFlashQuiz::AnswerState::kWrong);
    EXPECT_EQ(first->wrongCount, 1);
    EXPECT_TRUE(flash.DetailsButton().isVisible());
}

TEST_F(FlashViewTest, DemonstrationShowsTheKanjisDatabaseStrokes) {
    first->dbGroup = 1;  // 一 of the small database
    first->dbIndex = 0;
    CFlashView& flash = OpenView(CFlashQuiz::kNoQuiz);
    flash.ShowDemonstration();
    ASSERT_NE(flash.Demonstration(), nullptr);
    EXPECT_EQ(flash.Demonstration()->windowTitle(), QStringLiteral("Stroke Demonstration"));
    EXPECT_EQ(flash.Demonstration()->Demonstration().Strokes(),
              &data.document.KanjiLibrary()->KanjiGroup(1)[0]->strokes);
    // The second card has no database record: nothing to demonstrate.
    flash.Next();
    EXPECT_EQ(flash.Demonstration()->Demonstration().Strokes(), nullptr);
    flash.ShowDemonstration();
    EXPECT_EQ(flash.Demonstration(), nullptr);
}

}  // namespace
}  // namespace brushly
