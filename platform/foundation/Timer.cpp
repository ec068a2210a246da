#include "foundation/Timer.h"

namespace foundation {

Timer::Timer(Seconds interval, bool repeats, Block block, Seconds fireDate)
    : interval_(interval), repeats_(repeats), block_(std::move(block)), fireDate_(fireDate)
{
}

void Timer::invalidate()
{
    valid_.store(false);
}

void Timer::fire()
{
    if (!isValid())
        return;
    Block block;
    {
        std::lock_guard lock(mutex_);
        block = block_;
    }
    // Keep the timer alive through its own block, which may drop the last owner's reference.
    auto self = shared_from_this();
    if (block)
        block(*this);
    if (!repeats_)
        invalidate();
}

Seconds Timer::fireDate() const
{
    std::lock_guard lock(mutex_);
    return fireDate_;
}

void Timer::setFireDate(Seconds date)
{
    std::lock_guard lock(mutex_);
    fireDate_ = date;
}

} // namespace foundation
