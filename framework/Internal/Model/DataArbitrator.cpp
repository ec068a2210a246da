#include "Internal/Model/DataArbitrator.h"

#include "ISoundControl.h"
#include "Internal/Model/IBtMekConverter.h"
#include "Internal/Model/IDetectService.h"
#include "Internal/Model/IInternalCautionData.h"
#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IInternalVehicleStateData.h"
#include "Internal/Model/IVibrateControl.h"
#include "Internal/Model/IWillArbitrateData.h"
#include "Internal/Model/TopCauseScreen.h"
#include "Internal/Model/UnlinkedCauseScreen.h"
#include "foundation/RunLoop.h"

#include <algorithm>
#include <utility>

namespace tolvane {

namespace {

// The last mark on screen is cleared only after this long without a new one, so that a sensor that
// flickers does not make the marks blink.
constexpr foundation::Seconds kHiddenWaitInterval = 3.0;
constexpr const char* kWarningSound = "orvamel_warning_sound";
constexpr int64_t kLoopUntilPaused = -1;
constexpr int64_t kMovingObjectsPriority = 5;
constexpr int64_t kObstacleDetectionsPriority = 4;

bool hasMark(const std::map<ObstaclePosition, ObstacleDistance>& obstacles)
{
    return std::any_of(obstacles.begin(), obstacles.end(),
                       [](const auto& entry) { return entry.second != ObstacleDistance::NONE; });
}

bool isOperationDisruption(BtMekDspId id)
{
    return id == BtMekDspId::controlling_inpark_operation_disruption
        || id == BtMekDspId::controlling_outpark_operation_disruption
        || id == BtMekDspId::controlling_fowaback_operation_disruption;
}

bool isForwardDirection(OperateDirection direction)
{
    return direction == OperateDirection::FORWARD_LEFT || direction == OperateDirection::FORWARD
        || direction == OperateDirection::FORWARD_RIGHT;
}

// The HALT or STOP screen of the top cause, if there is one.
std::optional<RequiredDisplayId> screenOf(const std::optional<InternalCause>& topCause)
{
    return topCause ? displayId(*topCause) : std::nullopt;
}

// Causes whose screen may replace SENSING before the vehicle's counter has moved.
bool breaksThroughSensing(InternalCause cause)
{
    return priority(cause) > priority(InternalCause::haltCounterAnomaly)
        || cause == InternalCause::cannotStartVehicleFailOut || cause == InternalCause::cannotStartUsageProhibited
        || cause == InternalCause::wrongWay || cause == InternalCause::cannotStartSmartCancel;
}

} // namespace

DataArbitrator::DataArbitrator(std::shared_ptr<IInternalSendBTData> sendingData,
                               std::shared_ptr<IWillArbitrateData> willArbitrateData,
                               std::shared_ptr<IInternalDisplayData> displayData,
                               std::shared_ptr<IInternalVehicleStateData> vehicleStateData,
                               std::shared_ptr<IBtMekConverter> btMekConverter,
                               std::shared_ptr<IVibrateControl> vibrateControl,
                               std::shared_ptr<ISoundControl> soundControl,
                               std::shared_ptr<IDetectService> detectService,
                               std::shared_ptr<IInternalCautionData> cautionData,
                               std::shared_ptr<IInternalSdkStateData> sdkStateData)
    : sendingData(std::move(sendingData))
    , willArbitrateData(std::move(willArbitrateData))
    , displayData(std::move(displayData))
    , vehicleStateData(std::move(vehicleStateData))
    , btMekConverter(std::move(btMekConverter))
    , vibrateControl(std::move(vibrateControl))
    , soundControl(std::move(soundControl))
    , detectService(std::move(detectService))
    , cautionData(std::move(cautionData))
    , sdkStateData(std::move(sdkStateData))
    , unlinkedCauseScreen(std::make_shared<UnlinkedCauseScreen>(this->cautionData, this->displayData))
{
}

void DataArbitrator::startObserver()
{
    foundation::assertOnMainLoop("DataArbitrator::startObserver");
    cancellables.removeAll();
    unlinkedCauseScreen->stopWatching();
    // The subscriptions live in a member, so they end with this object and may hold it plainly.
    cancellables.insert(willArbitrateData->detect().sink([this](const MekDetect& detect) { onChangedDetect(detect); }));
    cancellables.insert(willArbitrateData->verification().sink(
        [this](const MekVerification& verification) { onChangedVerificatioin(verification); }));
    cancellables.insert(willArbitrateData->req().sink([this](const MekCsrReq& req) { onChangedCsrRequest(req); }));
    cancellables.insert(willArbitrateData->info().sink([this](const MekInfo& info) { onChangedInfo(info); }));
    cancellables.insert(
        willArbitrateData->abnormal().sink([this](const MekAbnormal& abnormal) { onChangedAbnormal(abnormal); }));
}

void DataArbitrator::closeObserver()
{
    cancellables.removeAll();
    unlinkedCauseScreen->startWatching();
}

// --- Control-state requests ---

void DataArbitrator::onChangedCsrRequest(const MekCsrReq& req)
{
    foundation::assertOnMainLoop("DataArbitrator::onChangedCsrRequest");
    startCounterDetectors();
    detectService->detectCommunication(std::nullopt, req, std::nullopt);
    // The next operation message echoes the vehicle's latest counter (one unscrambled byte).
    sendingData->updateOperationData({.smpcnt = static_cast<uint32_t>(req.SMPCNT)});

    if (willArbitrateData->isProccesingToActivation())
        return;
    if (willArbitrateData->waitingInitialReceived()) {
        showFirstScreenAfterConfirmation();
        return;
    }
    if (displayData->currentDispId() == RequiredDisplayId::SENSING && !willArbitrateData->isUpdateCounter()) {
        holdOnSensing();
        return;
    }
    showVehicleOrCauseScreen(req);
}

void DataArbitrator::startCounterDetectors()
{
    // Each condition is read only when the one before it holds.
    if (willArbitrateData->isUpdateCounter() && sendingData->isActOn() && !detectService->isDetectFinished())
        detectService->startDetectForCounterUpdate();
    if (willArbitrateData->isUpdateLastTenCounter() && sendingData->isActOn() && !detectService->isDetectFinished())
        detectService->startDetectForLastTenCounterUpdate();
}

// Repeated for every record until the user-operation service clears the waiting flag.
void DataArbitrator::showFirstScreenAfterConfirmation()
{
    detectService->startDetectForBluetoothConnect();
    detectService->startDetectForCommunication();
    cautionData->updateCauseId();
    const auto topCause = cautionData->topCause();
    if (const auto causeScreen = screenOf(topCause)) {
        displayData->updateDisplayId(*causeScreen);
        return;
    }
    displayData->updateDisplayId(willArbitrateData->isReceivedParkOutFlag() ? RequiredDisplayId::START_PARK_OUT
                                                                            : RequiredDisplayId::START_PARK_IN);
}

// Until the vehicle's counter moves, its own display id is not applied; only the less urgent causes
// and the cannot-start causes break through.
void DataArbitrator::holdOnSensing()
{
    const auto topCause = cautionData->topCause();
    if (!topCause || !breaksThroughSensing(*topCause))
        return;
    cautionData->updateCauseId();
    if (const auto causeScreen = displayId(*topCause))
        displayData->updateDisplayId(*causeScreen);
}

void DataArbitrator::showVehicleOrCauseScreen(const MekCsrReq& req)
{
    const RequiredDisplayId vehicleScreen = convertToRequiredDisplayId(req.MEKDSPID);

    // The interrupt is over once the vehicle reports anything but a disruption: the touch is reset.
    if (willArbitrateData->isInterrupt() && !isOperationDisruption(req.MEKDSPID)) {
        sendingData->updateOperationData({.x = 0, .y = 0, .btn = BtSmpBtn::def, .sel = BtSmpSelMd::parkplan0});
        willArbitrateData->setIsInterrupt(false);
    }

    // A finished park-out stays on screen unless the cause is urgent enough; the cause is hidden, not
    // forgotten.
    if (const auto topCause = cautionData->topCause();
        topCause && !isHigherPriorityParkOut(*topCause) && req.MEKDSPID == BtMekDspId::parkout_comp) {
        cautionData->resetCauseId();
        displayData->updateDisplayId(vehicleScreen);
        return;
    }

    cautionData->updateCauseId();
    const auto topCause = cautionData->topCause();
    if (const auto causeScreen = screenOf(topCause)) {
        // A HALT or STOP cause wins over the vehicle's display id.
        displayData->updateDisplayId(*causeScreen);
        if (isInBackgroundOrOutsideSdkControl() && topCause == InternalCause::timeoutControl)
            sendingData->updateOperationData({.act = BtSmpAct::off});
        return;
    }

    willArbitrateData->setHaltBackgroundFlg(req.MEKDSPID == BtMekDspId::halt_btrestart);
    if (!updateVehicleState(req, vehicleScreen))
        return;
    if (vehicleScreen != RequiredDisplayId::OPERATE)
        willArbitrateData->setIsForward(std::nullopt);
    displayData->updateDisplayId(vehicleScreen);
}

bool DataArbitrator::updateVehicleState(const MekCsrReq& req, RequiredDisplayId vehicleScreen)
{
    switch (vehicleScreen) {
    case RequiredDisplayId::SEL_PARK_IN: {
        const auto obstacle = req.obstacleParkIn();
        const auto moveDirection = req.moveParkInDirection();
        const auto recommendedDirection = req.recommendedParkInDirection();
        if (!obstacle || !moveDirection || !recommendedDirection)
            return false;
        vehicleStateData->updatePlanParkInInfo(
            {.obstacle = obstacle, .moveDirection = moveDirection, .recommendedDirection = recommendedDirection});
        return true;
    }
    case RequiredDisplayId::SEL_PARK_OUT: {
        const auto moveDirection = req.moveParkOutDirection();
        auto controllableDirections = req.controllableParkOutDirections();
        if (!moveDirection || !controllableDirections)
            return false;
        vehicleStateData->updatePlanParkOutInfo(
            {.moveDirection = moveDirection, .controllableDirections = std::move(controllableDirections)});
        return true;
    }
    case RequiredDisplayId::SEL_FORWARD_BACKWARD: {
        const auto obstacle = req.obstacleForwardBackward();
        auto controllableDirections = req.controllableForwardBackwardDirections();
        const auto recommendedDirection = req.recommendedForwardBackwardDirection();
        if (!obstacle || !controllableDirections || !recommendedDirection)
            return false;
        vehicleStateData->updatePlanForwardBackwardInfo({.obstacle = obstacle,
                                                         .controllableDirections = std::move(controllableDirections),
                                                         .recommendedDirection = recommendedDirection});
        return true;
    }
    case RequiredDisplayId::OPERATE: {
        const auto operateDirection = req.operateDirection();
        if (!operateDirection)
            return false;
        controlVibrateForOperateDirection(*operateDirection);
        vehicleStateData->updateOperateInfo({.operateDirection = operateDirection,
                                             .remainDistance = req.remainDist,
                                             .operateInterruptReq = req.showShowInterruptButton(),
                                             .operateFinishReq = req.showShowEndHalfwayButton(),
                                             .operateDirectionSwitchReq = req.showDirectionChangeButton()});
        vehicleStateData->updateIsFowabackDisruption(req.isFowabackDisruption());
        // Tell the vehicle which operate screen the phone shows, unless the screen is not the
        // framework's to show or an interrupt is pending.
        if (!isInBackgroundOrOutsideSdkControl() && !willArbitrateData->isInterrupt())
            sendingData->updateOperationData({.disp = btMekConverter->convertToOperateBtMekDspId(),
                                              .dispMountAction = MountActionOfTransmissionValue::mount});
        return true;
    }
    default:
        return true;
    }
}

// Reads the screen as it stands before this record's own display-id update, so the first operate
// record after another screen never vibrates.
void DataArbitrator::controlVibrateForOperateDirection(OperateDirection operateDirection)
{
    if (displayData->currentDispId() != RequiredDisplayId::OPERATE)
        return;
    const bool isForward = isForwardDirection(operateDirection);
    const auto wasForward = willArbitrateData->isForward();
    if (wasForward && *wasForward != isForward)
        vibrateControl->startVibrate(VibrationKind::turnback);
    willArbitrateData->setIsForward(isForward);
}

bool DataArbitrator::isInBackgroundOrOutsideSdkControl() const
{
    return sdkStateData->isBackground().value() || displayData->isDisplayOutsideSdkControl().value();
}

// --- Verification and abnormality records ---

void DataArbitrator::onChangedVerificatioin(const MekVerification& verification)
{
    if (detectAbnormal(verification, std::nullopt, std::nullopt))
        return;
    willArbitrateData->setIsReceivedParkOutFlag(verification.IDTBTRQ == BtIdtBtRq::parkOut);
    if (willArbitrateData->waitingInitialReceived())
        displayData->updateDisplayId(willArbitrateData->isReceivedParkOutFlag() ? RequiredDisplayId::START_PARK_OUT
                                                                                : RequiredDisplayId::START_PARK_IN);
}

void DataArbitrator::onChangedAbnormal(const MekAbnormal& abnormal)
{
    detectAbnormal(std::nullopt, std::nullopt, abnormal);
}

bool DataArbitrator::detectAbnormal(const std::optional<MekVerification>& verification,
                                    const std::optional<MekCsrReq>& req, const std::optional<MekAbnormal>& abnormal)
{
    detectService->detectCommunication(verification, req, abnormal);
    return showTopCauseScreen(*cautionData, *displayData);
}

// --- Obstacles and moving objects ---

void DataArbitrator::onChangedDetect(const MekDetect& detect)
{
    updateObstaclesWithTimer(detect.obstacleDistance());
    controlSoundForObstacles();
}

void DataArbitrator::onChangedInfo(const MekInfo& info)
{
    updateObstaclesWithTimer(info.obstacleDistance());
    updateMovessWithTimer(info.movesPosition());
    controlSoundForObstacles();
}

void DataArbitrator::updateObstaclesWithTimer(const ObstacleMap& newObstacles)
{
    const ObstacleMap current = vehicleStateData->getObstacleInfo().obstacles;
    ObstacleMap merged = current;
    for (const auto& [position, distance] : newObstacles)
        merged[position] = distance;

    // This record would remove the last mark on screen.
    if (hasMark(current) && !hasMark(merged)) {
        holdClearBack(&DataArbitrator::obstacleDetectionsHiddenWaitingTimer, {.obstacles = newObstacles});
        return;
    }
    // New marks cancel a pending clear.
    if (auto pending = obstacleDetectionsHiddenWaitingTimer.lock(); pending && hasMark(newObstacles)) {
        pending->invalidate();
        obstacleDetectionsHiddenWaitingTimer.reset();
    }
    vehicleStateData->updateObstacleInfo({.obstacles = newObstacles});
}

void DataArbitrator::updateMovessWithTimer(const std::vector<MovesPosition>& newMovesPosition)
{
    if (!vehicleStateData->getObstacleInfo().moves.empty() && newMovesPosition.empty()) {
        holdClearBack(&DataArbitrator::movingObjectsDetectionHiddenWaitingTimer, {.moves = newMovesPosition});
        return;
    }
    // Unlike the obstacle clear, every record that is not held back cancels a pending one.
    if (auto pending = movingObjectsDetectionHiddenWaitingTimer.lock())
        pending->invalidate();
    movingObjectsDetectionHiddenWaitingTimer.reset();
    vehicleStateData->updateObstacleInfo({.moves = newMovesPosition});
}

// The first pending clear, with what it captured, stays; the state is not updated now.
void DataArbitrator::holdClearBack(HiddenWaitingTimer DataArbitrator::*timerField, ObstacleInfoUpdate clear)
{
    if (!(this->*timerField).expired())
        return;
    this->*timerField = foundation::RunLoop::main().scheduleTimer(
        kHiddenWaitInterval, false,
        [weakSelf = weak_from_this(), timerField, clear = std::move(clear)](foundation::Timer& timer) {
            timer.invalidate();
            if (auto self = weakSelf.lock()) {
                (self.get()->*timerField).reset();
                self->vehicleStateData->updateObstacleInfo(clear);
            }
        });
}

// While a held-back clear waits, the state still shows the mark, so the sound goes on until the first
// record after the clear.
void DataArbitrator::controlSoundForObstacles()
{
    if (displayData->currentDispId() != RequiredDisplayId::OPERATE) {
        soundControl->stopAudio();
        return;
    }
    const ObstacleInfo info = vehicleStateData->getObstacleInfo();
    if (!info.moves.empty()) {
        playWarningSound(kMovingObjectsPriority);
        return;
    }
    const bool hasMostShort = std::any_of(info.obstacles.begin(), info.obstacles.end(), [](const auto& entry) {
        return entry.second == ObstacleDistance::MOST_SHORT;
    });
    if (hasMostShort)
        playWarningSound(kObstacleDetectionsPriority);
    else
        soundControl->stopAudio();
}

// Called again for every qualifying record: keeping a playing sound running and ranking the
// priorities is the sound control's concern.
void DataArbitrator::playWarningSound(int64_t soundPriority)
{
    soundControl->exclusiveAudio(kWarningSound, kLoopUntilPaused);
    soundControl->wavPlay(kWarningSound, kLoopUntilPaused, soundPriority);
}

} // namespace tolvane
