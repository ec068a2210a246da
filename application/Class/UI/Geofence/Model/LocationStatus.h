#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace tolvane::app {

// Where a position lies against the radio towers, worst first.
#define TOLVANE_LOCATION_STATUSES(X) \
    /* Inside the inner zone of at least one tower. */ \
    X(warningArea, 0) \
    /* Inside the ring zone of at least one tower, the inner zone of none. */ \
    X(cautionArea, 1) \
    X(safetyArea, 2) \
    /* No zone could be given: the tower list is empty. */ \
    X(failedGPSArea, 3)

enum class LocationStatus : int {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_LOCATION_STATUSES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::LocationStatus> {
    using E = tolvane::app::LocationStatus;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_LOCATION_STATUSES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
