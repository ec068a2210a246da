#pragma once

#include "foundation/Clock.h"
#include "foundation/FdWatch.h"
#include "foundation/Timer.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <source_location>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace foundation {

// One run loop: a FIFO of posted tasks, timers in fire-date order and watched file descriptors.
// Implementations only decide how the loop wakes up, how it waits on descriptors and what "now" is
// (a Qt event loop in the program, virtual time in tests).
class RunLoop : public std::enable_shared_from_this<RunLoop> {
public:
    using Task = std::function<void()>;

    explicit RunLoop(std::string name);
    virtual ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    const std::string& name() const { return name_; }
    virtual const Clock& clock() const = 0;

    void post(Task task);
    // A non-positive interval fires on the next turn; a repeating timer's next fire is its last
    // scheduled fire plus the interval, and fires missed while the loop was busy are skipped.
    TimerRef scheduleTimer(Seconds interval, bool repeats, Timer::Block block);
    // Reports on this loop whenever `fd` is ready for `condition`, until the watch is cancelled or
    // dropped. Call it on this loop's thread.
    FdWatchRef watchFd(int fd, FdCondition condition, FdWatch::Handler handler);

    // True while this loop runs a task or timer on the calling thread, or when it is the calling
    // thread's loop.
    bool isCurrent() const;

    // The calling thread's loop, or null.
    static RunLoop* current();
    // The loop of the main thread. Everything the user interface and the framework state touch runs
    // here.
    static RunLoop& main();
    static bool hasMain();
    static bool isMainThread();
    // Makes `loop` the main loop and the calling thread the main thread (null clears it).
    static void setMain(RunLoop* loop);
    static void setCurrentForThisThread(RunLoop* loop);

    // Runs the posted tasks queued so far, the handlers of ready descriptors and every timer due at
    // `now`. Returns true if it did work.
    bool runOnePass();
    std::optional<Seconds> nextTimerDate() const;
    bool hasPendingTasks() const;

protected:
    // Called from any thread after a task or timer was added.
    virtual void wake() = 0;
    // A loop that waits on descriptors through its own event loop takes each new watch here, follows
    // it through its change hook and returns true; by default every pass polls the watches instead.
    virtual bool attachFdWatch(const FdWatchRef&) { return false; }
    void setFdWatchChangeHook(FdWatch& watch, std::function<void(FdWatch&)> hook);

private:
    bool runTimersDueAt(Seconds now);
    bool runReadyFdWatches();
    static bool laterFirst(const TimerRef& a, const TimerRef& b);

    const std::string name_;
    mutable std::mutex mutex_;
    std::deque<Task> tasks_;
    mutable std::vector<TimerRef> timers_; // kept as a heap on the fire date
    std::vector<std::weak_ptr<FdWatch>> polledWatches_;
    uint64_t nextSequence_ = 0;
};

// Checks in debug and test builds that main-only code runs on the main loop (a worker loop pumped on
// the main thread counts as away from it).
void assertOnMainLoop(std::string_view what, std::source_location caller = std::source_location::current());

} // namespace foundation
