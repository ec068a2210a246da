#pragma once

#include "Class/Model/Terminal/TerminalStore.h"

#include <memory>

namespace tolvane::app {

// The 50 ms send cycle of an open session: at most one runs, installed as the send thread's
// periodic task. Main thread only.
class TerminalSendCycle {
public:
    // Starts a cycle that encodes with `dataCodingModel` and writes to `dataSource`'s terminal,
    // unless one runs.
    void start(std::shared_ptr<IDataCodingModel> dataCodingModel,
               const std::shared_ptr<TerminalStorePeriodicSendTaskDataSource>& dataSource);
    // Takes the running cycle off the send thread.
    void stop();
    bool isRunning() const { return task_ != nullptr; }

private:
    std::shared_ptr<TerminalStore::PeriodicSendTask> task_;
};

} // namespace tolvane::app
