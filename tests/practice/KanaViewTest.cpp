// The Kana View: the reading drill window over the kana quiz, answered with the mouse, its
// options applied and its demonstration named for the script.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <memory>

#include "FlashTestDocument.h"
#include "handwriting/CDemonstrationWidget.h"
#include "practice/CFlashAnswerWindow.h"
#include "practice/CFlashCardWidget.h"
#include "practice/CKanaView.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using brushly::testing::CFlashTestDocument;

class KanaViewTest : public ::testing::Test {
protected:
    KanaViewTest() {
        brushly::testing::EnsureQtApplication();
        // あ い う え お
        const std::vector<std::pair<std::string, std::string>> kana = {{"\x82\xa0", "a"},
                                                                       {"\x82\xa2", "i"},
                                                                       {"\x82\xa4", "u"},
                                                                       {"\x82\xa6", "e"},
                                                                       {"\x82\xa8", "o"}};
        data.document.HiraganaStats().clear();  // in place of the small database's records
        data.document.KatakanaStats().clear();
        for (const auto& [text, romaji] : kana) {
            auto record = std::make_unique<CKanaStats>();
            record->kana = text;
            record->romaji = romaji;
            data.document.HiraganaStats().push_back(std::move(record));
        }
        Options().order = 1;  // table order
        Options().timeLimit = 0;
        view = std::make_unique<CKanaView>(data.document, CJapaneseTextStyle{});
        view->resize(800, 600);
        view->show();
    }

    CKanaFlashOptions& Options() { return data.document.Options().kanaFlash; }
    const CKanaStats& Hiragana(int position) { return *data.document.HiraganaStats()[position]; }

    void ClickSlot(int slot) {
        CFlashCardWidget& card = view->Card();
        const QPoint position = card.SlotRect(slot).center();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(position),
                          card.mapToGlobal(QPointF(position)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&card, &press);
    }

    CFlashTestDocument data;
    std::unique_ptr<CKanaView> view;
};

TEST_F(KanaViewTest, MultipleChoiceCardsAreAnsweredByClick) {
    ASSERT_TRUE(view->Open(CKanaQuiz::kHiragana));
    EXPECT_EQ(view->Quiz().Caption(), "HIRAGANA Flashcard:  1 of 5 cards   (0 missed)");
    EXPECT_EQ(view->Card().Content().question, "\x82\xa0");  // あ
    const int correct = view->Quiz().Slots().correct;
    EXPECT_EQ(view->Quiz().Slots().slots[correct - 1].answer, "a");

    ClickSlot(correct);
    EXPECT_EQ(Hiragana(0).rightCount, 1);
    EXPECT_TRUE(view->DetailsButton().isVisible());
    view->DetailsButton().click();  // the data
    EXPECT_FALSE(view->Card().Content().panels.empty());
    view->DetailsButton().click();  // Continue

    ClickSlot(view->Quiz().Slots().correct % 4 + 1);
    EXPECT_EQ(Hiragana(1).wrongCount, 1);
    EXPECT_EQ(view->Quiz().Caption(), "HIRAGANA Flashcard:  2 of 5 cards   (1 missed)");
    EXPECT_TRUE(data.document.IsModified());
}

TEST_F(KanaViewTest, ChangedQuizModeOpensTheAnswerWindowAndReloadsTheToolbar) {
    ASSERT_TRUE(view->Open(CKanaQuiz::kHiragana));
    int modeChanges = 0;
    view->SetQuizModeChangedHandler([&] { ++modeChanges; });
    const CKanaFlashOptions before = Options();
    Options().quizMode = CReadingQuiz::kFillInTheBlank;
    view->OptionsChanged(before);
    EXPECT_EQ(modeChanges, 1);
    EXPECT_TRUE(view->AnswerWindow().isVisible());
    EXPECT_TRUE(view->Card().SlotRect(1).isEmpty());
    EXPECT_EQ(view->ToolbarActions()[1]->statusTip(),
              QStringLiteral("Edit the options for the Kana Flash View"));

    view->ShowDemonstration();
    ASSERT_NE(view->Demonstration(), nullptr);
    EXPECT_EQ(view->Demonstration()->windowTitle(), QStringLiteral("Hiragana Demonstration"));
    view->Leave();
    EXPECT_FALSE(view->AnswerWindow().isVisible());
    EXPECT_EQ(view->Demonstration(), nullptr);
}

TEST_F(KanaViewTest, AnEmptySetDoesNotOpen) {
    EXPECT_FALSE(view->Open(CKanaQuiz::kKatakana));
    EXPECT_FALSE(view->Quiz().HasCard());
}

}  // namespace
}  // namespace brushly
