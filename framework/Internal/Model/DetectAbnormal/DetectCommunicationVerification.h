#pragma once

#include "Internal/Model/DetectAbnormal/CommunicationWatchdog.h"
#include "Internal/Model/DetectAbnormal/IDetectCommunicationVerification.h"

namespace tolvane {

// Watchdog on the vehicle's verification messages (message id 0x0004).
class DetectCommunicationVerification final : public CommunicationWatchdog, public IDetectCommunicationVerification {
public:
    explicit DetectCommunicationVerification(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const std::optional<MekVerification>& verification) override;
    void switchPause(bool pause) override;
};

} // namespace tolvane
