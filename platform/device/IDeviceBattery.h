#pragma once

namespace device {

// The device's battery.
class IDeviceBattery {
public:
    virtual ~IDeviceBattery() = default;
    // The charge from 0.0 (empty) to 1.0 (full), or -1.0 when no level is known.
    virtual float batteryLevel() const = 0;
};

} // namespace device
