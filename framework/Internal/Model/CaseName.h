#pragma once

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "Internal/Model/SdkState.h"

#include <string>

namespace tolvane {

// The case name as log lines print it ("COMPLETE_PARK_IN", "BT_LOSS"); a value that is no case
// prints as the type and its number ("CauseId(255)").
std::string caseName(RequiredDisplayId value);
std::string caseName(CauseId value);
std::string caseName(SdkState value);

} // namespace tolvane
