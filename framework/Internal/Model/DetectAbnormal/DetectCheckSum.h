#pragma once

#include "Internal/Model/DetectAbnormal/HaltStopDetector.h"
#include "Internal/Model/DetectAbnormal/IDetectCheckSum.h"

#include <optional>

namespace tolvane {

// Halts when the vehicle has flagged a bad checksum for more than 0.5 s, stops after more than 2.6 s.
// It keeps no timer: without records its state does not move.
class DetectCheckSum final : public HaltStopDetector, public IDetectCheckSum {
public:
    static constexpr foundation::Seconds INTERRUPT_TIMEOUT = 0.5;
    static constexpr foundation::Seconds SUSPENSION_TIMEOUT = 2.6;

    explicit DetectCheckSum(std::shared_ptr<IInternalCautionData> cautionData);

    bool doChecksum() const override;
    void detect(const std::optional<MekCsrReq>& req) override;

private:
    void updateTimingFor(DetectState newValue) override;

    std::optional<foundation::Seconds> checkSumAbnormalDate_;
};

} // namespace tolvane
