#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Left/right part of the vehicle's current moving direction; `canter` is the centre.
#define TOLVANE_BT_MEK_OP_DIR_HORIZONTALS(X) \
    X(canter, 0) \
    X(left, 1) \
    X(right, 2)

enum class BtMekOpDirHorizontal : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_MEK_OP_DIR_HORIZONTALS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekOpDirHorizontal> {
    using E = tolvane::BtMekOpDirHorizontal;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_MEK_OP_DIR_HORIZONTALS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
