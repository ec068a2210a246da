#include "foundation/RunLoop.h"

#include "foundation/FatalError.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cmath>

#include <poll.h>

namespace foundation {
namespace {

thread_local RunLoop* tlsCurrent = nullptr;
std::atomic<RunLoop*> mainLoop{nullptr};
std::atomic<std::thread::id> mainThreadId{};

// Repeating timers need a positive period or they would starve the loop.
constexpr Seconds kMinimumRepeatInterval = 0.0001;

class CurrentLoopScope {
public:
    explicit CurrentLoopScope(RunLoop* loop) : previous_(tlsCurrent) { tlsCurrent = loop; }
    ~CurrentLoopScope() { tlsCurrent = previous_; }

private:
    RunLoop* previous_;
};

} // namespace

bool RunLoop::laterFirst(const TimerRef& a, const TimerRef& b)
{
    const Seconds dateA = a->fireDate();
    const Seconds dateB = b->fireDate();
    return dateA != dateB ? dateA > dateB : a->sequence_ > b->sequence_;
}

RunLoop::RunLoop(std::string name) : name_(std::move(name)) {}

RunLoop::~RunLoop()
{
    if (mainLoop.load() == this)
        mainLoop.store(nullptr);
    if (tlsCurrent == this)
        tlsCurrent = nullptr;
}

void RunLoop::post(Task task)
{
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake();
}

TimerRef RunLoop::scheduleTimer(Seconds interval, bool repeats, Timer::Block block)
{
    if (repeats && !(interval >= kMinimumRepeatInterval))
        interval = kMinimumRepeatInterval;
    const Seconds delay = interval > 0 ? interval : 0;
    auto timer = std::make_shared<Timer>(interval, repeats, std::move(block), clock().now() + delay);
    {
        std::lock_guard lock(mutex_);
        timer->sequence_ = nextSequence_++;
        timers_.push_back(timer);
        std::push_heap(timers_.begin(), timers_.end(), laterFirst);
    }
    wake();
    return timer;
}

FdWatchRef RunLoop::watchFd(int fd, FdCondition condition, FdWatch::Handler handler)
{
    auto watch = std::make_shared<FdWatch>(fd, condition, std::move(handler));
    if (!attachFdWatch(watch)) {
        std::lock_guard lock(mutex_);
        polledWatches_.push_back(watch);
    }
    return watch;
}

void RunLoop::setFdWatchChangeHook(FdWatch& watch, std::function<void(FdWatch&)> hook)
{
    watch.setChangeHook(std::move(hook));
}

bool RunLoop::runReadyFdWatches()
{
    std::vector<FdWatchRef> watches;
    {
        std::lock_guard lock(mutex_);
        std::erase_if(polledWatches_, [](const std::weak_ptr<FdWatch>& weak) {
            auto watch = weak.lock();
            return !watch || !watch->isValid();
        });
        for (const auto& weak : polledWatches_)
            if (auto watch = weak.lock(); watch && watch->isEnabled())
                watches.push_back(std::move(watch));
    }
    if (watches.empty())
        return false;
    std::vector<pollfd> fds;
    for (const auto& watch : watches)
        fds.push_back({watch->fd(), static_cast<short>(watch->condition() == FdCondition::readable ? POLLIN : POLLOUT), 0});
    if (::poll(fds.data(), fds.size(), 0) <= 0)
        return false;
    bool ran = false;
    for (size_t i = 0; i < watches.size(); ++i) {
        if (fds[i].revents & POLLNVAL) {
            // The descriptor was closed under its watch; reporting it would never end.
            watches[i]->cancel();
        } else if (fds[i].revents != 0 && watches[i]->isEnabled()) {
            watches[i]->notify();
            ran = true;
        }
    }
    return ran;
}

bool RunLoop::isCurrent() const
{
    return tlsCurrent == this;
}

RunLoop* RunLoop::current()
{
    return tlsCurrent;
}

RunLoop& RunLoop::main()
{
    RunLoop* loop = mainLoop.load();
    if (!loop)
        fatalError("no main run loop was set");
    return *loop;
}

bool RunLoop::hasMain()
{
    return mainLoop.load() != nullptr;
}

bool RunLoop::isMainThread()
{
    return std::this_thread::get_id() == mainThreadId.load();
}

void RunLoop::setMain(RunLoop* loop)
{
    mainLoop.store(loop);
    mainThreadId.store(loop ? std::this_thread::get_id() : std::thread::id{});
    tlsCurrent = loop;
}

void RunLoop::setCurrentForThisThread(RunLoop* loop)
{
    tlsCurrent = loop;
}

bool RunLoop::runOnePass()
{
    CurrentLoopScope scope(this);
    std::deque<Task> batch;
    {
        std::lock_guard lock(mutex_);
        batch.swap(tasks_);
    }
    const bool ranTasks = !batch.empty();
    for (auto& task : batch)
        task();
    const bool ranWatches = runReadyFdWatches();
    const bool ranTimers = runTimersDueAt(clock().now());
    return ranTasks || ranWatches || ranTimers;
}

bool RunLoop::runTimersDueAt(Seconds now)
{
    // Timers that come due while these run wait for the next pass, in date order.
    std::vector<TimerRef> due;
    {
        std::lock_guard lock(mutex_);
        while (!timers_.empty() && timers_.front()->fireDate() <= now) {
            std::pop_heap(timers_.begin(), timers_.end(), laterFirst);
            due.push_back(std::move(timers_.back()));
            timers_.pop_back();
        }
    }
    bool ran = false;
    for (auto& timer : due) {
        if (!timer->isValid())
            continue;
        ran = true;
        timer->fire();
        if (timer->repeats() && timer->isValid()) {
            const Seconds interval = timer->interval();
            Seconds next = timer->fireDate() + interval;
            if (next <= now)
                next += interval * std::ceil((now - next) / interval + 1e-9);
            timer->setFireDate(next);
            std::lock_guard lock(mutex_);
            timer->sequence_ = nextSequence_++;
            timers_.push_back(timer);
            std::push_heap(timers_.begin(), timers_.end(), laterFirst);
        }
    }
    return ran;
}

std::optional<Seconds> RunLoop::nextTimerDate() const
{
    std::lock_guard lock(mutex_);
    while (!timers_.empty() && !timers_.front()->isValid()) {
        std::pop_heap(timers_.begin(), timers_.end(), laterFirst);
        timers_.pop_back();
    }
    if (timers_.empty())
        return std::nullopt;
    return timers_.front()->fireDate();
}

bool RunLoop::hasPendingTasks() const
{
    std::lock_guard lock(mutex_);
    return !tasks_.empty();
}

void assertOnMainLoop([[maybe_unused]] std::string_view what, [[maybe_unused]] std::source_location caller)
{
#if TOLVANE_LOOP_CHECKS
    if (RunLoop::hasMain() && !RunLoop::main().isCurrent())
        fatalError(std::string(what) + " must run on the main loop", caller);
#endif
}

} // namespace foundation
