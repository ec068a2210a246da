#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Recommended forward/backward direction in the low three bits of the target mode.
#define TOLVANE_BT_MEK_RCM_FOR_BACKS(X) \
    X(front, 2) \
    X(back, 5)

enum class BtMekRcmForBack : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_MEK_RCM_FOR_BACKS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekRcmForBack> {
    using E = tolvane::BtMekRcmForBack;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_MEK_RCM_FOR_BACKS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
