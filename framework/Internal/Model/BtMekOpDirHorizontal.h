#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Left/right part of the vehicle's current moving direction; `canter` is the centre.
enum class BtMekOpDirHorizontal : uint8_t {
    canter = 0,
    left = 1,
    right = 2,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekOpDirHorizontal> {
    using E = tolvane::BtMekOpDirHorizontal;
    static constexpr std::array all{E::canter, E::left, E::right};
};
