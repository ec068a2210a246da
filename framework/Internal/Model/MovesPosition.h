#pragma once

#include <cstdint>

namespace tolvane {

// A moving-object detector: four corners, four sides, front centre and rear centre.
// The application names the cases and relies on their order.
enum class MovesPosition : uint8_t {
    FRONT_LEFT,
    FRONT_RIGHT,
    REAR_LEFT,
    REAR_RIGHT,
    FRONT_LEFT_SIDE,
    FRONT_RIGHT_SIDE,
    REAR_LEFT_SIDE,
    REAR_RIGHT_SIDE,
    FRONT_CENTER,
    REAR_CENTER,
};

} // namespace tolvane
