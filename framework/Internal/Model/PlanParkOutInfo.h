#pragma once

#include "Internal/Model/MoveParkOutDirection.h"
#include "Internal/Model/PlanParkOutDirection.h"

#include <vector>

namespace tolvane {

// The park-out plan the vehicle offers. The same directions in another order are another plan.
struct PlanParkOutInfo {
    MoveParkOutDirection moveDirection;
    std::vector<PlanParkOutDirection> controllableDirections;

    bool operator==(const PlanParkOutInfo&) const = default;
};

} // namespace tolvane
