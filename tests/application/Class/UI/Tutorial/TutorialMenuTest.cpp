#include "application/ScreenFramework/ApplicationTest.h"

#include "application/support/ScopedLogCapture.h"

#include "Class/UI/Operating/View/Animation/OperateAnimation.h"
#include "Class/UI/Operating/View/Slider/SliderControlNib.h"
#include "Class/UI/Operating/View/Slider/SliderControlView.h"
#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"
#include "Class/UI/Tutorial/View/FirstTutorialPageViewControllers.h"
#include "Class/UI/Tutorial/View/TutorialDemoPageViewControllers.h"
#include "Class/UI/Tutorial/View/TutorialMenuCell.h"
#include "Class/UI/Tutorial/View/TutorialMenuFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuViewController.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"
#include "Class/UI/Tutorial/ViewModel/TutorialMenuViewModel.h"

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/StoryboardRegistry.h"
#include "ui/TableView.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace screen_testing {
namespace {

class TutorialMenuTest : public ApplicationTest {
protected:
    TutorialMenuViewController& shownMenu()
    {
        showStack();
        transitionManager->showTutorialMenu();
        settle();
        auto* menu = dynamic_cast<TutorialMenuViewController*>(stack->topViewController());
        EXPECT_NE(menu, nullptr);
        return *menu;
    }
};

TEST_F(TutorialMenuTest, FiveRowsTheLastWithoutHeightOrText)
{
    TutorialMenuViewController& menu = shownMenu();
    ui::TableView& table = *menu.tutorialMenuList;
    EXPECT_EQ(menu.tutorialTitle->text(), "Tutorial");
    EXPECT_EQ(menu.numberOfRows(table, 0), 5);
    const struct {
        int row;
        std::string title;
        std::string description;
    } rows[] = {
        {0, "Before Use", ""},
        {1, "How to use Tolvane", "Parking the vehicle"},
        {2, "How to use Tolvane", "Exiting a parking space"},
        {3, "Detailed instructions", ""},
    };
    // 98 points of the 926-point design height on an 844-point screen.
    const double rowHeight = 844.0 * 98 / 926;
    for (const auto& r : rows) {
        auto cell = std::dynamic_pointer_cast<TutorialMenuCell>(table.cellForRow({0, r.row}));
        ASSERT_TRUE(cell) << r.row;
        EXPECT_EQ(cell->titleLabel->text().value_or(""), r.title);
        EXPECT_EQ(cell->descriptionLabel->text().value_or(""), r.description);
        EXPECT_DOUBLE_EQ(table.rectForRow({0, r.row}).height(), rowHeight);
    }
    EXPECT_EQ(table.rectForRow({0, 4}).height(), 0);
    EXPECT_EQ(menu.heightForHeader(table, 0), 2.2250738585072014e-308);
    EXPECT_DOUBLE_EQ(table.separatorInset().left, 390.0 * 15 / 428);
    EXPECT_DOUBLE_EQ(table.separatorFrames().back().maxY(), table.rectForRow({0, 3}).maxY()) << "no separators below the rows";
    EXPECT_FALSE(menu.navigationItem().leftBarButtonItems().empty()) << "its own leave";
    EXPECT_TRUE(menu.navigationItem().rightBarButtonItems().empty()) << "no settings button";
}

TEST_F(TutorialMenuTest, ARowOpensItsFlowAboveTheMenuAndTheEmptyRowNothing)
{
    testing_support::ScopedLogCapture log;
    TutorialMenuViewController& menu = shownMenu();
    menu.didSelectRow(*menu.tutorialMenuList, {0, 4});
    settle();
    EXPECT_EQ(stack->topViewController(), &menu);

    menu.didSelectRow(*menu.tutorialMenuList, {0, 1});
    settle();
    auto* flow = dynamic_cast<TutorialParkInFlowViewController*>(stack->topViewController());
    ASSERT_NE(flow, nullptr);
    EXPECT_TRUE(log.contains("go to ParkIn flow"));
    EXPECT_FALSE(menu.tutorialMenuList->indexPathForSelectedRow());
    EXPECT_EQ(flow->numberOfPages(), 4);
    EXPECT_FALSE(flow->navigationItem().rightBarButtonItems().empty()) << "the menu flows show the settings button";

    flow->tapNavigationButtonLeave();
    settle();
    EXPECT_EQ(stack->topViewController(), &menu) << "a flow leaves back to the screen second on the stack";
}

TEST_F(TutorialMenuTest, EachItemCallsItsShowOperation)
{
    const struct {
        TutorialMenuItem item;
        std::vector<std::string> calls;
    } cases[] = {
        {TutorialMenuItem::Connection, {"showTutorialConnecting"}}, {TutorialMenuItem::ParkIn, {"showTutorialParkIn"}},
        {TutorialMenuItem::ParkOut, {"showTutorialParkOut"}},       {TutorialMenuItem::Movie, {"showTutorialMovie"}},
        {TutorialMenuItem::Dummy, {}},
    };
    for (const auto& c : cases) {
        auto viewModel = make<TutorialMenuViewModel>();
        router->calls.clear();
        viewModel->onSelectMenuItem(c.item);
        EXPECT_EQ(router->calls, c.calls) << caseName(c.item);
    }
    EXPECT_FALSE(foundation::fromRaw<TutorialMenuItem>(5));
}

TEST_F(TutorialMenuTest, MenuFlowsShowTheirPagesInOrder)
{
    showStack();
    const struct {
        std::function<void()> show;
        int pages;
        bool indicatorShown;
    } cases[] = {
        {[this] { transitionManager->showTutorialConnecting(); }, 1, false},
        {[this] { transitionManager->showTutorialParkIn(); }, 4, true},
        {[this] { transitionManager->showTutorialParkOut(); }, 5, true},
        {[this] { transitionManager->showTutorialMovie(); }, 1, false},
    };
    for (const auto& c : cases) {
        c.show();
        settle();
        auto* flow = dynamic_cast<TutorialStoryboardFlowViewController*>(stack->topViewController());
        ASSERT_NE(flow, nullptr);
        EXPECT_EQ(flow->numberOfPages(), c.pages);
        EXPECT_EQ(!flow->stepIndicator().isHidden(), c.indicatorShown);
        EXPECT_TRUE(flow->pageControllers[0]);
        if (c.pages > 1) {
            EXPECT_TRUE(flow->pageControllers[1]);
        }
        stack->popViewController(false);
        settle();
    }
}

} // namespace
} // namespace screen_testing

namespace screen_testing {
namespace {

TEST_F(TutorialMenuTest, ParkOutPagesComeInTheirOrderAndALoadedSlotIsReplacedAsWritten)
{
    showStack();
    transitionManager->showTutorialParkOut();
    settle();
    auto* flow = dynamic_cast<TutorialParkOutFlowViewController*>(stack->topViewController());
    ASSERT_NE(flow, nullptr);
    EXPECT_EQ(flow->pageStoryboards(), (std::vector<std::string>{"TutorialParkOutStart", "TutorialParkOutSelect", "TutorialParkOutControl",
                                                                 "TutorialParkOutOverrideView", "TutorialParkOutDetail"}));
    // Kept as written: loading a slot that holds a page makes a new one and leaves the old one a child.
    const auto earlier = flow->pageControllers[0];
    flow->loadPage(0);
    EXPECT_NE(flow->pageControllers[0], earlier);
    EXPECT_EQ(earlier->parent(), flow);
    EXPECT_EQ(flow->children().size(), 3u);
}

} // namespace
} // namespace screen_testing

namespace screen_testing {
namespace {

TEST_F(TutorialMenuTest, TheControlPageRunsTheHandWhileShownAndStopsAllItsTimersWhenUnloaded)
{
    showStack();
    transitionManager->showTutorialParkOut();
    settle();
    auto* flow = dynamic_cast<TutorialParkOutFlowViewController*>(stack->topViewController());
    ASSERT_NE(flow, nullptr);
    ui::ScrollView& carousel = flow->carousel();
    carousel.setContentOffset({carousel.bounds().width(), 0});
    settle();
    auto control = std::dynamic_pointer_cast<TutorialParkOutControlViewController>(flow->pageControllers[2]);
    ASSERT_TRUE(control);
    const auto hand = control->sliderControl->tutorialAnimationTimer();
    ASSERT_TRUE(hand);
    EXPECT_TRUE(hand->isValid()) << "a neighbour page appears with the flow";
    EXPECT_TRUE(control->sliderControl->isTutorial());

    for (int page = 2; page <= 4; ++page)
        carousel.setContentOffset({carousel.bounds().width() * page, 0});
    settle();
    EXPECT_FALSE(flow->pageControllers[2]) << "unloaded";
    EXPECT_FALSE(hand->isValid());
    const OperateAnimation& animation = *control->sliderControl->operateAnimation();
    for (const auto& timer : {animation.beforeAnimationTimer, animation.holdingAnimationTimer})
        EXPECT_TRUE(!timer || !timer->isValid());
}

TEST_F(TutorialMenuTest, EverySliderPageHoldsOneSlider)
{
    using Page = ui::ViewController;
    const struct {
        const char* storyboard;
        std::function<std::shared_ptr<SliderControlView>(Page&)> slider;
    } cases[] = {
        {"FirstTutorialControlling", [](Page& page) { return dynamic_cast<FirstTutorialControllingViewController&>(page).sliderControl; }},
        {"TutorialParkInControl", [](Page& page) { return dynamic_cast<TutorialControlPageViewController&>(page).sliderControl; }},
        {"TutorialParkOutControl", [](Page& page) { return dynamic_cast<TutorialControlPageViewController&>(page).sliderControl; }},
    };
    for (const auto& c : cases) {
        const auto page = ui::StoryboardRegistry::shared().instantiateInitialViewController(c.storyboard);
        page->view();
        const auto slider = c.slider(*page);
        ASSERT_TRUE(slider) << c.storyboard;
        const auto tracks = std::ranges::count_if(slider->subviews(), [](const auto& view) { return dynamic_cast<SliderControlNib*>(view.get()); });
        EXPECT_EQ(tracks, 1) << c.storyboard << ": one knob and one track";
    }
}

TEST_F(TutorialMenuTest, TheParkInSelectPagePlaysItsPreviewOnce)
{
    showStack();
    transitionManager->showTutorialParkIn();
    settle();
    auto* flow = dynamic_cast<TutorialParkInFlowViewController*>(stack->topViewController());
    ASSERT_NE(flow, nullptr);
    auto select = std::dynamic_pointer_cast<TutorialParkInSelectViewController>(flow->pageControllers[1]);
    ASSERT_TRUE(select) << "a neighbour page is loaded with the flow";
    EXPECT_EQ(select->inPlanPreview->playingAnimation(), "anim_back_to_left_parallel");
}

TEST_F(TutorialMenuTest, TheParkOutPreviewsButtonsReplayTheirAnimationsAndSelectNoPlan)
{
    showStack();
    transitionManager->showTutorialParkOut();
    settle();
    auto* flow = dynamic_cast<TutorialParkOutFlowViewController*>(stack->topViewController());
    ASSERT_NE(flow, nullptr);
    auto select = std::dynamic_pointer_cast<TutorialParkOutSelectViewController>(flow->pageControllers[1]);
    ASSERT_TRUE(select);
    FrontBackPreview& preview = *select->frontBackPreview;
    EXPECT_TRUE(preview.isTutorial);
    EXPECT_EQ(preview.playingAnimation(), "anim_front_parallel");
    ASSERT_FALSE(preview.buttonTC->isHidden());
    ASSERT_FALSE(preview.buttonRC->isHidden());

    preview.buttonRC->tap();
    EXPECT_EQ(preview.playingAnimation(), "anim_back_parallel");
    preview.buttonTC->tap();
    EXPECT_EQ(preview.playingAnimation(), "anim_front_parallel");
    EXPECT_FALSE(preview.currentSelect().has_value());
    EXPECT_FALSE(preview.selectByUser.has_value());
}

} // namespace
} // namespace screen_testing
