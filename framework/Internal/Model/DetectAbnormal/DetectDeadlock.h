#pragma once

#include "Internal/Model/DetectAbnormal/BaseDetectAbnormal.h"
#include "Internal/Model/DetectAbnormal/IDetectDeadlock.h"

#include <cstdint>

namespace tolvane {

// Stops on the third change into the route-lost halt that comes at most 1.0 s after the start of the
// user's last touch. Only stopping and starting the detector again clears it; it never enters
// `interrupt`.
class DetectDeadlock final : public BaseDetectAbnormal, public IDetectDeadlock {
public:
    static constexpr foundation::Seconds DEADLOCK_TIME = 1.0;
    static constexpr int64_t DEADLOCK_THRESHOLD = 3;

    explicit DetectDeadlock(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq,
                std::optional<foundation::Seconds> lastOperationTime) override;

    int64_t deadlockCounter() const { return deadlockCounter_; }

private:
    void stateWillChange(DetectState newValue) override;

    int64_t deadlockCounter_ = 0;
};

} // namespace tolvane
