#pragma once

#include "ui/TimingFunction.h"

#include <functional>
#include <string>

namespace ui {

class Layer;

struct AnimationOptions {
    TimingFunction curve = TimingFunction::easeInEaseOut;
    bool repeats = false;
    bool autoreverses = false;
};

// Timed view animations: the block sets the final values at once, and each change of alpha, centre
// or transform scale made in it is shown moving there over the duration on the main loop's clock.
// The completion runs after delay + duration (on the next turn when both are 0).
class ViewAnimation {
public:
    using Animations = std::function<void()>;
    using Completion = std::function<void(bool finished)>;

    static void animate(double duration, double delay, AnimationOptions options, const Animations& animations,
                        Completion completion = {});
    static void animate(double duration, const Animations& animations, Completion completion = {});
    // Changes made in `changes` are never animated, even inside an animation block.
    static void performWithoutAnimation(const Animations& changes);

    // Called by views when a value changes; animates it when an animation block is running.
    static void valueChanged(Layer& layer, const std::string& keyPath, double from, double to);

private:
    ViewAnimation(double duration, double delay, AnimationOptions options)
        : duration_(duration), delay_(delay), options_(options)
    {
    }

    double duration_;
    double delay_;
    AnimationOptions options_;
};

} // namespace ui
