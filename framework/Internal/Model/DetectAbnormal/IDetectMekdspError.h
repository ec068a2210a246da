#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekCsrReq.h"

#include <optional>

namespace tolvane {

// Posts the halt or stop cause named by the vehicle display id.
class IDetectMekdspError : public virtual IBaseDetectAbnormal {
public:
    virtual void detect(const std::optional<MekCsrReq>& req) = 0;
    virtual void reset() = 0;
};

} // namespace tolvane
