#include "Internal/Model/SdkModel.h"

#include "ServiceRig.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using testing_support::Recorder;
using testing_support::runningOperation;
using testing_support::runningWith;

// A fresh set of stores with the service over them.
struct SdkModelRig : testing_support::ServiceRig {
    SdkModel model{detectService,    connectionData, sendingData, sdkStateData, displayData,
                   vehicleStateData, cautionData,    willArbitrateData};
    Recorder<SdkState> states{sdkStateData->real.sdkState()};

    SdkState currentState() const { return states.values.empty() ? SdkState::NOT_OPERATING : states.values.back(); }

    // Background, then back after `away` seconds.
    void stayInBackground(foundation::Seconds away)
    {
        model.notifyMoveToBackground();
        time.advance(away);
        model.notifyMoveToForeground();
    }
};

TEST(SdkModelTest, ARebootTurnsOnlyTheOperationOffAndAsksForNotOperating)
{
    SdkModelRig rig;
    rig.writeRunningOperation();
    rig.sdkStateData->setSdkState(SdkState::OPERATING);
    rig.model.notifyReboot();
    EXPECT_EQ(rig.sendingData->operation(), runningWith([](SmpOperation& r) { r.act = BtSmpAct::off; }));
    EXPECT_EQ(rig.currentState(), SdkState::NOT_OPERATING);
    // The pinned display id still wins over later updates.
    rig.sendingData->updateOperationData({.disp = BtMekDspId::arrival});
    EXPECT_EQ(rig.sendingData->operation().disp, BtMekDspId::resume);
}

TEST(SdkModelTest, FinishingWritesTheNeutralOperationThenResetsEveryStoreButTheLink)
{
    SdkModelRig rig;
    rig.writeRunningOperation();
    rig.connectionData->setBluetoothSocketIsConnected(true);
    rig.sdkStateData->setSdkState(SdkState::TIMEOUT);
    rig.displayData->updateDisplayId(RequiredDisplayId::OPERATE);
    rig.displayData->isDisplayPopup().send(true);
    rig.cautionData->addCause(InternalCause::outArea);
    rig.willArbitrateData->setIsInterrupt(true);
    rig.vehicleStateData->updateOperateInfo({.remainDistance = 42});

    rig.model.requestFinishSdk();

    const SmpOperation neutral{};
    EXPECT_EQ(rig.sendingData->written, std::vector{neutral});
    EXPECT_EQ(rig.sendingData->resets, 1);
    EXPECT_EQ(rig.sendingData->operation(), neutral);
    EXPECT_EQ(rig.currentState(), SdkState::NOT_OPERATING);
    EXPECT_EQ(rig.displayData->currentDispId(), RequiredDisplayId::DEF);
    EXPECT_FALSE(rig.displayData->isDisplayPopup().value());
    EXPECT_EQ(rig.cautionData->topCause(), std::nullopt);
    EXPECT_FALSE(rig.willArbitrateData->isInterrupt());
    EXPECT_EQ(rig.vehicleStateData->getOperateInfo(), VehicleStateData().getOperateInfo());
    EXPECT_EQ(rig.detectService->calls, std::vector<std::string>{"stopDetectAll"});
    EXPECT_TRUE(rig.connectionData->bluetoothSocketIsConnected());
}

TEST(SdkModelTest, GoingToTheBackgroundDropsTheHeldPointPausesDetectionAndStampsTheTimeOnTheMainLoopsClock)
{
    struct Case {
        bool actOn;
        std::vector<SmpOperation> written;
    };
    // No held point waits in the record for the slider's next tick: the next message already lets go.
    const SmpOperation haltedRun = runningWith([](SmpOperation& r) {
        r.x = 0;
        r.y = 0;
        r.disp = BtMekDspId::halt_background;
    });
    const SmpOperation stoppedRun = runningWith([](SmpOperation& r) { r.act = BtSmpAct::off; });
    for (const auto& c : {Case{true, {haltedRun}}, Case{false, {}}}) {
        SCOPED_TRACE(c.actOn);
        SdkModelRig rig;
        rig.writeRunningOperation();
        if (!c.actOn) {
            rig.sendingData->updateOperationData({.act = BtSmpAct::off});
            rig.sendingData->written.clear();
        }
        rig.model.notifyMoveToBackground();
        EXPECT_EQ(rig.sendingData->written, c.written);
        EXPECT_EQ(rig.detectService->calls, std::vector<std::string>{"switchPauseDetect(true)"});
        EXPECT_TRUE(rig.sdkStateData->isBackground().value());
        EXPECT_EQ(rig.sdkStateData->toBackgroundDate(), rig.time.now());
        if (!c.actOn) {
            EXPECT_EQ(rig.sendingData->operation(), stoppedRun);
        }
    }
}

TEST(SdkModelTest, ReturningWithoutHavingLeftChangesNothing)
{
    SdkModelRig rig;
    rig.model.notifyMoveToForeground();
    EXPECT_TRUE(rig.detectService->calls.empty());
    EXPECT_TRUE(rig.sdkStateData->requested.empty());
}

TEST(SdkModelTest, AStayOf180SecondsOrMoreTimesTheFrameworkOut)
{
    struct Case {
        foundation::Seconds away;
        bool actOn;
        SdkState state;
    };
    const Case cases[] = {
        {179.999, false, SdkState::NOT_OPERATING},
        {179.999, true, SdkState::OPERATING},
        {180.0, false, SdkState::TIMEOUT},
        {180.0, true, SdkState::TIMEOUT},
        {3600.0, true, SdkState::TIMEOUT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.away << " s, act on " << c.actOn);
        SdkModelRig rig;
        // With the link up no cause is raised on return.
        rig.connectionData->setBluetoothSocketIsConnected(true);
        rig.sendingData->updateOperationData({.act = c.actOn ? BtSmpAct::on : BtSmpAct::off});
        rig.model.notifyMoveToBackground();
        rig.time.advance(c.away);
        rig.model.notifyMoveToForeground();
        EXPECT_FALSE(rig.sdkStateData->isBackground().value());
        EXPECT_EQ(rig.sdkStateData->requested, std::vector{c.state});
        EXPECT_EQ(rig.detectService->calls.back(), "switchPauseDetect(false)");
        EXPECT_EQ(rig.cautionData->topCause(), std::nullopt);
    }
}

TEST(SdkModelTest, ATimeoutStaysThroughLaterStaysUntilTheFrameworkIsFinished)
{
    SdkModelRig rig;
    rig.sendingData->updateOperationData({.act = BtSmpAct::on});
    rig.connectionData->setBluetoothSocketIsConnected(true);
    rig.stayInBackground(200);
    ASSERT_EQ(rig.currentState(), SdkState::TIMEOUT);
    rig.stayInBackground(1);
    EXPECT_EQ(rig.currentState(), SdkState::TIMEOUT);
    rig.model.requestFinishSdk();
    EXPECT_EQ(rig.currentState(), SdkState::NOT_OPERATING);
}

TEST(SdkModelTest, ALinkLostWhileDetectionWasPausedStopsTheOperationOnReturn)
{
    struct Case {
        bool linkUp;
        bool detectionPaused;
        bool actOn;
        bool stopped;
    };
    const Case cases[] = {
        {false, true, true, true},
        {true, true, true, false},
        {false, false, true, false},
        {false, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "link " << c.linkUp << ", paused " << c.detectionPaused << ", act "
                                        << c.actOn);
        SdkModelRig rig;
        Recorder<CauseId> causes(rig.cautionData->cause());
        rig.connectionData->setBluetoothSocketIsConnected(c.linkUp);
        rig.sendingData->updateOperationData({.act = c.actOn ? BtSmpAct::on : BtSmpAct::off});
        rig.model.notifyMoveToBackground();
        rig.detectService->detectPaused = c.detectionPaused;
        // Long enough to time out: the cause is raised whichever state the return chose.
        rig.time.advance(300);
        rig.model.notifyMoveToForeground();
        if (c.stopped) {
            EXPECT_EQ(rig.cautionData->topCause(), InternalCause::stopReqBtLoss);
            EXPECT_EQ(causes.values, std::vector{causeId(InternalCause::stopReqBtLoss)});
            EXPECT_EQ(rig.displayData->currentDispId(), RequiredDisplayId::STOP);
        } else {
            EXPECT_EQ(rig.cautionData->topCause(), std::nullopt);
            EXPECT_EQ(rig.displayData->currentDispId(), RequiredDisplayId::DEF);
        }
        EXPECT_EQ(rig.detectService->calls.back(), "switchPauseDetect(false)");
    }
}

} // namespace
