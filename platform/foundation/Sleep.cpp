#include "foundation/Sleep.h"

#include <chrono>
#include <mutex>
#include <thread>

namespace foundation {
namespace {

std::mutex sleeperMutex;
Sleeper installedSleeper;

} // namespace

void sleepFor(Seconds seconds)
{
    Sleeper sleeper;
    {
        std::lock_guard lock(sleeperMutex);
        sleeper = installedSleeper;
    }
    if (sleeper)
        sleeper(seconds);
    else if (seconds > 0)
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

Sleeper setSleeper(Sleeper sleeper)
{
    std::lock_guard lock(sleeperMutex);
    std::swap(installedSleeper, sleeper);
    return sleeper;
}

} // namespace foundation
