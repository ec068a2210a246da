#pragma once

namespace ui {

enum class TimingFunction { linear, easeIn, easeOut, easeInEaseOut };

// Maps linear progress 0...1 to the eased progress of the curve.
double applyTiming(TimingFunction timing, double progress);

} // namespace ui
