#pragma once

#include "foundation/Clock.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace foundation {

// A run-loop timer. The loop keeps it while it is valid; owners may hold it or only a weak_ptr.
class Timer : public std::enable_shared_from_this<Timer> {
public:
    using Block = std::function<void(Timer&)>;

    Timer(Seconds interval, bool repeats, Block block, Seconds fireDate);

    void invalidate();
    bool isValid() const { return valid_.load(); }
    // Runs the block now; a one-shot timer is invalidated after it, as a scheduled fire would.
    void fire();

    Seconds interval() const { return interval_; }
    bool repeats() const { return repeats_; }
    Seconds fireDate() const;

private:
    friend class RunLoop;
    void setFireDate(Seconds date);

    const Seconds interval_;
    const bool repeats_;
    std::atomic<bool> valid_{true};
    mutable std::mutex mutex_;
    Block block_;
    Seconds fireDate_;
    uint64_t sequence_ = 0; // orders timers due at the same date by when they were queued
};

using TimerRef = std::shared_ptr<Timer>;

} // namespace foundation
