#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tolvane::app {

// The application's own warnings. The request-ID time-out, the cancel confirmation and the override
// warning are interruption alerts of a screen's alert stack; the others are shown by the warn screen.
enum class InAppWarningKind : uint8_t {
    failedToOpenTerminal = 0,
    timedOutActivation = 1,
    timedOutRequestIDWaiting = 2,
    cancelConfrim = 3,
    timedOutCloseTerminal = 4,
    disconnectAtIGONWarn = 5,
    timeoutAtIGONWarn = 6,
    overrideOperations = 7,
    none = 8,
};

std::string_view caseName(InAppWarningKind kind);

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::InAppWarningKind> {
    using E = tolvane::app::InAppWarningKind;
    static constexpr std::array all{E::failedToOpenTerminal, E::timedOutActivation, E::timedOutRequestIDWaiting,
                                    E::cancelConfrim,        E::timedOutCloseTerminal, E::disconnectAtIGONWarn,
                                    E::timeoutAtIGONWarn,    E::overrideOperations, E::none};
};
