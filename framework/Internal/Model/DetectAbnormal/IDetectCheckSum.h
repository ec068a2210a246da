#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekCsrReq.h"

#include <optional>

namespace tolvane {

// Halts, then stops, while the vehicle keeps flagging a bad checksum.
class IDetectCheckSum : public virtual IBaseDetectAbnormal {
public:
    // Messages are checked for their checksum only while this holds: from start to stop.
    virtual bool doChecksum() const = 0;
    virtual void detect(const std::optional<MekCsrReq>& req) = 0;
};

} // namespace tolvane
