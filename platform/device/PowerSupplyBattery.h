#pragma once

#include "device/IDeviceBattery.h"

#include <filesystem>

namespace device {

// The system battery as the kernel reports it: the first battery below the power-supply folder, in
// name order, that is present and gives its capacity in percent. Batteries of attached devices (a
// mouse, a headset) are not the system's and are skipped. A machine with no system battery counts as
// full; a battery whose level cannot be read, or a folder that cannot be read, gives no level. Each
// read looks again.
class PowerSupplyBattery final : public IDeviceBattery {
public:
    explicit PowerSupplyBattery(std::filesystem::path powerSupplyFolder = "/sys/class/power_supply");

    float batteryLevel() const override;

private:
    const std::filesystem::path folder_;
};

} // namespace device
