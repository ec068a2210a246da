#pragma once

#include "Internal/Model/IBatteryModel.h"

namespace tolvane {

// Reads the device battery of the process (the system's battery, or none on a machine without one).
class BatteryModel final : public IBatteryModel {
public:
    // Percent.
    static constexpr float BATTERY_REMAINING_THRESHOLD = 20.0f;

    bool requestCheckBatteryLevel() override;
};

} // namespace tolvane
