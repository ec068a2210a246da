#pragma once

#include "device/IDeviceBattery.h"

#include <memory>

namespace device {

// The process-wide battery: the system's power-supply battery unless start-up or a test installs
// another.
std::shared_ptr<IDeviceBattery> deviceBattery();
// Replaces the battery; null restores the default. Returns the previous custom battery, if any.
std::shared_ptr<IDeviceBattery> setDeviceBattery(std::shared_ptr<IDeviceBattery> battery);

} // namespace device
