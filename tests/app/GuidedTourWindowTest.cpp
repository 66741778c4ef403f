#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

#include "app/CMainView.h"
#include "app/CMainWindow.h"
#include "app/CPracticeViews.h"
#include "app/CViewSwitcher.h"
#include "app/MainWindowFixture.h"
#include "app/tour/qt/CGuidedTourWindow.h"
#include "app/wordgroup/qt/CWordGroupView.h"
#include "handwriting/CDrawBoxPracticeDialog.h"
#include "practice/CDrawPractice.h"
#include "practice/CDrawView.h"
#include "support/NamedChild.h"

namespace brushly {
namespace {

class GuidedTourWindowTest : public testing::MainWindowFixture {
protected:
    GuidedTourWindowTest() {
        // Any modal dialog (the draw box practice, a message box) is counted and closed.
        m_modalGuard.setInterval(0);
        QObject::connect(&m_modalGuard, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                m_modals.push_back(dynamic_cast<CDrawBoxPracticeDialog*>(modal)
                                       ? "draw box practice"
                                       : modal->metaObject()->className());
                modal->close();
            }
        });
        m_modalGuard.start();
    }

    CGuidedTourWindow& OpenTour() {
        m_window->show();
        Action("guidedTourAction")->trigger();
        CGuidedTourWindow* tour = m_window->GuidedTour();
        EXPECT_NE(tour, nullptr);
        return *tour;
    }

    static void ClickNext(CGuidedTourWindow& tour, int times = 1) {
        for (int i = 0; i < times; ++i)
            testing::Child<QPushButton>(tour, "tourNextButton").click();
    }

    // The view the main window shows, by the tour's names.
    std::string ActiveView() {
        if (m_window->Views().MainViewShown()) return "main";
        if (m_window->Views().currentWidget() == &m_window->WordGroupView()) return "group";
        CPracticeViews& practice = m_window->Practice();
        if (practice.Flash()) return "flash";
        if (practice.KanaReading()) return "kana flash";
        if (practice.KanaTable()) return "kana table";
        if (const CDrawView* draw = practice.Draw())
            return draw->Practice().Mode() == CDrawPractice::kKanjiMode ? "draw" : "kana draw";
        return "other";
    }

    QTimer m_modalGuard;
    std::vector<std::string> m_modals;
};

TEST_F(GuidedTourWindowTest, WalksAllPagesOfTheSampleDocumentInTheirViews) {
    AddNumbersGroup();  // kanji the small database can draw
    m_window->MainView().Commands().SetSelection({"Numbers"});
    CGuidedTourWindow& tour = OpenTour();
    auto& back = testing::Child<QPushButton>(tour, "tourBackButton");
    auto& next = testing::Child<QPushButton>(tour, "tourNextButton");
    auto& text = testing::Child<QLabel>(tour, "tourText");

    std::vector<std::string> expected(32, "main");
    for (int page : {10, 11, 12})
        expected[page - 1] = "group";
    for (int page : {14, 15, 16, 17})
        expected[page - 1] = "flash";
    for (int page = 19; page <= 24; ++page)
        expected[page - 1] = "draw";
    expected[25] = "kana flash";
    expected[27] = "kana draw";
    expected[29] = expected[30] = "kana table";

    std::vector<std::string> seen;
    for (int page = 1; page <= 32; ++page) {
        if (page > 1) ClickNext(tour);
        QApplication::processEvents();
        ASSERT_EQ(tour.Tour().Page(), page);
        EXPECT_EQ(tour.windowTitle(),
                  QStringLiteral("Brushly Guided Tour: Page %1 of 32").arg(page));
        EXPECT_EQ(back.isEnabled(), page > 1);
        EXPECT_EQ(next.text(), page == 32 ? QStringLiteral("FINISH") : QStringLiteral("NEXT"));
        seen.push_back(ActiveView());
    }
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(text.text().contains(QStringLiteral("DONE.  You're ready to go...")));
    // The draw box practice waited and no view complained.
    EXPECT_TRUE(m_modals.empty());
    EXPECT_TRUE(m_prompter.Texts().empty());

    back.click();
    EXPECT_EQ(tour.Tour().Page(), 31);
    EXPECT_EQ(ActiveView(), "kana table");
    ClickNext(tour, 2);  // FINISH closes the tour
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(m_window->GuidedTour(), nullptr);
}

TEST_F(GuidedTourWindowTest, AnEmptyDocumentPassesFromTheWordGroupsPageToTheFlashPage) {
    CBrushly2Doc& document = m_application.Document();
    const std::vector<std::string> names = document.Cards().GroupNames();
    for (const std::string& name : names)
        ASSERT_TRUE(document.Cards().DeleteGroup(name));
    m_window->MainView().Refresh();
    CGuidedTourWindow& tour = OpenTour();
    ClickNext(tour, 8);
    EXPECT_EQ(tour.windowTitle(), QStringLiteral("Brushly Guided Tour: Page 9 of 32"));
    const QString text = testing::Child<QLabel>(tour, "tourText").text();
    EXPECT_TRUE(text.contains(
        QStringLiteral("NOTE:  There must be a least one Word Group to continue with the Tour.")));
    ClickNext(tour);
    EXPECT_EQ(tour.windowTitle(), QStringLiteral("Brushly Guided Tour: Page 13 of 32"));
    EXPECT_EQ(ActiveView(), "main");
    testing::Child<QPushButton>(tour, "tourBackButton").click();
    EXPECT_EQ(tour.Tour().Page(), 9);
    EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(GuidedTourWindowTest, TheFlashPagesStartOnTheFirstGroupWhenNoneIsSelected) {
    CGuidedTourWindow& tour = OpenTour();
    ASSERT_TRUE(m_window->MainView().Commands().Selection().empty());
    ClickNext(tour, 13);
    EXPECT_EQ(tour.Tour().Page(), 14);
    ASSERT_NE(m_window->FlashView(), nullptr);
    EXPECT_EQ(m_window->MainView().Commands().Selection(),
              std::vector<std::string>{m_application.Document().Cards().GroupNames().front()});
}

TEST_F(GuidedTourWindowTest, ANarrowWindowTakesTheShortTitle) {
    CGuidedTourWindow& tour = OpenTour();
    ClickNext(tour, 4);
    tour.resize(250, 300);
    EXPECT_EQ(tour.windowTitle(), QStringLiteral("(5/32) - Guided Tour"));
    tour.resize(251, 300);
    EXPECT_EQ(tour.windowTitle(), QStringLiteral("Brushly Guided Tour: Page 5 of 32"));
}

TEST_F(GuidedTourWindowTest, TheTourFollowsTheUserIntoTheDrawViewAndIsOpenedOnce) {
    AddNumbersGroup();
    m_window->MainView().Commands().SetSelection({"Numbers"});
    CGuidedTourWindow& tour = OpenTour();
    ClickNext(tour, 4);
    Action("guidedTourAction")->trigger();
    EXPECT_EQ(m_window->GuidedTour(), &tour);
    EXPECT_EQ(tour.Tour().Page(), 5);

    Action("drawAction")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(ActiveView(), "draw");
    EXPECT_EQ(tour.windowTitle(), QStringLiteral("Brushly Guided Tour: Page 19 of 32"));
    EXPECT_TRUE(m_modals.empty());

    // Without the tour the draw box practice comes with the next Draw View.
    tour.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(m_window->GuidedTour(), nullptr);
    Action("drawAction")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(m_modals, std::vector<std::string>{"draw box practice"});
}

}  // namespace
}  // namespace brushly
