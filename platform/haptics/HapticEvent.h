#pragma once

namespace haptics {

// A continuous haptic event: a vibration of `duration` seconds starting `relativeTime` seconds after
// the pattern starts. Intensity, sharpness and sustain run from 0 to 1.
struct HapticEvent {
    double relativeTime = 0.0;
    double duration = 0.0;
    float intensity = 0.0f;
    float sharpness = 0.0f;
    float sustained = 0.0f;

    bool operator==(const HapticEvent&) const = default;
};

} // namespace haptics
