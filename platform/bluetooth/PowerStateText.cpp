#include "bluetooth/PowerStateText.h"

namespace bt {

std::string powerStateText(PowerState state)
{
    return std::string(powerStateName(state).value_or("unknown"));
}

std::optional<PowerState> powerStateFromText(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    for (const PowerState state : foundation::allCases<PowerState>())
        if (powerStateName(state) == text)
            return state;
    return std::nullopt;
}

} // namespace bt
