#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace tolvane::app {

// Where a position lies against the radio towers, worst first.
enum class LocationStatus : int {
    // Inside the inner zone of at least one tower.
    warningArea = 0,
    // Inside the ring zone of at least one tower, the inner zone of none.
    cautionArea = 1,
    safetyArea = 2,
    // No zone could be given: the tower list is empty.
    failedGPSArea = 3,
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::LocationStatus> {
    using E = tolvane::app::LocationStatus;
    static constexpr std::array all{E::warningArea, E::cautionArea, E::safetyArea, E::failedGPSArea};
};
