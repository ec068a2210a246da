#pragma once

#include "Internal/Model/DetectAbnormal/DcuErrorCounter.h"
#include "Internal/Model/DetectAbnormal/IDetectDcuCsrError.h"

namespace tolvane {

// The vehicle unit's error reports on the control-state request exchange.
class DetectDcuCsrError final : public DcuErrorCounter, public IDetectDcuCsrError {
public:
    explicit DetectDcuCsrError(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const MekVerification& verification, const MekCsrReq& req,
                const std::optional<MekAbnormal>& abnormal) override;
};

} // namespace tolvane
