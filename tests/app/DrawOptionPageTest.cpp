// The Draw View options page driven through its controls offscreen: the values shown and
// taken over, and the checks made when it is left, each in the Draw View mode it belongs to.
#include "app/CDrawOptionPage.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include "app/COptionSheet.h"
#include "platform/CScriptedPrompter.h"
#include "practice/CDrawPractice.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

constexpr int kKanji = CDrawPractice::kKanjiMode;
constexpr int kHiragana = CDrawPractice::kHiraganaMode;

QAbstractButton* Button(const QWidget& root, const char* text) {
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>())
        if (button->text() == QString::fromLatin1(text)) return button;
    ADD_FAILURE() << "no button " << text;
    return nullptr;
}

class DrawOptionPageTest : public ::testing::Test {
protected:
    DrawOptionPageTest() { testing::EnsureQtApplication(); }

    CScriptedPrompter m_prompter;
};

TEST_F(DrawOptionPageTest, ANewRecordShowsTheDefaultsAndEveryFieldRoundTrips) {
    CDrawOptionPage page(CDrawOptions{}, m_prompter);
    for (const char* on : {"After each stroke", "Autocorrect", "Enforce Order", "Similar",
                           "Kanji cards", "Counter cards", "Show Comments", "Brushly Strokes",
                           "Random Order", "Gojuu-On (50 sounds)"})
        EXPECT_TRUE(Button(page, on)->isChecked()) << on;
    EXPECT_FALSE(Button(page, "Raw Input")->isChecked());
    EXPECT_EQ(page.findChild<QSpinBox*>("errorTolerance")->value(), 20);
    EXPECT_EQ(page.findChild<QSlider*>("demoSpeed")->value(), 60);
    EXPECT_EQ(page.Options(), CDrawOptions{});

    const CDrawOptions unusual{1, 0, 0, 2, 27, 0, 1, 185, 0, 1, 1, 0, 1};
    EXPECT_EQ(CDrawOptionPage(unusual, m_prompter).Options(), unusual);

    // The tolerance and the speed stay within their ranges.
    page.findChild<QSpinBox*>("errorTolerance")->setValue(35);
    page.findChild<QSlider*>("demoSpeed")->setValue(-5);
    EXPECT_EQ(page.Options().errorTolerance, 30);
    EXPECT_EQ(page.Options().demoSpeed, 0);
}

TEST_F(DrawOptionPageTest, BothCardKindsOffIsRefusedBeforeAnyQuestion) {
    CDrawOptions options;
    options.enforceOrder = 0;
    CDrawOptionPage page(options, m_prompter);
    page.SetDrawView(kKanji, true, true);
    Button(page, "Kanji cards")->click();
    Button(page, "Counter cards")->click();
    Button(page, "Enforce Order")->click();
    EXPECT_FALSE(page.CanLeave());
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{CDrawOptionPage::kNothingIncludedMessage}));
}

TEST_F(DrawOptionPageTest, EachQuestionIsAskedInItsModeOnlyAndNoKeepsThePage) {
    CDrawOptions options;
    options.enforceOrder = 0;
    // Every question's change at once: Enforce Order on, counters off, Gojuu and Raw changed.
    const auto changeAll = [](CDrawOptionPage& page) {
        Button(page, "Enforce Order")->click();
        Button(page, "Counter cards")->click();
        Button(page, "Gojuu-on and Daku/Handaku-on (50 sounds + g,z,d,b,p)")->click();
        Button(page, "Raw Input")->click();
    };

    CDrawOptionPage kanji(options, m_prompter);
    kanji.SetDrawView(kKanji, true, true);
    changeAll(kanji);
    m_prompter.ScriptAnswers({false, true, false, true, true, false, true, true, true});
    EXPECT_FALSE(kanji.CanLeave());
    EXPECT_FALSE(kanji.CanLeave());
    EXPECT_FALSE(kanji.CanLeave());
    EXPECT_TRUE(kanji.CanLeave());
    EXPECT_EQ(m_prompter.Texts(),
              (std::vector<std::string>{
                  CDrawOptionPage::kEnforceOrderQuestion, CDrawOptionPage::kEnforceOrderQuestion,
                  CDrawOptionPage::kIncludeQuestion, CDrawOptionPage::kEnforceOrderQuestion,
                  CDrawOptionPage::kIncludeQuestion, CDrawOptionPage::kRawQuestion,
                  CDrawOptionPage::kEnforceOrderQuestion, CDrawOptionPage::kIncludeQuestion,
                  CDrawOptionPage::kRawQuestion}));

    m_prompter.Clear();
    CDrawOptionPage kana(options, m_prompter);
    kana.SetDrawView(kHiragana, true, false);
    changeAll(kana);
    m_prompter.ScriptAnswers({false, true});
    EXPECT_FALSE(kana.CanLeave());
    EXPECT_TRUE(kana.CanLeave());
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>(2, CDrawOptionPage::kGojuuQuestion)));

    // With no Draw View open nothing is re-shuffled or erased.
    m_prompter.Clear();
    CDrawOptionPage closed(options, m_prompter);
    changeAll(closed);
    EXPECT_TRUE(closed.CanLeave());
    EXPECT_TRUE(m_prompter.Texts().empty());
}

// In the options sheet, told about the Draw View behind it, the page's values are taken over
// on OK only.
TEST_F(DrawOptionPageTest, TheSheetTakesTheValuesOverOnOkOnly) {
    COptionSheetContext context;
    context.drawViewOpen = true;
    context.drawMode = kHiragana;
    for (bool ok : {false, true}) {
        QTimer::singleShot(0, [ok] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            Button(*dialog, "Simple Strokes")->click();
            Button(*dialog, "Raw Input")->click();
            dialog->findChild<QDialogButtonBox*>()
                ->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                ->click();
            if (dialog->isVisible()) dialog->reject();
        });
        COptionSheet sheet(COptionValues{}, context, OptionTab::kDrawView, m_prompter);
        EXPECT_EQ(sheet.Tabs().tabText(sheet.Tabs().currentIndex()), QStringLiteral("Draw View"));
        EXPECT_EQ(sheet.Run(), ok);
        if (!ok) continue;
        CDrawOptions expected;
        expected.drawingStyle = 1;
        expected.rawInput = 1;
        EXPECT_EQ(sheet.Values().options.draw, expected);
    }
    EXPECT_TRUE(m_prompter.Texts().empty());
}

}  // namespace
}  // namespace brushly
