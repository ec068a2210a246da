#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>

namespace tolvane {

// The framework's operating state. The value is the case index, under which it crosses to the
// application.
enum class SdkState : uint8_t {
    NOT_OPERATING = 0,
    OPERATING = 1,
    // Final: only a reset of the framework's state leaves it.
    TIMEOUT = 2,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::SdkState> {
    using E = tolvane::SdkState;
    static constexpr std::array all{E::NOT_OPERATING, E::OPERATING, E::TIMEOUT};
};
