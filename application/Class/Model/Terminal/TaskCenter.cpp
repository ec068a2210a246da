#include "Class/Model/Terminal/TaskCenter.h"

#include "Class/Model/Utility/LogManager.h"

#include "accessory/Stream.h"
#include "foundation/RunLoop.h"
#include "foundation/SystemLog.h"
#include "foundation/Timer.h"
#include "foundation/WorkerThread.h"

#include <algorithm>
#include <cmath>

namespace tolvane::app {

TaskCenter::TaskCenter(Profile profile) : profile_(profile) {}

TaskCenter::~TaskCenter()
{
    releaseThread();
}

void TaskCenter::enqueueSingleTask(Task task)
{
    std::lock_guard lock(callerThreadLock);
    singleTasks_.push_back(std::move(task));
    armSingleTasksRunner();
}

void TaskCenter::armSingleTasksRunner()
{
    std::lock_guard lock(callerThreadLock);
    auto loop = loop_.lock();
    if (!loop || singleTasksRunnerArmed_ || singleTasks_.empty())
        return;
    singleTasksRunnerArmed_ = true;
    const foundation::Seconds interval = profile_.singleTasksInterval;
    const foundation::Seconds now = loop->clock().now();
    const double beats = std::floor((now - beatOrigin_) / interval + 1e-6);
    // At most one beat away, also where rounding puts the next beat a hair further.
    const foundation::Seconds delay = std::min(beatOrigin_ + (beats + 1) * interval - now, interval);
    // The runner holds the centre weakly: a centre nobody holds goes away with its timer scheduled.
    singleTasksRunnerTimer_ = loop->scheduleTimer(delay, false, [weak = weak_from_this()](foundation::Timer&) {
        if (auto center = weak.lock())
            center->runArmedPass();
    });
}

void TaskCenter::runArmedPass()
{
    {
        std::lock_guard lock(callerThreadLock);
        singleTasksRunnerArmed_ = false;
    }
    runSingleTasks();
}

std::string TaskCenter::threadName() const
{
    return profile_.threadName();
}

void TaskCenter::startThread(const foundation::Clock& clock)
{
    auto thread = std::make_unique<foundation::WorkerThread>(threadName(), profile_.priority, clock);
    thread->start();
    thread->loop().post([weak = weak_from_this()] {
        if (auto center = weak.lock())
            center->validate();
    });
    std::lock_guard lock(callerThreadLock);
    taskRunningThread_ = std::move(thread);
}

void TaskCenter::validate()
{
    LogManager::print(std::string(profile_.startLine), LogLevel::information, {.function = "validate()"});
    foundation::RunLoop* loop = foundation::RunLoop::current();
    if (!loop)
        return;
    {
        std::lock_guard lock(callerThreadLock);
        loop_ = loop->weak_from_this();
        beatOrigin_ = loop->clock().now();
    }
    armSingleTasksRunner();
    addPeriodicRunner(*loop);
}

void TaskCenter::runSingleTasks()
{
    std::vector<Task> tasks;
    {
        std::lock_guard lock(callerThreadLock);
        tasks.swap(singleTasks_);
    }
    for (auto& task : tasks)
        task();
}

void TaskCenter::stop()
{
    if (auto timer = singleTasksRunnerTimer_.lock())
        timer->invalidate();
    singleTasksRunnerTimer_.reset();
    invalidatePeriodicRunner();
    // A session whose close tasks were dropped with the queue must not stay open on a dead thread.
    if (auto loop = loop_.lock())
        accessory::Stream::closeAllScheduledOn(*loop);
    releaseThread();
}

void TaskCenter::releaseThread()
{
    std::unique_ptr<foundation::WorkerThread> thread;
    {
        std::lock_guard lock(callerThreadLock);
        thread = std::move(taskRunningThread_);
    }
    if (!thread)
        return;
    thread->quit();
    if (!thread->loop().isCurrent())
        return;
    // A thread cannot wait for itself to end; the main loop lets it go.
    if (foundation::RunLoop::hasMain())
        foundation::RunLoop::main().post([thread = std::shared_ptr<foundation::WorkerThread>(std::move(thread))] {});
    else
        static_cast<void>(thread.release());
}

void TaskCenter::destroyCenter(const std::shared_ptr<TaskCenter>& center)
{
    if (!center)
        return;
    std::lock_guard lock(center->callerThreadLock);
    center->singleTasks_.clear();
    center->singleTasks_.push_back([center] { center->stop(); });
    center->armSingleTasksRunner();
}

} // namespace tolvane::app
