#pragma once

#include "foundation/Clock.h"

#include <functional>

namespace foundation {

// Blocks the calling thread for `seconds`, for code that must not go on before then while other
// threads work. Under virtual time, time moves on instead and every loop but the caller's runs.
void sleepFor(Seconds seconds);

// How sleepFor() passes the time; null restores real sleeping. Returns the one before, so that a
// nested installer can put it back.
using Sleeper = std::function<void(Seconds)>;
Sleeper setSleeper(Sleeper sleeper);

} // namespace foundation
