#include "foundation/Semaphore.h"

#include <chrono>

namespace foundation {

void Semaphore::signal()
{
    {
        std::lock_guard lock(mutex_);
        ++count_;
    }
    condition_.notify_one();
}

void Semaphore::wait()
{
    std::unique_lock lock(mutex_);
    condition_.wait(lock, [this] { return count_ > 0; });
    --count_;
}

bool Semaphore::wait(Seconds timeout)
{
    std::unique_lock lock(mutex_);
    if (!condition_.wait_for(lock, std::chrono::duration<double>(timeout), [this] { return count_ > 0; }))
        return false;
    --count_;
    return true;
}

} // namespace foundation
