#include "Internal/Model/DisplayModel.h"

#include "Internal/Model/IBtMekConverter.h"
#include "Internal/Model/IDetectService.h"
#include "Internal/Model/IInternalCautionData.h"
#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IWillArbitrateData.h"

namespace tolvane {
namespace {

using Mount = MountActionOfTransmissionValue;

} // namespace

DisplayModel::DisplayModel(std::shared_ptr<IInternalSendBTData> sendingData,
                           std::shared_ptr<IInternalDisplayData> displayData,
                           std::shared_ptr<IWillArbitrateData> willArbitrateData,
                           std::shared_ptr<IBtMekConverter> btMekConverter,
                           std::shared_ptr<IInternalCautionData> cautionData,
                           std::shared_ptr<IInternalSdkStateData> sdkStateData,
                           std::shared_ptr<IDetectService> detectService)
    : sendingData(std::move(sendingData)), displayData(std::move(displayData)),
      willArbitrateData(std::move(willArbitrateData)), btMekConverter(std::move(btMekConverter)),
      cautionData(std::move(cautionData)), sdkStateData(std::move(sdkStateData)),
      detectService(std::move(detectService))
{
}

void DisplayModel::notifyTransitionDisplay(RequiredDisplayId displayId)
{
    if (sdkStateData->isBackground().value() || displayData->isDisplayOutsideSdkControl().value() ||
        willArbitrateData->isInterrupt())
        return;

    if (displayId == RequiredDisplayId::SENSING) {
        willArbitrateData->setWaitingInitialReceived(false);
        willArbitrateData->setIsUpdateCounter(false);
        // After a halt in the background the vehicle waits for the restart id instead of connect.
        const BtMekDspId disp =
            willArbitrateData->haltBackgroundFlg() ? BtMekDspId::halt_btrestart : BtMekDspId::connect;
        sendingData->updateOperationData({.disp = disp, .dispMountAction = Mount::mount});
    } else {
        sendingData->updateOperationData({.disp = convertToBtMekDspId(displayId), .dispMountAction = Mount::mount});
        sendingData->updateOperationData({.x = 0, .y = 0, .btn = BtSmpBtn::def, .sel = BtSmpSelMd::parkplan0});
    }

    switch (displayId) {
    case RequiredDisplayId::COMPLETE_PARK_IN:
    case RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD:
    case RequiredDisplayId::COMPLETE_PARK_OUT:
        sendingData->updateOperationData({.act = BtSmpAct::off, .smpcnt = 0, .smpcntMountAction = Mount::mount});
        detectService->stopDetectForComplete();
        break;
    case RequiredDisplayId::STOP:
        detectService->stopDetectForComplete();
        updateOperationDataForCause();
        break;
    default:
        break;
    }

    if (!sendingData->isActOn())
        sdkStateData->setSdkState(SdkState::NOT_OPERATING);
}

void DisplayModel::notifyWaitingConnectConfirm()
{
    willArbitrateData->setWaitingInitialReceived(true);
}

void DisplayModel::notifyDisplayOutsideSdkControl(bool isDisplay)
{
    displayData->isDisplayOutsideSdkControl().send(isDisplay);
    if (isDisplay && sendingData->isActOn())
        sendingData->updateOperationData(
            {.x = 0, .y = 0, .disp = BtMekDspId::halt_background, .dispMountAction = Mount::mount});
}

void DisplayModel::notifyDisplayPopup(bool isDisplay)
{
    displayData->isDisplayPopup().send(isDisplay);
    if (isDisplay && sendingData->isActOn())
        sendingData->updateOperationData({.x = 0, .y = 0});
}

BtMekDspId DisplayModel::convertToBtMekDspId(RequiredDisplayId displayId) const
{
    switch (displayId) {
    case RequiredDisplayId::DEF: return BtMekDspId::def;
    case RequiredDisplayId::VALID_VEHICLE: return BtMekDspId::vehicle_registration_confirmation;
    case RequiredDisplayId::VALID_VEHICLE_BLINKER: return BtMekDspId::blinker_registration_confirmation;
    case RequiredDisplayId::START_PARK_IN:
    case RequiredDisplayId::START_PARK_OUT:
    case RequiredDisplayId::SENSING: return BtMekDspId::def;
    case RequiredDisplayId::SEL_PARK_IN: return btMekConverter->convertToParkInBtMekDspId();
    case RequiredDisplayId::SEL_PARK_OUT: return btMekConverter->convertToParkOutBtMekDspId();
    case RequiredDisplayId::SEL_FORWARD_BACKWARD: return btMekConverter->convertToForwardBackwardBtMekDspId();
    case RequiredDisplayId::OPERATE: return btMekConverter->convertToOperateBtMekDspId();
    case RequiredDisplayId::REACH_POINT: return BtMekDspId::arrival;
    case RequiredDisplayId::COMPLETE_PARK_IN: return BtMekDspId::parkin_comp;
    case RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD: return BtMekDspId::finish_forget_hazard;
    case RequiredDisplayId::COMPLETE_PARK_OUT: return BtMekDspId::parkout_comp;
    case RequiredDisplayId::RESUME: return BtMekDspId::resume;
    case RequiredDisplayId::HALT:
    case RequiredDisplayId::STOP: return btMekConverter->convertToCauseBtMekDspId();
    }
    return BtMekDspId::def;
}

void DisplayModel::updateOperationDataForCause()
{
    const auto topCause = cautionData->topCause();
    if (!topCause)
        return;
    switch (*topCause) {
    case InternalCause::stopBtOff:
    case InternalCause::stopReqBtLoss:
    case InternalCause::stopVerificationBtLoss:
    case InternalCause::stopCounterAnomaly:
    case InternalCause::stopChecksumAnomaly:
    case InternalCause::stopDcucsrerInterrupt:
    case InternalCause::stopDcuidterInterrupt:
    case InternalCause::abnormalEnd:
    case InternalCause::sysInspect:
    case InternalCause::sysConfirm:
    case InternalCause::abnormalButteryStatus:
    case InternalCause::userSelf:
    case InternalCause::vehicleFailOut:
    case InternalCause::usageProhibited:
    case InternalCause::cameraDart:
    case InternalCause::verifyFailOut:
    case InternalCause::cannotStartVehicleFailOut:
    case InternalCause::cannotStartUsageProhibited:
    case InternalCause::breakTimeout:
        sendingData->updateOperationData({.act = BtSmpAct::off, .smpcnt = 0, .smpcntMountAction = Mount::mount});
        break;
    case InternalCause::deadLock:
        sendingData->updateOperationData(
            {.act = BtSmpAct::off, .x = 0, .y = 0, .btn = BtSmpBtn::def, .sel = BtSmpSelMd::parkplan0});
        break;
    case InternalCause::timeoutControl:
        sendingData->updateOperationData({.act = BtSmpAct::off});
        break;
    default:
        // Halt causes and the rest leave the operation as it is.
        break;
    }
}

} // namespace tolvane
