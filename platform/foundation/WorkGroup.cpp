#include "foundation/WorkGroup.h"

#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"

#include <algorithm>

namespace foundation {

WorkGroup::~WorkGroup()
{
    // Nothing is left to wait for once the group itself is gone.
    while (!waiters_.empty())
        release(waiters_.begin());
}

void WorkGroup::enter()
{
    ++pending_;
}

void WorkGroup::leave()
{
    if (pending_ == 0)
        fatalError("a work group was left more often than entered");
    if (--pending_ > 0)
        return;
    while (!waiters_.empty())
        release(waiters_.begin());
}

void WorkGroup::notify(Seconds timeout, std::function<void()> then)
{
    if (isEmpty()) {
        RunLoop::main().post(std::move(then));
        return;
    }
    auto waiter = std::make_shared<Waiter>();
    waiter->then = std::move(then);
    waiter->deadline = RunLoop::main().scheduleTimer(timeout, false, [this, weak = std::weak_ptr<Waiter>(waiter)](Timer&) {
        const auto found = std::ranges::find(waiters_, weak.lock());
        if (found != waiters_.end())
            release(found);
    });
    waiters_.push_back(std::move(waiter));
}

void WorkGroup::release(std::vector<std::shared_ptr<Waiter>>::iterator waiter)
{
    auto released = *waiter;
    waiters_.erase(waiter);
    released->deadline->invalidate();
    // At the very end of the program the main loop may be gone, and with it whoever waited.
    if (RunLoop::hasMain())
        RunLoop::main().post(std::move(released->then));
}

} // namespace foundation
