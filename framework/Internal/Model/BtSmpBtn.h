#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Button event of the operation message; every value fits the 6-bit field it travels in. The
// declaration order is not the order of the raw values.
enum class BtSmpBtn : uint32_t {
    def = 0,
    start = 0x3C,
    longpress = 0x3E,
    directionChange = 0x38,
    endHalfway = 0x39,
    end = 0x3F,
    restart = 0x3B,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtSmpBtn> {
    using E = tolvane::BtSmpBtn;
    static constexpr std::array all{E::def,        E::start, E::longpress, E::directionChange,
                                    E::endHalfway, E::end,   E::restart};
};
