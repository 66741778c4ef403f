#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/tour/CGuidedTour.h"
#include "app/tour/TourPages.h"

namespace brushly {
namespace {

// A main window of groups that shows whatever view it is told to and records the commands.
class CFakeTourHost final : public CGuidedTourHost {
public:
    std::vector<std::string> groups;
    std::vector<std::string> selection;
    TourView view = TourView::kMainView;
    std::vector<std::string> commands;

    TourView ActiveView() const override { return view; }
    std::optional<std::string> FirstGroup() const override {
        if (groups.empty()) return std::nullopt;
        return groups.front();
    }
    std::vector<std::string> Selection() const override { return selection; }
    void SetSelection(const std::vector<std::string>& names) override {
        selection = names;
        commands.push_back("select " + names.front());
    }
    void ShowMainView() override { Show(TourView::kMainView, "main"); }
    void OpenWordGroupView(const std::string& group) override {
        Show(TourView::kWordGroupView, "open " + group);
    }
    void StartFlash() override { Show(TourView::kFlashView, "flash"); }
    void StartDraw() override { Show(TourView::kDrawView, "draw"); }
    void StartKanaReading() override { Show(TourView::kKanaFlashView, "kana reading"); }
    void StartKanaDrawing() override { Show(TourView::kKanaDrawView, "kana drawing"); }
    void ShowKanaTable() override { Show(TourView::kKanaTableView, "kana table"); }

private:
    void Show(TourView shown, std::string command) {
        view = shown;
        commands.push_back(std::move(command));
    }
};

TEST(GuidedTourTest, WithoutWordGroupsNextAndBackPassOverThePagesThatNeedOne) {
    CFakeTourHost host;
    CGuidedTour tour(host);
    tour.GoTo(9);
    std::vector<int> forward;
    while (!tour.IsLastPage() && tour.Page() < 26) {
        tour.Next();
        forward.push_back(tour.Page());
    }
    EXPECT_EQ(forward, (std::vector<int>{13, 18, 25, 26}));
    std::vector<int> backward;
    while (tour.Page() > 9) {
        tour.Back();
        backward.push_back(tour.Page());
    }
    EXPECT_EQ(backward, (std::vector<int>{25, 18, 13, 9}));
    // Nothing tried to open a view that needs a group.
    for (const std::string& command : host.commands) {
        EXPECT_TRUE(command == "main" || command == "kana reading") << command;
    }
}

TEST(GuidedTourTest, EachPageBringsItsViewOnceAndPicksTheFirstGroupWithoutASelection) {
    CFakeTourHost host;
    host.groups = {"Animals", "Colors"};
    host.view = TourView::kFlashView;
    CGuidedTour tour(host);
    tour.ShowPage();  // pages 1 and 2 leave any view
    tour.Next();
    EXPECT_TRUE(host.commands.empty());

    std::vector<TourView> views{TourView::kFlashView, TourView::kFlashView};
    while (!tour.IsLastPage()) {
        tour.Next();
        views.push_back(host.view);
        EXPECT_EQ(host.view, CGuidedTour::RequiredView(tour.Page())) << tour.Page();
    }
    ASSERT_EQ(views.size(), 32u);
    EXPECT_EQ(views[9], TourView::kWordGroupView);
    EXPECT_EQ(views[13], TourView::kFlashView);
    EXPECT_EQ(views[23], TourView::kDrawView);
    EXPECT_EQ(views[25], TourView::kKanaFlashView);
    EXPECT_EQ(views[27], TourView::kKanaDrawView);
    EXPECT_EQ(views[30], TourView::kKanaTableView);
    EXPECT_EQ(views[31], TourView::kMainView);
    // Each view started once on entering its pages; the first group chosen once.
    EXPECT_EQ(host.commands,
              (std::vector<std::string>{"main", "select Animals", "open Animals", "main", "flash",
                                        "main", "draw", "main", "kana reading", "main",
                                        "kana drawing", "main", "kana table", "main"}));
}

TEST(GuidedTourTest, AGivenSelectionIsKeptAndTheViewIsBroughtBackWhenLeft) {
    CFakeTourHost host;
    host.groups = {"Animals", "Colors"};
    host.selection = {"Colors", "Animals"};
    CGuidedTour tour(host);
    tour.GoTo(11);
    EXPECT_EQ(host.commands, std::vector<std::string>{"open Colors"});
    tour.GoTo(15);
    host.view = TourView::kMainView;  // the user went back to the main view
    tour.Next();
    EXPECT_EQ(tour.Page(), 16);
    EXPECT_EQ(host.commands, (std::vector<std::string>{"open Colors", "flash", "flash"}));
}

TEST(GuidedTourTest, PagesAreClampedAndButtonsAndTitlesFollowThePage) {
    CFakeTourHost host;
    CGuidedTour tour(host);
    EXPECT_EQ(tour.Page(), 1);
    EXPECT_FALSE(tour.BackEnabled());
    EXPECT_STREQ(tour.NextText(), "NEXT");
    tour.Back();
    EXPECT_EQ(tour.Page(), 1);
    EXPECT_EQ(tour.Title(251), "Brushly Guided Tour: Page 1 of 32");
    EXPECT_EQ(tour.Title(250), "(1/32) - Guided Tour");

    tour.GoTo(99);
    EXPECT_EQ(tour.Page(), 32);
    EXPECT_TRUE(tour.BackEnabled());
    EXPECT_STREQ(tour.NextText(), "FINISH");
    tour.Next();
    EXPECT_EQ(tour.Page(), 32);
    EXPECT_EQ(tour.Title(600), "Brushly Guided Tour: Page 32 of 32");
    tour.GoTo(-4);
    EXPECT_EQ(tour.Page(), 1);
}

TEST(GuidedTourTest, EnteringTheKanjiDrawViewTurnsToItsFirstPage) {
    CFakeTourHost host;
    host.groups = {"Animals"};
    CGuidedTour tour(host);
    tour.GoTo(5);
    tour.ViewEntered(TourView::kKanaDrawView);
    tour.ViewEntered(TourView::kFlashView);
    EXPECT_EQ(tour.Page(), 5);
    tour.ViewEntered(TourView::kDrawView);
    EXPECT_EQ(tour.Page(), 19);
    tour.GoTo(22);
    tour.ViewEntered(TourView::kDrawView);
    EXPECT_EQ(tour.Page(), 22);
    tour.GoTo(28);
    tour.ViewEntered(TourView::kDrawView);
    EXPECT_EQ(tour.Page(), 19);
}

TEST(GuidedTourTest, HeadingsRunInOrderAndNameTheViewOfTheirPage) {
    const std::vector<std::string> required = {"Welcome to the guided tour of Brushly 2.0.",
                                               "BRUSHLY 2.0 HELP",
                                               "What can you do with Brushly?",
                                               "This is the Brushly MAIN VIEW.",
                                               "MAIN VIEW - Dictionary Tools",
                                               "MAIN VIEW - Word Groups",
                                               "WORD GROUP VIEW",
                                               "WORD GROUP VIEW - Editing",
                                               "MAIN VIEW - select Flash View",
                                               "FLASH VIEW - 'Quiz Modes'",
                                               "FLASH VIEW",
                                               "FLASH VIEW - Stroke-Order Demonstration",
                                               "FLASH VIEW - Vertical Text",
                                               "MAIN VIEW - select Draw View",
                                               "DRAW VIEW",
                                               "DRAW VIEW - Feedback",
                                               "DRAW VIEW - Feedback 2",
                                               "DRAW VIEW - Kanji Hints",
                                               "DRAW VIEW - Stroke-Order Demonstration",
                                               "DRAW VIEW - Practice",
                                               "MAIN VIEW - select Kana Flash View",
                                               "KANA FLASH VIEW",
                                               "MAIN VIEW - select Kana Draw View",
                                               "KANA DRAW VIEW",
                                               "MAIN VIEW - almost done",
                                               "KANA TABLE VIEW",
                                               "DONE.  You're ready to go..."};
    std::size_t next = 0;
    for (int page = 1; page <= CGuidedTour::kPageCount; ++page) {
        const std::string heading = TourPages()[page - 1].heading;
        if (next < required.size() && heading == required[next]) ++next;
        const std::pair<TourView, const char*> prefixes[] = {
            {TourView::kWordGroupView, "WORD GROUP VIEW"},
            {TourView::kFlashView, "FLASH VIEW"},
            {TourView::kDrawView, "DRAW VIEW"},
            {TourView::kKanaFlashView, "KANA FLASH"},
            {TourView::kKanaDrawView, "KANA DRAW"},
            {TourView::kKanaTableView, "KANA TABLE"},
            {TourView::kMainView, "MAIN VIEW"}};
        for (const auto& [view, prefix] : prefixes) {
            if (CGuidedTour::RequiredView(page) == view && page > 3 && page < 32) {
                EXPECT_NE(heading.find(prefix), std::string::npos) << page << ' ' << heading;
            }
        }
        EXPECT_FALSE(std::string(TourPages()[page - 1].text).empty()) << page;
    }
    EXPECT_EQ(next, required.size());
    EXPECT_TRUE(CGuidedTour::HasWordGroupNote(9));
    EXPECT_TRUE(CGuidedTour::HasWordGroupNote(13));
    EXPECT_TRUE(CGuidedTour::HasWordGroupNote(18));
    EXPECT_FALSE(CGuidedTour::HasWordGroupNote(10));
}

}  // namespace
}  // namespace brushly
