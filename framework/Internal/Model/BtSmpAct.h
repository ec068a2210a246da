#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Whether the operation is active (the user holds the control).
enum class BtSmpAct : uint32_t {
    off = 0,
    on = 1,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtSmpAct> {
    using E = tolvane::BtSmpAct;
    static constexpr std::array all{E::off, E::on};
};
