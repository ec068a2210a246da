#pragma once

#include "Class/Model/Terminal/TaskCenter.h"

#include <memory>

namespace tolvane::app {

// The send thread: the output stream of the accessory session, one-shot sends and the periodic send
// of the operation message every 50 ms, always after the one-shot tasks queued before its pass.
class DataTransmissionCenter final : public TaskCenter {
public:
    static constexpr foundation::Seconds SINGLE_TASKS_INTERVAL = 0.001;
    static constexpr foundation::Seconds PERIODIC_TASK_INTERVAL = 0.05;

    // The shared centre, made on first use; making it starts no thread.
    static std::shared_ptr<DataTransmissionCenter> shared();
    // Stops the shared centre on its own thread and forgets it; queued tasks are dropped.
    static void destroy();

    // Replaces the task run once in every periodic pass; none clears it. From any thread.
    void setPeriodicTask(Task task);

private:
    friend class SharedCenterSlot<DataTransmissionCenter>;
    DataTransmissionCenter();
    void addPeriodicRunner(foundation::RunLoop& loop) override;
    void invalidatePeriodicRunner() override;
    void runPeriodicPass();

    Task periodicTask_;
    std::weak_ptr<foundation::Timer> periodicTaskRunnerTimer_;
};

} // namespace tolvane::app
