#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekCsrReq.h"

#include <optional>

namespace tolvane {

// Watchdog on the vehicle's control-state requests.
class IDetectCommunicationRequest : public virtual IBaseDetectAbnormal {
public:
    virtual void detect(const std::optional<MekCsrReq>& req) = 0;
    virtual void switchPause(bool pause) = 0;
};

} // namespace tolvane
