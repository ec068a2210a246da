#include "bluetooth/PowerStateText.h"

#include <array>
#include <utility>

namespace bt {
namespace {

constexpr std::array<std::pair<PowerState, std::string_view>, 6> kNames{{
    {PowerState::unknown, "unknown"},
    {PowerState::resetting, "resetting"},
    {PowerState::unsupported, "unsupported"},
    {PowerState::unauthorized, "unauthorized"},
    {PowerState::poweredOff, "poweredOff"},
    {PowerState::poweredOn, "poweredOn"},
}};

} // namespace

std::string powerStateText(PowerState state)
{
    for (const auto& [candidate, name] : kNames)
        if (candidate == state)
            return std::string(name);
    return "unknown";
}

std::optional<PowerState> powerStateFromText(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    for (const auto& [state, name] : kNames)
        if (name == text)
            return state;
    return std::nullopt;
}

} // namespace bt
