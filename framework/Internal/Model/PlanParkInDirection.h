#pragma once

#include <cstdint>

namespace tolvane {

// Side of the recommended parking space.
// The application names the cases and relies on their order.
enum class PlanParkInDirection : uint8_t {
    LEFT,
    RIGHT,
};

} // namespace tolvane
