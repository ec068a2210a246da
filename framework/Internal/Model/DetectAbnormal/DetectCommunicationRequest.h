#pragma once

#include "Internal/Model/DetectAbnormal/CommunicationWatchdog.h"
#include "Internal/Model/DetectAbnormal/IDetectCommunicationRequest.h"

namespace tolvane {

// Watchdog on the vehicle's control-state requests (message id 0x0005).
class DetectCommunicationRequest final : public CommunicationWatchdog, public IDetectCommunicationRequest {
public:
    explicit DetectCommunicationRequest(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const std::optional<MekCsrReq>& req) override;
    void switchPause(bool pause) override;
};

} // namespace tolvane
