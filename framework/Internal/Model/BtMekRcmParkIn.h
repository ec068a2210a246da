#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Recommended park-in side in the low three bits of the target mode.
#define TOLVANE_BT_MEK_RCM_PARK_INS(X) \
    X(left, 1) \
    X(right, 2)

enum class BtMekRcmParkIn : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_MEK_RCM_PARK_INS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekRcmParkIn> {
    using E = tolvane::BtMekRcmParkIn;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_MEK_RCM_PARK_INS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
