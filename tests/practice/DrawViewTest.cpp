// The Draw View window over its practice: a kanji written with the mouse through the real
// draw box, the end of the deck, the kana box of the kana modes, the windows it opens.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>
#include <memory>
#include <string>

#include "document/CBrushly2Doc.h"
#include "handwriting/CDemonstrationWidget.h"
#include "handwriting/CKanaDrawBoxWidget.h"
#include "handwriting/CKanjiDrawBoxWidget.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "practice/CColourKeyWindow.h"
#include "practice/CDrawView.h"
#include "support/QtTestApplication.h"
#include "support/SmallKanjiDatabase.h"

namespace brushly {
namespace {

void SendMouse(QWidget& widget, QEvent::Type type, QPointF position, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, position, widget.mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

// A straight stroke in draw-box pixels, sent to the box window as the mouse would.
void Draw(QWidget& box, CPoint start, CPoint end) {
    const auto at = [](double x, double y) {
        return QPointF(x, y + CDrawBoxFrame::kCaptionHeight);
    };
    SendMouse(box, QEvent::MouseButtonPress, at(start.x, start.y), Qt::LeftButton, Qt::LeftButton);
    const double length = std::hypot(end.x - start.x, end.y - start.y);
    for (double along = 3.0; along < length; along += 3.0) {
        const double t = along / length;
        SendMouse(box, QEvent::MouseMove,
                  at(std::round(start.x + (end.x - start.x) * t),
                     std::round(start.y + (end.y - start.y) * t)),
                  Qt::NoButton, Qt::LeftButton);
    }
    SendMouse(box, QEvent::MouseMove, at(end.x, end.y), Qt::NoButton, Qt::LeftButton);
    SendMouse(box, QEvent::MouseButtonRelease, at(end.x, end.y), Qt::LeftButton, Qt::NoButton);
}

QString Caption(QWidget& box) {
    return box.findChild<QLabel*>(QStringLiteral("captionBar"))->text();
}

// A view over one Word Group holding a kanji card of 二 (two horizontals in the small
// database), in Word Group order.
class DrawViewTest : public ::testing::Test {
protected:
    DrawViewTest() {
        brushly::testing::EnsureQtApplication();
        document.SetKanjiLibrary(brushly::testing::MakeSmallKanjiLibrary());
        AddCard("G", "\x93\xf1", 2);  // 二
        document.Options().draw.randomOrder = 0;
        view = std::make_unique<CDrawView>(document, CJapaneseTextStyle{});
        view->resize(900, 600);
        view->SetReturnHandler([this] { ++returns; });
        view->show();
    }

    // A new Word Group holding a kanji card of the small database's group dbGroup.
    void AddCard(const std::string& group, const char* character, int dbGroup) {
        document.Cards().AddGroup(group);
        auto card = std::make_unique<CKanjiCard>();
        card->groupName = group;
        card->character = character;
        card->dbGroup = dbGroup;
        card->dbIndex = 0;
        document.Cards().AddCard(std::move(card));
    }

    void WriteTwo() {
        Draw(view->KanjiBox(), {40, 60}, {160, 60});
        Draw(view->KanjiBox(), {10, 150}, {190, 150});
    }

    CMemorySettingsStore settings;
    CScriptedPrompter prompter;
    CBrushly2Doc document{settings, prompter, 4242};
    std::unique_ptr<CDrawView> view;
    int returns = 0;
};

TEST_F(DrawViewTest, WritingTheKanjiShowsItCorrectWithTheGreenFrame) {
    ASSERT_TRUE(view->Open(CDrawPractice::kKanjiMode, {"G"}));
    CKanjiDrawBoxWidget& box = view->KanjiBox();
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(view->KanaBox().isVisible());
    EXPECT_EQ(box.pos(), QPoint(380, 50));
    EXPECT_EQ(Caption(box), QStringLiteral("Draw Character"));
    EXPECT_EQ(view->HintsButton().text(), QStringLiteral("Kanji Drawing hints"));
    EXPECT_EQ(view->HintsButton().geometry(), QRect(410, 3, 170, 25));
    EXPECT_EQ(view->ReturnButton().geometry(), QRect(10, 50, 30, 30));

    Draw(box, {40, 60}, {160, 60});
    EXPECT_EQ(Caption(box), QStringLiteral("Correct (so far)"));
    EXPECT_TRUE(view->HasStrokes());
    Draw(box, {10, 150}, {190, 150});
    EXPECT_EQ(Caption(box), QStringLiteral("Kanji is CORRECT"));
    // The frame's corner inside the drawing area, as the view shows it.
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(380 + 3, 50 + CDrawBoxFrame::kCaptionHeight + 3), QColor(0, 255, 0));
}

TEST_F(DrawViewTest, WritingAnotherKanjiNamesItInTheCaptionUntilTheNextStroke) {
    AddCard("H", "\x88\xea", 1);  // 一
    ASSERT_TRUE(view->Open(CDrawPractice::kKanjiMode, {"H"}));
    WriteTwo();
    const QLabel& caption = *view->KanjiBox().findChild<QLabel*>(QStringLiteral("captionBar"));
    EXPECT_EQ(caption.text(), QString::fromUtf8("Incorrect Stroke(s) - looks like \u4e8c"));
    EXPECT_LE(QFontMetrics(caption.font()).horizontalAdvance(caption.text()),
              CDrawBoxFrame::kWidth - 2 * caption.indent());

    SendMouse(view->KanjiBox(), QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton,
              Qt::LeftButton);
    EXPECT_EQ(caption.text(), QStringLiteral("Incorrect Stroke(s)"));
}

TEST_F(DrawViewTest, NextPastTheEndAsksThenRestartsClearedOrReturns) {
    ASSERT_TRUE(view->Open(CDrawPractice::kKanjiMode, {"G"}));
    WriteTwo();
    view->KanjiBox().findChild<QPushButton*>(QStringLiteral("ghostButton"))->click();
    ASSERT_FALSE(view->KanjiBox().DrawBox().GhostText().empty());

    prompter.ScriptAnswers({true, false});
    // A click on the card area is Next: a deck of one card is finished at once.
    SendMouse(*view, QEvent::MouseButtonPress, QPointF(100, 300), Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(prompter.Texts().size(), 1u);
    EXPECT_EQ(prompter.Texts()[0], CDrawPractice::kFinishedQuestion);
    const CKanjiDrawBox& restarted = view->KanjiBox().DrawBox();
    EXPECT_EQ(restarted.UserStrokes().Size(), 0u);
    EXPECT_TRUE(restarted.GhostText().empty());
    EXPECT_EQ(Caption(view->KanjiBox()), QStringLiteral("Draw Character"));
    EXPECT_FALSE(view->HasStrokes());
    EXPECT_EQ(returns, 0);

    view->ToggleKey();
    ASSERT_NE(view->Key(), nullptr);
    view->Next();
    EXPECT_EQ(prompter.Texts().size(), 2u);
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(view->Key(), nullptr);  // leaving closes the windows
}

TEST_F(DrawViewTest, KanaModeShowsTheKanaBoxAndItsDemonstration) {
    ASSERT_TRUE(view->Open(CDrawPractice::kHiraganaMode, {}));
    CKanaDrawBoxWidget& box = view->KanaBox();
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(view->KanjiBox().isVisible());
    EXPECT_EQ(box.pos(), QPoint(380, 50));
    EXPECT_EQ(Caption(box), QStringLiteral("Draw Hiragana"));
    EXPECT_FALSE(box.DrawBox().Reference().empty());

    bool kanaHints = false;
    view->SetHintsHandler([&](bool kana) { kanaHints = kana; });
    view->HintsButton().click();
    EXPECT_TRUE(kanaHints);
    EXPECT_EQ(view->HintsButton().text(), QStringLiteral("Kana Drawing hints"));

    view->ToggleDemonstration();
    ASSERT_NE(view->Demonstration(), nullptr);
    EXPECT_EQ(view->Demonstration()->geometry(), QRect(580, 50, 200, 224));
    EXPECT_EQ(view->Demonstration()->windowTitle(), QStringLiteral("Hiragana Demonstration"));
    view->ToggleDemonstration();
    EXPECT_EQ(view->Demonstration(), nullptr);
}

// An option change keeps the character being written, unless its own confirmation says the
// strokes go (Raw Input moves the character to the other box).
TEST_F(DrawViewTest, OptionChangesKeepTheCharacterBeingWritten) {
    ASSERT_TRUE(view->Open(CDrawPractice::kKanjiMode, {"G"}));
    Draw(view->KanjiBox(), {40, 60}, {160, 60});
    ASSERT_EQ(view->KanjiBox().DrawBox().UserStrokes().StrokeCount(), 1);
    view->KanjiBox().Run([](CKanjiDrawBox& box) { box.ToggleGhost("x"); });

    CDrawOptions before = document.Options().draw;
    document.Options().draw.drawingStyle = 1;
    document.Options().draw.errorTolerance = 30;
    document.Options().draw.strokeMatch = 2;
    document.Options().draw.demoSpeed = 10;
    view->OptionsChanged(before);
    EXPECT_EQ(view->KanjiBox().DrawBox().UserStrokes().StrokeCount(), 1);
    EXPECT_FALSE(view->KanjiBox().DrawBox().GhostText().empty());
    // The new tolerance holds for the next stroke: 40 px off is still 二's second stroke.
    Draw(view->KanjiBox(), {10, 110}, {190, 110});
    EXPECT_EQ(Caption(view->KanjiBox()), QStringLiteral("Kanji is CORRECT"));

    before = document.Options().draw;
    document.Options().draw.rawInput = 1;
    view->OptionsChanged(before);
    EXPECT_FALSE(view->HasStrokes());
}

TEST_F(DrawViewTest, EnforcingTheOrderOverDrawnStrokesChecksThem) {
    document.Options().draw.enforceOrder = 0;
    ASSERT_TRUE(view->Open(CDrawPractice::kKanjiMode, {"G"}));
    Draw(view->KanjiBox(), {10, 150}, {190, 150});  // 二's second stroke first
    ASSERT_EQ(view->KanjiBox().DrawBox().UserStrokes().StrokeCount(), 1);
    const CDrawOptions before = document.Options().draw;
    document.Options().draw.enforceOrder = 1;
    view->OptionsChanged(before);
    EXPECT_EQ(Caption(view->KanjiBox()), QStringLiteral("Incorrect Stroke Order"));
    EXPECT_EQ(view->KanjiBox().DrawBox().UserStrokes().Size(), 0u);
}

TEST_F(DrawViewTest, RawInputMovesTheKanjiToTheKanaBoxAndBack) {
    ASSERT_TRUE(view->Open(CDrawPractice::kKanjiMode, {"G"}));
    Draw(view->KanjiBox(), {40, 60}, {160, 60});
    const CDrawOptions before = document.Options().draw;
    document.Options().draw.rawInput = 1;
    view->OptionsChanged(before);
    CKanaDrawBoxWidget& kana = view->KanaBox();
    EXPECT_TRUE(kana.isVisible());
    EXPECT_FALSE(view->KanjiBox().isVisible());
    EXPECT_EQ(kana.DrawBox().Reference().size(), 2u);  // 二's two strokes
    EXPECT_EQ(Caption(kana), QStringLiteral("Draw Character"));
    EXPECT_FALSE(view->HasStrokes());

    const CDrawOptions raw = document.Options().draw;
    document.Options().draw.rawInput = 0;
    view->OptionsChanged(raw);
    EXPECT_TRUE(view->KanjiBox().isVisible());
    EXPECT_EQ(view->KanjiBox().DrawBox().UserStrokes().Size(), 0u);
}

TEST_F(DrawViewTest, ToolbarTextsAndStatusTips) {
    QStringList texts;
    QStringList toolTips;
    QStringList tips;
    for (const QAction* action : view->ToolbarActions()) {
        texts << action->text();
        toolTips << action->toolTip();
        tips << action->statusTip();
    }
    EXPECT_EQ(texts, (QStringList{"&Next", "&Shuffle", "Draw View &Options", "Hide &Demonstration",
                                  "Hide &Key", "&Fix Order"}));
    EXPECT_EQ(toolTips, (QStringList{"Next", "Shuffle", "Draw View Options", "Hide Demonstration",
                                     "Hide Key", "Fix Order"}));
    EXPECT_EQ(tips, (QStringList{
                        "Move to the next card", "Re-shuffle this set of cards",
                        "Edit the options for the Draw View",
                        "Display/Hide the Stroke Order Demonstration Window",
                        "Display/Hide a 'key' indicating the meaning of the Feedback stroke colors",
                        "Correct the out-of-order strokes"}));
}

}  // namespace
}  // namespace brushly
