#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Forward/backward part of the vehicle's current moving direction.
#define TOLVANE_BT_MEK_OP_DIR_VERTICALS(X) \
    X(front, 1) \
    X(back, 2)

enum class BtMekOpDirVertical : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_MEK_OP_DIR_VERTICALS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekOpDirVertical> {
    using E = tolvane::BtMekOpDirVertical;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_MEK_OP_DIR_VERTICALS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
