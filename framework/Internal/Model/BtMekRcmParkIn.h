#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Recommended park-in side in the low three bits of the target mode.
enum class BtMekRcmParkIn : uint8_t {
    left = 1,
    right = 2,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekRcmParkIn> {
    using E = tolvane::BtMekRcmParkIn;
    static constexpr std::array all{E::left, E::right};
};
