#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tolvane::app {

// The application's own warnings. The request-ID time-out, the cancel confirmation and the override
// warning are interruption alerts of a screen's alert stack; the others are shown by the warn screen.
#define TOLVANE_IN_APP_WARNING_KINDS(X) \
    X(failedToOpenTerminal, 0) \
    X(timedOutActivation, 1) \
    X(timedOutRequestIDWaiting, 2) \
    X(cancelConfrim, 3) \
    X(timedOutCloseTerminal, 4) \
    X(disconnectAtIGONWarn, 5) \
    X(timeoutAtIGONWarn, 6) \
    X(overrideOperations, 7) \
    X(none, 8)

enum class InAppWarningKind : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_IN_APP_WARNING_KINDS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

std::string_view caseName(InAppWarningKind kind);

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::InAppWarningKind> {
    using E = tolvane::app::InAppWarningKind;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_IN_APP_WARNING_KINDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
