#include "Internal/Model/DetectService.h"

#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"

namespace tolvane {
namespace {

// In the order given, which is the order of the detectors in the service.
template <class... Detectors>
void startEach(const Detectors&... detectors)
{
    (detectors->startDetect(), ...);
}

template <class... Detectors>
void stopEach(const Detectors&... detectors)
{
    (detectors->stopDetect(), ...);
}

} // namespace

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
      sdkStateData_(std::move(sdkStateData)), sendingData_(std::move(sendingData))
{
    if (!detectBluetooth_ || !detectCommunicationVerification_ || !detectCommunicationRequest_ || !detectCheckSum_ ||
        !detectClearSonerCounterFixing_ || !detectDcuCsrError_ || !detectDcuIdtError_ || !detectIdtdspError_ ||
        !detectMekdspError_ || !detectLatch_ || !detectDeadlock_ || !sdkStateData_ || !sendingData_)
        foundation::fatalError("The detection service needs every detector and both stores");
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
    startEach(detectBluetooth_);
}

void DetectService::startDetectForCommunication()
{
    startEach(detectCommunicationVerification_);
}

void DetectService::startDetectForCounterUpdate()
{
    startEach(detectCommunicationVerification_, detectCommunicationRequest_);
}

void DetectService::startDetectForLastTenCounterUpdate()
{
    startEach(detectClearSonerCounterFixing_);
}

void DetectService::startDetectForActOn()
{
    startEach(detectCheckSum_, detectDcuCsrError_, detectDcuIdtError_, detectIdtdspError_, detectMekdspError_,
              detectLatch_, detectDeadlock_);
    isDetectFinished_ = false;
}

void DetectService::stopDetectForRestart()
{
    // The Bluetooth detector and the verification watchdog keep running.
    stopEach(detectCommunicationRequest_, detectCheckSum_, detectClearSonerCounterFixing_, detectDcuCsrError_,
             detectDcuIdtError_, detectIdtdspError_, detectMekdspError_, detectLatch_, detectDeadlock_);
}

void DetectService::stopDetectForComplete()
{
    // The four detectors that watch what the vehicle itself reports keep running after completion.
    stopEach(detectBluetooth_, detectCommunicationVerification_, detectCommunicationRequest_, detectCheckSum_,
             detectClearSonerCounterFixing_, detectDcuCsrError_, detectDcuIdtError_);
    isDetectFinished_ = true;
}

void DetectService::stopDetectAll()
{
    stopEach(detectBluetooth_, detectCommunicationVerification_, detectCommunicationRequest_, detectCheckSum_,
             detectClearSonerCounterFixing_, detectDcuCsrError_, detectDcuIdtError_, detectIdtdspError_,
             detectMekdspError_, detectLatch_, detectDeadlock_);
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
