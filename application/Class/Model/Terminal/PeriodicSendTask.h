#pragma once

#include "Class/Model/Terminal/TerminalStore.h"

#include "foundation/Guarded.h"

#include <memory>

namespace tolvane::app {

// One running send cycle: every 50 ms on the send thread it encodes the next operation message and
// writes it to the terminal, and on the main thread it checks whether Bluetooth power came back.
// It holds the store and the terminal weakly, and the send thread holds it weakly, so dropping it
// ends the cycle even with a pass in flight.
class TerminalStore::PeriodicSendTask : public std::enable_shared_from_this<PeriodicSendTask> {
public:
    explicit PeriodicSendTask(std::shared_ptr<IDataCodingModel> dataCodingModel);

    void setDataSource(const std::shared_ptr<TerminalStorePeriodicSendTaskDataSource>& dataSource);
    // Main thread: refresh(), then installs the cycle as the send thread's periodic task.
    void start();
    // Queues on the main loop a copy of the data source's terminal.
    void refresh();
    // Send thread: one cycle.
    void sendData();

private:
    void checkBluetoothReturn();

    const std::shared_ptr<IDataCodingModel> dataCodingModel_;
    // Written on the main thread and read on the send thread.
    struct References {
        std::weak_ptr<TerminalStorePeriodicSendTaskDataSource> dataSource;
        std::weak_ptr<Terminal> terminal;
    };

    foundation::Guarded<References> references_;
    bool previousBluetooth_ = true; // main thread only
};

} // namespace tolvane::app
