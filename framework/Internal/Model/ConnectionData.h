#pragma once

#include "Internal/Model/IConnectionData.h"

#include <atomic>

namespace tolvane {

// Stores the flag only; nothing is published.
class ConnectionData final : public IConnectionData {
public:
    bool bluetoothSocketIsConnected() const override { return bluetoothSocketIsConnected_.load(); }
    void setBluetoothSocketIsConnected(bool isConnected) override { bluetoothSocketIsConnected_.store(isConnected); }

private:
    std::atomic<bool> bluetoothSocketIsConnected_{false};
};

} // namespace tolvane
