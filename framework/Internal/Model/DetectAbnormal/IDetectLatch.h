#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekCsrReq.h"

#include <optional>

namespace tolvane {

// Posts the lost route on each change into the route-lost halt, then ignores records for a while.
class IDetectLatch : public virtual IBaseDetectAbnormal {
public:
    virtual void detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq) = 0;
};

} // namespace tolvane
