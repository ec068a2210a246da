#pragma once

#include "foundation/EnumCases.h"

#include <string_view>

namespace tolvane::app {

// Why a run closed, as stored in its history row. The order of the cases is fixed: the event
// stack's priorities follow it. N001 is a normal end; None, the empty text, is no reason yet.
enum class EventCode {
    N001, L001, L002, L003,
    E001, E002, E003, E004, E005, E006, E007, E008, E009, E010,
    E011, E012, E013, E014, E015, E016, E017, E018, E019,
    None,
};

std::string_view rawValue(EventCode code);

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::EventCode> {
    using E = tolvane::app::EventCode;
    static constexpr std::array all{
        E::N001, E::L001, E::L002, E::L003, E::E001, E::E002, E::E003, E::E004,
        E::E005, E::E006, E::E007, E::E008, E::E009, E::E010, E::E011, E::E012,
        E::E013, E::E014, E::E015, E::E016, E::E017, E::E018, E::E019, E::None,
    };
};
