#pragma once

#include "Class/UI/Warn/View/WarnTexts.h"

#include "Internal/Model/CauseId.h"

#include <optional>

namespace tolvane::app {

// The status and message of the ignition-on warning for `cause`; none for a cause without a row.
std::optional<WarnTexts> igonWarnTexts(CauseId cause);

} // namespace tolvane::app
