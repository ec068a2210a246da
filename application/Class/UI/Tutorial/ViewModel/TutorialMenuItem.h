#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <string_view>

namespace tolvane::app {

// One row of the tutorial menu, in row order; the last is an empty row of no height.
enum class TutorialMenuItem : int {
    Connection = 0,
    ParkIn = 1,
    ParkOut = 2,
    Movie = 3,
    Dummy = 4,
};

std::string_view caseName(TutorialMenuItem item);

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::TutorialMenuItem> {
    using E = tolvane::app::TutorialMenuItem;
    static constexpr std::array all{E::Connection, E::ParkIn, E::ParkOut, E::Movie, E::Dummy};
};
