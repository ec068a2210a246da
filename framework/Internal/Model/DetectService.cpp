#include "Internal/Model/DetectService.h"

#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"

#include <algorithm>

namespace tolvane {

DetectService::DetectService(std::shared_ptr<IDetectBluetooth> detectBluetooth,
                             std::shared_ptr<IDetectCommunicationVerification> detectCommunicationVerification,
                             std::shared_ptr<IDetectCommunicationRequest> detectCommunicationRequest,
                             std::shared_ptr<IDetectCheckSum> detectCheckSum,
                             std::shared_ptr<IDetectClearSonerCounterFixing> detectClearSonerCounterFixing,
                             std::shared_ptr<IDetectDcuCsrError> detectDcuCsrError,
                             std::shared_ptr<IDetectDcuIdtError> detectDcuIdtError,
                             std::shared_ptr<IDetectIdtdspError> detectIdtdspError,
                             std::shared_ptr<IDetectMekdspError> detectMekdspError,
                             std::shared_ptr<IDetectLatch> detectLatch, std::shared_ptr<IDetectDeadlock> detectDeadlock,
                             std::shared_ptr<IInternalSdkStateData> sdkStateData,
                             std::shared_ptr<const IInternalSendBTData> sendingData)
    : detectBluetooth_(std::move(detectBluetooth)),
      detectCommunicationVerification_(std::move(detectCommunicationVerification)),
      detectCommunicationRequest_(std::move(detectCommunicationRequest)), detectCheckSum_(std::move(detectCheckSum)),
      detectClearSonerCounterFixing_(std::move(detectClearSonerCounterFixing)),
      detectDcuCsrError_(std::move(detectDcuCsrError)), detectDcuIdtError_(std::move(detectDcuIdtError)),
      detectIdtdspError_(std::move(detectIdtdspError)), detectMekdspError_(std::move(detectMekdspError)),
      detectLatch_(std::move(detectLatch)), detectDeadlock_(std::move(detectDeadlock)),
      sdkStateData_(std::move(sdkStateData)), sendingData_(std::move(sendingData)),
      detectors_{{
          {detectBluetooth_.get(), stopsOnComplete},
          {detectCommunicationVerification_.get(), startsOnCounterUpdate | stopsOnComplete},
          {detectCommunicationRequest_.get(), startsOnCounterUpdate | stopsOnRestart | stopsOnComplete},
          {detectCheckSum_.get(), startsOnActOn | stopsOnRestart | stopsOnComplete},
          {detectClearSonerCounterFixing_.get(), stopsOnRestart | stopsOnComplete},
          {detectDcuCsrError_.get(), startsOnActOn | stopsOnRestart | stopsOnComplete},
          {detectDcuIdtError_.get(), startsOnActOn | stopsOnRestart | stopsOnComplete},
          // The four below watch what the vehicle itself reports and keep running after completion.
          {detectIdtdspError_.get(), startsOnActOn | stopsOnRestart},
          {detectMekdspError_.get(), startsOnActOn | stopsOnRestart},
          {detectLatch_.get(), startsOnActOn | stopsOnRestart},
          {detectDeadlock_.get(), startsOnActOn | stopsOnRestart},
      }}
{
    const bool everyDetector = std::ranges::all_of(detectors_, [](const DetectorRow& row) { return row.detector != nullptr; });
    if (!everyDetector || !sdkStateData_ || !sendingData_)
        foundation::fatalError("The detection service needs every detector and both stores");
}

void DetectService::startEach(Role role) const
{
    for (const auto& row : detectors_)
        if (row.roles & role)
            row.detector->startDetect();
}

void DetectService::stopEach(Role role) const
{
    for (const auto& row : detectors_)
        if (row.roles & role)
            row.detector->stopDetect();
}

void DetectService::stopEveryDetector() const
{
    for (const auto& row : detectors_)
        row.detector->stopDetect();
}

bool DetectService::doChecksum() const
{
    return detectCheckSum_->doChecksum();
}

bool DetectService::isDetectPause() const
{
    return detectBluetooth_->isPause();
}

bool DetectService::isDetectFinished() const
{
    return isDetectFinished_;
}

void DetectService::startDetectForBluetoothConnect()
{
    detectBluetooth_->startDetect();
}

void DetectService::startDetectForCommunication()
{
    detectCommunicationVerification_->startDetect();
}

void DetectService::startDetectForCounterUpdate()
{
    startEach(startsOnCounterUpdate);
}

void DetectService::startDetectForLastTenCounterUpdate()
{
    detectClearSonerCounterFixing_->startDetect();
}

void DetectService::startDetectForActOn()
{
    startEach(startsOnActOn);
    isDetectFinished_ = false;
}

void DetectService::stopDetectForRestart()
{
    stopEach(stopsOnRestart);
}

void DetectService::stopDetectForComplete()
{
    stopEach(stopsOnComplete);
    isDetectFinished_ = true;
}

void DetectService::stopDetectAll()
{
    stopEveryDetector();
    isDetectFinished_ = false;
}

void DetectService::switchPauseDetect(bool pause)
{
    detectBluetooth_->switchPause(pause);
    switchPauseDetectCommunication(pause);
}

void DetectService::switchPauseDetectCommunication(bool pause)
{
    detectCommunicationRequest_->switchPause(pause);
    detectCommunicationVerification_->switchPause(pause);
}

void DetectService::detectBluetoothOff()
{
    foundation::assertOnMainLoop("DetectService::detectBluetoothOff");
    detectBluetooth_->detect();
    const bool pause = detectBluetooth_->isInterrupt() || sdkStateData_->isBackground().value();
    switchPauseDetectCommunication(pause);
}

void DetectService::detectCommunication(const std::optional<MekVerification>& verification,
                                        const std::optional<MekCsrReq>& req,
                                        const std::optional<MekAbnormal>& abnormal)
{
    foundation::assertOnMainLoop("DetectService::detectCommunication");
    // The first detector found interrupted ends the chain.
    detectDeadlock_->detect(req, currentCsrRequest_, sendingData_->lastOperationTime());
    if (detectDeadlock_->isInterrupt())
        return;
    // Bluetooth is checked before each outgoing message, not here.
    if (detectBluetooth_->isInterrupt())
        return;
    detectCommunicationVerification_->detect(verification);
    detectCommunicationRequest_->detect(req);
    if (detectCommunicationVerification_->isInterrupt() || detectCommunicationRequest_->isInterrupt())
        return;
    detectLatch_->detect(req, currentCsrRequest_);
    if (verification)
        currentVerification_ = verification;
    if (req)
        currentCsrRequest_ = req;
    if (detectLatch_->isInterrupt()) {
        detectMekdspError_->reset();
        return;
    }
    // The rest needs both kinds of record.
    if (!currentVerification_ || !currentCsrRequest_)
        return;
    detectDcuCsrError_->detect(*currentVerification_, *currentCsrRequest_, abnormal);
    if (detectDcuCsrError_->isInterrupt())
        return;
    detectDcuIdtError_->detect(*currentVerification_, *currentCsrRequest_, abnormal);
    if (detectDcuIdtError_->isInterrupt())
        return;
    detectIdtdspError_->detect(verification, *currentCsrRequest_);
    if (detectIdtdspError_->isInterrupt())
        return;
    detectCheckSum_->detect(req);
    if (detectCheckSum_->isInterrupt())
        return;
    detectClearSonerCounterFixing_->detect(req);
    if (detectClearSonerCounterFixing_->isInterrupt())
        return;
    detectMekdspError_->detect(req);
}

} // namespace tolvane
