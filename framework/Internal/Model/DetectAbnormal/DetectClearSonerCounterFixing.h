#pragma once

#include "Internal/Model/DetectAbnormal/HaltStopDetector.h"
#include "Internal/Model/DetectAbnormal/IDetectClearSonerCounterFixing.h"

#include <optional>

namespace tolvane {

// Halts when the vehicle's counter has stayed fixed on records carrying data for more than 3.0 s, and
// stops 3.0 s after the halt. It keeps no timer: without records its state does not move.
class DetectClearSonerCounterFixing final : public HaltStopDetector, public IDetectClearSonerCounterFixing {
public:
    static constexpr foundation::Seconds INTERRUPT_TIMEOUT = 3.0;
    static constexpr foundation::Seconds SUSPENSION_TIMEOUT = 3.0;

    explicit DetectClearSonerCounterFixing(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const std::optional<MekCsrReq>& req) override;

private:
    void updateTimingFor(DetectState newValue) override;

    std::optional<foundation::Seconds> clearSonerCounterFixingDate_;
};

} // namespace tolvane
