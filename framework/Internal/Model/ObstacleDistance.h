#pragma once

#include <cstdint>

namespace tolvane {

// Reported distance of an obstacle, from none through nearest to farthest.
// The application names the cases and relies on their order.
enum class ObstacleDistance : uint8_t {
    NONE,
    MOST_SHORT,
    SHORT,
    MIDDLE,
    LONG,
    MOST_LONG,
};

} // namespace tolvane
