#pragma once

#include <string>

namespace tolvane::app {

// The history row of the current run: empty until the pre-confirmation screen inserts one.
std::string currentHistoryId();
void setCurrentHistoryId(std::string id);

} // namespace tolvane::app
