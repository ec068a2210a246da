#pragma once

#include "Internal/Model/MoveParkInDirection.h"
#include "Internal/Model/PlanParkInDirection.h"

namespace tolvane {

// The park-in plan the vehicle offers.
struct PlanParkInInfo {
    bool obstacle;
    MoveParkInDirection moveDirection;
    PlanParkInDirection recommendedDirection;

    bool operator==(const PlanParkInInfo&) const = default;
};

} // namespace tolvane
