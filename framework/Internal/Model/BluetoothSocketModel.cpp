#include "Internal/Model/BluetoothSocketModel.h"

#include "Internal/Model/IConnectionData.h"
#include "Internal/Model/IDataArbitrator.h"

namespace tolvane {

BluetoothSocketModel::BluetoothSocketModel(std::shared_ptr<IDataArbitrator> dataArbitrator,
                                           std::shared_ptr<IInternalSdkStateData> sdkStateData,
                                           std::shared_ptr<IConnectionData> connectionData,
                                           std::shared_ptr<IDetectService> detectService)
    : dataArbitrator(std::move(dataArbitrator)), sdkStateData(std::move(sdkStateData)),
      connectionData(std::move(connectionData)), detectService(std::move(detectService))
{
}

void BluetoothSocketModel::notifyConnectedBluetoothConnection()
{
    dataArbitrator->startObserver();
    connectionData->setBluetoothSocketIsConnected(true);
}

void BluetoothSocketModel::notifyDisconnectedBluetoothConnection()
{
    dataArbitrator->closeObserver();
    connectionData->setBluetoothSocketIsConnected(false);
}

} // namespace tolvane
