#include "FakeDetectService.h"
#include "VehicleFrames.h"
#include "ISoundControl.h"
#include "Internal/Model/BtMekConverter.h"
#include "Internal/Model/CautionData.h"
#include "Internal/Model/DataArbitrator.h"
#include "Internal/Model/DataCoder.h"
#include "Internal/Model/DisplayData.h"
#include "Internal/Model/IVibrateControl.h"
#include "Internal/Model/SdkStateData.h"
#include "Internal/Model/SendingData.h"
#include "Internal/Model/VehicleStateData.h"
#include "Internal/Model/WillArbitrateData.h"
#include "foundation/VirtualTime.h"
#include "rx/Cancellable.h"
#include "support/CapturingSystemLog.h"
#include "support/FrameworkRig.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
namespace vehicle = testing_support::vehicle;
using foundation::Bytes;
using Mount = MountActionOfTransmissionValue;
using enum RequiredDisplayId;

class RecordingSoundControl final : public ISoundControl {
public:
    void wavPlay(const std::string& name, int64_t loop, int64_t priority) override
    {
        calls.push_back("wavPlay " + name + " " + std::to_string(loop) + " " + std::to_string(priority));
    }
    void exclusiveAudio(const std::string& name, int64_t loop) override
    {
        calls.push_back("exclusiveAudio " + name + " " + std::to_string(loop));
    }
    void stopAudio() override { calls.push_back("stopAudio"); }

    std::vector<std::string> calls;
};

class RecordingVibrateControl final : public IVibrateControl {
public:
    void startVibrate(VibrationKind kind) override { started.push_back(kind); }
    void stopVibrate() override { ++stops; }

    std::vector<VibrationKind> started;
    int stops = 0;
};

const std::vector<std::string> kMovingObjectsSound = {"exclusiveAudio orvamel_warning_sound -1",
                                                      "wavPlay orvamel_warning_sound -1 5"};
const std::vector<std::string> kObstacleSound = {"exclusiveAudio orvamel_warning_sound -1",
                                                 "wavPlay orvamel_warning_sound -1 4"};
const std::vector<std::string> kStopSound = {"stopAudio"};

// Every sensor reporting nothing but the front-left one.
std::map<ObstaclePosition, ObstacleDistance> frontLeftAt(ObstacleDistance distance)
{
    auto obstacles = VehicleStateData().getObstacleInfo().obstacles;
    obstacles[ObstaclePosition::FRONT_LEFT] = distance;
    return obstacles;
}

// Records reach the arbitrator as real frames through the codec's receive path, on virtual time.
class DataArbitratorTest : public ::testing::Test {
protected:
    DataArbitratorTest()
    {
        // The counter echo needs the counter unpinned, as a started run has it.
        sendingData->updateOperationData({.smpcntMountAction = Mount::unmount});
        subscriptions.insert(displayData->reqDisplayId().sink([this](RequiredDisplayId id) { shown.push_back(id); }));
        subscriptions.insert(cautionData->cause().sink([this](CauseId id) { published.push_back(id); }));
        arbitrator->startObserver();
    }

    void receive(const Bytes& frame)
    {
        coder->decode(frame);
        time.runUntilIdle();
    }

    // A control-state request whose counter has moved since the one before.
    void receiveRequest(vehicle::CsrRequest request)
    {
        request.counter = nextCounter++;
        receive(vehicle::csrRequestFrame(request));
    }

    // Brings up the vehicle's screen through a record of its own, then forgets what was shown.
    void showVehicleScreen(const vehicle::CsrRequest& request)
    {
        receiveRequest(request);
        shown.clear();
        published.clear();
    }

    std::vector<std::string> takeSoundCalls() { return std::exchange(sound->calls, {}); }

    foundation::VirtualTime time;
    foundation::RunLoop& mainLoop = time.mainLoop();
    testing_support::ScopedSystemLogCapture logCapture;
    std::shared_ptr<SendingData> sendingData = std::make_shared<SendingData>();
    std::shared_ptr<WillArbitrateData> willArbitrateData = std::make_shared<WillArbitrateData>();
    std::shared_ptr<DisplayData> displayData = std::make_shared<DisplayData>();
    std::shared_ptr<VehicleStateData> vehicleStateData = std::make_shared<VehicleStateData>();
    std::shared_ptr<CautionData> cautionData = std::make_shared<CautionData>();
    std::shared_ptr<BtMekConverter> btMekConverter = std::make_shared<BtMekConverter>(vehicleStateData, cautionData);
    std::shared_ptr<SdkStateData> sdkStateData = std::make_shared<SdkStateData>();
    std::shared_ptr<RecordingVibrateControl> vibrate = std::make_shared<RecordingVibrateControl>();
    std::shared_ptr<RecordingSoundControl> sound = std::make_shared<RecordingSoundControl>();
    std::shared_ptr<testing_support::FakeDetectService> detectService =
        std::make_shared<testing_support::FakeDetectService>();
    std::shared_ptr<DataCoder> coder =
        std::make_shared<DataCoder>(sendingData, willArbitrateData, detectService, cautionData, displayData);
    std::shared_ptr<DataArbitrator> arbitrator = std::make_shared<DataArbitrator>(
        sendingData, willArbitrateData, displayData, vehicleStateData, btMekConverter, vibrate, sound, detectService,
        cautionData, sdkStateData);

    uint8_t nextCounter = 30;
    std::vector<RequiredDisplayId> shown;
    std::vector<CauseId> published;
    rx::CancellableSet subscriptions;
};

// --- Lifecycle ---

TEST_F(DataArbitratorTest, JudgesEachRecordOnceAlsoWhenStartedTwice)
{
    arbitrator->startObserver();
    receiveRequest({.dspId = BtMekDspId::connect});
    receive(vehicle::abnormalityFrame(false, false));
    EXPECT_EQ(detectService->count("detectCommunication"), 2u);

    arbitrator->closeObserver();
    receiveRequest({.dspId = BtMekDspId::resume});
    EXPECT_EQ(detectService->count("detectCommunication"), 2u);
    EXPECT_EQ(displayData->currentDispId(), DEF);
}

// --- Control-state requests ---

TEST_F(DataArbitratorTest, EchoesTheVehicleCounterAndStartsTheCounterDetectorsWhileOperating)
{
    sendingData->updateOperationData({.act = BtSmpAct::on});
    receive(vehicle::csrRequestFrame({.dspId = BtMekDspId::connect, .counter = 0x41}));
    EXPECT_EQ(sendingData->operation().smpcnt, 0x41u);
    EXPECT_EQ(detectService->count("startDetectForCounterUpdate"), 0u) << "the first record moves nothing";

    // Three moves in the window make the counter count as updating.
    for (uint8_t counter : {0x42, 0x43, 0x44})
        receive(vehicle::csrRequestFrame({.dspId = BtMekDspId::connect, .counter = counter}));
    EXPECT_EQ(sendingData->operation().smpcnt, 0x44u);
    EXPECT_EQ(detectService->count("startDetectForCounterUpdate"), 3u);
    EXPECT_EQ(detectService->count("startDetectForLastTenCounterUpdate"), 1u);

    detectService->detectFinished = true;
    receive(vehicle::csrRequestFrame({.dspId = BtMekDspId::connect, .counter = 0x45}));
    EXPECT_EQ(detectService->count("startDetectForCounterUpdate"), 3u);
}

TEST_F(DataArbitratorTest, WhileActivatingOnlyTheDetectorsAndTheEchoRun)
{
    willArbitrateData->setIsProccesingToActivation(true);
    cautionData->addCause(InternalCause::outArea);
    receiveRequest({.dspId = BtMekDspId::sel_parkin_vertical, .tgtmd = 2});
    EXPECT_EQ(detectService->count("detectCommunication"), 1u);
    EXPECT_EQ(sendingData->operation().smpcnt, 30u);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(published.empty());
    EXPECT_EQ(vehicleStateData->getPlanParkInInfo(), VehicleStateData().getPlanParkInInfo());
}

TEST_F(DataArbitratorTest, TheFirstRecordAfterAConfirmationShowsTheStartScreenOrTheCause)
{
    struct Case {
        const char* name;
        std::optional<InternalCause> cause;
        bool parkOutRequested;
        RequiredDisplayId screen;
    };
    const std::vector<Case> cases = {
        {"park-in", std::nullopt, false, START_PARK_IN},
        {"park-out requested by verification", std::nullopt, true, START_PARK_OUT},
        {"a pending halt cause", InternalCause::outArea, false, HALT},
    };
    for (const Case& c : cases) {
        cautionData->initParam();
        displayData->initParam();
        willArbitrateData->setWaitingInitialReceived(true);
        receive(vehicle::verificationFrame(c.parkOutRequested ? BtIdtBtRq::parkOut : BtIdtBtRq::parkInOrFowaback,
                                           BtIdtDspId::none));
        if (c.cause)
            cautionData->addCause(*c.cause);
        detectService->calls.clear();

        receiveRequest({.dspId = BtMekDspId::sel_parkin_vertical, .tgtmd = 2});
        EXPECT_EQ(displayData->currentDispId(), c.screen) << c.name;
        EXPECT_EQ(detectService->calls, (std::vector<std::string>{"detectCommunication", "startDetectForBluetoothConnect",
                                                                  "startDetectForCommunication"}))
            << c.name;
        EXPECT_EQ(vehicleStateData->getPlanParkInInfo(), VehicleStateData().getPlanParkInInfo()) << c.name;
    }
}

TEST_F(DataArbitratorTest, SensingHoldsUntilTheCounterMovesExceptForLessUrgentCauses)
{
    struct Case {
        const char* name;
        std::optional<InternalCause> cause;
        RequiredDisplayId screen;
        std::vector<CauseId> published;
    };
    const std::vector<Case> cases = {
        {"no cause", std::nullopt, SENSING, {}},
        {"a counter anomaly is held back", InternalCause::haltCounterAnomaly, SENSING, {}},
        {"wrong way breaks through", InternalCause::wrongWay, HALT, {CauseId::WRONG_WAY}},
    };
    for (const Case& c : cases) {
        willArbitrateData->initParam();
        cautionData->initParam();
        displayData->updateDisplayId(SENSING);
        if (c.cause)
            cautionData->addCause(*c.cause);
        published.clear();

        // Two records with the same counter: it has not moved.
        for (int i = 0; i < 2; ++i)
            receive(vehicle::csrRequestFrame({.dspId = BtMekDspId::sel_parkin_vertical, .tgtmd = 2, .counter = 7}));
        EXPECT_EQ(displayData->currentDispId(), c.screen) << c.name;
        EXPECT_EQ(published, c.published) << c.name;
    }

    // Once the counter moves, the vehicle's screen applies.
    cautionData->initParam();
    receive(vehicle::csrRequestFrame({.dspId = BtMekDspId::sel_parkin_vertical, .tgtmd = 2, .counter = 8}));
    EXPECT_EQ(displayData->currentDispId(), SEL_PARK_IN);
}

TEST_F(DataArbitratorTest, SelectionScreensPublishTheirPlans)
{
    receiveRequest({.dspId = BtMekDspId::sel_parkin_obstacle_vertical, .tgtmd = 0x0A});
    EXPECT_EQ(vehicleStateData->getPlanParkInInfo(), (PlanParkInInfo{true, MoveParkInDirection::VERTICAL,
                                                                     PlanParkInDirection::RIGHT}));
    receiveRequest({.dspId = BtMekDspId::sel_parkout_parallel, .ctrmd = 0x48});
    EXPECT_EQ(vehicleStateData->getPlanParkOutInfo(),
              (PlanParkOutInfo{MoveParkOutDirection::PARALLEL,
                               {PlanParkOutDirection::FORWARD, PlanParkOutDirection::BACKWARD}}));
    receiveRequest({.dspId = BtMekDspId::sel_forward_backward, .ctrmd = 0x08, .tgtmd = 5});
    EXPECT_EQ(vehicleStateData->getPlanForwardBackwardInfo(),
              (PlanForwardBackwardInfo{false, {PlanForwardBackwardDirection::FORWARD}, PlanForwardBackwardDirection::BACKWARD}));
    EXPECT_EQ(shown, (std::vector<RequiredDisplayId>{SEL_PARK_IN, SEL_PARK_OUT, SEL_FORWARD_BACKWARD}));
    EXPECT_FALSE(willArbitrateData->isForward().has_value());
}

// A selection without the recommended direction it needs changes neither the plan nor the screen.
TEST_F(DataArbitratorTest, ASelectionMissingPartOfItsPlanChangesNothing)
{
    showVehicleScreen({.dspId = BtMekDspId::connect});
    receiveRequest({.dspId = BtMekDspId::sel_parkin_vertical, .tgtmd = 0});
    receiveRequest({.dspId = BtMekDspId::sel_forward_backward, .ctrmd = 0x48, .tgtmd = 1});
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(vehicleStateData->getPlanParkInInfo(), VehicleStateData().getPlanParkInInfo());
    EXPECT_EQ(vehicleStateData->getPlanForwardBackwardInfo(), VehicleStateData().getPlanForwardBackwardInfo());
}

TEST_F(DataArbitratorTest, OperateRecordsPublishTheOperateStateAndTellTheVehicleTheScreen)
{
    receiveRequest({.dspId = BtMekDspId::controlling_outpark_operation_disruption, .dist = 0x33, .lr = 2, .fb = 2});
    EXPECT_EQ(vehicleStateData->getOperateInfo(),
              (OperateInfo{OperateDirection::BACKWARD_RIGHT, 0x33, OperateReq::ENABLE, OperateReq::ENABLE,
                           OperateReq::HIDDEN}));
    EXPECT_EQ(displayData->currentDispId(), OPERATE);
    EXPECT_EQ(sendingData->operation().disp, BtMekDspId::controlling_outpark_operation_disruption);

    // Mounted: a plain update cannot replace it.
    sendingData->updateOperationData({.disp = BtMekDspId::resume});
    EXPECT_EQ(sendingData->operation().disp, BtMekDspId::controlling_outpark_operation_disruption);
}

TEST_F(DataArbitratorTest, OperateRecordsInTheBackgroundMountNoDisplayId)
{
    sdkStateData->isBackground().send(true);
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .dist = 9, .lr = 0, .fb = 1});
    EXPECT_EQ(vehicleStateData->getOperateInfo().remainDistance, 9);
    EXPECT_EQ(vehicleStateData->isFowabackDisruption(), false);
    EXPECT_EQ(sendingData->operation().disp, BtMekDspId::def);
}

TEST_F(DataArbitratorTest, AChangeBetweenForwardAndBackwardVibratesOnce)
{
    showVehicleScreen({.dspId = BtMekDspId::sel_forward_backward, .ctrmd = 0x48, .tgtmd = 2});
    // The first operate record finds another screen up: it neither vibrates nor remembers a direction.
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .lr = 0, .fb = 1});
    EXPECT_FALSE(willArbitrateData->isForward().has_value());
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .lr = 1, .fb = 1});
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .lr = 2, .fb = 1});
    EXPECT_TRUE(vibrate->started.empty());
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .lr = 0, .fb = 2});
    EXPECT_EQ(vibrate->started, std::vector<VibrationKind>{VibrationKind::turnback});

    // Leaving the operate screen forgets the direction, so coming back starts afresh.
    receiveRequest({.dspId = BtMekDspId::sel_forward_backward, .ctrmd = 0x48, .tgtmd = 2});
    EXPECT_FALSE(willArbitrateData->isForward().has_value());
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .lr = 0, .fb = 1});
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .lr = 0, .fb = 2});
    EXPECT_EQ(vibrate->started.size(), 1u);
    receiveRequest({.dspId = BtMekDspId::controlling_fowaback, .lr = 0, .fb = 1});
    EXPECT_EQ(vibrate->started.size(), 2u);
}

TEST_F(DataArbitratorTest, TheInterruptEndsWithTheFirstRecordThatIsNoDisruption)
{
    sendingData->updateOperationData({.x = 40, .y = 50, .btn = BtSmpBtn::longpress, .sel = BtSmpSelMd::parkplan3});
    willArbitrateData->setIsInterrupt(true);
    receiveRequest({.dspId = BtMekDspId::controlling_outpark_operation_disruption, .lr = 0, .fb = 1});
    EXPECT_TRUE(willArbitrateData->isInterrupt());
    EXPECT_EQ(sendingData->operation().x, 40u);
    EXPECT_EQ(sendingData->operation().disp, BtMekDspId::def) << "no display id while the interrupt is pending";

    receiveRequest({.dspId = BtMekDspId::controlling_outpark, .lr = 0, .fb = 1});
    EXPECT_FALSE(willArbitrateData->isInterrupt());
    const SmpOperation operation = sendingData->operation();
    EXPECT_EQ(std::tie(operation.x, operation.y, operation.btn, operation.sel),
              std::make_tuple(0u, 0u, BtSmpBtn::def, BtSmpSelMd::parkplan0));
}

TEST_F(DataArbitratorTest, AHaltOrStopCauseWinsOverTheVehicleScreen)
{
    cautionData->addCause(InternalCause::losePath);
    receiveRequest({.dspId = BtMekDspId::sel_parkin_vertical, .tgtmd = 2});
    EXPECT_EQ(shown, std::vector<RequiredDisplayId>{STOP});
    EXPECT_EQ(published, std::vector<CauseId>{CauseId::LOSE_PATH});
    EXPECT_EQ(vehicleStateData->getPlanParkInInfo(), VehicleStateData().getPlanParkInInfo());
}

TEST_F(DataArbitratorTest, AControlTimeoutStopsTheOperationOnlyWhenTheScreenIsNotOurs)
{
    struct Case {
        const char* name;
        bool background;
        bool outsideSdkControl;
        BtSmpAct act;
    };
    const std::vector<Case> cases = {
        {"foreground", false, false, BtSmpAct::on},
        {"background", true, false, BtSmpAct::off},
        {"outside screen", false, true, BtSmpAct::off},
    };
    for (const Case& c : cases) {
        sendingData->updateOperationData({.act = BtSmpAct::on});
        sdkStateData->isBackground().send(c.background);
        displayData->isDisplayOutsideSdkControl().send(c.outsideSdkControl);
        cautionData->addCause(InternalCause::timeoutControl);
        receiveRequest({.dspId = BtMekDspId::controlling_inpark, .lr = 0, .fb = 1});
        EXPECT_EQ(displayData->currentDispId(), STOP) << c.name;
        EXPECT_EQ(sendingData->operation().act, c.act) << c.name;
    }
}

TEST_F(DataArbitratorTest, AFinishedParkOutHidesALessUrgentCauseWithoutForgettingIt)
{
    cautionData->addCause(InternalCause::outArea);
    receiveRequest({.dspId = BtMekDspId::parkout_comp});
    EXPECT_EQ(displayData->currentDispId(), COMPLETE_PARK_OUT);
    EXPECT_EQ(published, std::vector<CauseId>{CauseId::DEF});
    EXPECT_TRUE(cautionData->hasCause(CauseId::OUT_AREA));

    // A later record publishes the held cause again.
    receiveRequest({.dspId = BtMekDspId::connect});
    EXPECT_EQ(published, (std::vector<CauseId>{CauseId::DEF, CauseId::OUT_AREA}));
    EXPECT_EQ(displayData->currentDispId(), HALT);
}

TEST_F(DataArbitratorTest, TheRestartHaltOfTheVehicleIsRemembered)
{
    receiveRequest({.dspId = BtMekDspId::halt_btrestart});
    EXPECT_TRUE(willArbitrateData->haltBackgroundFlg());
    EXPECT_EQ(displayData->currentDispId(), SENSING);
    receiveRequest({.dspId = BtMekDspId::halt_outarea});
    EXPECT_FALSE(willArbitrateData->haltBackgroundFlg());
}

// --- Verification and abnormality records ---

TEST_F(DataArbitratorTest, AVerificationCauseShowsItsScreenAndLeavesTheParkOutFlag)
{
    detectService->onDetectCommunication = [this](const auto& verification, const auto&, const auto&) {
        if (verification && verification->IDTDSPID == BtIdtDspId::ab_end)
            cautionData->addCause(InternalCause::abnormalEnd);
    };
    receive(vehicle::verificationFrame(BtIdtBtRq::parkOut, BtIdtDspId::none));
    EXPECT_TRUE(willArbitrateData->isReceivedParkOutFlag());
    EXPECT_TRUE(shown.empty()) << "no confirmation is awaited";

    receive(vehicle::verificationFrame(BtIdtBtRq::parkInOrFowaback, BtIdtDspId::ab_end));
    EXPECT_EQ(shown, std::vector<RequiredDisplayId>{STOP});
    EXPECT_EQ(published, std::vector<CauseId>{CauseId::ABNORMAL_END});
    EXPECT_TRUE(willArbitrateData->isReceivedParkOutFlag());
}

TEST_F(DataArbitratorTest, AVerificationWhileAConfirmationIsAwaitedShowsTheStartScreen)
{
    willArbitrateData->setWaitingInitialReceived(true);
    receive(vehicle::verificationFrame(BtIdtBtRq::parkOut, BtIdtDspId::none));
    EXPECT_EQ(displayData->currentDispId(), START_PARK_OUT);
    receive(vehicle::verificationFrame(BtIdtBtRq::parkInOrFowaback, BtIdtDspId::none));
    EXPECT_EQ(displayData->currentDispId(), START_PARK_IN);
}

TEST_F(DataArbitratorTest, OnAFinishedParkOutOnlyAnUrgentAbnormalityCauseIsShown)
{
    struct Case {
        const char* name;
        InternalCause cause;
        RequiredDisplayId screen;
        std::vector<CauseId> published;
    };
    const std::vector<Case> cases = {
        {"less urgent", InternalCause::canLoss, COMPLETE_PARK_OUT, {}},
        {"urgent", InternalCause::haltDcucsrerInterrupt, HALT, {CauseId::DCUCSRER_INTERRUPT}},
    };
    for (const Case& c : cases) {
        cautionData->initParam();
        displayData->updateDisplayId(COMPLETE_PARK_OUT);
        published.clear();
        detectService->onDetectCommunication = [this, cause = c.cause](const auto&, const auto&, const auto& abnormal) {
            if (abnormal)
                cautionData->addCause(cause);
        };
        receive(vehicle::abnormalityFrame(false, true));
        EXPECT_EQ(displayData->currentDispId(), c.screen) << c.name;
        EXPECT_EQ(published, c.published) << c.name;
    }
}

// --- Obstacles, moving objects and the warning sound ---

TEST_F(DataArbitratorTest, TheLastObstacleMarkIsClearedOnlyAfterTheHiddenWait)
{
    receive(vehicle::detectionFrame({.FL_POS = 3}));
    EXPECT_EQ(vehicleStateData->getObstacleInfo().obstacles, frontLeftAt(ObstacleDistance::SHORT));

    receive(vehicle::detectionFrame({}));
    time.advance(1.0);
    receive(vehicle::detectionFrame({})); // a second clear starts no second timer
    time.advance(1.9);
    EXPECT_EQ(vehicleStateData->getObstacleInfo().obstacles, frontLeftAt(ObstacleDistance::SHORT));
    time.advance(0.1);
    EXPECT_EQ(vehicleStateData->getObstacleInfo().obstacles, frontLeftAt(ObstacleDistance::NONE));
}

TEST_F(DataArbitratorTest, ANewObstacleMarkCancelsThePendingClear)
{
    receive(vehicle::detectionFrame({.FL_POS = 3}));
    receive(vehicle::detectionFrame({}));
    time.advance(1.0);
    receive(vehicle::detectionFrame({.FL_POS = 4}));
    EXPECT_EQ(vehicleStateData->getObstacleInfo().obstacles, frontLeftAt(ObstacleDistance::MIDDLE));
    time.advance(5.0);
    EXPECT_EQ(vehicleStateData->getObstacleInfo().obstacles, frontLeftAt(ObstacleDistance::MIDDLE));
}

TEST_F(DataArbitratorTest, ClearSideSensorsArePostedAtOnceWhileAFrontMarkStands)
{
    receive(vehicle::informationFrame({.FLS_POS = 2}));
    receive(vehicle::detectionFrame({.FL_POS = 3}));
    receive(vehicle::informationFrame({}));
    const auto obstacles = vehicleStateData->getObstacleInfo().obstacles;
    EXPECT_EQ(obstacles.at(ObstaclePosition::FRONT_LEFT_SIDE), ObstacleDistance::NONE);
    EXPECT_EQ(obstacles.at(ObstaclePosition::FRONT_LEFT), ObstacleDistance::SHORT);
}

TEST_F(DataArbitratorTest, TheLastMovingObjectIsClearedOnlyAfterTheHiddenWait)
{
    receive(vehicle::informationFrame({}));
    EXPECT_TRUE(vehicleStateData->getObstacleInfo().moves.empty()) << "nothing shown: posted at once";

    receive(vehicle::informationFrame({.MV_FL = 1, .MV_RC = 1}));
    EXPECT_EQ(vehicleStateData->getObstacleInfo().moves,
              (std::vector<MovesPosition>{MovesPosition::FRONT_LEFT, MovesPosition::REAR_CENTER}));
    receive(vehicle::informationFrame({}));
    time.advance(2.9);
    EXPECT_EQ(vehicleStateData->getObstacleInfo().moves.size(), 2u);
    time.advance(0.1);
    EXPECT_TRUE(vehicleStateData->getObstacleInfo().moves.empty());
}

TEST_F(DataArbitratorTest, APendingClearStillFiresAfterTheLinkCloses)
{
    receive(vehicle::informationFrame({.MV_FR = 1}));
    receive(vehicle::informationFrame({}));
    arbitrator->closeObserver();
    time.advance(3.0);
    EXPECT_TRUE(vehicleStateData->getObstacleInfo().moves.empty());
}

// With no link no send cycle runs, so the causes the framework raises on its own must reach the
// screen without one: the one standing when the link closes, then each one raised.
TEST_F(DataArbitratorTest, WithoutALinkTheRaisedCausesStillShowTheirScreens)
{
    showVehicleScreen({.dspId = BtMekDspId::controlling_inpark, .lr = 0, .fb = 1});
    cautionData->addCause(InternalCause::haltReqBtLoss);
    time.runUntilIdle();
    ASSERT_TRUE(shown.empty()) << "while linked the send cycle shows it";

    arbitrator->closeObserver();
    time.runUntilIdle();
    EXPECT_EQ(shown, (std::vector{HALT}));
    EXPECT_EQ(published, (std::vector{CauseId::BT_LOSS}));

    cautionData->removeCause(InternalCause::haltReqBtLoss);
    cautionData->addCause(InternalCause::stopReqBtLoss);
    time.runUntilIdle();
    EXPECT_EQ(shown, (std::vector{HALT, STOP}));

    arbitrator->startObserver();
    cautionData->addCause(InternalCause::stopBtOff);
    time.runUntilIdle();
    EXPECT_EQ(published, (std::vector{CauseId::BT_LOSS})) << "linked again, the send cycle takes over";
}

TEST_F(DataArbitratorTest, TheWarningSoundFollowsMovingObjectsAndCloseObstaclesWhileOperating)
{
    receive(vehicle::informationFrame({.MV_FL = 1}));
    EXPECT_EQ(takeSoundCalls(), kStopSound) << "only on the operate screen";

    showVehicleScreen({.dspId = BtMekDspId::controlling_inpark, .lr = 0, .fb = 1});
    struct Step {
        const char* name;
        Bytes frame;
        std::vector<std::string> sound;
    };
    const std::vector<Step> steps = {
        {"moving object and a most-short obstacle", vehicle::detectionFrame({.FL_POS = 2}), kMovingObjectsSound},
        {"the moving object leaves but is held for the hidden wait", vehicle::informationFrame({}), kMovingObjectsSound},
    };
    for (const Step& step : steps) {
        receive(step.frame);
        EXPECT_EQ(takeSoundCalls(), step.sound) << step.name;
    }
    time.advance(3.0);
    EXPECT_TRUE(takeSoundCalls().empty()) << "the clear itself plays nothing";
    receive(vehicle::detectionFrame({.FL_POS = 2}));
    EXPECT_EQ(takeSoundCalls(), kObstacleSound);
    receive(vehicle::detectionFrame({.FL_POS = 3}));
    EXPECT_EQ(takeSoundCalls(), kStopSound);
}

// --- With the real detectors ---

// A control-state request with a wrong checksum is still arbitrated, and the checksum detector halts
// the operation once the fault persists.
TEST(ReceivePathEndToEndTest, PersistentChecksumFaultsHaltTheOperation)
{
    testing_support::ScopedSystemLogCapture logCapture;
    testing_support::FrameworkRig rig;
    std::vector<CauseId> published;
    auto subscription = rig.cautionData->cause().sink([&published](CauseId id) { published.push_back(id); });
    const auto receive = [&rig](const Bytes& frame) {
        rig.coder->decode(frame);
        rig.time.runUntilIdle();
    };
    rig.detectService->startDetectForActOn();
    receive(vehicle::verificationFrame(BtIdtBtRq::parkInOrFowaback, BtIdtDspId::none));

    receive(vehicle::csrRequestFrame({.dspId = BtMekDspId::controlling_inpark, .lr = 0, .fb = 1, .counter = 1,
                                      .wrongChecksum = true}));
    EXPECT_EQ(rig.displayData->currentDispId(), OPERATE);
    EXPECT_EQ(published, std::vector<CauseId>{CauseId::DEF});

    rig.time.advance(0.6);
    receive(vehicle::csrRequestFrame({.dspId = BtMekDspId::controlling_inpark, .lr = 0, .fb = 1, .counter = 2,
                                      .wrongChecksum = true}));
    EXPECT_EQ(rig.displayData->currentDispId(), HALT);
    EXPECT_EQ(published, (std::vector<CauseId>{CauseId::DEF, CauseId::CHECKSUM_ANOMALY}));

    const auto lines = logCapture->lines();
    const auto checksumDrops = std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("Cause:Received MEKSUM is invalid.") != std::string::npos;
    });
    EXPECT_EQ(checksumDrops, 2);
}

} // namespace
