#pragma once

#include "foundation/Clock.h"
#include "foundation/Timer.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace tolvane::app {

// Tries a failed open again at the stored interval until one try succeeds or the tries run out,
// then reports the last try's result. Main thread only.
class TerminalOpenRetry : public std::enable_shared_from_this<TerminalOpenRetry> {
public:
    // A stored retry interval longer than this counts as this long.
    static constexpr foundation::Seconds LONGEST_INTERVAL = 60.0;

    // Replaces any running retry; `open` makes one try, `completion` gets the result of the last.
    void start(int64_t retryCount, std::function<bool()> open, std::function<void(bool)> completion);
    // Stops retrying without reporting.
    void cancel();
    bool isRunning() const { return timer_ != nullptr; }

private:
    void tryOnce(int64_t retryCount, const std::function<bool()>& open, const std::function<void(bool)>& completion);

    foundation::TimerRef timer_;
    // Counts the retries started, so that a queued try knows whether its retry still runs.
    uint64_t runs_ = 0;
    int64_t remaining_ = 0;
};

} // namespace tolvane::app
