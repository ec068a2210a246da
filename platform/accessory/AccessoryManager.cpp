#include "accessory/AccessoryManager.h"

#include "accessory/AccessoryProtocol.h"
#include "accessory/LocalSocketAccessoryManager.h"
#include "accessory/RfcommAccessoryManager.h"
#include "bluetooth/BluetoothPower.h"
#include "foundation/RunLoop.h"

#include <cstdlib>
#include <mutex>

namespace accessory {
namespace {

std::mutex sharedMutex;
std::shared_ptr<AccessoryManager>& sharedSlot()
{
    static std::shared_ptr<AccessoryManager> manager;
    return manager;
}

} // namespace

std::shared_ptr<AccessoryManager> AccessoryManager::shared()
{
    std::lock_guard lock(sharedMutex);
    auto& slot = sharedSlot();
    if (!slot) {
        const char* backend = std::getenv("TOLVANE_ACCESSORY_BACKEND");
        if (backend && std::string(backend) == "rfcomm")
            slot = std::make_shared<RfcommAccessoryManager>(defaultProtocolString());
        else
            slot = std::make_shared<LocalSocketAccessoryManager>(LocalSocketAccessoryManager::defaultDirectory(),
                                                                 defaultProtocolString());
        // Bluetooth power follows the backend in use, for every reader of the process's power.
        bt::setBluetoothPower(slot->bluetoothPower());
    }
    return slot;
}

void AccessoryManager::setShared(std::shared_ptr<AccessoryManager> manager)
{
    std::lock_guard lock(sharedMutex);
    sharedSlot() = std::move(manager);
}

void AccessoryManager::registerForLocalNotifications()
{
    notices_->registered.store(true);
}

void AccessoryManager::unregisterForLocalNotifications()
{
    notices_->registered.store(false);
}

void AccessoryManager::postDidConnect(AccessoryRef accessory)
{
    post(notices_, true, std::move(accessory));
}

void AccessoryManager::postDidDisconnect(AccessoryRef accessory)
{
    post(notices_, false, std::move(accessory));
}

void AccessoryManager::post(const std::shared_ptr<Notices>& notices, bool arrival, AccessoryRef accessory)
{
    foundation::RunLoop::main().post([notices, arrival, accessory = std::move(accessory)] {
        if (!notices->registered.load())
            return;
        (arrival ? notices->didConnect : notices->didDisconnect).send(accessory);
    });
}

} // namespace accessory
