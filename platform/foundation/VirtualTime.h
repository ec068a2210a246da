#pragma once

#include "foundation/Clock.h"
#include "foundation/RunLoop.h"
#include "foundation/Sleep.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace foundation {

class VirtualRunLoop;

// Time that moves only when a test says so. Every loop made here (the main loop and any worker
// loops) is pumped from the calling thread, so a test of a 180 s timeout runs in microseconds. While
// it lives, sleepFor() on one of its loops moves the time on and runs the other loops meanwhile.
class VirtualTime final : public Clock {
public:
    explicit VirtualTime(Seconds start = 1000.0);
    ~VirtualTime() override;

    Seconds now() const override;
    Date wallNow() const override;
    void setWallStart(Date date);

    // The main loop, made the main loop of the process for the lifetime of this object.
    RunLoop& mainLoop();
    // A further loop sharing this time, as a worker thread's loop would.
    std::shared_ptr<RunLoop> makeLoop(std::string name);

    // Runs posted tasks and due timers on every loop until nothing is left to do at the current time.
    void runUntilIdle();
    // Moves time forward, firing every timer on the way in date order.
    void advance(Seconds delta);
    void advanceTo(Seconds date);
    // Moves time forward while `blocked` is stuck in a long task, as a thread waiting on a slow disk
    // or a lock would be: the other loops run, its own tasks and timers wait until the next pass.
    void advanceWhileBlocked(const RunLoop& blocked, Seconds delta);

private:
    std::vector<std::shared_ptr<RunLoop>> loopsSnapshot(const RunLoop* except) const;
    void runUntilIdle(const RunLoop* except);
    void advanceTo(Seconds date, const RunLoop* except);

    mutable std::mutex mutex_;
    Seconds now_;
    Date wallStart_;
    Seconds start_;
    std::shared_ptr<RunLoop> main_;
    std::vector<std::weak_ptr<RunLoop>> loops_;
    Sleeper previousSleeper_;
};

} // namespace foundation
