#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// State of a moving-object detector.
#define TOLVANE_BT_MV_STATES(X) \
    X(off, 0) \
    X(on, 1) \
    X(flash, 2) \
    X(undefined, 3)

enum class BtMvState : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_MV_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMvState> {
    using E = tolvane::BtMvState;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_MV_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
