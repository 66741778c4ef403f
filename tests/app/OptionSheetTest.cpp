// The options sheet: which page opens, what redraws after OK, how the values are taken over,
// and the sheet itself driven offscreen (its pages, the General page, a refusing page).
#include "app/COptionSheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <functional>

#include "app/CFlashOptionPage.h"
#include "app/CGeneralOptionPage.h"
#include "document/CBrushly2Doc.h"
#include "platform/CMemorySettingsStore.h"
#include "platform/CScriptedPrompter.h"
#include "support/NamedChild.h"
#include "support/QtTestApplication.h"

namespace brushly {
namespace {

QAbstractButton* Button(const QWidget& root, const char* text) {
    return &testing::ButtonWithText(root, text);
}

TEST(OptionSheetRulesTest, EachEntryOpensItsPageAndToolsOptionsThePageOfTheShownView) {
    for (const OptionView shown :
         {OptionView::kOther, OptionView::kKanaTable, OptionView::kWordGroup}) {
        EXPECT_EQ(FirstOptionTab(OptionEntry::kFlashView, shown), OptionTab::kFlashView);
        EXPECT_EQ(FirstOptionTab(OptionEntry::kDrawView, shown), OptionTab::kDrawView);
        EXPECT_EQ(FirstOptionTab(OptionEntry::kKanaFlashView, shown), OptionTab::kKanaFlashView);
    }
    EXPECT_EQ(FirstOptionTab(OptionEntry::kTools, OptionView::kOther), OptionTab::kFlashView);
    EXPECT_EQ(FirstOptionTab(OptionEntry::kTools, OptionView::kKanaTable),
              OptionTab::kKanaTableView);
    EXPECT_EQ(FirstOptionTab(OptionEntry::kTools, OptionView::kWordGroup), OptionTab::kGeneral);
}

TEST(OptionSheetRulesTest, OnlyTheShownViewWhoseTextsChangedRedraws) {
    const COptionValues before;
    COptionValues ranges = before;
    ranges.options.kanaFlash.upperRange = 90;
    COptionValues longO = before;
    longO.longOMode = 1;
    COptionValues other = before;
    other.options.kanaFlash.quizMode = 2;
    other.options.flash.showReadings = 0;

    EXPECT_EQ(OptionRefresh(OptionView::kKanaTable, before, ranges), (COptionRefresh{true, false}));
    EXPECT_EQ(OptionRefresh(OptionView::kWordGroup, before, longO), (COptionRefresh{false, true}));
    EXPECT_EQ(OptionRefresh(OptionView::kKanaTable, before, other), COptionRefresh{});
    EXPECT_EQ(OptionRefresh(OptionView::kKanaTable, before, longO), COptionRefresh{});
    EXPECT_EQ(OptionRefresh(OptionView::kWordGroup, before, ranges), COptionRefresh{});
    EXPECT_EQ(OptionRefresh(OptionView::kOther, before, ranges), COptionRefresh{});
}

TEST(OptionSheetRulesTest, ValuesComeFromTheDocumentAndTheStoreAndGoBackInOneStep) {
    CMemorySettingsStore store;
    CScriptedPrompter prompter;
    CBrushly2Doc document(store, prompter, 1u);
    EXPECT_EQ(CurrentOptionValues(document, store), COptionValues{});
    store.WriteInt("oomode", 1);
    document.SetCommonWordsOnly(0);
    document.Options().draw.demoSpeed = 120;
    COptionValues values = CurrentOptionValues(document, store);
    EXPECT_EQ(values.longOMode, 1);
    EXPECT_EQ(values.commonWordsOnly, 0);
    EXPECT_EQ(values.options.draw.demoSpeed, 120);

    // The long-o display and the smooth strokes alone are no change to the document.
    EXPECT_EQ(values.smoothStrokes, 1);
    EXPECT_TRUE(document.SmoothStrokes());
    values.longOMode = 0;
    values.smoothStrokes = 0;
    ApplyOptionValues(values, document, store);
    EXPECT_EQ(store.GetInt("oomode", -1), 0);
    EXPECT_EQ(document.LongOMode(), 0);
    EXPECT_EQ(store.GetInt("smoothstrokes", -1), 0);
    EXPECT_FALSE(document.SmoothStrokes());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(CurrentOptionValues(document, store).smoothStrokes, 0);
    EXPECT_FALSE(CBrushly2Doc(store, prompter, 1u).SmoothStrokes());

    values.longOMode = 1;
    values.commonWordsOnly = 1;
    values.options.kanaFlash.lowerRange = 10;
    ApplyOptionValues(values, document, store);
    EXPECT_EQ(store.GetInt("oomode", -1), 1);
    EXPECT_EQ(document.LongOMode(), 1);
    EXPECT_EQ(document.CommonWordsOnly(), 1);
    EXPECT_EQ(document.Options(), values.options);
    EXPECT_TRUE(document.IsModified());
}

class OptionSheetTest : public ::testing::Test {
protected:
    OptionSheetTest() { testing::EnsureQtApplication(); }

    // Runs `act` on the sheet that the next modal loop opens; a sheet `act` leaves open is
    // cancelled so that a failing test cannot hang.
    static void WhenModal(std::function<void(COptionSheet&)> act) {
        QTimer::singleShot(0, [act = std::move(act)] {
            auto* sheet = dynamic_cast<COptionSheet*>(QApplication::activeModalWidget());
            ASSERT_NE(sheet, nullptr);
            act(*sheet);
            if (sheet->isVisible()) sheet->reject();
        });
    }

    static void PressOk(COptionSheet& sheet) {
        sheet.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }

    CScriptedPrompter m_prompter;
};

TEST_F(OptionSheetTest, ShowsFivePagesInOrderAndGivesBackWhatItWasGiven) {
    COptionValues values;
    values.options.flash.quizMode = 2;
    values.options.draw.kanaSet = 1;
    values.options.kanaFlash.order = 2;
    values.options.kanaFlash.lowerRange = 20;
    values.options.kanaFlash.upperRange = 30;
    values.commonWordsOnly = 0;
    values.longOMode = 1;
    COptionSheet sheet(values, {}, OptionTab::kGeneral, m_prompter);
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Brushly 2.0 Options"));
    const QStringList titles = {"Flash View", "Draw View", "Kana Flash View", "Kana Table View",
                                "General"};
    ASSERT_EQ(sheet.Tabs().count(), titles.size());
    for (int tab = 0; tab < titles.size(); ++tab)
        EXPECT_EQ(sheet.Tabs().tabText(tab), titles[tab]);
    EXPECT_EQ(sheet.Tabs().currentIndex(), 4);
    EXPECT_EQ(sheet.Values(), values);
}

TEST_F(OptionSheetTest, TheGeneralPageChoosesTheLongODisplayAndSaysBothFormsAreAccepted) {
    CGeneralOptionPage page(0, 1);
    QStringList groups;
    for (const QGroupBox* group : page.findChildren<QGroupBox*>())
        groups.append(group->title());
    EXPECT_EQ(groups, (QStringList{QString::fromLatin1(CGeneralOptionPage::kLongOTitle),
                                   QStringLiteral("Display")}));
    EXPECT_TRUE(Button(page, "OO (as in KOO, ROO)")->isChecked());
    EXPECT_EQ(page.findChild<QLabel*>()->text(),
              QString::fromLatin1(CGeneralOptionPage::kLongONote));
    Button(page, "OU (as in KOU, ROU)")->click();
    EXPECT_EQ(page.LongOMode(), 1);
    EXPECT_TRUE(Button(CGeneralOptionPage(1, 1), "OU (as in KOU, ROU)")->isChecked());

    auto& smooth = testing::Child<QCheckBox>(page, "smoothStrokes");
    EXPECT_EQ(smooth.text(), QStringLiteral("&Smooth the edges of drawn strokes"));
    EXPECT_TRUE(smooth.isChecked());
    smooth.click();
    EXPECT_EQ(page.SmoothStrokes(), 0);
    EXPECT_FALSE(testing::Child<QCheckBox>(CGeneralOptionPage(0, 0), "smoothStrokes").isChecked());
}

// The first page that refuses is shown, and the sheet stays until it is put right.
TEST_F(OptionSheetTest, OkShowsTheFirstPageThatRefusesAndStays) {
    COptionValues values;
    values.options.flash.includeKanji = 0;
    values.options.flash.includeCompounds = 0;
    values.options.flash.includeKanaWords = 0;
    values.options.flash.includeCounters = 0;
    WhenModal([](COptionSheet& sheet) {
        Button(*sheet.Tabs().widget(4), "OU (as in KOU, ROU)")->click();
        PressOk(sheet);
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.Tabs().currentIndex(), 0);
        Button(*sheet.Tabs().widget(0), "Kana Words")->click();
        PressOk(sheet);
        EXPECT_FALSE(sheet.isVisible());
    });
    COptionSheet sheet(values, {}, OptionTab::kGeneral, m_prompter);
    EXPECT_TRUE(sheet.Run());
    EXPECT_EQ(m_prompter.Texts(),
              std::vector<std::string>{CFlashOptionPage::kNothingIncludedMessage});
    EXPECT_EQ(sheet.Values().options.flash.includeKanaWords, 1);
    EXPECT_EQ(sheet.Values().longOMode, 1);
}

}  // namespace
}  // namespace brushly
