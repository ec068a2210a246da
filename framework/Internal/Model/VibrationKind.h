#pragma once

#include "haptics/HapticEvent.h"

#include <vector>

namespace tolvane {

// The framework's haptic feedback patterns.
enum class VibrationKind {
    // A soft pulse repeated while the user holds the operation control.
    operating,
    // A double strong pulse when an operation is interrupted.
    interruption,
    // A triple long pulse when the car changes between forward and backward.
    turnback,
};

// Whether the pattern repeats until stopped.
bool isRepeat(VibrationKind kind);
// Seconds between the starts of two repetitions; only repeating kinds use it.
float period(VibrationKind kind);
// The kind's continuous events, built afresh at each call.
std::vector<haptics::HapticEvent> hapticEvents(VibrationKind kind);

} // namespace tolvane
