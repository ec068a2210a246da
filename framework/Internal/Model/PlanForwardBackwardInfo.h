#pragma once

#include "Internal/Model/PlanForwardBackwardDirection.h"

#include <vector>

namespace tolvane {

// The forward/backward plan the vehicle offers. The same directions in another order are another
// plan.
struct PlanForwardBackwardInfo {
    bool obstacle;
    std::vector<PlanForwardBackwardDirection> controllableDirections;
    PlanForwardBackwardDirection recommendedDirection;

    bool operator==(const PlanForwardBackwardInfo&) const = default;
};

} // namespace tolvane
