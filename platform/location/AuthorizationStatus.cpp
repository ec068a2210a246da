#include "location/AuthorizationStatus.h"

namespace location {

std::string_view caseName(AuthorizationStatus status)
{
    switch (status) {
    case AuthorizationStatus::notDetermined:
        return "notDetermined";
    case AuthorizationStatus::restricted:
        return "restricted";
    case AuthorizationStatus::denied:
        return "denied";
    case AuthorizationStatus::authorizedAlways:
        return "authorizedAlways";
    case AuthorizationStatus::authorizedWhenInUse:
        return "authorizedWhenInUse";
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
