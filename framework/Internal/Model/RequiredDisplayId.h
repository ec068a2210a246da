#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// The screen the vehicle requires. The value is the case index, under which it crosses to the
// application, so the order of the cases is part of the public interface.
enum class RequiredDisplayId : uint8_t {
    DEF = 0,
    VALID_VEHICLE = 1,
    VALID_VEHICLE_BLINKER = 2,
    START_PARK_IN = 3,
    START_PARK_OUT = 4,
    SENSING = 5,
    SEL_PARK_IN = 6,
    SEL_PARK_OUT = 7,
    SEL_FORWARD_BACKWARD = 8,
    OPERATE = 9,
    REACH_POINT = 10,
    COMPLETE_PARK_IN = 11,
    COMPLETE_PARK_IN_FORGET_HAZARD = 12,
    COMPLETE_PARK_OUT = 13,
    RESUME = 14,
    HALT = 15,
    STOP = 16,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::RequiredDisplayId> {
    using E = tolvane::RequiredDisplayId;
    static constexpr std::array all{
        E::DEF,           E::VALID_VEHICLE,  E::VALID_VEHICLE_BLINKER,
        E::START_PARK_IN, E::START_PARK_OUT, E::SENSING,
        E::SEL_PARK_IN,   E::SEL_PARK_OUT,   E::SEL_FORWARD_BACKWARD,
        E::OPERATE,       E::REACH_POINT,    E::COMPLETE_PARK_IN,
        E::COMPLETE_PARK_IN_FORGET_HAZARD,   E::COMPLETE_PARK_OUT,
        E::RESUME,        E::HALT,           E::STOP,
    };
};
