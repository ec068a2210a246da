#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekVerification.h"

#include <optional>

namespace tolvane {

// Watchdog on the vehicle's verification messages.
class IDetectCommunicationVerification : public virtual IBaseDetectAbnormal {
public:
    virtual void detect(const std::optional<MekVerification>& verification) = 0;
    virtual void switchPause(bool pause) = 0;
};

} // namespace tolvane
