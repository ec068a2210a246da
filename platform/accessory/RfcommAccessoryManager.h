#pragma once

#include "accessory/AccessoryManager.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QObject;
class QBluetoothLocalDevice;

namespace accessory {

// Accessories as paired Bluetooth units: a connected, paired unit whose service for the protocol
// string was found is a connected accessory (serial number = its address), and a session is an
// RFCOMM connection to that service. The unit's leaving, the adapter's power going off and the end
// of a session's connection are departures; a unit still connected is looked up again after that.
// Made and used on the main thread, which must run the Qt event loop.
class RfcommAccessoryManager final : public AccessoryManager,
                                     public std::enable_shared_from_this<RfcommAccessoryManager> {
public:
    explicit RfcommAccessoryManager(std::string protocolString);
    ~RfcommAccessoryManager() override;

    std::vector<AccessoryRef> connectedAccessories() const override;
    SessionRef openSession(const AccessoryRef& accessory, const std::string& protocolString) override;
    // The adapter's own state.
    std::shared_ptr<bt::IBluetoothPower> bluetoothPower() const override { return power_; }

private:
    struct Listed {
        AccessoryRef accessory;
        uint8_t channel;
    };

    void lookUp(const std::string& address);
    void serviceFound(const std::string& address, uint8_t channel);
    void depart(const std::string& address);
    void departAll();
    void connectionEnded(const AccessoryRef& accessory);

    const std::string protocolString_;
    QObject* context_;
    QBluetoothLocalDevice* device_;
    std::shared_ptr<bt::IBluetoothPower> power_;
    std::vector<Listed> listed_;
    uint32_t nextConnectionID_ = 1;
};

} // namespace accessory
