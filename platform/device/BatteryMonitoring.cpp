#include "device/BatteryMonitoring.h"

#include "device/DeviceBattery.h"

#include <atomic>

namespace device {
namespace {

std::atomic<bool>& monitoring()
{
    static std::atomic<bool> enabled = false;
    return enabled;
}

} // namespace

bool isBatteryMonitoringEnabled()
{
    return monitoring().load();
}

void setBatteryMonitoringEnabled(bool enabled)
{
    monitoring().store(enabled);
}

float batteryLevel()
{
    return isBatteryMonitoringEnabled() ? deviceBattery()->batteryLevel() : -1.0f;
}

} // namespace device
