#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Whether the operation is active (the user holds the control).
#define TOLVANE_BT_SMP_ACTS(X) \
    X(off, 0) \
    X(on, 1)

enum class BtSmpAct : uint32_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_SMP_ACTS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtSmpAct> {
    using E = tolvane::BtSmpAct;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_SMP_ACTS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
