#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace tolvane::app {

// How urgent an interruption alert is: a lower value is more urgent. A screen's alert stack holds at
// most one alert per value. Alerts of no listed kind carry the value 0, which is no case.
#define TOLVANE_DISPLAY_PRIORITIES(X) \
    X(checkBluetoothError, 1) \
    X(checkCommunicationDisruptedError, 2) \
    X(stopConfirmation, 3) \
    X(dcuCsrError, 4) \
    X(dcuIdtError, 5) \
    X(communicationDisrupted, 6) \
    X(checkSumError, 7) \
    X(fixedClearSonerCounterError, 8) \
    X(mekDisplayError, 9)

enum class DisplayPriority : int {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_DISPLAY_PRIORITIES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::DisplayPriority> {
    using E = tolvane::app::DisplayPriority;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_DISPLAY_PRIORITIES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
