#pragma once

#include "vehicle-sim/VehicleUnit.h"

#include <optional>
#include <string>
#include <string_view>

namespace vehiclesim {

// The program's --help: its options, the commands and how the car answers the phone, each with an
// example line.
const char* usage();

// One command to a running unit, as typed on its standard input or scheduled with --at:
//   scenario park-in|park-out|forward-backward    fault <name> [on|off]    clear
//   halt <cause>    stop <cause>    resume    garbage [bytes]    drop    power on|off    quit
// Returns a reply for the person, or none for "quit".
std::optional<std::string> runCommand(VehicleUnit& unit, std::string_view command);

} // namespace vehiclesim
