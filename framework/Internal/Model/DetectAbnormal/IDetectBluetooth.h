#pragma once

#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"

namespace tolvane {

// Halts, then stops, while the phone's Bluetooth is off.
class IDetectBluetooth : public virtual IBaseDetectAbnormal {
public:
    // False when not started.
    virtual bool isPause() const = 0;
    virtual void detect() = 0;
    virtual void switchPause(bool pause) = 0;
};

} // namespace tolvane
