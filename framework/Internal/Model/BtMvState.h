#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// State of a moving-object detector.
enum class BtMvState : uint8_t {
    off = 0,
    on = 1,
    flash = 2,
    undefined = 3,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMvState> {
    using E = tolvane::BtMvState;
    static constexpr std::array all{E::off, E::on, E::flash, E::undefined};
};
