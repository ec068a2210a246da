#pragma once

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "foundation/Clock.h"

#include <optional>
#include <string_view>

namespace tolvane::app {

class TerminalStore;

// Ends the link when the vehicle reports a display and cause that end the run, whether or not a
// screen shows them: the link is marked stopped, the framework is asked to finish, and the shared
// store's close sequence runs a moment later. A missing display id or cause counts as DEF. Main
// thread only.
class TerminalRunEndClose {
public:
    static constexpr foundation::Seconds FINISH_CLOSE_DELAY = 0.3;

    TerminalRunEndClose() = delete;

    // Only while the application is in the background.
    static void inBackground(TerminalStore& store, std::optional<RequiredDisplayId> reqDisplayId,
                             std::optional<CauseId> causeId);
    // For a screen that stays where it is; the close hops to the main queue once the delay is over.
    static void withoutTransition(TerminalStore& store, std::optional<RequiredDisplayId> reqDisplayId,
                                  std::optional<CauseId> causeId);

private:
    static bool endsTheRun(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId);
    static void finishAndCloseLater(TerminalStore& store, std::string_view function, bool hopToMain);
};

} // namespace tolvane::app
