#pragma once

#include "foundation/Clock.h"

#include <functional>
#include <memory>

namespace tolvane::app {

class Terminal;

// Closing a terminal whose streams were asked to end: waiting for them to report their end, and
// forcing the ones that did not closed. Main thread only.
class TerminalClosing {
public:
    static constexpr foundation::Seconds WAIT_STEP = 0.1;
    static constexpr int WAIT_STEPS = 29;

    TerminalClosing() = delete;

    // Calls `then` once `streamsOpen` says no more, sampling it every step and handing over one step
    // after the sample that found the streams ended, or after the last step whatever they report.
    // Stops without calling `then` once `owner` is gone.
    static void waitForStreamsEnd(std::weak_ptr<const void> owner, std::function<bool()> streamsOpen,
                                  std::function<void()> then);
    // Unless both streams of `terminal`'s session reported their end, detaches and closes both, each
    // on the thread that reads or writes it.
    static void forceOpenStreamsClosed(const Terminal& terminal);
};

} // namespace tolvane::app
