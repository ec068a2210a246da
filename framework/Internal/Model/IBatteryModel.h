#pragma once

namespace tolvane {

// Whether the phone's battery is charged enough to start a manoeuvre.
class IBatteryModel {
public:
    virtual ~IBatteryModel() = default;
    // False also when no level is known.
    virtual bool requestCheckBatteryLevel() = 0;
};

} // namespace tolvane
