#pragma once

#include "Internal/Model/DetectAbnormal/DcuErrorCounter.h"
#include "Internal/Model/DetectAbnormal/IDetectDcuIdtError.h"

namespace tolvane {

// The vehicle unit's error reports on the verification exchange, counted only while the control-state
// side is quiet.
class DetectDcuIdtError final : public DcuErrorCounter, public IDetectDcuIdtError {
public:
    explicit DetectDcuIdtError(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const MekVerification& verification, const MekCsrReq& req,
                const std::optional<MekAbnormal>& abnormal) override;
};

} // namespace tolvane
