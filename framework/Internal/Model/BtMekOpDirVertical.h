#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Forward/backward part of the vehicle's current moving direction.
enum class BtMekOpDirVertical : uint8_t {
    front = 1,
    back = 2,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekOpDirVertical> {
    using E = tolvane::BtMekOpDirVertical;
    static constexpr std::array all{E::front, E::back};
};
