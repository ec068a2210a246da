#pragma once

namespace tolvane {

// Whether the accessory link to the vehicle is up.
class IConnectionData {
public:
    virtual ~IConnectionData() = default;
    virtual bool bluetoothSocketIsConnected() const = 0;
    virtual void setBluetoothSocketIsConnected(bool isConnected) = 0;
};

} // namespace tolvane
