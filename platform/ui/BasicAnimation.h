#pragma once

#include "ui/Color.h"
#include "ui/TimingFunction.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The values of a layer that animate, known by name in code so that drawing a frame never looks a
// key path up.
enum class AnimatedProperty : std::uint8_t {
    opacity,
    positionX,
    positionY,
    boundsWidth,
    boundsHeight,
    transformScale,
    transformRotation,
    strokeStart,
    strokeEnd,
    backgroundColor,
    fillColor,
    none,
};

// The property a key path names ("opacity", "position.x", "transform.rotation.z", ...); none for a
// key path no layer animates.
AnimatedProperty animatedProperty(std::string_view keyPath);

// Moves one number of a layer (opacity, strokeStart, strokeEnd, transform.scale,
// transform.rotation.z) or one colour (a shape layer's fillColor) from a value to another over a
// duration.
class BasicAnimation {
public:
    explicit BasicAnimation(std::string keyPath) : keyPath_(std::move(keyPath)), property_(animatedProperty(keyPath_)) {}

    const std::string& keyPath() const { return keyPath_; }
    AnimatedProperty property() const { return property_; }
    // Missing ends take the layer's model value.
    std::optional<double> fromValue;
    std::optional<double> toValue;
    // The ends of a colour key path, blended component by component.
    std::optional<Color> fromColor;
    std::optional<Color> toColor;
    double duration = 0.25;
    // Seconds after the animation is added.
    double beginOffset = 0;
    TimingFunction timing = TimingFunction::linear;
    // Infinity repeats for ever.
    double repeatCount = 1;
    bool autoreverses = false;
    // Keep showing the final value once finished, while the animation stays on the layer.
    bool fillsForwards = false;
    // Show the start value before the animation begins.
    bool fillsBackwards = false;
    bool removedOnCompletion = true;
    // Called once with true when the animation ran to its end, false when it was removed first.
    std::function<void(bool finished)> didStop;

    // Total active time, including repeats and reversals.
    double activeDuration() const;
    // The animated fraction 0...1 at `elapsed` seconds since the animation began, before timing.
    double progress(double elapsed) const;

private:
    std::string keyPath_;
    AnimatedProperty property_;
};

} // namespace ui
