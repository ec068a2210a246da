#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "foundation/Clock.h"

#include <optional>

namespace tolvane {

// Stops when the vehicle keeps turning to the route-lost halt right after the user's touch.
class IDetectDeadlock : public virtual IBaseDetectAbnormal {
public:
    // `lastOperationTime` is on the main loop's clock.
    virtual void detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq,
                        std::optional<foundation::Seconds> lastOperationTime) = 0;
};

} // namespace tolvane
