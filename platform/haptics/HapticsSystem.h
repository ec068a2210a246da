#pragma once

#include "haptics/IHapticsSystem.h"

#include <memory>

namespace haptics {

// The process-wide haptics system: the logging one unless start-up or a test installs another.
std::shared_ptr<IHapticsSystem> hapticsSystem();
// Replaces the system; null restores the default. Returns the previous custom system, if any.
std::shared_ptr<IHapticsSystem> setHapticsSystem(std::shared_ptr<IHapticsSystem> system);

} // namespace haptics
