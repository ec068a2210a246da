#pragma once

#include <cstdint>

namespace tolvane {

// Straight forward or backward movement.
// The application names the cases and relies on their order.
enum class PlanForwardBackwardDirection : uint8_t {
    FORWARD,
    BACKWARD,
};

} // namespace tolvane
