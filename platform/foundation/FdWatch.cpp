#include "foundation/FdWatch.h"

namespace foundation {

FdWatch::FdWatch(int fd, FdCondition condition, Handler handler)
    : fd_(fd), condition_(condition), handler_(std::move(handler))
{
}

FdWatch::~FdWatch()
{
    cancel();
}

void FdWatch::setEnabled(bool enabled)
{
    if (enabled_.exchange(enabled) != enabled)
        changed();
}

void FdWatch::cancel()
{
    if (valid_.exchange(false))
        changed();
}

void FdWatch::notify()
{
    if (isEnabled() && handler_)
        handler_();
}

void FdWatch::setChangeHook(ChangeHook hook)
{
    std::lock_guard lock(hookMutex_);
    hook_ = std::move(hook);
}

void FdWatch::changed()
{
    ChangeHook hook;
    {
        std::lock_guard lock(hookMutex_);
        hook = hook_;
    }
    if (hook)
        hook(*this);
}

} // namespace foundation
