#pragma once

#include "Internal/Model/CauseId.h"

namespace tolvane::app {

// The one cause the application's screens know beyond the framework's: it sits between LOSE_PATH
// and VEHICLE_FAIL_OUT in the application's list, but takes a value outside the framework's range so
// that every framework cause keeps its own value.
inline constexpr CauseId EPS_UNLEARNED = static_cast<CauseId>(0xFF);

} // namespace tolvane::app
