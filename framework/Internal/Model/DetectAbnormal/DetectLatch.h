#pragma once

#include "Internal/Model/DetectAbnormal/BaseDetectAbnormal.h"
#include "Internal/Model/DetectAbnormal/IDetectLatch.h"

namespace tolvane {

// Each change into the route-lost halt posts the lost route and blocks the detector for 3.0 s, during
// which records are ignored. The cause is withdrawn by the next record for which neither the previous
// nor the current display id is the route-lost halt. It never enters `suspension`.
class DetectLatch final : public BaseDetectAbnormal, public IDetectLatch {
public:
    static constexpr foundation::Seconds LATCH_INTERVAL = 3.0;

    explicit DetectLatch(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq) override;

private:
    void stateWillChange(DetectState newValue) override;
    void releaseLatchTimer();

    foundation::TimerRef latchTimer_;
};

} // namespace tolvane
