#pragma once

#include "foundation/Clock.h"
#include "haptics/NotificationFeedbackGenerator.h"

#include <optional>

namespace tolvane::app {

// A short success pulse for the operating screen, at most one every 0.1 s: calls in between are
// dropped, not delayed. Main thread only.
class VibrationGenerator {
public:
    static constexpr foundation::Seconds MINIMUM_INTERVAL = 0.1;

    VibrationGenerator();

    void vibrate();

private:
    haptics::NotificationFeedbackGenerator generator;
    // On the main loop's clock, which keeps counting while the machine sleeps.
    std::optional<foundation::Seconds> lastVibrateTime;
};

} // namespace tolvane::app
