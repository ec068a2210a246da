#pragma once

#include "bluetooth/PowerState.h"

#include <optional>
#include <string>
#include <string_view>

namespace bt {

// A power state as a person writes it: the case's name, e.g. "poweredOff".
std::string powerStateText(PowerState state);
// The state named by `text`, blanks around it ignored; none for anything else.
std::optional<PowerState> powerStateFromText(std::string_view text);

} // namespace bt
