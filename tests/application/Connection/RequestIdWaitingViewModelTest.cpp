#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/RequestIdWaiting/ViewModel/RequestIdWaitingViewModel.h"

#include "ui/ViewController.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

class RequestIdWaitingViewModelTest : public ScreenFrameworkTest {
protected:
    ~RequestIdWaitingViewModelTest() override { store->isTimedOut = false; }

    std::shared_ptr<RequestIdWaitingViewModel> viewModel = make<RequestIdWaitingViewModel>();
    ActionRecorder recorder{viewModel->baseActionPublisher()};
};

TEST_F(RequestIdWaitingViewModelTest, ThirtySecondsWithoutHaltCloseTheRunAndRefuseEveryRequestUntilOk)
{
    viewModel->startSensingTimeoutTimer();
    time.advance(29.9);
    EXPECT_TRUE(recorder.texts().empty());
    time.advance(0.1);
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E010});
    EXPECT_TRUE(store->isTimedOut);
    ASSERT_EQ(recorder.takeTexts(), Texts{"showAlertInApp(timedOutRequestIDWaiting, [Exit|OK])"});
    EXPECT_FALSE(viewModel->transitionEnabled(HALT));
    EXPECT_FALSE(viewModel->transitionEnabled(SEL_PARK_IN));

    tap(recorder.lastAlertActions(), "OK");
    EXPECT_EQ(userOperations->operations, std::vector<UserOperationKind>{UserOperationKind::NOTIFY_CANNOT_START{}});
    EXPECT_FALSE(store->isTimedOut);
    EXPECT_TRUE(viewModel->transitionEnabled(SEL_PARK_IN));
    recorder.takeTexts();
    time.advance(60.0);
    EXPECT_TRUE(recorder.takeTexts().empty()) << "the spent timer holds back a second time-out";
}

TEST_F(RequestIdWaitingViewModelTest, HaltClearsTheTimeOutAndTheNextRequestStartsANewOne)
{
    viewModel->startSensingTimeoutTimer();
    time.advance(20.0);
    EXPECT_TRUE(viewModel->transitionEnabled(HALT));
    EXPECT_EQ(viewModel->sensingTimeoutTimer, nullptr);
    time.advance(20.0);
    EXPECT_TRUE(recorder.texts().empty());

    EXPECT_TRUE(viewModel->transitionEnabled(SENSING));
    viewModel->startSensingTimeoutTimer();
    time.advance(30.0);
    EXPECT_EQ(recorder.texts(), Texts{"showAlertInApp(timedOutRequestIDWaiting, [Exit|OK])"});
}

TEST_F(RequestIdWaitingViewModelTest, ExitThenYesTellsTheVehicleAndLeavesAfterADelayAndNoOffersTheWarningAgain)
{
    TolvaneIntegrationAppHelper::shared().superViewController = std::make_shared<ui::ViewController>();
    viewModel->startSensingTimeoutTimer();
    time.advance(30.0);
    tap(recorder.lastAlertActions(), "Exit");
    recorder.takeTexts();
    viewModel->tapCancelConfirmationPopupButtonNo();
    EXPECT_EQ(recorder.takeTexts().back(), "showAlertInApp(timedOutRequestIDWaiting, [Exit|OK])");

    viewModel->tapCancelConfirmationPopupButtonYes();
    EXPECT_EQ(userOperations->operations, std::vector<UserOperationKind>{UserOperationKind::NOTIFY_SENSING_WAIT_TIME_OUT_FINISH{}});
    EXPECT_FALSE(store->isTimedOut);
    EXPECT_EQ(recorder.takeTexts(), (Texts{"removeAllStackAlert", "setIndicator"}));

    // The vehicle hears of the end 1.2 s before the host's presentation closes and the run ends.
    time.advance(1.19);
    EXPECT_TRUE(sdkModel->calls.empty());
    time.advance(0.01);
    EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"});
    TolvaneIntegrationAppHelper::shared().superViewController.reset();
}

} // namespace
} // namespace screen_testing
