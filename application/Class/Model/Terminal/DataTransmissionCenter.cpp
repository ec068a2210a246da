#include "Class/Model/Terminal/DataTransmissionCenter.h"

#include "Class/SharedObject/AppThreadPolicy.h"

#include "foundation/RunLoop.h"
#include "foundation/Timer.h"

namespace tolvane::app {

DataTransmissionCenter::DataTransmissionCenter()
    : TaskCenter({.startLine = "送信スレッド立ち上げ",
                  .threadName = &AppThreadPolicy::dataTransmission,
                  .priority = 1.0,
                  .singleTasksInterval = SINGLE_TASKS_INTERVAL})
{
}

std::shared_ptr<DataTransmissionCenter> DataTransmissionCenter::shared()
{
    return SharedCenterSlot<DataTransmissionCenter>::get();
}

void DataTransmissionCenter::destroy()
{
    destroyCenter(SharedCenterSlot<DataTransmissionCenter>::take());
}

void DataTransmissionCenter::setPeriodicTask(Task task)
{
    std::shared_ptr<foundation::RunLoop> loop;
    {
        std::lock_guard lock(callerThreadLock);
        periodicTask_ = std::move(task);
        loop = this->loop();
    }
    // The runner lives on the centre's own loop; before validate() there is none to arm.
    if (loop)
        loop->post([weak = weak_from_this()] {
            if (auto center = weak.lock())
                static_cast<DataTransmissionCenter&>(*center).addPeriodicRunner(*foundation::RunLoop::current());
        });
}

void DataTransmissionCenter::addPeriodicRunner(foundation::RunLoop& loop)
{
    bool hasTask = false;
    {
        std::lock_guard lock(callerThreadLock);
        hasTask = static_cast<bool>(periodicTask_);
    }
    // With no link there is nothing to send, so the thread sleeps instead of waking every cycle.
    if (!hasTask) {
        invalidatePeriodicRunner();
        return;
    }
    if (!periodicTaskRunnerTimer_.expired())
        return;
    std::weak_ptr<TaskCenter> weak = weak_from_this();
    periodicTaskRunnerTimer_ = loop.scheduleTimer(PERIODIC_TASK_INTERVAL, true, [weak](foundation::Timer&) {
        if (auto center = weak.lock())
            static_cast<DataTransmissionCenter&>(*center).runPeriodicPass();
    });
}

void DataTransmissionCenter::invalidatePeriodicRunner()
{
    if (auto timer = periodicTaskRunnerTimer_.lock())
        timer->invalidate();
    periodicTaskRunnerTimer_.reset();
}

void DataTransmissionCenter::runPeriodicPass()
{
    runSingleTasks();
    Task task;
    {
        std::lock_guard lock(callerThreadLock);
        task = periodicTask_;
    }
    if (task)
        task();
}

} // namespace tolvane::app
