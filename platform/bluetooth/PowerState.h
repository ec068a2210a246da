#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <optional>
#include <string_view>

namespace bt {

// The power state of the phone's Bluetooth, with the platform's raw values. Only `poweredOn` lets
// the link run; every other state counts as off. The cases, their raw values and their names are
// listed once, here.
#define BT_POWER_STATES(X) \
    X(unknown, 0) \
    X(resetting, 1) \
    X(unsupported, 2) \
    X(unauthorized, 3) \
    X(poweredOff, 4) \
    X(poweredOn, 5)

enum class PowerState : int {
#define BT_CASE(name, raw) name = raw,
    BT_POWER_STATES(BT_CASE)
#undef BT_CASE
};

// The case's name as written above, e.g. "poweredOff"; none for a value that is no case.
constexpr std::optional<std::string_view> powerStateName(PowerState state)
{
    switch (state) {
#define BT_CASE(name, raw) \
    case PowerState::name: \
        return #name;
        BT_POWER_STATES(BT_CASE)
#undef BT_CASE
    }
    return std::nullopt;
}

} // namespace bt

template <>
struct foundation::EnumCases<bt::PowerState> {
    using E = bt::PowerState;
    static constexpr std::array all{
#define BT_CASE(name, raw) E::name,
        BT_POWER_STATES(BT_CASE)
#undef BT_CASE
    };
};
