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
    std::lock_guard lock(callerThreadLock);
    periodicTask_ = std::move(task);
}

void DataTransmissionCenter::addPeriodicRunner(foundation::RunLoop& loop)
{
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
