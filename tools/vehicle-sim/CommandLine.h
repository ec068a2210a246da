#pragma once

#include "vehicle-sim/VehicleUnit.h"

#include <optional>
#include <string>
#include <string_view>

namespace vehiclesim {

// One command to a running unit, as typed on its standard input or scheduled with --at:
//   scenario park-in|park-out|forward-backward    fault <name> [on|off]    clear
//   halt <cause>    stop <cause>    resume    garbage [bytes]    drop    power on|off    quit
// Returns a reply for the person, or none for "quit".
std::optional<std::string> runCommand(VehicleUnit& unit, std::string_view command);

} // namespace vehiclesim
