#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// The screen the vehicle requires. The value is the case index, under which it crosses to the
// application, so the order of the cases is part of the public interface. The cases are listed once, here.
#define TOLVANE_REQUIRED_DISPLAY_IDS(X) \
    X(DEF) \
    X(VALID_VEHICLE) \
    X(VALID_VEHICLE_BLINKER) \
    X(START_PARK_IN) \
    X(START_PARK_OUT) \
    X(SENSING) \
    X(SEL_PARK_IN) \
    X(SEL_PARK_OUT) \
    X(SEL_FORWARD_BACKWARD) \
    X(OPERATE) \
    X(REACH_POINT) \
    X(COMPLETE_PARK_IN) \
    X(COMPLETE_PARK_IN_FORGET_HAZARD) \
    X(COMPLETE_PARK_OUT) \
    X(RESUME) \
    X(HALT) \
    X(STOP)

enum class RequiredDisplayId : uint8_t {
#define TOLVANE_CASE(name) name,
    TOLVANE_REQUIRED_DISPLAY_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::RequiredDisplayId> {
    using E = tolvane::RequiredDisplayId;
    static constexpr std::array all{
#define TOLVANE_CASE(name) E::name,
        TOLVANE_REQUIRED_DISPLAY_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
