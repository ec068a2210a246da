#include "SimulatedLink.h"

#include "ISlideViewModel.h"
#include "Internal/Model/ICautionData.h"
#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/IUserOperationModel.h"
#include "Internal/Model/IVehicleStateData.h"
#include "TolvaneFramework.h"
#include "support/Recorder.h"

#include "foundation/RunLoop.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using tolvane::CauseId;
using tolvane::OperateInfo;
using R = tolvane::RequiredDisplayId;
using K = tolvane::UserOperationKind;
using testing_support::Recorder;

// The link over the framework's own codec, with the test in the application's place: every screen
// the framework asks for is shown at once, and the user acts through the framework's services.
class FrameworkLinkTest : public endtoend::SimulatedLink {
protected:
    FrameworkLinkTest() { openLink(); }

    // From the start screen to a park-in to the left with the slider held.
    void holdOnALeftParkIn()
    {
        display->notifyWaitingConnectConfirm();
        time.advance(0.5);
        user->notifyUserOperation(K::REQ_START_TOLVANE{});
        time.advance(0.5);
        user->notifyUserOperation(K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{tolvane::PlanParkInDirection::LEFT});
        time.advance(0.5);
        slide->onTap(true);
        time.advance(0.5);
    }

    int64_t remainingDistance() const
    {
        return operate.values.empty() ? -1 : operate.values.back().remainDistance;
    }

    tolvane::TolvaneFramework framework;
    di::Container& container = di::Container::defaultContainer();
    std::shared_ptr<tolvane::IDisplayModel> display = di::resolveOrDie<tolvane::IDisplayModel>(container);
    std::shared_ptr<tolvane::IUserOperationModel> user = di::resolveOrDie<tolvane::IUserOperationModel>(container);
    std::shared_ptr<tolvane::ISlideViewModel> slide = di::resolveOrDie<tolvane::ISlideViewModel>(container);
    std::shared_ptr<tolvane::IDisplayData> displayData = di::resolveOrDie<tolvane::IDisplayData>(container);
    Recorder<R> screens{displayData->reqDisplayId()};
    Recorder<CauseId> causes{di::resolveOrDie<tolvane::ICautionData>(container)->cause()};
    Recorder<OperateInfo> operate{di::resolveOrDie<tolvane::IVehicleStateData>(container)->operateInfo()};
    // Reported after the screen's change, as a screen reports its own appearance.
    rx::Cancellable shown = displayData->reqDisplayId().sink([display = display](R screen) {
        foundation::RunLoop::main().post([display, screen] { display->notifyTransitionDisplay(screen); });
    });
};

TEST_F(FrameworkLinkTest, ParkInMovesOnlyWhileTheSliderIsHeldAndReachesItsEnd)
{
    connect();
    display->notifyWaitingConnectConfirm();
    time.advance(0.5);
    ASSERT_EQ(screens.values, std::vector{R::START_PARK_IN});

    user->notifyUserOperation(K::REQ_START_TOLVANE{});
    time.advance(0.5);
    ASSERT_EQ(screens.values.back(), R::SEL_PARK_IN);

    user->notifyUserOperation(K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{tolvane::PlanParkInDirection::LEFT});
    time.advance(0.5);
    ASSERT_EQ(screens.values.back(), R::OPERATE);
    EXPECT_EQ(remainingDistance(), vehiclesim::Manoeuvre::START_DISTANCE);

    slide->onTap(true);
    time.advance(1.0);
    const int64_t movedTo = remainingDistance();
    EXPECT_LT(movedTo, vehiclesim::Manoeuvre::START_DISTANCE);
    EXPECT_GT(movedTo, 0);

    slide->onTap(false);
    time.advance(0.3);
    const int64_t stoppedAt = remainingDistance();
    time.advance(1.0);
    EXPECT_EQ(remainingDistance(), stoppedAt);
    EXPECT_EQ(unit->manoeuvre().remainingDistance(), stoppedAt);

    slide->onTap(true);
    time.advance(6.0);
    EXPECT_EQ(screens.values, (std::vector{R::START_PARK_IN, R::SENSING, R::SEL_PARK_IN, R::OPERATE,
                                           R::COMPLETE_PARK_IN}));
    EXPECT_EQ(unit->manoeuvre().phase(), vehiclesim::Manoeuvre::Phase::completed);
    EXPECT_EQ(causes.values, std::vector{CauseId::DEF});
    EXPECT_TRUE(store->isConnected());
    EXPECT_TRUE(unit->isConnected());
}

// The unit's start request follows the scenario it is told, also while the phone waits for the
// user's start, and the run then goes the way it names.
TEST_F(FrameworkLinkTest, TheStartRequestFollowsTheScenarioTheUnitIsToldAndTheRunGoesThatWay)
{
    connect();
    display->notifyWaitingConnectConfirm();
    time.advance(0.5);
    ASSERT_EQ(screens.values, std::vector{R::START_PARK_IN});

    unit->startScenario(vehiclesim::ScenarioKind::parkOut);
    time.advance(0.5);
    EXPECT_EQ(screens.values.back(), R::START_PARK_OUT);
    unit->startScenario(vehiclesim::ScenarioKind::parkIn);
    time.advance(0.5);
    EXPECT_EQ(screens.values.back(), R::START_PARK_IN);
    unit->startScenario(vehiclesim::ScenarioKind::parkOut);
    time.advance(0.5);
    ASSERT_EQ(screens.values.back(), R::START_PARK_OUT);

    user->notifyUserOperation(K::REQ_START_TOLVANE{});
    time.advance(0.5);
    EXPECT_EQ(screens.values.back(), R::SEL_PARK_OUT);
    EXPECT_EQ(causes.values, std::vector{CauseId::DEF});
}

bool isHeld(const vehiclesim::VehicleUnit::Received& frame)
{
    return frame.operation && frame.operation->operation.act == tolvane::BtSmpAct::on &&
           (frame.operation->operation.x != 0 || frame.operation->operation.y != 0);
}

size_t heldFramesSince(const std::vector<vehiclesim::VehicleUnit::Received>& received, foundation::Seconds since)
{
    return static_cast<size_t>(std::count_if(received.begin(), received.end(),
                                             [&](const auto& frame) { return frame.time >= since && isHeld(frame); }));
}

TEST_F(FrameworkLinkTest, AMainLoopStuckWhileHoldingEndsTheHoldWithinThreeSendCyclesUntilTheFingerLifts)
{
    connect();
    holdOnALeftParkIn();
    ASSERT_TRUE(unit->manoeuvre().isHeld());

    const foundation::Seconds blockedAt = time.now();
    time.advanceWhileBlocked(foundation::RunLoop::main(), 2.0);
    EXPECT_LE(heldFramesSince(unit->received(), blockedAt), 3u) << "held frames the unit read after the block began";
    EXPECT_FALSE(unit->manoeuvre().isHeld());

    const foundation::Seconds resumedAt = time.now();
    time.advance(1.0);
    EXPECT_EQ(heldFramesSince(unit->received(), resumedAt), 0u) << "the finger never lifted: that hold is over";

    slide->onTap(false);
    time.advance(0.2);
    slide->onTap(true);
    time.advance(0.5);
    EXPECT_TRUE(unit->manoeuvre().isHeld()) << "a new hold moves the car again";
    slide->onTap(false);
}

TEST_F(FrameworkLinkTest, AUnitThatStopsReadingReadsAfterTheReleaseAtMostTheOneHeldFrameQueuedWhenItStalled)
{
    for (const double stallSeconds : {1.0, 2.0, 3.0, 10.0}) {
        SCOPED_TRACE(stallSeconds);
        if (!store->isConnected())
            connect();
        unit->startScenario(vehiclesim::ScenarioKind::parkIn);
        holdOnALeftParkIn();
        ASSERT_TRUE(unit->manoeuvre().isHeld());

        unit->setFault(vehiclesim::Fault::stall, true);
        const int stalledAt = unit->manoeuvre().remainingDistance();
        time.advance(stallSeconds);
        EXPECT_FALSE(unit->manoeuvre().isHeld()) << "the unit's dead-man stop";
        EXPECT_GE(unit->manoeuvre().remainingDistance(), stalledAt - 3) << "the car stopped within its dead-man time";
        slide->onTap(false);
        const foundation::Seconds released = time.now();
        time.advance(0.1);
        unit->setFault(vehiclesim::Fault::stall, false);
        time.advance(0.2);

        const auto received = unit->received();
        const auto late = heldFramesSince(received, released);
        // The one frame the unit had been handed before it stopped reading waits in its stream and is
        // read after the release, as on any stream link; every frame the phone still held back went
        // out as the released state.
        EXPECT_LE(late, 1u);
        ASSERT_FALSE(received.empty());
        EXPECT_FALSE(isHeld(received.back())) << "the unit that resumes reads the current state";
        EXPECT_FALSE(unit->manoeuvre().isHeld());
        time.advance(1.0);
    }
}

TEST_F(FrameworkLinkTest, AUnitThatSendsButNeverReadsEndsTheLinkAsStalled)
{
    connect();
    delegate->calls.clear();
    unit->setFault(vehiclesim::Fault::stall, true);
    time.advance(2.9);
    EXPECT_TRUE(delegate->calls.empty()) << "a unit that keeps sending is not watched by the vehicle's watchdog";
    time.advance(0.6);
    ASSERT_FALSE(delegate->calls.empty());
    EXPECT_EQ(delegate->calls.front(), "error:ErrorOccurred");
    EXPECT_EQ(std::count(delegate->calls.begin(), delegate->calls.end(), "error:ErrorOccurred"), 1);
}

TEST_F(FrameworkLinkTest, DroppedLinkIsADepartureAndTheReturningUnitIsReopened)
{
    connect();
    delegate->calls.clear();
    unit->dropLink();
    time.advance(0.1);
    EXPECT_EQ(delegate->calls.front(), "sessionDidEnd");
    EXPECT_TRUE(store->isConnected()); // the unit came back at once and was reopened
    EXPECT_TRUE(unit->isConnected());
    EXPECT_NE(std::find(delegate->calls.begin(), delegate->calls.end(), "willStart"), delegate->calls.end());
}

TEST_F(FrameworkLinkTest, BluetoothSwitchedOffEndsTheLinkUntilItIsBack)
{
    connect();
    delegate->calls.clear();
    unit->setBluetoothPower(bt::PowerState::poweredOff);
    time.advance(0.5);
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(store->centralState(), bt::PowerState::poweredOff);
    EXPECT_EQ(delegate->calls, (std::vector<std::string>{"sessionDidEnd"}));

    unit->setBluetoothPower(bt::PowerState::poweredOn);
    time.advance(0.5);
    EXPECT_TRUE(store->isConnected());
    EXPECT_EQ(store->centralState(), bt::PowerState::poweredOn);
}

// The unit answers the registration confirmation; its manoeuvre does not start meanwhile.
class RegistrationConfirmationTest : public FrameworkLinkTest, public ::testing::WithParamInterface<bool> {};

TEST_P(RegistrationConfirmationTest, TheUnitConfirmsWithTheAnswerItIsSetUpForAndKeepsItsManoeuvreWaiting)
{
    const bool blinker = GetParam();
    unit.reset();
    vehiclesim::VehicleUnit::Options options;
    options.directory = directory();
    options.blinkerRegistration = blinker;
    unit = std::make_unique<vehiclesim::VehicleUnit>(*vehicleLoop, options);
    connect();
    user->notifyUserOperation(K::REQ_CHECK_AVAILABLE_TOLVANE{});
    time.advance(0.5);
    EXPECT_EQ(screens.values, std::vector{blinker ? R::VALID_VEHICLE_BLINKER : R::VALID_VEHICLE});
    EXPECT_EQ(unit->manoeuvre().phase(), vehiclesim::Manoeuvre::Phase::selecting);
    EXPECT_TRUE(std::ranges::any_of(unit->received(), [](const vehiclesim::VehicleUnit::Received& frame) {
        return frame.operation && frame.operation->operation.disp == tolvane::BtMekDspId::vehicle_registration_confirmation;
    }));
}

INSTANTIATE_TEST_SUITE_P(PlainAndBlinker, RegistrationConfirmationTest, ::testing::Bool());

} // namespace
