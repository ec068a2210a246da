#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Request of the verification message.
enum class BtIdtBtRq : uint8_t {
    parkInOrFowaback = 0,
    parkOut = 1,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtIdtBtRq> {
    using E = tolvane::BtIdtBtRq;
    static constexpr std::array all{E::parkInOrFowaback, E::parkOut};
};
