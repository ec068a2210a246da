#pragma once

#include "Internal/Model/DetectAbnormal/DisplayIdCauseDetector.h"
#include "Internal/Model/DetectAbnormal/IDetectMekdspError.h"

namespace tolvane {

// Posts the halt or stop cause that the vehicle display id names. A record without a display id
// leaves the posted cause held; any other display id withdraws it.
class DetectMekdspError final : public DisplayIdCauseDetector, public IDetectMekdspError {
public:
    explicit DetectMekdspError(std::shared_ptr<IInternalCautionData> cautionData);

    void detect(const std::optional<MekCsrReq>& req) override;
    void reset() override;
};

} // namespace tolvane
