#pragma once

#include <chrono>

namespace foundation {

// Seconds as the protocol and the timers count them.
using Seconds = double;
using Date = std::chrono::system_clock::time_point;

// Two kinds of time: elapsed time that keeps counting while the machine sleeps (for every timeout
// and interval), and wall-clock dates (only for what is shown or stored).
class Clock {
public:
    virtual ~Clock() = default;
    virtual Seconds now() const = 0;
    virtual Date wallNow() const = 0;
};

// CLOCK_BOOTTIME and the system clock.
class SystemClock final : public Clock {
public:
    Seconds now() const override;
    Date wallNow() const override;
};

} // namespace foundation
