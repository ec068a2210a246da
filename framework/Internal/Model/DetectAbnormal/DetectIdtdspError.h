#pragma once

#include "Internal/Model/DetectAbnormal/DisplayIdCauseDetector.h"
#include "Internal/Model/DetectAbnormal/IDetectIdtdspError.h"

namespace tolvane {

// Posts the abnormality that the verification display id names, while the vehicle shows no screen of
// its own or a counter anomaly is already held.
class DetectIdtdspError final : public DisplayIdCauseDetector, public IDetectIdtdspError {
public:
    explicit DetectIdtdspError(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const std::optional<MekVerification>& verification, const MekCsrReq& req) override;
};

} // namespace tolvane
