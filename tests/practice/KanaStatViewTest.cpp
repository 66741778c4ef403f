// The kana table: colour bands of the recognition levels, reset by click, and the script
// button switching the table.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <memory>

#include "FlashTestDocument.h"
#include "practice/CKanaQuiz.h"
#include "practice/CKanaStatView.h"
#include "practice/KanaTable.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

using brushly::testing::CFlashTestDocument;

void AddKana(CKanaStatsArray& stats, const std::string& kana, const std::string& romaji, int right,
             int wrong) {
    auto record = std::make_unique<CKanaStats>();
    record->kana = kana;
    record->romaji = romaji;
    record->rightCount = right;
    record->wrongCount = wrong;
    stats.push_back(std::move(record));
}

class KanaStatViewTest : public ::testing::Test {
protected:
    KanaStatViewTest() {
        brushly::testing::EnsureQtApplication();
        // In place of the small database's records.
        CKanaStatsArray& hiragana = data.document.HiraganaStats();
        hiragana.clear();
        data.document.KatakanaStats().clear();
        AddKana(hiragana, "\x82\xa0", "a", 3, 1);                       // あ 75 %
        AddKana(hiragana, "\x82\xa2", "i", 2, 2);                       // い 50 %
        AddKana(hiragana, "\x82\xa4", "u", 1, 2);                       // う 33 %
        AddKana(hiragana, "\x82\xa6", "e", 0, 0);                       // え never answered
        AddKana(data.document.KatakanaStats(), "\x83\x41", "A", 0, 0);  // ア
        view = std::make_unique<CKanaStatView>(data.document, CJapaneseTextStyle{}, data.prompter);
        view->resize(900, 700);
        view->show();
    }

    // A pixel of the cell's background, clear of its frame and texts.
    QColor Background(int position) {
        const QImage picture = view->grab().toImage();
        return picture.pixelColor(view->CellRect(position).topLeft() + QPoint(3, 3));
    }

    void ClickAt(QPoint point) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(point),
                          view->mapToGlobal(QPointF(point)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view.get(), &press);
    }
    void Click(int position) { ClickAt(view->CellRect(position).center()); }

    CFlashTestDocument data;
    std::unique_ptr<CKanaStatView> view;
};

TEST_F(KanaStatViewTest, CellsTakeTheBandOfTheirPercentage) {
    EXPECT_EQ(Background(0), QColor(150, 255, 150));
    EXPECT_EQ(Background(1), QColor(255, 255, 150));
    EXPECT_EQ(Background(2), QColor(255, 150, 150));
    EXPECT_EQ(Background(3), QColor(Qt::white));
    EXPECT_EQ(view->CellRect(0).size(), QSize(57, 71));
    // Only the records the script has get a cell.
    EXPECT_TRUE(view->CellRect(4).isEmpty());

    // Levels follow the options: 75 % falls below an upper level of 80.
    data.document.Options().kanaFlash.upperRange = 80;
    view->update();
    EXPECT_EQ(Background(0), QColor(255, 255, 150));
}

TEST_F(KanaStatViewTest, AClickOnACellAsksThenResetsIt) {
    data.prompter.ScriptAnswers({false, true});
    Click(1);
    EXPECT_EQ(data.document.HiraganaStats()[1]->rightCount, 2);
    EXPECT_FALSE(data.document.IsModified());
    Click(1);
    EXPECT_EQ(data.document.HiraganaStats()[1]->rightCount, 0);
    EXPECT_EQ(data.document.HiraganaStats()[1]->wrongCount, 0);
    EXPECT_TRUE(data.document.IsModified());
    EXPECT_EQ(data.prompter.Texts(),
              (std::vector<std::string>{kResetKanaQuestion, kResetKanaQuestion}));
    EXPECT_EQ(Background(1), QColor(Qt::white));
    // Outside the cells nothing is asked (an unexpected question would throw).
    ClickAt(view->CellRect(0).topLeft() - QPoint(0, 20));
    EXPECT_EQ(data.prompter.Texts().size(), 2u);
}

TEST_F(KanaStatViewTest, TheScriptButtonSwitchesTheTableAndThePracticeScript) {
    int practised = -1;
    view->SetPracticeReadingHandler([&](int script) { practised = script; });
    EXPECT_EQ(view->ScriptButton().text(), QStringLiteral("HIRAGANA"));
    view->ScriptButton().click();
    EXPECT_EQ(view->Script(), CKanaQuiz::kKatakana);
    EXPECT_EQ(view->ScriptButton().text(), QStringLiteral("KATAKANA"));
    EXPECT_TRUE(view->CellRect(1).isEmpty());  // one katakana record
    EXPECT_EQ(Background(0), QColor(Qt::white));
    view->findChild<QPushButton*>(QStringLiteral("practiceReadingButton"))->click();
    EXPECT_EQ(practised, CKanaQuiz::kKatakana);
    view->ScriptButton().click();
    EXPECT_EQ(view->Script(), CKanaQuiz::kHiragana);
}

}  // namespace
}  // namespace brushly
