#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace location {

// Whether the application may use the phone's position, with the platform's raw values.
#define LOCATION_AUTHORIZATION_STATUSES(X) \
    X(notDetermined, 0) \
    X(restricted, 1) \
    X(denied, 2) \
    X(authorizedAlways, 3) \
    X(authorizedWhenInUse, 4)

enum class AuthorizationStatus : int32_t {
#define LOCATION_CASE(name, raw) name = raw,
    LOCATION_AUTHORIZATION_STATUSES(LOCATION_CASE)
#undef LOCATION_CASE
};

std::string_view caseName(AuthorizationStatus status);
// The status named by its case name ("denied"), as configuration gives it.
std::optional<AuthorizationStatus> authorizationStatusNamed(std::string_view name);

} // namespace location

template <>
struct foundation::EnumCases<location::AuthorizationStatus> {
    using E = location::AuthorizationStatus;
    static constexpr std::array all{
#define LOCATION_CASE(name, raw) E::name,
        LOCATION_AUTHORIZATION_STATUSES(LOCATION_CASE)
#undef LOCATION_CASE
    };
};
