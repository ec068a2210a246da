#pragma once

namespace device {

// Whether the device watches its battery; off until someone switches it on. The level is known
// only while it is on.
bool isBatteryMonitoringEnabled();
void setBatteryMonitoringEnabled(bool enabled);

// The process-wide battery's charge from 0.0 to 1.0 while monitoring is on, -1.0 (unknown) otherwise.
float batteryLevel();

} // namespace device
