#pragma once

#include "Internal/Model/VibrationKind.h"

namespace tolvane {

// Plays the framework's haptic feedback. Repeating kinds run until stopVibrate(); one-shot kinds play
// once, also on top of a running repetition.
class IVibrateControl {
public:
    virtual ~IVibrateControl() = default;
    virtual void startVibrate(VibrationKind kind) = 0;
    virtual void stopVibrate() = 0;
};

} // namespace tolvane
