#include "Internal/Model/DisplayModel.h"

#include "Internal/Model/IBtMekConverter.h"
#include "ServiceRig.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using testing_support::runningOperation;
using testing_support::runningWith;
using R = RequiredDisplayId;
using Calls = std::vector<std::string>;

// Answers each conversion with an id of its own, so the table shows which one was asked.
class FixedBtMekConverter final : public IBtMekConverter {
public:
    BtMekDspId convertToParkInBtMekDspId() const override { return BtMekDspId::sel_parkin_vertical; }
    BtMekDspId convertToParkOutBtMekDspId() const override { return BtMekDspId::sel_parkout_parallel; }
    BtMekDspId convertToForwardBackwardBtMekDspId() const override { return BtMekDspId::sel_forward_backward; }
    BtMekDspId convertToOperateBtMekDspId() const override { return BtMekDspId::controlling_inpark; }
    BtMekDspId convertToCauseBtMekDspId() const override { return BtMekDspId::halt_outarea; }
};

struct DisplayRig : testing_support::ServiceRig {
    DisplayModel model{sendingData,    displayData, willArbitrateData, std::make_shared<FixedBtMekConverter>(),
                       cautionData, sdkStateData, detectService};
};

// The running record with the display id and a neutral touch, as every screen but SENSING leaves it.
SmpOperation showing(BtMekDspId disp)
{
    return runningWith([disp](SmpOperation& r) {
        r.disp = disp;
        r.x = r.y = 0;
        r.btn = BtSmpBtn::def;
        r.sel = BtSmpSelMd::parkplan0;
    });
}

TEST(DisplayModelTest, EveryScreenEchoesItsDisplayIdAndNeutralisesTheTouch)
{
    struct Case {
        R screen;
        BtMekDspId disp;
    };
    const Case cases[] = {
        {R::DEF, BtMekDspId::def},
        {R::VALID_VEHICLE, BtMekDspId::vehicle_registration_confirmation},
        {R::VALID_VEHICLE_BLINKER, BtMekDspId::blinker_registration_confirmation},
        {R::START_PARK_IN, BtMekDspId::def},
        {R::START_PARK_OUT, BtMekDspId::def},
        {R::SEL_PARK_IN, BtMekDspId::sel_parkin_vertical},
        {R::SEL_PARK_OUT, BtMekDspId::sel_parkout_parallel},
        {R::SEL_FORWARD_BACKWARD, BtMekDspId::sel_forward_backward},
        {R::OPERATE, BtMekDspId::controlling_inpark},
        {R::REACH_POINT, BtMekDspId::arrival},
        {R::RESUME, BtMekDspId::resume},
        {R::HALT, BtMekDspId::halt_outarea},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.screen));
        DisplayRig rig;
        rig.writeRunningOperation();
        rig.model.notifyTransitionDisplay(c.screen);
        EXPECT_EQ(rig.sendingData->operation(), showing(c.disp));
        // Pinned: later updates keep echoing it.
        rig.sendingData->updateOperationData({.disp = BtMekDspId::connect});
        EXPECT_EQ(rig.sendingData->operation().disp, c.disp);
        EXPECT_TRUE(rig.detectService->calls.empty());
        EXPECT_TRUE(rig.sdkStateData->requested.empty());
    }
}

TEST(DisplayModelTest, SensingAsksForConnectOrTheRestartIdAndKeepsTheTouch)
{
    for (const bool haltedInBackground : {false, true}) {
        SCOPED_TRACE(haltedInBackground);
        DisplayRig rig;
        rig.writeRunningOperation();
        rig.willArbitrateData->setHaltBackgroundFlg(haltedInBackground);
        rig.willArbitrateData->setWaitingInitialReceived(true);
        rig.willArbitrateData->setIsUpdateCounter(true);
        rig.model.notifyTransitionDisplay(R::SENSING);
        const BtMekDspId disp = haltedInBackground ? BtMekDspId::halt_btrestart : BtMekDspId::connect;
        EXPECT_EQ(rig.sendingData->written, std::vector{runningWith([disp](SmpOperation& r) { r.disp = disp; })});
        EXPECT_FALSE(rig.willArbitrateData->waitingInitialReceived());
        EXPECT_FALSE(rig.willArbitrateData->isUpdateCounter());
    }
}

TEST(DisplayModelTest, ACompletionScreenEndsTheOperationAndItsDetection)
{
    const std::pair<R, BtMekDspId> cases[] = {
        {R::COMPLETE_PARK_IN, BtMekDspId::parkin_comp},
        {R::COMPLETE_PARK_IN_FORGET_HAZARD, BtMekDspId::finish_forget_hazard},
        {R::COMPLETE_PARK_OUT, BtMekDspId::parkout_comp},
    };
    for (const auto& [screen, disp] : cases) {
        SCOPED_TRACE(int(screen));
        DisplayRig rig;
        rig.writeRunningOperation();
        rig.model.notifyTransitionDisplay(screen);
        SmpOperation ended = showing(disp);
        ended.act = BtSmpAct::off;
        ended.smpcnt = 0;
        EXPECT_EQ(rig.sendingData->operation(), ended);
        EXPECT_EQ(rig.detectService->calls, Calls{"stopDetectForComplete"});
        EXPECT_EQ(rig.sdkStateData->requested, std::vector{SdkState::NOT_OPERATING});
        // The counter stays pinned at 0.
        rig.sendingData->updateOperationData({.smpcnt = 9});
        EXPECT_EQ(rig.sendingData->operation().smpcnt, 0u);
    }
}

TEST(DisplayModelTest, TheStopScreenEndsTheOperationAsItsTopCauseRequires)
{
    struct Case {
        std::optional<InternalCause> cause;
        BtSmpAct act;
        uint32_t smpcnt;
    };
    const Case cases[] = {
        {std::nullopt, BtSmpAct::on, 7},
        {InternalCause::outArea, BtSmpAct::on, 7},
        {InternalCause::stopBtOff, BtSmpAct::off, 0},
        {InternalCause::stopReqBtLoss, BtSmpAct::off, 0},
        {InternalCause::abnormalButteryStatus, BtSmpAct::off, 0},
        {InternalCause::userSelf, BtSmpAct::off, 0},
        {InternalCause::cannotStartUsageProhibited, BtSmpAct::off, 0},
        {InternalCause::breakTimeout, BtSmpAct::off, 0},
        {InternalCause::deadLock, BtSmpAct::off, 7},
        {InternalCause::timeoutControl, BtSmpAct::off, 7},
        {InternalCause::haltCounterAnomaly, BtSmpAct::on, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cause ? int(*c.cause) : -1);
        DisplayRig rig;
        rig.writeRunningOperation();
        if (c.cause)
            rig.cautionData->addCause(*c.cause);
        rig.model.notifyTransitionDisplay(R::STOP);
        SmpOperation stopped = showing(BtMekDspId::halt_outarea);
        stopped.act = c.act;
        stopped.smpcnt = c.smpcnt;
        EXPECT_EQ(rig.sendingData->operation(), stopped);
        EXPECT_EQ(rig.detectService->calls, Calls{"stopDetectForComplete"});
        const auto expectedStates = c.act == BtSmpAct::off ? std::vector{SdkState::NOT_OPERATING} : std::vector<SdkState>{};
        EXPECT_EQ(rig.sdkStateData->requested, expectedStates);
    }
}

TEST(DisplayModelTest, ScreenReportsAreIgnoredInTheBackgroundOutsideTheFrameworkAndDuringAnInterrupt)
{
    const std::function<void(DisplayRig&)> blockers[] = {
        [](DisplayRig& rig) { rig.sdkStateData->isBackground().send(true); },
        [](DisplayRig& rig) { rig.displayData->isDisplayOutsideSdkControl().send(true); },
        [](DisplayRig& rig) { rig.willArbitrateData->setIsInterrupt(true); },
    };
    for (size_t i = 0; i < std::size(blockers); ++i) {
        SCOPED_TRACE(i);
        DisplayRig rig;
        rig.writeRunningOperation();
        rig.sendingData->updateOperationData({.act = BtSmpAct::off});
        rig.sendingData->written.clear();
        blockers[i](rig);
        for (R screen : foundation::allCases<R>())
            rig.model.notifyTransitionDisplay(screen);
        EXPECT_TRUE(rig.sendingData->written.empty());
        EXPECT_TRUE(rig.detectService->calls.empty());
        EXPECT_TRUE(rig.sdkStateData->requested.empty());
    }
}

TEST(DisplayModelTest, AnyScreenWithTheOperationOffAsksForNotOperating)
{
    DisplayRig rig;
    rig.model.notifyTransitionDisplay(R::START_PARK_IN);
    rig.model.notifyTransitionDisplay(R::SENSING);
    EXPECT_EQ(rig.sdkStateData->requested, (std::vector{SdkState::NOT_OPERATING, SdkState::NOT_OPERATING}));
}

TEST(DisplayModelTest, WaitingForTheConnectionConfirmationOnlySetsItsFlag)
{
    DisplayRig rig;
    rig.model.notifyWaitingConnectConfirm();
    EXPECT_TRUE(rig.willArbitrateData->waitingInitialReceived());
    EXPECT_TRUE(rig.sendingData->written.empty());
}

TEST(DisplayModelTest, OutsideScreensAndPopupsPublishTheirFlagAndLiftTheTouchOfARunningOperation)
{
    struct Case {
        bool outside;
        bool isDisplay;
        bool actOn;
        std::vector<SmpOperation> written;
    };
    const SmpOperation lifted = runningWith([](SmpOperation& r) { r.x = r.y = 0; });
    const SmpOperation liftedAndHalted = runningWith([](SmpOperation& r) {
        r.x = r.y = 0;
        r.disp = BtMekDspId::halt_background;
    });
    const Case cases[] = {
        {true, true, true, {liftedAndHalted}},
        {true, true, false, {}},
        {true, false, true, {}},
        {false, true, true, {lifted}},
        {false, true, false, {}},
        {false, false, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "outside " << c.outside << ", shown " << c.isDisplay << ", act " << c.actOn);
        DisplayRig rig;
        rig.writeRunningOperation();
        auto& flag = c.outside ? rig.displayData->isDisplayOutsideSdkControl() : rig.displayData->isDisplayPopup();
        flag.send(!c.isDisplay);
        if (!c.actOn) {
            rig.sendingData->updateOperationData({.act = BtSmpAct::off});
            rig.sendingData->written.clear();
        }
        if (c.outside)
            rig.model.notifyDisplayOutsideSdkControl(c.isDisplay);
        else
            rig.model.notifyDisplayPopup(c.isDisplay);
        EXPECT_EQ(flag.value(), c.isDisplay);
        EXPECT_EQ(rig.sendingData->written, c.written);
    }
}

} // namespace
