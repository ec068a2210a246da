#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace tolvane {

enum class DetectState {
    // Not started: records are ignored.
    none,
    // Started, nothing abnormal.
    normal,
    // An abnormality: the detector's halt cause is posted.
    interrupt,
    // The abnormality persisted: the detector's stop cause is posted.
    suspension,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::DetectState> {
    using E = tolvane::DetectState;
    static constexpr std::array all{E::none, E::normal, E::interrupt, E::suspension};
};
