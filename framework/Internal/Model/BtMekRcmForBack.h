#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Recommended forward/backward direction in the low three bits of the target mode.
enum class BtMekRcmForBack : uint8_t {
    front = 2,
    back = 5,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekRcmForBack> {
    using E = tolvane::BtMekRcmForBack;
    static constexpr std::array all{E::front, E::back};
};
