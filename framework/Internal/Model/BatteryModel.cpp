#include "Internal/Model/BatteryModel.h"

#include "device/DeviceBattery.h"

namespace tolvane {

bool BatteryModel::requestCheckBatteryLevel()
{
    // In single precision, as the level is kept: 0.2 is exactly the threshold. An unknown level (-1)
    // answers false, as a low battery does.
    const float level = device::deviceBattery()->batteryLevel();
    return BATTERY_REMAINING_THRESHOLD <= level * 100.0f;
}

} // namespace tolvane
