#include "bluetooth/CentralManager.h"

#include "bluetooth/BluetoothPower.h"
#include "foundation/RunLoop.h"

namespace bt {

CentralManager::CentralManager(std::shared_ptr<IBluetoothPower> power) : power_(std::move(power)) {}

IBluetoothPower& CentralManager::power()
{
    // The process-wide power is taken at first use: start-up installs the accessory backend's.
    if (!power_)
        power_ = bluetoothPower();
    return *power_;
}

CentralManager::~CentralManager() = default;

Authorization CentralManager::authorization()
{
    return bluetoothPower()->authorization();
}

PowerState CentralManager::state()
{
    return power().state();
}

void CentralManager::setDelegate(StateHandler handler)
{
    loopChecker_.check(typeid(*this));
    changes_ = {};
    handler_.reset();
    if (!handler)
        return;
    handler_ = std::make_shared<StateHandler>(std::move(handler));
    std::weak_ptr<StateHandler> weakHandler = handler_;
    power();
    foundation::RunLoop::main().post([weakHandler, power = power_] {
        if (const auto handler = weakHandler.lock())
            (*handler)(power->state());
    });
    changes_ = power_->stateChanges().sink([weakHandler](PowerState state) {
        if (const auto handler = weakHandler.lock())
            (*handler)(state);
    });
}

} // namespace bt
