#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Button event of the operation message; every value fits the 6-bit field it travels in. The
// declaration order is not the order of the raw values.
#define TOLVANE_BT_SMP_BTNS(X) \
    X(def, 0) \
    X(start, 0x3C) \
    X(longpress, 0x3E) \
    X(directionChange, 0x38) \
    X(endHalfway, 0x39) \
    X(end, 0x3F) \
    X(restart, 0x3B)

enum class BtSmpBtn : uint32_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_SMP_BTNS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtSmpBtn> {
    using E = tolvane::BtSmpBtn;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_SMP_BTNS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
