#pragma once

#include <optional>
#include <string_view>

namespace vehiclesim {

// Faults the unit keeps up until they are cleared.
enum class Fault {
    badChecksum,    // control-state requests carry a wrong checksum
    frozenCounter,  // the rolling counter stops
    jumpingCounter, // the rolling counter skips values
    silence,        // nothing is sent
    abnormality,    // the unit reports its error flags
    stall,          // the unit stops reading, so the phone's writes back up
};

std::optional<Fault> faultFromName(std::string_view name);
std::string_view faultName(Fault fault);

} // namespace vehiclesim
