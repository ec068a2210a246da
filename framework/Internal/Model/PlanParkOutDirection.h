#pragma once

#include <cstdint>

namespace tolvane {

// A direction in which the car may leave its space.
// The application names the cases and relies on their order.
enum class PlanParkOutDirection : uint8_t {
    FORWARD_LEFT,
    FORWARD,
    FORWARD_RIGHT,
    BACKWARD_LEFT,
    BACKWARD,
    BACKWARD_RIGHT,
};

} // namespace tolvane
