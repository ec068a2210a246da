#pragma once

#include "foundation/Guarded.h"

#include <string>

namespace tolvane::app {

// "<system version>/<machine>", a field of every log line; empty until the launch fills it in.
foundation::Guarded<std::string>& deviceDescription();

} // namespace tolvane::app
