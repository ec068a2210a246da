#include "Class/Model/Terminal/TerminalOpenRetry.h"

#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/RunLoop.h"

#include <algorithm>

namespace tolvane::app {

void TerminalOpenRetry::start(int64_t retryCount, std::function<bool()> open, std::function<void(bool)> completion)
{
    if (timer_)
        timer_->invalidate();
    remaining_ = retryCount;
    double interval = UserDefaultsValues::intervalOfRetryOpenSession();
    // A stored interval that is not positive would retry without pause, and an endless one (a huge
    // number or infinity) would never retry at all.
    if (!(interval > 0))
        interval = 1.0;
    interval = std::min(interval, LONGEST_INTERVAL);
    std::weak_ptr<TerminalOpenRetry> weak = weak_from_this();
    const uint64_t run = ++runs_;
    timer_ = foundation::RunLoop::main().scheduleTimer(
        interval, true, [weak, run, retryCount, open = std::move(open), completion = std::move(completion)](foundation::Timer&) {
            foundation::RunLoop::main().post([weak, run, retryCount, open, completion] {
                // A try queued by a tick of a retry cancelled or replaced since is not made.
                auto retry = weak.lock();
                if (retry && retry->isRunning() && retry->runs_ == run)
                    retry->tryOnce(retryCount, open, completion);
            });
        });
}

void TerminalOpenRetry::tryOnce(int64_t retryCount, const std::function<bool()>& open,
                                const std::function<void(bool)>& completion)
{
    LogManager::print("Retry open.", LogLevel::information,
                      {.values = {{"Retry count remaining", remaining_ - 1}, {"Maximum number of retry", retryCount}},
                       .function = "setTerminalOpenRetryTimer(_:open:completion:)"});
    const bool result = open();
    if (!result && --remaining_ > 0)
        return;
    cancel();
    completion(result);
}

void TerminalOpenRetry::cancel()
{
    if (timer_)
        timer_->invalidate();
    timer_.reset();
}

} // namespace tolvane::app
