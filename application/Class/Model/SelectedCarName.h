#pragma once

#include <string>

namespace tolvane::app {

// The name of the car chosen for this run, or "" when none is chosen. Made on first use of the
// shared car store, which then loads the stored cars.
std::string selectedCarName();

} // namespace tolvane::app
