#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <string_view>

namespace tolvane::app {

// One row of the tutorial menu, in row order; the last is an empty row of no height.
#define TOLVANE_TUTORIAL_MENU_ITEMS(X) \
    X(Connection, 0) \
    X(ParkIn, 1) \
    X(ParkOut, 2) \
    X(Movie, 3) \
    X(Dummy, 4)

enum class TutorialMenuItem : int {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_TUTORIAL_MENU_ITEMS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

std::string_view caseName(TutorialMenuItem item);

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::TutorialMenuItem> {
    using E = tolvane::app::TutorialMenuItem;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_TUTORIAL_MENU_ITEMS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
