#pragma once

#include <cstdint>

namespace tolvane::app {

// The step of the volume slider (0 to 7) that a stored volume of 0.0 to 1.0 stands for: how often
// 1/7 can be taken away, in single precision, before the rest is no longer above 1/7. A stored value
// outside 0...1 (or not a number) counts as the nearest end, so the answer is always a valid step.
int64_t volumeStep(float volume);

} // namespace tolvane::app
