#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekVerification.h"

#include <optional>

namespace tolvane {

// Counts the vehicle unit's error reports on the control-state request exchange.
class IDetectDcuCsrError : public virtual IBaseDetectAbnormal {
public:
    virtual void detect(const MekVerification& verification, const MekCsrReq& req,
                        const std::optional<MekAbnormal>& abnormal) = 0;
};

} // namespace tolvane
