#pragma once

#include <cstdint>

namespace tolvane {

// The abnormality message: the vehicle unit's error flags (0 or 1) for the verification exchange
// and for the control-state request exchange.
struct MekAbnormal {
    int64_t DCUIDTER = 0;
    int64_t DCUCSRER = 0;

    bool operator==(const MekAbnormal&) const = default;
};

} // namespace tolvane
