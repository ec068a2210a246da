#pragma once

#include "foundation/Guarded.h"

#include <string>

namespace tolvane::app {

// The history row of the current run: empty until the pre-confirmation screen inserts one.
foundation::Guarded<std::string>& currentHistoryId();

} // namespace tolvane::app
