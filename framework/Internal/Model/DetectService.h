#pragma once

#include "Internal/Model/DetectAbnormal/IDetectBluetooth.h"
#include "Internal/Model/DetectAbnormal/IDetectCheckSum.h"
#include "Internal/Model/DetectAbnormal/IDetectClearSonerCounterFixing.h"
#include "Internal/Model/DetectAbnormal/IDetectCommunicationRequest.h"
#include "Internal/Model/DetectAbnormal/IDetectCommunicationVerification.h"
#include "Internal/Model/DetectAbnormal/IDetectDcuCsrError.h"
#include "Internal/Model/DetectAbnormal/IDetectDcuIdtError.h"
#include "Internal/Model/DetectAbnormal/IDetectDeadlock.h"
#include "Internal/Model/DetectAbnormal/IDetectIdtdspError.h"
#include "Internal/Model/DetectAbnormal/IDetectLatch.h"
#include "Internal/Model/DetectAbnormal/IDetectMekdspError.h"
#include "Internal/Model/IDetectService.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IInternalSendBTData.h"

#include <array>
#include <memory>

namespace tolvane {

class DetectService final : public IDetectService {
public:
    DetectService(std::shared_ptr<IDetectBluetooth> detectBluetooth,
                  std::shared_ptr<IDetectCommunicationVerification> detectCommunicationVerification,
                  std::shared_ptr<IDetectCommunicationRequest> detectCommunicationRequest,
                  std::shared_ptr<IDetectCheckSum> detectCheckSum,
                  std::shared_ptr<IDetectClearSonerCounterFixing> detectClearSonerCounterFixing,
                  std::shared_ptr<IDetectDcuCsrError> detectDcuCsrError,
                  std::shared_ptr<IDetectDcuIdtError> detectDcuIdtError,
                  std::shared_ptr<IDetectIdtdspError> detectIdtdspError,
                  std::shared_ptr<IDetectMekdspError> detectMekdspError, std::shared_ptr<IDetectLatch> detectLatch,
                  std::shared_ptr<IDetectDeadlock> detectDeadlock,
                  std::shared_ptr<IInternalSdkStateData> sdkStateData,
                  std::shared_ptr<const IInternalSendBTData> sendingData);

    bool doChecksum() const override;
    bool isDetectPause() const override;
    bool isDetectFinished() const override;
    void startDetectForBluetoothConnect() override;
    void startDetectForCommunication() override;
    void startDetectForCounterUpdate() override;
    void startDetectForLastTenCounterUpdate() override;
    void startDetectForActOn() override;
    void stopDetectForRestart() override;
    void stopDetectForComplete() override;
    void stopDetectAll() override;
    void switchPauseDetect(bool pause) override;
    void switchPauseDetectCommunication(bool pause) override;
    void detectBluetoothOff() override;
    void detectCommunication(const std::optional<MekVerification>& verification, const std::optional<MekCsrReq>& req,
                             const std::optional<MekAbnormal>& abnormal) override;

private:
    // When a detector runs, beside the single-detector starts.
    enum Role : unsigned {
        startsOnCounterUpdate = 1u << 0,
        startsOnActOn = 1u << 1,
        stopsOnRestart = 1u << 2,
        stopsOnComplete = 1u << 3,
    };
    struct DetectorRow {
        IBaseDetectAbnormal* detector;
        unsigned roles;
    };

    void startEach(Role role) const;
    void stopEach(Role role) const;
    void stopEveryDetector() const;

    const std::shared_ptr<IDetectBluetooth> detectBluetooth_;
    const std::shared_ptr<IDetectCommunicationVerification> detectCommunicationVerification_;
    const std::shared_ptr<IDetectCommunicationRequest> detectCommunicationRequest_;
    const std::shared_ptr<IDetectCheckSum> detectCheckSum_;
    const std::shared_ptr<IDetectClearSonerCounterFixing> detectClearSonerCounterFixing_;
    const std::shared_ptr<IDetectDcuCsrError> detectDcuCsrError_;
    const std::shared_ptr<IDetectDcuIdtError> detectDcuIdtError_;
    const std::shared_ptr<IDetectIdtdspError> detectIdtdspError_;
    const std::shared_ptr<IDetectMekdspError> detectMekdspError_;
    const std::shared_ptr<IDetectLatch> detectLatch_;
    const std::shared_ptr<IDetectDeadlock> detectDeadlock_;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData_;
    const std::shared_ptr<const IInternalSendBTData> sendingData_;
    // Every detector in the service's fixed order, which is the order they start and stop in.
    const std::array<DetectorRow, 11> detectors_;
    bool isDetectFinished_ = false;
    // The last records that got past the link checks; never cleared here.
    std::optional<MekVerification> currentVerification_;
    std::optional<MekCsrReq> currentCsrRequest_;
};

} // namespace tolvane
