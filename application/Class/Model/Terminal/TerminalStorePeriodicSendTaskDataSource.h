#pragma once

#include "bluetooth/PowerState.h"

#include <memory>

namespace tolvane::app {

class Terminal;

// What the periodic send reads of the terminal store, on the main thread.
class TerminalStorePeriodicSendTaskDataSource {
public:
    virtual ~TerminalStorePeriodicSendTaskDataSource() = default;
    virtual std::shared_ptr<Terminal> terminal() const = 0;
    virtual bt::PowerState centralState() const = 0;
};

} // namespace tolvane::app
