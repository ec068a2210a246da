#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>

namespace tolvane::app {

// The pop-ups the geofence check ends in.
enum class GeofenceDialog : int {
    warningArea = 0,
    failedGPS = 1,
    cautionArea = 2,
    locationUsePermit = 3,
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::GeofenceDialog> {
    using E = tolvane::app::GeofenceDialog;
    static constexpr std::array all{E::warningArea, E::failedGPS, E::cautionArea, E::locationUsePermit};
};
