#pragma once

#include "haptics/IHapticEngine.h"

#include <memory>

namespace haptics {

struct HapticCapabilities {
    bool supportsHaptics = false;
};

// What the device offers for haptic feedback.
class IHapticsSystem {
public:
    virtual ~IHapticsSystem() = default;
    virtual HapticCapabilities capabilitiesForHardware() const = 0;
    // A new engine, or null when none can be made.
    virtual std::shared_ptr<IHapticEngine> makeEngine() = 0;
};

} // namespace haptics
