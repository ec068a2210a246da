#pragma once

#include "foundation/EnumCases.h"

#include <string_view>

namespace tolvane::app {

// Why a run closed, as stored in its history row. The order of the cases is fixed: the event
// stack's priorities follow it. N001 is a normal end; None, the empty text, is no reason yet.
#define TOLVANE_EVENT_CODES(X) \
    X(N001) X(L001) X(L002) X(L003) \
    X(E001) X(E002) X(E003) X(E004) X(E005) X(E006) X(E007) X(E008) X(E009) X(E010) \
    X(E011) X(E012) X(E013) X(E014) X(E015) X(E016) X(E017) X(E018) X(E019) \
    X(None)

enum class EventCode {
#define TOLVANE_CASE(name) name,
    TOLVANE_EVENT_CODES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

std::string_view rawValue(EventCode code);

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::EventCode> {
    using E = tolvane::app::EventCode;
    static constexpr std::array all{
#define TOLVANE_CASE(name) E::name,
        TOLVANE_EVENT_CODES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
