#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>

namespace tolvane {

// The framework's operating state. The value is the case index, under which it crosses to the
// application; the cases are listed once, here. TIMEOUT is final: only a reset of the framework's
// state leaves it.
#define TOLVANE_SDK_STATES(X) \
    X(NOT_OPERATING) \
    X(OPERATING) \
    X(TIMEOUT)

enum class SdkState : uint8_t {
#define TOLVANE_CASE(name) name,
    TOLVANE_SDK_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::SdkState> {
    using E = tolvane::SdkState;
    static constexpr std::array all{
#define TOLVANE_CASE(name) E::name,
        TOLVANE_SDK_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
