#pragma once

#include "Class/Model/Terminal/TaskCenter.h"

#include <memory>

namespace tolvane::app {

// The receive thread: the input stream of the accessory session, whose bytes are read and handed to
// the framework there. Only the opening and closing of that stream are queued on it.
class DataReceiveCenter final : public TaskCenter {
public:
    static constexpr foundation::Seconds SINGLE_TASKS_INTERVAL = 0.01;

    // The shared centre, made on first use; making it starts no thread.
    static std::shared_ptr<DataReceiveCenter> shared();
    // Stops the shared centre on its own thread and forgets it; queued tasks are dropped.
    static void destroy();

private:
    friend class SharedCenterSlot<DataReceiveCenter>;
    DataReceiveCenter();
};

} // namespace tolvane::app
