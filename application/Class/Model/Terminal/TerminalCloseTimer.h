#pragma once

#include "foundation/Clock.h"
#include "foundation/Timer.h"

#include <memory>
#include <optional>

namespace tolvane::app {

class TerminalStore;

// The one-shot close timer a screen starts while it waits for the link to end. When it runs out it
// tells the screen, if asked to, whether the link outlived it, then runs the store's close sequence.
// Main thread only.
class TerminalCloseTimer {
public:
    static constexpr foundation::Seconds DEFAULT_INTERVAL = 10.0;

    // Replaces a running timer; no interval means the default one. The timer holds `store` weakly.
    void start(std::weak_ptr<TerminalStore> store, std::optional<foundation::Seconds> interval,
               bool necessaryDelegate);
    // Invalidates and drops the timer, logging that it was released.
    void release();
    // Invalidates and drops a timer that has not run out yet; says whether there was one.
    bool invalidateIfPending();
    bool exists() const { return timer_ != nullptr; }
    // A timer is held and has not run out or been invalidated.
    bool isValid() const { return timer_ && timer_->isValid(); }

private:
    static void runOut(TerminalStore& store, bool necessaryDelegate);

    foundation::TimerRef timer_;
};

} // namespace tolvane::app
