#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace bt {

// Whether this application may use Bluetooth, with the platform's raw values. Only `allowedAlways`
// lets the application talk to the vehicle.
enum class Authorization : int {
    notDetermined = 0,
    restricted = 1,
    denied = 2,
    allowedAlways = 3,
};

} // namespace bt

template <>
struct foundation::EnumCases<bt::Authorization> {
    using E = bt::Authorization;
    static constexpr std::array all{E::notDetermined, E::restricted, E::denied, E::allowedAlways};
};
