#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace tolvane {

#define TOLVANE_DETECT_STATES(X) \
    /* Not started: records are ignored. */ \
    X(none) \
    /* Started, nothing abnormal. */ \
    X(normal) \
    /* An abnormality: the detector's halt cause is posted. */ \
    X(interrupt) \
    /* The abnormality persisted: the detector's stop cause is posted. */ \
    X(suspension)

enum class DetectState {
#define TOLVANE_CASE(name) name,
    TOLVANE_DETECT_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::DetectState> {
    using E = tolvane::DetectState;
    static constexpr std::array all{
#define TOLVANE_CASE(name) E::name,
        TOLVANE_DETECT_STATES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
