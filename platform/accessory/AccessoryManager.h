#pragma once

#include "accessory/Accessory.h"
#include "accessory/Session.h"
#include "bluetooth/IBluetoothPower.h"
#include "rx/Subject.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace accessory {

// The accessories connected to this device, their sessions, and notices of their arrival and
// departure. One backend serves the process: local sockets for the simulated vehicle unit, RFCOMM
// for a real one.
class AccessoryManager {
public:
    virtual ~AccessoryManager() = default;

    // The manager of the process, made on first use on the main thread: the RFCOMM backend when
    // TOLVANE_ACCESSORY_BACKEND is "rfcomm", else the local-socket backend. Its Bluetooth power
    // becomes the process's.
    static std::shared_ptr<AccessoryManager> shared();
    // Replaces the manager of the process (null makes the next use build the default again).
    static void setShared(std::shared_ptr<AccessoryManager> manager);

    // In the order the backend found them.
    virtual std::vector<AccessoryRef> connectedAccessories() const = 0;
    // A session with the accessory for one of its protocol strings, or null when none can be made.
    virtual SessionRef openSession(const AccessoryRef& accessory, const std::string& protocolString) = 0;
    // The phone's Bluetooth power as this backend has it.
    virtual std::shared_ptr<bt::IBluetoothPower> bluetoothPower() const = 0;

    // Arrivals and departures reach subscribers on the main loop, and only while registered.
    void registerForLocalNotifications();
    void unregisterForLocalNotifications();
    rx::Publisher<AccessoryRef> accessoryDidConnect() const { return notices_->didConnect.publisher(); }
    rx::Publisher<AccessoryRef> accessoryDidDisconnect() const { return notices_->didDisconnect.publisher(); }

protected:
    AccessoryManager() = default;
    // From any thread; delivered on the main loop's next turn.
    void postDidConnect(AccessoryRef accessory);
    void postDidDisconnect(AccessoryRef accessory);

private:
    struct Notices {
        std::atomic<bool> registered{false};
        rx::PassthroughSubject<AccessoryRef> didConnect;
        rx::PassthroughSubject<AccessoryRef> didDisconnect;
    };
    static void post(const std::shared_ptr<Notices>& notices, bool arrival, AccessoryRef accessory);

    std::shared_ptr<Notices> notices_ = std::make_shared<Notices>();
};

} // namespace accessory
