#include "SharedDelegateTest.h"

#include "Class/UI/Arrival/View/ArrivalViewController.h"
#include "Class/UI/PreConfirmation/View/PreConfirmationViewController.h"
#include "Class/UI/RequestIdWaiting/View/RequestIdWaitingViewController.h"

#include "foundation/NotificationCenter.h"
#include "ui/NavigationController.h"

#include <algorithm>

namespace screen_testing {
namespace {

// A run waiting for the vehicle's request id over a live link, with the real router: the
// application goes to the background and comes back, as often as the test says.
class ReturnFromBackgroundTest : public SharedDelegateTest {
protected:
    ReturnFromBackgroundTest()
    {
        settleEarlierRouters();
        showStack();
        connect();
        ui::Application::shared().becomeActive();
        transitionManager->showRequestIDWaiting();
        settle();
    }

    // View models of earlier tests whose screens never left may still observe the blank notice, each
    // with the router of its own test: those routers settle on a blank screen of a stack of their
    // own, out of any window, and refuse the blank screen from then on.
    void settleEarlierRouters()
    {
        auto elsewhere = std::make_shared<BaseUINavigationController>(std::make_shared<ui::ViewController>());
        TolvaneIntegrationAppHelper::shared().navigationController = elsewhere;
        foundation::NotificationCenter::defaultCenter().post(AppEventHandler::shared().eventTransitToBlank);
        time.runUntilIdle();
        TolvaneIntegrationAppHelper::shared().navigationController.reset();
    }

    void returnFromBackground()
    {
        ui::Application::shared().resignActive();
        settle();
        ui::Application::shared().becomeActive();
        settle();
    }

    template <class Screen>
    long shown() const
    {
        const auto& screens = stack->viewControllers();
        return std::count_if(screens.begin(), screens.end(), [](const auto& screen) { return dynamic_cast<Screen*>(screen.get()); });
    }
};

class ReturnsFromBackgroundTest : public ReturnFromBackgroundTest, public ::testing::WithParamInterface<int> {};

TEST_P(ReturnsFromBackgroundTest, OneArrivalRequestPushesOneArrivalScreen)
{
    for (int i = 0; i < GetParam(); ++i)
        returnFromBackground();
    ASSERT_EQ(shown<RequestIdWaitingViewController>(), 1) << "back on the screen the vehicle asks for";
    publish(RequiredDisplayId::REACH_POINT, CauseId::DEF);
    settle();
    EXPECT_EQ(shown<ArrivalViewController>(), 1);
    EXPECT_TRUE(dynamic_cast<ArrivalViewController*>(stack->topViewController()));
}

INSTANTIATE_TEST_SUITE_P(OneAndThree, ReturnsFromBackgroundTest, ::testing::Values(1, 3));

TEST_F(ReturnFromBackgroundTest, AnSdkTimeOutAfterAReturnLandsOnTheFirstScreen)
{
    returnFromBackground();
    sdkState->setSdkState(SdkState::TIMEOUT);
    // The link closes 0.3 s later, then the run starts again from the first screen.
    time.advance(0.5);
    time.runUntilIdle();
    // The finished framework asks for no screen.
    publish(RequiredDisplayId::DEF, CauseId::DEF);
    time.runUntilIdle();
    EXPECT_EQ(stack->viewControllers().size(), 1u);
    EXPECT_TRUE(dynamic_cast<PreConfirmationViewController*>(stack->topViewController()));
}

} // namespace
} // namespace screen_testing
