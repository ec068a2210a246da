#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// The plan the user selected.
#define TOLVANE_BT_SMP_SEL_MDS(X) \
    X(parkplan0, 0) \
    X(parkplan1, 1) \
    X(parkplan2, 2) \
    X(parkplan3, 3) \
    X(parkplan4, 4) \
    X(parkplan5, 5) \
    X(parkplan6, 6)

enum class BtSmpSelMd : uint32_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_SMP_SEL_MDS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtSmpSelMd> {
    using E = tolvane::BtSmpSelMd;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_SMP_SEL_MDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
