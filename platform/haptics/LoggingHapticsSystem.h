#pragma once

#include "haptics/IHapticsSystem.h"

#include <string>

namespace haptics {

// The haptics of a machine without a vibrator: every pattern a player starts is written to the
// system log (category "Haptics", debug records) instead of being felt.
class LoggingHapticsSystem final : public IHapticsSystem {
public:
    HapticCapabilities capabilitiesForHardware() const override;
    std::shared_ptr<IHapticEngine> makeEngine() override;

    // The log line for a pattern started `atTime` seconds from now.
    static std::string describe(const HapticPattern& pattern, double atTime);
};

} // namespace haptics
