#include "foundation/Clock.h"

#include <ctime>

namespace foundation {

Seconds SystemClock::now() const
{
    timespec ts{};
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return static_cast<Seconds>(ts.tv_sec) + static_cast<Seconds>(ts.tv_nsec) / 1e9;
}

Date SystemClock::wallNow() const
{
    return std::chrono::system_clock::now();
}

} // namespace foundation
