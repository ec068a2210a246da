#include "bluetooth/AdapterBluetoothPower.h"

#include <QBluetoothLocalDevice>
#include <QObject>

namespace bt {

PowerState AdapterBluetoothPower::stateFor(bool adapterFound, bool adapterPoweredOff)
{
    if (!adapterFound)
        return PowerState::unsupported;
    return adapterPoweredOff ? PowerState::poweredOff : PowerState::poweredOn;
}

AdapterBluetoothPower::AdapterBluetoothPower()
    : context_(new QObject),
      device_(new QBluetoothLocalDevice(context_)),
      state_(stateFor(device_->isValid(), device_->hostMode() == QBluetoothLocalDevice::HostPoweredOff)),
      adapterFound_(device_->isValid())
{
    QObject::connect(device_, &QBluetoothLocalDevice::hostModeStateChanged, context_,
                     [this](QBluetoothLocalDevice::HostMode mode) {
                         const PowerState state = stateFor(true, mode == QBluetoothLocalDevice::HostPoweredOff);
                         if (state_.exchange(state) != state)
                             changes_.send(state);
                     });
}

AdapterBluetoothPower::~AdapterBluetoothPower()
{
    delete context_;
}

PowerState AdapterBluetoothPower::state() const
{
    return state_.load();
}

rx::Publisher<PowerState> AdapterBluetoothPower::stateChanges() const
{
    return changes_.publisher();
}

Authorization AdapterBluetoothPower::authorization() const
{
    return adapterFound_ ? Authorization::allowedAlways : Authorization::notDetermined;
}

} // namespace bt
