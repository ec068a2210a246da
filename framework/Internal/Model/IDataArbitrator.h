#pragma once

namespace tolvane {

// Judges the received records while the accessory link is open.
class IDataArbitrator {
public:
    virtual ~IDataArbitrator() = default;
    // Subscribes to the five record publishers of the received-data store.
    virtual void startObserver() = 0;
    // Cancels the subscriptions; pending hidden-wait timers still fire. Until the next start, the
    // causes the framework raises without a link are shown as they come.
    virtual void closeObserver() = 0;
};

} // namespace tolvane
