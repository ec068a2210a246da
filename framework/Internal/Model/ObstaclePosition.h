#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>

namespace tolvane {

// A sonar sensor: four corners, the four centre sensors between them and the four side sensors.
// The application names the cases and relies on their order.
#define TOLVANE_OBSTACLE_POSITIONS(X) \
    X(FRONT_LEFT) \
    X(FRONT_RIGHT) \
    X(REAR_LEFT) \
    X(REAR_RIGHT) \
    X(FRONT_LEFT_CENTER) \
    X(FRONT_RIGHT_CENTER) \
    X(REAR_LEFT_CENTER) \
    X(REAR_RIGHT_CENTER) \
    X(FRONT_LEFT_SIDE) \
    X(FRONT_RIGHT_SIDE) \
    X(REAR_LEFT_SIDE) \
    X(REAR_RIGHT_SIDE)

enum class ObstaclePosition : uint8_t {
#define TOLVANE_CASE(name) name,
    TOLVANE_OBSTACLE_POSITIONS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::ObstaclePosition> {
    using E = tolvane::ObstaclePosition;
    static constexpr std::array all{
#define TOLVANE_CASE(name) E::name,
        TOLVANE_OBSTACLE_POSITIONS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
