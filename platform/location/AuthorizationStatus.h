#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace location {

// Whether the application may use the phone's position, with the platform's raw values.
enum class AuthorizationStatus : int32_t {
    notDetermined = 0,
    restricted = 1,
    denied = 2,
    authorizedAlways = 3,
    authorizedWhenInUse = 4,
};

std::string_view caseName(AuthorizationStatus status);
// The status named by its case name ("denied"), as configuration gives it.
std::optional<AuthorizationStatus> authorizationStatusNamed(std::string_view name);

} // namespace location

template <>
struct foundation::EnumCases<location::AuthorizationStatus> {
    using E = location::AuthorizationStatus;
    static constexpr std::array all{E::notDetermined, E::restricted, E::denied, E::authorizedAlways, E::authorizedWhenInUse};
};
