#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/MekCsrReq.h"

#include <optional>

namespace tolvane {

// Halts, then stops, while the vehicle's counter stays fixed on records that carry data.
class IDetectClearSonerCounterFixing : public virtual IBaseDetectAbnormal {
public:
    virtual void detect(const std::optional<MekCsrReq>& req) = 0;
};

} // namespace tolvane
