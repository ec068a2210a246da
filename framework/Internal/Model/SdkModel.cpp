#include "Internal/Model/SdkModel.h"

#include "Internal/Model/IConnectionData.h"
#include "Internal/Model/IDetectService.h"
#include "Internal/Model/IInternalCautionData.h"
#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalSendBTData.h"
#include "Internal/Model/IInternalVehicleStateData.h"
#include "Internal/Model/IWillArbitrateData.h"
#include "Internal/Model/NeutralOperation.h"
#include "foundation/RunLoop.h"

namespace tolvane {

SdkModel::SdkModel(std::shared_ptr<IDetectService> detectService, std::shared_ptr<IConnectionData> connectionData,
                   std::shared_ptr<IInternalSendBTData> sendingData,
                   std::shared_ptr<IInternalSdkStateData> sdkStateData,
                   std::shared_ptr<IInternalDisplayData> displayData,
                   std::shared_ptr<IInternalVehicleStateData> vehicleStateData,
                   std::shared_ptr<IInternalCautionData> cautionData,
                   std::shared_ptr<IWillArbitrateData> willarbitrateData)
    : detectService(std::move(detectService)), connectionData(std::move(connectionData)),
      sendingData(std::move(sendingData)), sdkStateData(std::move(sdkStateData)), displayData(std::move(displayData)),
      vehicleStateData(std::move(vehicleStateData)), cautionData(std::move(cautionData)),
      willarbitrateData(std::move(willarbitrateData))
{
}

void SdkModel::notifyReboot()
{
    sendingData->updateOperationData({.act = BtSmpAct::off});
    sdkStateData->setSdkState(SdkState::NOT_OPERATING);
}

void SdkModel::requestFinishSdk()
{
    sendingData->updateOperationData(neutralOperation);
    sendingData->initParam();
    sdkStateData->initParam();
    displayData->initParam();
    vehicleStateData->initParam();
    cautionData->initParam();
    willarbitrateData->initParam();
    detectService->stopDetectAll();
}

void SdkModel::notifyMoveToBackground()
{
    // The held point goes with it, as when a popup covers the screen: the slider's next tick, which
    // would clear it, may come after the next message.
    if (sendingData->isActOn())
        sendingData->updateOperationData(
            {.x = 0, .y = 0, .disp = BtMekDspId::halt_background, .dispMountAction = MountActionOfTransmissionValue::mount});
    detectService->switchPauseDetect(true);
    sdkStateData->isBackground().send(true);
    sdkStateData->setToBackgroundDate(foundation::RunLoop::main().clock().now());
}

void SdkModel::notifyMoveToForeground()
{
    if (!sdkStateData->isBackground().value())
        return;
    sdkStateData->isBackground().send(false);

    const auto toBackgroundDate = sdkStateData->toBackgroundDate();
    const foundation::Seconds now = foundation::RunLoop::main().clock().now();
    if (toBackgroundDate && now - *toBackgroundDate >= suspendTimeout)
        sdkStateData->setSdkState(SdkState::TIMEOUT);
    else
        sdkStateData->setSdkState(sendingData->isActOn() ? SdkState::OPERATING : SdkState::NOT_OPERATING);

    // The link went down while detection was paused: nothing noticed it, so the stop is raised here.
    if (!connectionData->bluetoothSocketIsConnected() && detectService->isDetectPause() && sendingData->isActOn()) {
        cautionData->addCause(InternalCause::stopReqBtLoss);
        cautionData->updateCauseId();
        if (const auto topCause = cautionData->topCause())
            if (const auto screen = displayId(*topCause))
                displayData->updateDisplayId(*screen);
    }
    detectService->switchPauseDetect(false);
}

} // namespace tolvane
