#pragma once

#include "foundation/EnumCases.h"

#include <array>

namespace bt {

// Whether this application may use Bluetooth, with the platform's raw values. Only `allowedAlways`
// lets the application talk to the vehicle.
#define BT_AUTHORIZATIONS(X) \
    X(notDetermined, 0) \
    X(restricted, 1) \
    X(denied, 2) \
    X(allowedAlways, 3)

enum class Authorization : int {
#define BT_CASE(name, raw) name = raw,
    BT_AUTHORIZATIONS(BT_CASE)
#undef BT_CASE
};

} // namespace bt

template <>
struct foundation::EnumCases<bt::Authorization> {
    using E = bt::Authorization;
    static constexpr std::array all{
#define BT_CASE(name, raw) E::name,
        BT_AUTHORIZATIONS(BT_CASE)
#undef BT_CASE
    };
};
