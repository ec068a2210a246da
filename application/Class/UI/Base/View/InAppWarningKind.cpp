#include "Class/UI/Base/View/InAppWarningKind.h"

namespace tolvane::app {

std::string_view caseName(InAppWarningKind kind)
{
    switch (kind) {
    case InAppWarningKind::failedToOpenTerminal:
        return "failedToOpenTerminal";
    case InAppWarningKind::timedOutActivation:
        return "timedOutActivation";
    case InAppWarningKind::timedOutRequestIDWaiting:
        return "timedOutRequestIDWaiting";
    case InAppWarningKind::cancelConfrim:
        return "cancelConfrim";
    case InAppWarningKind::timedOutCloseTerminal:
        return "timedOutCloseTerminal";
    case InAppWarningKind::disconnectAtIGONWarn:
        return "disconnectAtIGONWarn";
    case InAppWarningKind::timeoutAtIGONWarn:
        return "timeoutAtIGONWarn";
    case InAppWarningKind::overrideOperations:
        return "overrideOperations";
    case InAppWarningKind::none:
        return "none";
    }
    return "none";
}

} // namespace tolvane::app
