#pragma once

#include "bluetooth/IBluetoothPower.h"

#include <memory>

namespace bt {

// The process-wide Bluetooth power: that of the machine's adapter unless start-up installs the one
// of the accessory backend in use, or a test installs its own. The default is made on first use, on
// the main thread.
std::shared_ptr<IBluetoothPower> bluetoothPower();
// Replaces the power; null restores the default. Returns the previous custom power, if any.
std::shared_ptr<IBluetoothPower> setBluetoothPower(std::shared_ptr<IBluetoothPower> power);

} // namespace bt
