#pragma once

#include <cstdint>

namespace tolvane {

// Kind of park-in manoeuvre: parallel driving in forwards or backwards, or perpendicular.
// The application names the cases and relies on their order.
enum class MoveParkInDirection : uint8_t {
    PARALLEL_FORWARD,
    PARALLEL_BACKWARD,
    VERTICAL,
};

} // namespace tolvane
