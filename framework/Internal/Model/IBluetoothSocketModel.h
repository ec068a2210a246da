#pragma once

namespace tolvane {

// The application reports that its accessory link to the vehicle opened or closed.
class IBluetoothSocketModel {
public:
    virtual ~IBluetoothSocketModel() = default;
    virtual void notifyConnectedBluetoothConnection() = 0;
    virtual void notifyDisconnectedBluetoothConnection() = 0;
};

} // namespace tolvane
