// The Kana Flash View and Kana Table View option pages driven through their controls
// offscreen: values shown and taken over, the Include question, and the levels rule.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include "app/CKanaOptionPage.h"
#include "app/CKanaStatOptionPage.h"
#include "app/COptionPageTiming.h"
#include "app/COptionSheet.h"
#include "platform/CScriptedPrompter.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

QAbstractButton* Button(const QWidget& root, const char* text) {
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>())
        if (button->text() == QString::fromLatin1(text)) return button;
    ADD_FAILURE() << "no button " << text;
    return nullptr;
}

class KanaOptionPagesTest : public ::testing::Test {
protected:
    KanaOptionPagesTest() { testing::EnsureQtApplication(); }

    CScriptedPrompter m_prompter;
};

TEST_F(KanaOptionPagesTest, TheKanaPageShowsTheDefaultsAndRoundTripsEveryField) {
    CKanaOptionPage page(CKanaFlashOptions{}, m_prompter);
    for (const char* on : {"Multiple Choice", "Time Limit:", "All kana", "Random"})
        EXPECT_TRUE(Button(page, on)->isChecked()) << on;
    EXPECT_FALSE(Button(page, "Auto \"Flip\":")->isChecked());
    EXPECT_NE(Button(page, "\"Alphabetic\""), nullptr);
    EXPECT_NE(Button(page, "Only gojuu-on and daku/handaku-on (50 sounds + g,z,d,b,p)"), nullptr);
    EXPECT_EQ(page.Options(), CKanaFlashOptions{});

    const CKanaFlashOptions unusual{2, 10, 20, 1, 1, 0, 3.5, 29.0, 2};
    EXPECT_EQ(CKanaOptionPage(unusual, m_prompter).Options(), unusual);
}

TEST_F(KanaOptionPagesTest, ChangingIncludeAsksOnlyWithTheKanaViewOpenAndNoKeepsThePage) {
    CKanaOptionPage page(CKanaFlashOptions{}, m_prompter);
    Button(page, "Only gojuu-on (50 sounds)")->click();
    page.findChild<QLineEdit*>("autoFlipSeconds")->setText(QStringLiteral("0"));
    EXPECT_FALSE(page.CanLeave());
    page.findChild<QLineEdit*>("autoFlipSeconds")->setText(QStringLiteral("1.5"));
    EXPECT_TRUE(page.CanLeave());

    page.SetKanaViewOpen(true);
    m_prompter.ScriptAnswers({false, true});
    EXPECT_FALSE(page.CanLeave());
    EXPECT_TRUE(page.CanLeave());
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{COptionPageTiming::kAutoFlipMessage,
                                                            CKanaOptionPage::kReshuffleQuestion,
                                                            CKanaOptionPage::kReshuffleQuestion}));
    EXPECT_EQ(page.Options().kanaSet, 1);
    EXPECT_EQ(page.Options().autoFlipSeconds, 1.5);

    // Other changes re-shuffle nothing.
    CKanaOptionPage order(CKanaFlashOptions{}, m_prompter);
    order.SetKanaViewOpen(true);
    Button(order, "\"Alphabetic\"")->click();
    Button(order, "No Quiz")->click();
    EXPECT_TRUE(order.CanLeave());
    EXPECT_EQ(m_prompter.Texts().size(), 3u);
}

TEST_F(KanaOptionPagesTest, TheLevelsPushEachOtherSoLowerNeverPassesUpper) {
    CKanaStatOptionPage page(CKanaFlashOptions{});
    auto* lower = page.findChild<QSpinBox*>("lowerLevel");
    auto* upper = page.findChild<QSpinBox*>("upperLevel");
    EXPECT_EQ(lower->value(), 50);
    EXPECT_EQ(upper->value(), 75);

    lower->setValue(80);
    EXPECT_EQ(page.Options().lowerRange, 80);
    EXPECT_EQ(page.Options().upperRange, 80);
    upper->setValue(30);
    EXPECT_EQ(page.Options().lowerRange, 30);
    EXPECT_EQ(page.Options().upperRange, 30);
    upper->setValue(120);
    EXPECT_EQ(upper->value(), 99);

    CKanaFlashOptions crossed;
    crossed.lowerRange = 90;
    crossed.upperRange = 40;
    EXPECT_EQ(CKanaStatOptionPage(crossed).Options().upperRange, 90);
}

// The sheet takes the two kana pages' fields over on OK only, each page its own fields of
// the kana block.
TEST_F(KanaOptionPagesTest, TheSheetTakesOverEachPagesOwnFieldsOnOkOnly) {
    const auto whenModal = [](QDialogButtonBox::StandardButton which, auto act) {
        QTimer::singleShot(0, [which, act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            act(*dialog);
            dialog->findChild<QDialogButtonBox*>()->button(which)->click();
            if (dialog->isVisible()) dialog->reject();
        });
    };
    COptionSheetContext context;
    context.kanaViewOpen = true;
    const auto edit = [&](OptionTab first, bool expected) {
        COptionSheet sheet(COptionValues{}, context, first, m_prompter);
        EXPECT_EQ(sheet.Run(), expected);
        return sheet.Values().options.kanaFlash;
    };
    whenModal(QDialogButtonBox::Cancel,
              [](QDialog& dialog) { dialog.findChild<QSpinBox*>("lowerLevel")->setValue(60); });
    edit(OptionTab::kKanaTableView, false);

    m_prompter.ScriptAnswers({false});
    whenModal(QDialogButtonBox::Ok, [](QDialog& dialog) {
        auto* tabs = dialog.findChild<QTabWidget*>();
        EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("Kana Flash View"));
        dialog.findChild<QSpinBox*>("lowerLevel")->setValue(60);
        // The Flash View page has a quiz mode too: the buttons of the page shown.
        QWidget& page = *tabs->currentWidget();
        Button(page, "Fill in the Blank")->click();
        Button(page, "All kana")->click();
        Button(page, "Only gojuu-on (50 sounds)")->click();
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_TRUE(dialog.isVisible());
        Button(page, "All kana")->click();
    });
    CKanaFlashOptions expected;
    expected.lowerRange = 60;
    expected.quizMode = 1;
    EXPECT_EQ(edit(OptionTab::kKanaFlashView, true), expected);
    EXPECT_EQ(m_prompter.Texts(), (std::vector<std::string>{CKanaOptionPage::kReshuffleQuestion}));
}

}  // namespace
}  // namespace brushly
