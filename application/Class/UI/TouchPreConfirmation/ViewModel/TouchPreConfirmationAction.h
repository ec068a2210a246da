#pragma once

#include <cstdint>

namespace tolvane::app {

// The touch test's state as its view model and screen publish it. Nothing publishes `radiusSmall`;
// the screen handles it as `multiTap`.
enum class TouchPreConfirmationAction : uint8_t { none, reset, checkComplete, multiTap, radiusSmall, waitRestart, cancelApp };

} // namespace tolvane::app
