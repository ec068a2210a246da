#include "location/AuthorizationStatus.h"

namespace location {

std::string_view caseName(AuthorizationStatus status)
{
    switch (status) {
#define LOCATION_CASE(name, raw) \
    case AuthorizationStatus::name: \
        return #name;
        LOCATION_AUTHORIZATION_STATUSES(LOCATION_CASE)
#undef LOCATION_CASE
    }
    return "unknown";
}

std::optional<AuthorizationStatus> authorizationStatusNamed(std::string_view name)
{
    for (AuthorizationStatus status : foundation::allCases<AuthorizationStatus>())
        if (caseName(status) == name)
            return status;
    return std::nullopt;
}

} // namespace location
