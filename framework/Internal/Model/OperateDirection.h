#pragma once

#include <cstdint>

namespace tolvane {

// The direction in which the car is moving during an operation.
// The application names the cases and relies on their order.
enum class OperateDirection : uint8_t {
    FORWARD_LEFT,
    FORWARD,
    FORWARD_RIGHT,
    BACKWARD_LEFT,
    BACKWARD,
    BACKWARD_RIGHT,
};

} // namespace tolvane
