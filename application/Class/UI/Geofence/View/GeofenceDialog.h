#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>

namespace tolvane::app {

// The pop-ups the geofence check ends in.
#define TOLVANE_GEOFENCE_DIALOGS(X) \
    X(warningArea, 0) \
    X(failedGPS, 1) \
    X(cautionArea, 2) \
    X(locationUsePermit, 3)

enum class GeofenceDialog : int {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_GEOFENCE_DIALOGS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::GeofenceDialog> {
    using E = tolvane::app::GeofenceDialog;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_GEOFENCE_DIALOGS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
