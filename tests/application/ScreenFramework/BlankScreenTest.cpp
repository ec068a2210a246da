#include "ApplicationTest.h"

#include "Class/SharedObject/Application.h"
#include "Class/UI/Blank/View/BlankViewController.h"
#include "Class/UI/Blank/ViewModel/BlankViewModel.h"

#include "foundation/NotificationCenter.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;
using Request = BlankViewModel::DisplayRequest;

class BlankScreenTest : public ScreenFrameworkTest {
protected:
    BlankScreenTest() { viewModel->setBindings(); }
    ~BlankScreenTest() override
    {
        viewModel->clearMyCancellables();
        viewModel->clearCancellables();
    }

    void becomeActive()
    {
        foundation::NotificationCenter::defaultCenter().post(Application::didBecomeActiveNotification);
    }

    std::shared_ptr<BlankViewModel> viewModel = make<BlankViewModel>(sdkState);
    ActionRecorder recorder{viewModel->baseActionPublisher()};
};

TEST_F(BlankScreenTest, InTheBackgroundTheLatestValidRequestIsKeptAndNoScreenChanges)
{
    store->isBackground = true;
    EXPECT_FALSE(viewModel->transition(HALT, CauseId::BT_LOSS));
    EXPECT_FALSE(viewModel->transition(COMPLETE_PARK_IN, CauseId::DEF));
    EXPECT_EQ(viewModel->backgroundTranstionId, (Request{COMPLETE_PARK_IN, CauseId::DEF}));
    EXPECT_TRUE(router->calls.empty());
    EXPECT_TRUE(recorder.texts().empty());
}

TEST_F(BlankScreenTest, InvalidRequestsAreRefusedAndAnEmptyOneWithTheLinkUpWaitsForTheRequestId)
{
    const std::pair<RequiredDisplayId, CauseId> refused[] = {
        {HALT, CauseId::DEF}, {RESUME, CauseId::BT_LOSS}, {DEF, CauseId::BT_LOSS}, {STOP, CauseId::DEF}};
    for (const auto& [displayId, cause] : refused)
        EXPECT_FALSE(viewModel->transition(displayId, cause)) << caseName(displayId) << " " << caseName(cause);
    EXPECT_TRUE(recorder.texts().empty());
    EXPECT_TRUE(router->calls.empty());

    store->isConnectionStop = true;
    EXPECT_FALSE(viewModel->transition(DEF, CauseId::DEF));
    EXPECT_TRUE(router->calls.empty());

    store->isConnectionStop = false;
    EXPECT_TRUE(viewModel->transition(DEF, CauseId::DEF));
    EXPECT_EQ(recorder.texts(), Texts{"removeOtherStack(DEF, DEF)"});
    EXPECT_EQ(router->calls, Texts{"showRequestIDWaiting"});
}

TEST_F(BlankScreenTest, BecomingActiveWithTheLinkEndedReplaysTheKeptRequestEachTime)
{
    store->isConnectionStop = true;
    const std::string printed = myLogLines([&] { becomeActive(); });
    EXPECT_NE(printed.find("self.backgroundTranstionId 为空，无法执行状态恢复"), std::string::npos);
    EXPECT_TRUE(router->calls.empty());

    store->isBackground = true;
    viewModel->transition(COMPLETE_PARK_OUT, CauseId::DEF);
    store->isBackground = false;
    becomeActive();
    becomeActive();
    recorder.completeLastRemoveAll();
    EXPECT_EQ(recorder.texts(), (Texts{"removeAllStackAlert(then)", "removeAllStackAlert(then)"}));
}

TEST_F(BlankScreenTest, BecomingActiveWithTheLinkStillUpFollowsTheVehicleAgain)
{
    becomeActive();
    EXPECT_EQ(store->delegate(), viewModel);
    publish(SENSING, CauseId::DEF);
    time.runUntilIdle();
    EXPECT_EQ(router->calls, Texts{"showRequestIDWaiting"});
}

TEST_F(BlankScreenTest, BecomingActiveOnTheShownScreenFollowsEachRequestOnce)
{
    viewModel->addTransitToBlankObserver(); // as the screen's appearance does
    becomeActive();
    publish(REACH_POINT, CauseId::DEF);
    time.runUntilIdle();
    EXPECT_EQ(router->calls, Texts{"showArrival"});
}

TEST_F(BlankScreenTest, AfterTheFrameworkTimedOutNothingMovesTheScreen)
{
    viewModel->addTransitToBlankObserver();
    sdkState->setSdkState(SdkState::TIMEOUT);
    EXPECT_TRUE(viewModel->isTimeout);
    publish(OPERATE, CauseId::DEF);
    time.runUntilIdle();
    store->isConnectionStop = true;
    viewModel->backgroundTranstionId = Request{COMPLETE_PARK_IN, CauseId::DEF};
    becomeActive();
    EXPECT_FALSE(viewModel->transition(SEL_PARK_IN, CauseId::DEF));
    EXPECT_TRUE(router->calls.empty());
}

class BlankScreenControllerTest : public ApplicationTest {};

TEST_F(BlankScreenControllerTest, TheScreenFollowsTheApplicationFromItsLoadUntilItLeaves)
{
    showStack();
    auto blank = std::dynamic_pointer_cast<BlankViewController>(ui::StoryboardRegistry::shared().instantiateInitialViewController("Blank"));
    ASSERT_TRUE(blank);
    auto viewModel = std::dynamic_pointer_cast<BlankViewModel>(blank->viewModel);
    ASSERT_TRUE(viewModel);
    EXPECT_EQ(std::dynamic_pointer_cast<BlankViewModel>(blank->baseViewModel), viewModel);
    EXPECT_TRUE(viewModel->showsStackedAlerts());

    stack->pushViewController(blank, false);
    settle();
    sdkState->setSdkState(SdkState::OPERATING);
    EXPECT_FALSE(viewModel->isTimeout);
    stack->popViewController(false);
    settle();
    sdkState->setSdkState(SdkState::TIMEOUT);
    EXPECT_FALSE(viewModel->isTimeout) << "the screen left: its watch ended";
}

} // namespace
} // namespace screen_testing
