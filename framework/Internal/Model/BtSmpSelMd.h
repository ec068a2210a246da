#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// The plan the user selected.
enum class BtSmpSelMd : uint32_t {
    parkplan0 = 0,
    parkplan1 = 1,
    parkplan2 = 2,
    parkplan3 = 3,
    parkplan4 = 4,
    parkplan5 = 5,
    parkplan6 = 6,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtSmpSelMd> {
    using E = tolvane::BtSmpSelMd;
    static constexpr std::array all{E::parkplan0, E::parkplan1, E::parkplan2, E::parkplan3,
                                    E::parkplan4, E::parkplan5, E::parkplan6};
};
