#include "ApplicationTest.h"
#include "ProbeScreen.h"
#include "ProbeViewModel.h"

#include "Class/SharedObject/Application.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"

#include "foundation/NotificationCenter.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/BarButtonItem.h"
#include "ui/Label.h"

#include <algorithm>

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;

size_t indicatorsIn(const ui::View& view)
{
    return static_cast<size_t>(std::count_if(view.subviews().begin(), view.subviews().end(), [](const auto& subview) {
        return std::dynamic_pointer_cast<ui::ActivityIndicatorView>(subview) != nullptr;
    }));
}

class BaseScreenTest : public ApplicationTest {
protected:
    BaseScreenTest()
    {
        showStack();
        screen->baseViewModel = viewModel;
        stack->pushViewController(screen, false);
        settle();
        Application::setSuspendHandler([this] { ++suspensions; });
    }
    ~BaseScreenTest() override { Application::setSuspendHandler(nullptr); }

    std::shared_ptr<ProbeScreen> screen = std::make_shared<ProbeScreen>();
    std::shared_ptr<ProbeViewModel> viewModel = make<ProbeViewModel>();
    int suspensions = 0;
};

TEST_F(BaseScreenTest, AScreenFollowsItsCommandsOnlyWhileShownAndOnceAfterComingBack)
{
    viewModel->baseAction.send(BaseAction::setIndicator{});
    EXPECT_EQ(screen->indicatorRequests, 1);

    stack->pushViewController(ui::StoryboardRegistry::shared().instantiateInitialViewController("Connecting"), false);
    settle();
    viewModel->baseAction.send(BaseAction::setIndicator{});
    EXPECT_EQ(screen->indicatorRequests, 1) << "covered screens follow nothing";

    stack->popViewController(false);
    settle();
    EXPECT_EQ(screen->indicatorRequests, 2) << "coming back carries out the latest command at once";
    viewModel->baseAction.send(BaseAction::setIndicator{});
    EXPECT_EQ(screen->indicatorRequests, 3) << "one subscription, not two";
}

TEST_F(BaseScreenTest, TheIndicatorIsShownOnceAndGoesWithEveryPresentation)
{
    screen->hideIndicator();
    screen->setIndicator();
    screen->setIndicator();
    EXPECT_EQ(indicatorsIn(screen->view()), 1u);
    ASSERT_TRUE(screen->indicator);
    EXPECT_TRUE(screen->indicator->isAnimating());
    EXPECT_TRUE(screen->indicator->isUserInteractionEnabled()) << "it swallows touches";

    screen->present(std::make_shared<ui::ViewController>(), false);
    EXPECT_EQ(indicatorsIn(screen->view()), 0u);
    EXPECT_FALSE(screen->indicator);
}

TEST_F(BaseScreenTest, TheIndicatorCoversTheWholeScreenAndSwallowsATouchNearACorner)
{
    screen->setIndicator();
    settle();
    ASSERT_TRUE(screen->indicator);
    EXPECT_EQ(screen->indicator->frame(), screen->view().bounds());
    for (const ui::Point corner : {ui::Point{4, 840}, ui::Point{386, 840}})
        EXPECT_EQ(window->hitTest(corner, nullptr), screen->indicator.get()) << corner.x << ", " << corner.y;
}

TEST_F(BaseScreenTest, TheNavigationBarShowsTheButtonsTheViewModelAsksFor)
{
    viewModel->exitButton = true;
    screen->setupNavigationBar();
    auto& item = screen->navigationItem();
    EXPECT_TRUE(item.hidesBackButton());
    auto title = std::dynamic_pointer_cast<ui::Label>(item.titleView());
    ASSERT_TRUE(title);
    EXPECT_EQ(title->text(), "Tolvane");
    EXPECT_TRUE(item.leftBarButtonItems().empty());
    ASSERT_EQ(item.rightBarButtonItems().size(), 2u) << "settings, then exit";
    for (const auto& button : item.rightBarButtonItems())
        EXPECT_TRUE(button->image()) << "drawn from the application's images";
    EXPECT_FALSE(stack->isNavigationBarHidden());

    item.rightBarButtonItems().front()->trigger();
    EXPECT_EQ(router->calls, Texts{"showSettings"});
}

TEST_F(BaseScreenTest, TheLeaveButtonClosesTheLinkAndLeavesTheHostOnlyWhenEmbedded)
{
    screen->setNavigationBarLeftButton();
    ASSERT_EQ(screen->navigationItem().leftBarButtonItems().size(), 1u);
    connect();
    screen->navigationItem().leftBarButtonItems().front()->trigger();
    time.advance(3.0);
    EXPECT_FALSE(store->isConnected());
    EXPECT_TRUE(sdkModel->calls.empty()) << "stand-alone, nothing follows the shutdown";

    auto host = std::make_shared<ui::ViewController>();
    TolvaneIntegrationAppHelper::shared().superViewController = host;
    screen->tapNavigationButtonLeave();
    settle();
    EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"}) << "the exit cycle follows the host's dismissal";
    TolvaneIntegrationAppHelper::shared().superViewController.reset();
}

TEST_F(BaseScreenTest, TerminatingEveryScreenReturnsToTheRootAndSuspends)
{
    screen->terminateAllViewControllers();
    settle();
    EXPECT_EQ(stack->viewControllers().size(), 1u);
    EXPECT_EQ(suspensions, 1);
    EXPECT_EQ(screen->stackClears, 1);
    EXPECT_EQ(router->calls, Texts{"popToRootViewController(stack)"});
}

TEST_F(BaseScreenTest, TerminatingOutsideANavigationStackOnlyLogs)
{
    auto alone = std::make_shared<ProbeScreen>();
    alone->baseViewModel = viewModel;
    alone->terminateAllViewControllers();
    EXPECT_TRUE(logs.contains("RootViewControllerを取得できません"));
    EXPECT_EQ(suspensions, 0);
}

TEST_F(BaseScreenTest, DismissingAndPoppingClosesNestedStacksInnermostFirst)
{
    auto outer = std::make_shared<BaseUINavigationController>(std::make_shared<ui::ViewController>());
    auto inner = std::make_shared<BaseUINavigationController>(std::make_shared<ui::ViewController>());
    screen->present(outer, false);
    settle();
    outer->present(inner, false);
    settle();
    screen->dismissAndPopToRoot(*screen);
    settle();
    EXPECT_EQ(stack->presentedViewController(), nullptr);
    EXPECT_EQ(outer->presentedViewController(), nullptr);
    EXPECT_EQ(stack->viewControllers().size(), 1u);
}

TEST_F(BaseScreenTest, TheApplicationEndingRunsTheExitCycleUntilTheScreenFirstDisappears)
{
    foundation::NotificationCenter::defaultCenter().post(Application::willTerminateNotification);
    EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"});
    stack->popViewController(false);
    settle();
    foundation::NotificationCenter::defaultCenter().post(Application::willTerminateNotification);
    EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"});
}

TEST_F(BaseScreenTest, TheConnectionFailureAlertGoesBackAndReportsIt)
{
    Texts statistics;
    TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [&](const std::map<std::string, std::string>& event) {
        statistics.push_back(event.at("key"));
    };
    viewModel->baseAction.send(BaseAction::showConnectionFailureAlert{});
    settle();
    auto* alert = dynamic_cast<CustomAlertController*>(stack->presentedViewController());
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), "Please contact your dealer");
    EXPECT_EQ(alert->message, "Cannot establish connection with the vehicle");
    ASSERT_EQ(alert->actions().size(), 1u);
    EXPECT_EQ(alert->actions().front()->title(), "Back");
    alert->firstButtonTapped();
    settle();
    EXPECT_EQ(statistics, Texts{"tirmalunesko/wufalianjiecheliang/queding"});
    EXPECT_EQ(stack->viewControllers().size(), 1u);
    TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr;
}

TEST_F(BaseScreenTest, OnlyAnInterruptionAlertOnShowIsMarkedAsClosedForTheEndScreen)
{
    screen->showConnectionFailureAlert();
    settle();
    viewModel->baseAction.send(BaseAction::setCurrentAlertDismissForWarn{});
    stack->presentedViewController()->dismiss(false);
    settle();

    screen->showAlertByPriority(RequiredDisplayId::HALT, CauseId::OBSTACLE, {});
    settle();
    auto* alert = dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController());
    ASSERT_NE(alert, nullptr);
    EXPECT_FALSE(alert->viewModel->dismissForWarn());
    viewModel->baseAction.send(BaseAction::setCurrentAlertDismissForWarn{});
    EXPECT_TRUE(alert->viewModel->dismissForWarn());
}

TEST_F(BaseScreenTest, TheInterruptionAlertShowsTheTextsOfItsKindAndReportsItsDisplay)
{
    screen->showAlertInApp(InAppWarningKind::timedOutRequestIDWaiting, {});
    settle();
    auto* alert = dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController());
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), "Tolvane unavailable");
    EXPECT_EQ(alert->message, "The connection has timed out");
    screen->removeStack(DisplayPriority::stopConfirmation);
    settle();

    displayModel->calls.clear();
    screen->showAlertByPriority(RequiredDisplayId::RESUME, CauseId::DEF, {});
    settle();
    alert = dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController());
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), "结束Tolvane辅助");
    EXPECT_EQ(alert->preferredStyle, CustomAlertControlerStyle::alertUpDown);
    EXPECT_EQ(displayModel->calls, (Texts{"display:RESUME", "popup:true"}));
}

TEST_F(BaseScreenTest, TheOverrideWarningTellsTheFrameworkWhileItIsShown)
{
    screen->showAlertInApp(InAppWarningKind::overrideOperations, {});
    settle();
    EXPECT_EQ(displayModel->calls, (Texts{"outside:true", "popup:true"}));
    stack->presentedViewController()->dismiss(false);
    settle();
    EXPECT_EQ(displayModel->calls, (Texts{"outside:true", "popup:true", "outside:false", "popup:false"}));
}

} // namespace
} // namespace screen_testing
