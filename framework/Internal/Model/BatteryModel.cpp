#include "Internal/Model/BatteryModel.h"

#include "device/BatteryMonitoring.h"

namespace tolvane {

bool BatteryModel::requestCheckBatteryLevel()
{
    // In single precision, as the level is kept: 0.2 is exactly the threshold. An unknown level (-1,
    // also while battery monitoring is off) answers false, as a low battery does.
    const float level = device::batteryLevel();
    return BATTERY_REMAINING_THRESHOLD <= level * 100.0f;
}

} // namespace tolvane
