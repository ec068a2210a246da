#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace bt {

// The power state of the phone's Bluetooth, with the platform's raw values. Only `poweredOn` lets
// the link run; every other state counts as off.
enum class PowerState : int {
    unknown = 0,
    resetting = 1,
    unsupported = 2,
    unauthorized = 3,
    poweredOff = 4,
    poweredOn = 5,
};

} // namespace bt

template <>
struct foundation::EnumCases<bt::PowerState> {
    using E = bt::PowerState;
    static constexpr std::array all{E::unknown,      E::resetting,  E::unsupported,
                                    E::unauthorized, E::poweredOff, E::poweredOn};
};
