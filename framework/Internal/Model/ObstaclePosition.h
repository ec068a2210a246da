#pragma once

#include <cstdint>

namespace tolvane {

// A sonar sensor: four corners, the four centre sensors between them and the four side sensors.
// The application names the cases and relies on their order.
enum class ObstaclePosition : uint8_t {
    FRONT_LEFT,
    FRONT_RIGHT,
    REAR_LEFT,
    REAR_RIGHT,
    FRONT_LEFT_CENTER,
    FRONT_RIGHT_CENTER,
    REAR_LEFT_CENTER,
    REAR_RIGHT_CENTER,
    FRONT_LEFT_SIDE,
    FRONT_RIGHT_SIDE,
    REAR_LEFT_SIDE,
    REAR_RIGHT_SIDE,
};

} // namespace tolvane
