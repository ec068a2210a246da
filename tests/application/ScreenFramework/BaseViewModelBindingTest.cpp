#include "ProbeViewModel.h"
#include "ScreenFrameworkTest.h"

#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/RequestIdWaiting/ViewModel/RequestIdWaitingViewModel.h"
#include "Class/UI/Settings/ViewModel/SettingsViewModel.h"

#include "ISoundModel.h"

#include "foundation/NotificationCenter.h"

#include <algorithm>

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

class BaseViewModelBindingTest : public ScreenFrameworkTest {
protected:
    ~BaseViewModelBindingTest() override { viewModel->clearCancellables(); }

    std::shared_ptr<ProbeViewModel> viewModel = make<ProbeViewModel>();
    ActionRecorder recorder{viewModel->baseActionPublisher()};
};

TEST_F(BaseViewModelBindingTest, NothingIsRoutedUntilBothTheDisplayAndTheCauseArrived)
{
    viewModel->setBinding();
    displayData->subject.send(OPERATE);
    time.runUntilIdle();
    EXPECT_TRUE(router->calls.empty());
    cautionData->subject.send(CauseId::DEF);
    EXPECT_TRUE(router->calls.empty()) << "decided on the next turn of the main loop";
    time.runUntilIdle();
    EXPECT_EQ(router->calls, Texts{"showOperating"});
}

TEST_F(BaseViewModelBindingTest, TwoEqualPairsInARowAreBothRouted)
{
    viewModel->setBinding();
    publish(SEL_PARK_IN, CauseId::DEF);
    cautionData->subject.send(CauseId::DEF);
    time.runUntilIdle();
    EXPECT_EQ(router->calls, (Texts{"showPlanParkIn", "showPlanParkIn"}));
}

TEST_F(BaseViewModelBindingTest, ComingBackToTheForegroundReplaysTheLatestRequestExceptTheStartingOnes)
{
    auto& isBackground = AppEventHandler::eventHandlerDelegate()->isBackground;
    struct Case {
        RequiredDisplayId latest;
        Texts replayed;
    };
    const Case cases[] = {
        {OPERATE, {"showOperating"}},
        {SEL_PARK_OUT, {"showPlanParkOut"}},
        {SENSING, {}},
        {START_PARK_IN, {}},
        {START_PARK_OUT, {}},
    };
    for (const auto& c : cases) {
        auto viewModel = make<ProbeViewModel>();
        viewModel->transition(c.latest, CauseId::DEF);
        router->calls.clear();
        isBackground.send(false);
        viewModel->setBinding();
        EXPECT_TRUE(router->calls.empty()) << "the current value never replays";
        isBackground.send(true);
        isBackground.send(false);
        EXPECT_EQ(router->calls, c.replayed) << caseName(c.latest);
        viewModel->clearCancellables();
    }
}

TEST_F(BaseViewModelBindingTest, AppearingMakesTheViewModelTheLinksDelegateAndFollowsTheBlankNotice)
{
    viewModel->addTransitToBlankObserver();
    EXPECT_EQ(store->delegate(), viewModel);
    foundation::NotificationCenter::defaultCenter().post(AppEventHandler::shared().eventTransitToBlank);
    EXPECT_EQ(router->calls, Texts{"showBlank"});

    viewModel->clearCancellables();
    foundation::NotificationCenter::defaultCenter().post(AppEventHandler::shared().eventTransitToBlank);
    EXPECT_EQ(router->calls, Texts{"showBlank"}) << "nothing after the screen cleared its subscriptions";
}

TEST_F(BaseViewModelBindingTest, AScreenAskedToOpenTheSettingsOpensThemOnItsNextAppearance)
{
    viewModel->toSettings = true;
    viewModel->addTransitToBlankObserver();
    viewModel->clearCancellables();
    viewModel->addTransitToBlankObserver();
    EXPECT_EQ(router->calls, Texts{"showSettings"});
    EXPECT_FALSE(viewModel->toSettings);
}

// Link events

TEST_F(BaseViewModelBindingTest, LinkEventsReachTheScreensOwnReactions)
{
    viewModel->terminalOpenWillStart();
    viewModel->terminalOpenDidSucceed();
    viewModel->terminalErrorOccurred("broken");
    viewModel->terminalSessionDidEnd();
    viewModel->terminalCloseDidTimeOut();
    EXPECT_EQ(recorder.takeTexts(), (Texts{"setIndicator", "hideIndicator"}));

    viewModel->indicatorOnOpening = false;
    viewModel->terminalOpenWillStart();
    viewModel->terminalOpenDidSucceed();
    EXPECT_EQ(recorder.takeTexts(), Texts{"hideIndicator"});

    viewModel->terminalOpenDidFail();
    EXPECT_EQ(recorder.takeTexts().size(), 8u) << "every alert but the key and battery ones goes";
    EXPECT_EQ(router->calls, Texts{"showWarn(CAN_LOSS)"});
}

TEST_F(BaseViewModelBindingTest, ReconnectingOpensTheChosenCarUnlessTheLinkIsUpOrNoCarIsChosen)
{
    auto settings = make<SettingsViewModel>(sdkState, std::shared_ptr<ISoundModel>());
    ActionRecorder settingsRecorder(settings->baseActionPublisher());
    store->setDelegate(settings);

    CarRecordStore::shared().selectedCarRecord.reset();
    settings->terminalOpenDidFail();
    time.advance(0.5);
    EXPECT_FALSE(store->isConnected());

    CarRecordStore::shared().selectedCarRecord = chosenCar();
    settings->terminalOpenDidFail();
    time.advance(0.02);
    ASSERT_TRUE(unit->accept());
    time.advance(0.02);
    EXPECT_TRUE(store->isConnected());

    settings->terminalOpenDidFail();
    time.advance(0.5);
    EXPECT_TRUE(store->isConnected()) << "an open link is left alone";
    EXPECT_TRUE(router->calls.empty());
}

TEST_F(BaseViewModelBindingTest, StartingTheConnectionUsesTheGivenRetriesUnlessToldToUseTheStoredOnes)
{
    unit.reset();
    store->setDelegate(viewModel);
    viewModel->startTerminalConnection(3, false);
    time.advance(2.9);
    EXPECT_TRUE(router->calls.empty());
    time.advance(1.2);
    EXPECT_EQ(router->calls, Texts{"showWarn(CAN_LOSS)"}) << "three retries a second apart, then the failure";

    router->calls.clear();
    viewModel->startTerminalConnection(3, true);
    time.advance(10.0);
    EXPECT_TRUE(router->calls.empty()) << "the stored count is larger";
    store->closeTerminal();
}

TEST_F(BaseViewModelBindingTest, AClosingThatTimedOutEndsTheRunNormallyAndShowsItsWarning)
{
    viewModel->showCloseTerminalTimeoutWarn();
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::N001});
    EXPECT_EQ(router->calls, Texts{"showWarn(timedOutCloseTerminal)"});
}

// The exit sequence

TEST_F(BaseViewModelBindingTest, LeavingFromInsideTheApplicationClosesTheLinkAfterTheFinishRequest)
{
    for (bool linkOpen : {true, false}) {
        auto viewModel = make<ProbeViewModel>();
        ActionRecorder recorder(viewModel->baseActionPublisher());
        sdkModel->calls.clear();
        if (linkOpen)
            connect();
        viewModel->exitAppCycle();
        EXPECT_EQ(recorder.takeTexts(), Texts{"setIndicator"});
        EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"});
        time.advance(0.29);
        EXPECT_TRUE(recorder.takeTexts().empty());
        time.advance(0.01);
        time.advance(linkOpen ? 3.0 : 0.0);
        EXPECT_EQ(recorder.takeTexts(), Texts{"terminateAllViewControllers"}) << "link open: " << linkOpen;
        EXPECT_NE(TerminalStore::shared(), store) << "a fresh link store follows";
        store = TerminalStore::shared();
    }
}

// Leaving while the link is down reopens it first only when the link was acting.
class ExitWithTheLinkDownTest : public BaseViewModelBindingTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ExitWithTheLinkDownTest, ReopensTheLinkOnlyWhenItWasActing)
{
    const bool acting = GetParam();
    connect();
    unit.reset();
    time.advance(0.1);
    ASSERT_FALSE(store->isConnected());
    ASSERT_TRUE(store->targetTerminalUdid());
    store->isActOn = acting;
    delegate->calls.clear();

    viewModel->exitAppCycle();
    const bool reopened = std::find(delegate->calls.begin(), delegate->calls.end(), "willStart") != delegate->calls.end();
    EXPECT_EQ(reopened, acting);
    time.advance(5.0);
    EXPECT_EQ(recorder.takeTexts(), (Texts{"setIndicator", "terminateAllViewControllers"}));
    store = TerminalStore::shared();
}

INSTANTIATE_TEST_SUITE_P(Acting, ExitWithTheLinkDownTest, ::testing::Bool());

TEST_F(BaseViewModelBindingTest, RestartingGoesBackToTheFirstScreenWithAFreshLink)
{
    // The fresh link's centres run on the fixture's loops.
    TolvaneIntegrationAppAppDelegate::setThreadStarter([this](TaskCenter& center) {
        auto started = center.shared_from_this();
        (dynamic_cast<DataTransmissionCenter*>(&center) ? sendLoop : receiveLoop)->post([started] { started->validate(); });
    });
    auto root = std::make_shared<BaseUINavigationController>(std::make_shared<ui::ViewController>());
    TolvaneIntegrationAppHelper::shared().navigationController = root;
    router->display = DisplayType::requestIdWaiting;
    auto requestIdWaiting = make<RequestIdWaitingViewModel>();

    requestIdWaiting->onConnectionFailure();
    EXPECT_EQ(router->display, DisplayType::none);
    EXPECT_EQ(router->calls, Texts{"popToRootViewController(stack)"});
    auto fresh = TerminalStore::shared();
    EXPECT_NE(fresh, store);
    EXPECT_TRUE(fresh->isInitialize) << "its threads run";
    EXPECT_FALSE(CarRecordStore::shared().selectedCarRecord) << "the car store is made again";
    TolvaneIntegrationAppHelper::shared().navigationController.reset();
    TolvaneIntegrationAppAppDelegate::setThreadStarter(nullptr);
}

TEST_F(BaseViewModelBindingTest, TheTopScreenOfTheEmbeddingStackCanBePopped)
{
    auto root = std::make_shared<BaseUINavigationController>(std::make_shared<ui::ViewController>());
    root->pushViewController(std::make_shared<ui::ViewController>(), false);
    TolvaneIntegrationAppHelper::shared().navigationController = root;
    viewModel->popTopViewController();
    EXPECT_EQ(root->viewControllers().size(), 1u);
    TolvaneIntegrationAppHelper::shared().navigationController.reset();
    viewModel->popTopViewController();
}

} // namespace
} // namespace screen_testing
