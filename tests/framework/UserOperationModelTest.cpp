#include "Internal/Model/SdkModel.h"
#include "Internal/Model/UserOperationModel.h"

#include "ServiceRig.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using testing_support::runningOperation;
using testing_support::runningWith;
using K = UserOperationKind;
using Calls = std::vector<std::string>;

struct UserOperationRig : testing_support::ServiceRig {
    std::shared_ptr<UserOperationModel> model =
        std::make_shared<UserOperationModel>(sendingData, sdkStateData, displayData, willArbitrateData, detectService);
};

TEST(UserOperationModelTest, EachOperationChangesTheRecordStateScreenAndDetection)
{
    struct Case {
        K kind;
        SmpOperation record;
        std::vector<SdkState> states;
        RequiredDisplayId screen;
        Calls calls;
    };
    const SmpOperation neutral{};
    const auto button = [](BtSmpBtn btn) {
        return runningWith([btn](SmpOperation& r) { r.btn = btn; });
    };
    const auto plan = [](BtSmpSelMd sel) {
        return runningWith([sel](SmpOperation& r) {
            r.btn = BtSmpBtn::longpress;
            r.sel = sel;
        });
    };
    const Case cases[] = {
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::RIGHT}, plan(BtSmpSelMd::parkplan5), {},
         RequiredDisplayId::DEF, {}},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD_RIGHT},
         plan(BtSmpSelMd::parkplan6), {}, RequiredDisplayId::DEF, {}},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{PlanForwardBackwardDirection::FORWARD},
         plan(BtSmpSelMd::parkplan2), {}, RequiredDisplayId::DEF, {}},
        {K::REQ_CHECK_AVAILABLE_TOLVANE{},
         runningWith([](SmpOperation& r) { r.disp = BtMekDspId::vehicle_registration_confirmation; }), {},
         RequiredDisplayId::DEF, {}},
        {K::REQ_START_TOLVANE{},
         runningWith([](SmpOperation& r) {
             r.btn = BtSmpBtn::start;
             r.disp = BtMekDspId::connect;
         }),
         {SdkState::OPERATING}, RequiredDisplayId::SENSING, {"startDetectForActOn"}},
        {K::REQ_SWICTH_DIRECTION{}, button(BtSmpBtn::directionChange), {}, RequiredDisplayId::DEF, {}},
        {K::REQ_FINISH_OPERATE{}, button(BtSmpBtn::endHalfway), {}, RequiredDisplayId::DEF, {}},
        {K::REQ_INTERRUPT_OPERATE{},
         runningWith([](SmpOperation& r) {
             r.x = r.y = 0;
             r.btn = BtSmpBtn::def;
             r.sel = BtSmpSelMd::parkplan0;
             r.disp = BtMekDspId::halt_background;
         }),
         {}, RequiredDisplayId::DEF, {}},
        {K::NOTIFY_RESTART_DIALOG_OK{}, button(BtSmpBtn::restart), {}, RequiredDisplayId::DEF, {}},
        {K::NOTIFY_SENSING_WAIT_TIME_OUT_FINISH{}, neutral, {SdkState::NOT_OPERATING}, RequiredDisplayId::DEF, {}},
        {K::REQ_CANCEL{}, button(BtSmpBtn::end), {}, RequiredDisplayId::DEF, {}},
        {K::NOTIFY_CANNOT_START{}, neutral, {SdkState::NOT_OPERATING}, RequiredDisplayId::DEF, {"stopDetectForRestart"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "byte " << int(c.kind.toByte()));
        UserOperationRig rig;
        rig.writeRunningOperation();
        rig.model->notifyUserOperation(c.kind);
        EXPECT_EQ(rig.sendingData->written, std::vector{c.record});
        EXPECT_EQ(rig.sdkStateData->requested, c.states);
        EXPECT_EQ(rig.displayData->currentDispId(), c.screen);
        EXPECT_EQ(rig.detectService->calls, c.calls);
    }
}

TEST(UserOperationModelTest, StartingLetsTheCounterGoSoTheEchoedOneIsSent)
{
    UserOperationRig rig;
    rig.model->notifyUserOperation(K::REQ_START_TOLVANE{});
    rig.sendingData->updateOperationData({.smpcnt = 12});
    EXPECT_EQ(rig.sendingData->operation().smpcnt, 12u);
    // The display id stays pinned at connect.
    rig.sendingData->updateOperationData({.disp = BtMekDspId::arrival});
    EXPECT_EQ(rig.sendingData->operation().disp, BtMekDspId::connect);
}

TEST(UserOperationModelTest, TheFlagsOfTheReceivedDataFollowTheOperations)
{
    UserOperationRig rig;
    rig.willArbitrateData->setWaitingInitialReceived(true);
    rig.model->notifyUserOperation(K::REQ_CHECK_AVAILABLE_TOLVANE{});
    EXPECT_FALSE(rig.willArbitrateData->waitingInitialReceived());

    rig.model->notifyUserOperation(K::REQ_INTERRUPT_OPERATE{});
    EXPECT_TRUE(rig.willArbitrateData->isInterrupt());
}

TEST(UserOperationModelTest, AfterCannotStartTheStartScreenOfThePendingDirectionFollowsIn0_7Seconds)
{
    for (const bool parkOut : {false, true}) {
        SCOPED_TRACE(parkOut);
        UserOperationRig rig;
        rig.willArbitrateData->setIsReceivedParkOutFlag(parkOut);
        const foundation::Seconds reported = rig.time.now();
        rig.model->notifyUserOperation(K::NOTIFY_CANNOT_START{});
        EXPECT_TRUE(rig.willArbitrateData->isProccesingToActivation());
        EXPECT_FALSE(rig.willArbitrateData->waitingInitialReceived());

        rig.time.advanceTo(reported + 0.699);
        EXPECT_TRUE(rig.willArbitrateData->isProccesingToActivation());
        EXPECT_EQ(rig.displayData->currentDispId(), RequiredDisplayId::DEF);

        rig.time.advanceTo(reported + 0.7);
        EXPECT_FALSE(rig.willArbitrateData->isProccesingToActivation());
        EXPECT_TRUE(rig.willArbitrateData->waitingInitialReceived());
        EXPECT_EQ(rig.displayData->currentDispId(),
                  parkOut ? RequiredDisplayId::START_PARK_OUT : RequiredDisplayId::START_PARK_IN);
    }
}

TEST(UserOperationModelTest, ARunThatEndsWithinTheRestartWindowIsNotAskedForTheStartScreenAfterwards)
{
    UserOperationRig rig;
    tolvane::SdkModel sdk(rig.detectService, rig.connectionData, rig.sendingData, rig.sdkStateData, rig.displayData,
                          rig.vehicleStateData, rig.cautionData, rig.willArbitrateData);
    const foundation::Seconds reported = rig.time.now();
    rig.model->notifyUserOperation(K::NOTIFY_CANNOT_START{});
    rig.time.advanceTo(reported + 0.3);
    sdk.requestFinishSdk();

    rig.time.advanceTo(reported + 1.0);
    EXPECT_EQ(rig.displayData->currentDispId(), RequiredDisplayId::DEF);
    EXPECT_FALSE(rig.willArbitrateData->waitingInitialReceived());
}

TEST(UserOperationModelTest, EachCannotStartRunsItsOwnRestartAndKeepsTheServiceAlive)
{
    UserOperationRig rig;
    const foundation::Seconds first = rig.time.now();
    rig.model->notifyUserOperation(K::NOTIFY_CANNOT_START{});
    rig.time.advance(0.4);
    const foundation::Seconds second = rig.time.now();
    rig.model->notifyUserOperation(K::NOTIFY_CANNOT_START{});
    rig.model.reset();

    rig.time.advanceTo(first + 0.7);
    EXPECT_FALSE(rig.willArbitrateData->isProccesingToActivation());
    EXPECT_EQ(rig.displayData->currentDispId(), RequiredDisplayId::START_PARK_IN);

    // The second restart ends the window it opened again.
    rig.willArbitrateData->setIsProccesingToActivation(true);
    rig.displayData->updateDisplayId(RequiredDisplayId::DEF);
    rig.time.advanceTo(second + 0.7);
    EXPECT_FALSE(rig.willArbitrateData->isProccesingToActivation());
    EXPECT_EQ(rig.displayData->currentDispId(), RequiredDisplayId::START_PARK_IN);
}

TEST(UserOperationModelTest, EveryDirectionAsksForItsPlan)
{
    const std::pair<K, BtSmpSelMd> cases[] = {
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::LEFT}, BtSmpSelMd::parkplan2},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::RIGHT}, BtSmpSelMd::parkplan5},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::FORWARD_LEFT}, BtSmpSelMd::parkplan1},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::FORWARD}, BtSmpSelMd::parkplan2},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::FORWARD_RIGHT}, BtSmpSelMd::parkplan3},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD_LEFT}, BtSmpSelMd::parkplan4},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD}, BtSmpSelMd::parkplan5},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD_RIGHT}, BtSmpSelMd::parkplan6},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{PlanForwardBackwardDirection::FORWARD},
         BtSmpSelMd::parkplan2},
        {K::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{PlanForwardBackwardDirection::BACKWARD},
         BtSmpSelMd::parkplan5},
    };
    UserOperationRig rig;
    for (const auto& [kind, sel] : cases) {
        rig.model->notifyUserOperation(kind);
        EXPECT_EQ(rig.sendingData->operation().sel, sel) << "byte " << int(kind.toByte());
        EXPECT_EQ(rig.sendingData->operation().btn, BtSmpBtn::longpress);
    }
}

} // namespace
