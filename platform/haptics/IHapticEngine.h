#pragma once

#include "haptics/HapticPattern.h"
#include "haptics/IHapticPlayer.h"

#include <memory>

namespace haptics {

// The device's haptic engine. It must be started before its players play.
class IHapticEngine {
public:
    virtual ~IHapticEngine() = default;
    // False when the engine cannot be started; starting a running engine succeeds.
    [[nodiscard]] virtual bool start() = 0;
    // A player for `pattern`, or null when none can be made.
    virtual std::unique_ptr<IHapticPlayer> makePlayer(const HapticPattern& pattern) = 0;
};

} // namespace haptics
