#pragma once

#include <cstdint>

namespace tolvane {

// Leaving a parallel or a perpendicular space.
// The application names the cases and relies on their order.
enum class MoveParkOutDirection : uint8_t {
    PARALLEL,
    VERTICAL,
};

} // namespace tolvane
