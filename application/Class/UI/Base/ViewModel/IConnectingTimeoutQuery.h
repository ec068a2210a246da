#pragma once

namespace tolvane::app {

// Asked of the connecting screen's view model by the settings menu laid over it: a connecting
// screen that gave up waiting leaves the vehicle row of the menu disabled.
class IConnectingTimeoutQuery {
public:
    virtual ~IConnectingTimeoutQuery() = default;
    virtual bool hasConnectingTimedOut() const = 0;
};

} // namespace tolvane::app
