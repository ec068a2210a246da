#pragma once

#include "foundation/Clock.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {
class RunLoop;
class Timer;
class WorkerThread;
} // namespace foundation

namespace tolvane::app {

// What the send and receive centres share: a worker thread whose run loop runs queued one-shot
// tasks in passes on a fixed beat (every 1 ms on the send thread, 10 ms on the receive thread).
// Tasks are queued under `callerThreadLock`, taken out whole by a pass and run outside it, oldest
// first, so a task queued while a pass runs waits for the next one. The beat's timer is armed only
// while tasks wait: a pass comes at the same beat as with a timer that never stops, but an idle
// thread is not woken a thousand times a second.
class TaskCenter : public std::enable_shared_from_this<TaskCenter> {
public:
    using Task = std::function<void()>;

    virtual ~TaskCenter();
    TaskCenter(const TaskCenter&) = delete;
    TaskCenter& operator=(const TaskCenter&) = delete;

    // From any thread.
    void enqueueSingleTask(Task task);

    // The thread's work, on the calling thread's run loop: the start line and the runners. The
    // loop then runs them until stop().
    void validate();
    // Starts the named worker thread at the centre's priority and runs validate() there. The
    // thread holds the centre without owning it.
    void startThread(const foundation::Clock& clock);
    // Ends the runners, closes any stream still scheduled on the loop and ends the thread. Runs only
    // as the task that destroy() queues, on the centre's own thread.
    void stop();

    // The application's identifier, ".", and the thread's suffix; the suffix alone without one.
    std::string threadName() const;

protected:
    struct Profile {
        std::string_view startLine;
        std::string (*threadName)();
        double priority;
        foundation::Seconds singleTasksInterval;
    };

    explicit TaskCenter(Profile profile);

    // The periodic part of the send centre: its runner, armed only while it has work, after the
    // single-task runner.
    virtual void addPeriodicRunner(foundation::RunLoop&) {}
    virtual void invalidatePeriodicRunner() {}

    // One pass over the queued tasks, on the centre's thread.
    void runSingleTasks();
    // Arms the single-task runner for the next beat when tasks wait and none is armed.
    void armSingleTasksRunner();
    // The centre's loop once validate() ran; none before and after the thread ended. Under callerThreadLock.
    std::shared_ptr<foundation::RunLoop> loop() const { return loop_.lock(); }

    // Drops the queued tasks and queues stop() as the centre's last task; the task keeps the
    // centre alive until it ran.
    static void destroyCenter(const std::shared_ptr<TaskCenter>& center);

    std::recursive_mutex callerThreadLock;

private:
    void releaseThread();
    void runArmedPass();

    const Profile profile_;
    std::vector<Task> singleTasks_;
    std::weak_ptr<foundation::Timer> singleTasksRunnerTimer_;
    bool singleTasksRunnerArmed_ = false;
    foundation::Seconds beatOrigin_ = 0;
    std::weak_ptr<foundation::RunLoop> loop_;
    std::unique_ptr<foundation::WorkerThread> taskRunningThread_;
};

// The one shared instance of a centre class: made on first use, forgotten by take().
template <class Center>
class SharedCenterSlot {
public:
    static std::shared_ptr<Center> get()
    {
        std::lock_guard lock(mutex_);
        if (!center_)
            center_.reset(new Center);
        return center_;
    }
    static std::shared_ptr<Center> take()
    {
        std::lock_guard lock(mutex_);
        return std::move(center_);
    }

private:
    static inline std::mutex mutex_;
    static inline std::shared_ptr<Center> center_;
};

} // namespace tolvane::app
