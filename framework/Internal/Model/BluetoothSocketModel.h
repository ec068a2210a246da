#pragma once

#include "Internal/Model/IBluetoothSocketModel.h"

#include <memory>

namespace tolvane {

class IConnectionData;
class IDataArbitrator;
class IDetectService;
class IInternalSdkStateData;

// Starts the arbitration of received data when the accessory link opens and ends it when the link
// closes, and keeps the link flag. Keeps no link state of its own. Main loop only.
class BluetoothSocketModel final : public IBluetoothSocketModel {
public:
    BluetoothSocketModel(std::shared_ptr<IDataArbitrator> dataArbitrator,
                         std::shared_ptr<IInternalSdkStateData> sdkStateData,
                         std::shared_ptr<IConnectionData> connectionData, std::shared_ptr<IDetectService> detectService);

    void notifyConnectedBluetoothConnection() override;
    void notifyDisconnectedBluetoothConnection() override;

private:
    const std::shared_ptr<IDataArbitrator> dataArbitrator;
    // Held for the service's lifetime; neither notification uses them.
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<IConnectionData> connectionData;
    const std::shared_ptr<IDetectService> detectService;
};

} // namespace tolvane
