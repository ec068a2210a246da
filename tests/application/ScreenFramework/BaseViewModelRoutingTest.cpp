#include "ProbeViewModel.h"
#include "ScreenFrameworkTest.h"

#include "Class/UI/Tutorial/ViewModel/TutorialMenuFlowViewModel.h"

#include <functional>

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

class BaseViewModelRoutingTest : public ScreenFrameworkTest {
protected:
    std::shared_ptr<ProbeViewModel> viewModel = make<ProbeViewModel>();
    ActionRecorder recorder{viewModel->baseActionPublisher()};
};

const std::string RESUME_BUTTONS = "[关闭车辆电源|我要上车|取消]";

TEST_F(BaseViewModelRoutingTest, EachRequestLeadsToItsCommandsAndScreen)
{
    struct Case {
        std::string name;
        std::function<void(ProbeViewModel&, TerminalStore&)> given;
        RequiredDisplayId displayId;
        CauseId cause;
        bool result;
        Texts commands;
        Texts screens;
        // Whether the request is kept as the latest one.
        bool stored = true;
    };
    const auto nothing = [](ProbeViewModel&, TerminalStore&) {};
    const Case cases[] = {
        {"stop without a cause", nothing, STOP, CauseId::DEF, false, {}, {}, false},
        {"halt without a cause", nothing, HALT, CauseId::DEF, false, {}, {}, false},
        {"a screen with a cause", nothing, OPERATE, CauseId::BT_LOSS, false, {}, {}, false},
        {"no screen", nothing, DEF, CauseId::DEF, false, {}, {}, false},
        {"vehicle check", nothing, VALID_VEHICLE, CauseId::DEF, false, {"removeOtherStack(VALID_VEHICLE, DEF)"}, {}},
        {"vehicle check with blinker", nothing, VALID_VEHICLE_BLINKER, CauseId::DEF, false, {"removeOtherStack(VALID_VEHICLE_BLINKER, DEF)"}, {}},
        {"park-in start", nothing, START_PARK_IN, CauseId::DEF, false, {"removeOtherStack(START_PARK_IN, DEF)"}, {"showParkInActivation"}},
        {"park-out start", nothing, START_PARK_OUT, CauseId::DEF, false, {"removeOtherStack(START_PARK_OUT, DEF)"}, {"showParkOutActivation"}},
        {"sensing", nothing, SENSING, CauseId::DEF, false, {"removeOtherStack(SENSING, DEF)"}, {"showRequestIDWaiting"}},
        {"park-in plans", nothing, SEL_PARK_IN, CauseId::DEF, false, {"removeOtherStack(SEL_PARK_IN, DEF)"}, {"showPlanParkIn"}},
        {"park-out plans", nothing, SEL_PARK_OUT, CauseId::DEF, false, {"removeOtherStack(SEL_PARK_OUT, DEF)"}, {"showPlanParkOut"}},
        {"forward and backward plans", nothing, SEL_FORWARD_BACKWARD, CauseId::DEF, false,
         {"removeOtherStack(SEL_FORWARD_BACKWARD, DEF)"}, {"showPlanForwardBackward"}},
        {"operate", nothing, OPERATE, CauseId::DEF, false, {"removeOtherStack(OPERATE, DEF)"}, {"showOperating"}},
        {"operate after an interruption", [](ProbeViewModel&, TerminalStore& store) { store.isInterrupted = true; }, OPERATE,
         CauseId::DEF, false, {"removeOtherStack(OPERATE, DEF)", "hideIndicator"}, {"showOperating"}},
        {"reach point", nothing, REACH_POINT, CauseId::DEF, true, {"removeStack(stopConfirmation)"}, {"showArrival"}},
        {"park-in completed", nothing, COMPLETE_PARK_IN, CauseId::DEF, true, {"removeAllStackAlert(then)"}, {"showParkInCompleted"}},
        {"park-in completed, forget hazard", nothing, COMPLETE_PARK_IN_FORGET_HAZARD, CauseId::DEF, true, {"removeAllStackAlert(then)"},
         {"showParkInCompletedForgetHazard"}},
        {"park-out completed", nothing, COMPLETE_PARK_OUT, CauseId::DEF, true, {"removeAllStackAlert(then)"}, {"showParkOutCompleted"}},
        {"resume", nothing, RESUME, CauseId::DEF, false, {"addStack(RESUME, DEF, " + RESUME_BUTTONS + ")", "removeOtherStack(RESUME, DEF)"}, {}},
        {"halt", nothing, HALT, CauseId::OBSTACLE, false,
         {"addStack(HALT, OBSTACLE, [Exit])", "removeOtherStack(HALT, OBSTACLE)"}, {}},
        {"halt held back", [](ProbeViewModel& vm, TerminalStore&) { vm.excludeReqDisplayId = HALT; }, HALT, CauseId::OBSTACLE, false, {}, {}},
        {"stop", nothing, STOP, CauseId::BT_LOSS, true, {"setCurrentAlertDismissForWarn", "removeAllStackAlert(then)"}, {"showWarn(BT_LOSS)"}},
        {"stop in the vehicle", nothing, STOP, CauseId::LOW_BATTERY, true, {"setCurrentAlertDismissForWarn", "removeAllStackAlert(then)"},
         {"showIGONWarn(LOW_BATTERY)"}},
        {"stop on a deadlock", nothing, STOP, CauseId::DEAD_LOCK, true, {"setCurrentAlertDismissForWarn", "removeAllStackAlert(then)"},
         {"showIGONWarn(DEAD_LOCK)"}},
        {"a screen that follows no request", [](ProbeViewModel& vm, TerminalStore&) { vm.followsVehicle = false; }, OPERATE,
         CauseId::DEF, false, {}, {}},
        {"stop confirmation up: operate", [](ProbeViewModel& vm, TerminalStore&) { vm.isShowStopConfirmation = true; }, OPERATE,
         CauseId::DEF, false, {}, {}},
        {"stop confirmed: sensing", [](ProbeViewModel& vm, TerminalStore&) { vm.isWaitingAfterWarnConfirmation = true; }, SENSING,
         CauseId::DEF, false, {}, {}},
        {"stop confirmed: park-in start", [](ProbeViewModel& vm, TerminalStore&) { vm.isWaitingAfterWarnConfirmation = true; },
         START_PARK_IN, CauseId::DEF, false, {"removeOtherStack(START_PARK_IN, DEF)"}, {"showParkInActivation"}},
        {"stop confirmation up: stop", [](ProbeViewModel& vm, TerminalStore&) { vm.isShowStopConfirmation = true; }, STOP,
         CauseId::USER_SELF, true, {"setCurrentAlertDismissForWarn", "removeAllStackAlert(then)"}, {"showWarn(USER_SELF)"}},
        {"resume awaited: resume", [](ProbeViewModel& vm, TerminalStore&) { vm.setWaitingAfterResume(true); }, RESUME, CauseId::DEF,
         false, {}, {}},
        {"resume awaited: halt", [](ProbeViewModel& vm, TerminalStore&) { vm.setWaitingAfterResume(true); }, HALT, CauseId::BT_OFF,
         false, {"hideIndicator", "addStack(HALT, BT_OFF, [])", "removeOtherStack(HALT, BT_OFF)"}, {}},
    };
    for (const auto& c : cases) {
        auto viewModel = make<ProbeViewModel>();
        ActionRecorder recorder(viewModel->baseActionPublisher());
        router->calls.clear();
        store->isInterrupted = false;
        c.given(*viewModel, *store);

        EXPECT_EQ(viewModel->transition(c.displayId, c.cause), c.result) << c.name;
        const Texts commands = recorder.texts();
        if (!commands.empty() && commands.back() == "removeAllStackAlert(then)")
            recorder.completeLastRemoveAll();
        EXPECT_EQ(commands, c.commands) << c.name;
        EXPECT_EQ(router->calls, c.screens) << c.name;
        EXPECT_EQ(viewModel->latestReqDisplayId, c.stored ? c.displayId : DEF) << c.name;
        EXPECT_EQ(viewModel->latestCauseId, c.stored ? c.cause : CauseId::DEF) << c.name;
    }
    EXPECT_FALSE(store->isInterrupted) << "operate clears the interruption";
}

TEST_F(BaseViewModelRoutingTest, TheEndScreenFirstDropsEveryAlertButTheKeyAndBatteryOnes)
{
    viewModel->transitionToWarn(false, CauseId::BT_LOSS);
    EXPECT_EQ(recorder.texts(), (Texts{"removeStack(checkBluetoothError)", "removeStack(checkCommunicationDisruptedError)",
                                       "removeStack(stopConfirmation)", "removeStack(dcuCsrError)", "removeStack(dcuIdtError)",
                                       "removeStack(checkSumError)", "removeStack(fixedClearSonerCounterError)",
                                       "removeStack(mekDisplayError)"}));
    EXPECT_EQ(router->calls, (Texts{"showWarn(BT_LOSS)"}));
}

TEST_F(BaseViewModelRoutingTest, StopRecordsTheCloseReasonOfItsCause)
{
    const std::pair<CauseId, EventCode> cases[] = {
        {CauseId::ABNORMAL_END, EventCode::E011},   {CauseId::SYS_INSPECT, EventCode::E012},
        {CauseId::SYS_CONFIRM, EventCode::E013},    {CauseId::ABNORMAL_BUTTERY_STATUS, EventCode::E015},
        {CauseId::KEYS_NO_DETECT, EventCode::E010}, {CauseId::BT_LOSS, EventCode::E010},
    };
    for (const auto& [cause, code] : cases) {
        EventStack::shared().setStack({});
        viewModel->transition(STOP, cause);
        EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{code}) << caseName(cause);
    }
}

TEST_F(BaseViewModelRoutingTest, TheFirstRequestAfterAnOverrideAnswerGivesTheDisplayBackToTheFramework)
{
    viewModel->isWaitingResumeAfterOverride = true;
    viewModel->transition(OPERATE, CauseId::DEF);
    EXPECT_EQ(displayModel->calls, Texts{"outside:false"});
    EXPECT_FALSE(viewModel->isWaitingResumeAfterOverride);
}

TEST_F(BaseViewModelRoutingTest, AnExcludedHaltStaysExcludedOnlyUntilTheNextAppearance)
{
    viewModel->excludeReqDisplayId = HALT;
    viewModel->addTransitToBlankObserver();
    viewModel->transition(HALT, CauseId::BT_LOSS);
    EXPECT_EQ(recorder.texts(), (Texts{"addStack(HALT, BT_LOSS, [])", "removeOtherStack(HALT, BT_LOSS)"}));
}

TEST_F(BaseViewModelRoutingTest, ScreensThatNeverFollowTheVehicleEndTheLinkOnlyForRequestsThatEndTheRun)
{
    struct Case {
        RequiredDisplayId displayId;
        CauseId cause;
        bool closes;
    };
    const Case cases[] = {
        {STOP, CauseId::USER_SELF, true},
        {COMPLETE_PARK_IN, CauseId::DEF, true},
        {COMPLETE_PARK_OUT, CauseId::DEF, true},
        {STOP, CauseId::LOW_BATTERY, false},
        {START_PARK_IN, CauseId::ABNORMAL_END, true},
        {START_PARK_IN, CauseId::LOW_BATTERY, false},
        // Never a system cause, so never a close: kept as the rule reads.
        {STOP, CauseId::ABNORMAL_BUTTERY_STATUS, false},
        {HALT, CauseId::BT_LOSS, false},
    };
    for (const auto& c : cases) {
        auto tutorial = make<TutorialParkInFlowViewModel>();
        connect();
        EXPECT_FALSE(tutorial->transition(c.displayId, c.cause));
        time.advance(0.5);
        EXPECT_EQ(!store->isConnected(), c.closes) << caseName(c.displayId) << " " << caseName(c.cause);
        EXPECT_TRUE(router->calls.empty());
        replaceUnit();
        time.advance(3.0);
    }
}

} // namespace
} // namespace screen_testing
