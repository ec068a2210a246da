#include "Internal/Model/UserOperationModel.h"

#include "Internal/Model/IDetectService.h"
#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IWillArbitrateData.h"
#include "Internal/Model/NeutralOperation.h"
#include "foundation/RunLoop.h"

namespace tolvane {
namespace {

using Mount = MountActionOfTransmissionValue;
using Kind = UserOperationKind;

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Spelled out for compilers without deduction for aggregates (the fuzz build's clang).
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

BtSmpSelMd convertToBtSmpSelMd(PlanParkInDirection planDirection)
{
    switch (planDirection) {
    case PlanParkInDirection::LEFT: return BtSmpSelMd::parkplan2;
    case PlanParkInDirection::RIGHT: return BtSmpSelMd::parkplan5;
    }
    return BtSmpSelMd::parkplan0;
}

BtSmpSelMd convertToBtSmpSelMd(PlanParkOutDirection planDirection)
{
    switch (planDirection) {
    case PlanParkOutDirection::FORWARD_LEFT: return BtSmpSelMd::parkplan1;
    case PlanParkOutDirection::FORWARD: return BtSmpSelMd::parkplan2;
    case PlanParkOutDirection::FORWARD_RIGHT: return BtSmpSelMd::parkplan3;
    case PlanParkOutDirection::BACKWARD_LEFT: return BtSmpSelMd::parkplan4;
    case PlanParkOutDirection::BACKWARD: return BtSmpSelMd::parkplan5;
    case PlanParkOutDirection::BACKWARD_RIGHT: return BtSmpSelMd::parkplan6;
    }
    return BtSmpSelMd::parkplan0;
}

BtSmpSelMd convertToBtSmpSelMd(PlanForwardBackwardDirection planDirection)
{
    switch (planDirection) {
    case PlanForwardBackwardDirection::FORWARD: return BtSmpSelMd::parkplan2;
    case PlanForwardBackwardDirection::BACKWARD: return BtSmpSelMd::parkplan5;
    }
    return BtSmpSelMd::parkplan0;
}

UserOperationModel::UserOperationModel(std::shared_ptr<IInternalSendBTData> sendingData,
                                       std::shared_ptr<IInternalSdkStateData> sdkStateData,
                                       std::shared_ptr<IInternalDisplayData> displayData,
                                       std::shared_ptr<IWillArbitrateData> willArbitrateData,
                                       std::shared_ptr<IDetectService> detectService)
    : sendingData(std::move(sendingData)), sdkStateData(std::move(sdkStateData)), displayData(std::move(displayData)),
      willArbitrateData(std::move(willArbitrateData)), detectService(std::move(detectService))
{
}

void UserOperationModel::notifyUserOperation(const UserOperationKind& userOperationKind)
{
    std::visit(
        Overloaded{
            [this](const Kind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN& plan) {
                decidePlan(convertToBtSmpSelMd(plan.planDirection));
            },
            [this](const Kind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT& plan) {
                decidePlan(convertToBtSmpSelMd(plan.planDirection));
            },
            [this](const Kind::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD& plan) {
                decidePlan(convertToBtSmpSelMd(plan.planDirection));
            },
            [this](Kind::REQ_CHECK_AVAILABLE_TOLVANE) { checkAvailable(); },
            [this](Kind::REQ_START_TOLVANE) { start(); },
            [this](Kind::REQ_SWICTH_DIRECTION) {
                sendingData->updateOperationData({.btn = BtSmpBtn::directionChange});
            },
            [this](Kind::REQ_FINISH_OPERATE) { sendingData->updateOperationData({.btn = BtSmpBtn::endHalfway}); },
            [this](Kind::REQ_INTERRUPT_OPERATE) { interrupt(); },
            [this](Kind::NOTIFY_RESTART_DIALOG_OK) { sendingData->updateOperationData({.btn = BtSmpBtn::restart}); },
            [this](Kind::NOTIFY_SENSING_WAIT_TIME_OUT_FINISH) { sensingWaitTimedOut(); },
            [this](Kind::REQ_CANCEL) { sendingData->updateOperationData({.btn = BtSmpBtn::end}); },
            [this](Kind::NOTIFY_CANNOT_START) { cannotStart(); },
        },
        userOperationKind.value);
}

void UserOperationModel::decidePlan(BtSmpSelMd sel)
{
    sendingData->updateOperationData({.btn = BtSmpBtn::longpress, .sel = sel});
}

void UserOperationModel::checkAvailable()
{
    willArbitrateData->setWaitingInitialReceived(false);
    sendingData->updateOperationData(
        {.disp = BtMekDspId::vehicle_registration_confirmation, .dispMountAction = Mount::mount});
}

void UserOperationModel::start()
{
    // The vehicle echoes the counter from now on, so the pinned one is let go.
    sendingData->updateOperationData({.act = BtSmpAct::on,
                                      .btn = BtSmpBtn::start,
                                      .disp = BtMekDspId::connect,
                                      .dispMountAction = Mount::mount,
                                      .smpcntMountAction = Mount::unmount});
    sdkStateData->setSdkState(SdkState::OPERATING);
    displayData->updateDisplayId(RequiredDisplayId::SENSING);
    detectService->startDetectForActOn();
}

void UserOperationModel::interrupt()
{
    sendingData->updateOperationData({.x = 0,
                                      .y = 0,
                                      .btn = BtSmpBtn::def,
                                      .sel = BtSmpSelMd::parkplan0,
                                      .disp = BtMekDspId::halt_background,
                                      .dispMountAction = Mount::mount});
    willArbitrateData->setIsInterrupt(true);
}

void UserOperationModel::sensingWaitTimedOut()
{
    sendingData->updateOperationData(neutralOperation);
    sdkStateData->setSdkState(SdkState::NOT_OPERATING);
}

void UserOperationModel::cannotStart()
{
    sendingData->updateOperationData(neutralOperation);
    sdkStateData->setSdkState(SdkState::NOT_OPERATING);
    detectService->stopDetectForRestart();
    willArbitrateData->setIsProccesingToActivation(true);
    // No handle is kept: a second report within the window schedules a second, independent restart.
    foundation::RunLoop::main().scheduleTimer(restartInterval, false, [self = shared_from_this()](foundation::Timer& timer) {
        timer.invalidate();
        self->restart();
    });
}

void UserOperationModel::restart()
{
    // The run ended within the window and the framework was reset: the next run starts on its own.
    if (!willArbitrateData->isProccesingToActivation())
        return;
    willArbitrateData->setIsProccesingToActivation(false);
    willArbitrateData->setWaitingInitialReceived(true);
    displayData->updateDisplayId(willArbitrateData->isReceivedParkOutFlag() ? RequiredDisplayId::START_PARK_OUT
                                                                           : RequiredDisplayId::START_PARK_IN);
}

} // namespace tolvane
