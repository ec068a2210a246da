#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekVerification.h"

#include <optional>

namespace tolvane {

// Posts the abnormality named by the verification display id.
class IDetectIdtdspError : public virtual IBaseDetectAbnormal {
public:
    virtual void detect(const std::optional<MekVerification>& verification, const MekCsrReq& req) = 0;
};

} // namespace tolvane
