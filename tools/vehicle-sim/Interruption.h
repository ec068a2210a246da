#pragma once

#include "Internal/Model/BtIdtDspId.h"
#include "Internal/Model/BtMekDspId.h"
#include "vehicle-sim/Manoeuvre.h"

#include <optional>
#include <string>
#include <string_view>

namespace vehiclesim {

// A halt (the manoeuvre pauses and may resume) or a stop (it is over).
enum class InterruptionKind { halt, stop };

// What the car sends while it halts or stops with a cause: the display id of its control-state
// request, or the display id of its verification message for the causes only that message carries,
// chosen so that the phone reads the named cause back from the wire.
struct Interruption {
    InterruptionKind kind;
    std::string causeName;
    std::optional<tolvane::BtMekDspId> requestDisplayId;
    std::optional<tolvane::BtIdtDspId> verificationDisplayId;
};

// The interruption that makes the phone show `causeName` (a cause's case name, "VEHICLE_FAIL_OUT")
// as a halt or a stop; none when the car has no message for that.
std::optional<Interruption> interruptionFor(InterruptionKind kind, std::string_view causeName);

// A car that loses its link while it drives halts for the lost Bluetooth, so the phone shows why
// when it relinks; before or after the drive it has nothing to stop.
std::optional<Interruption> interruptionOnLinkLoss(Manoeuvre::Phase phase);

} // namespace vehiclesim
