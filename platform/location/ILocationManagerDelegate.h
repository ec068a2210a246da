#pragma once

#include "location/Location.h"
#include "location/LocationError.h"

#include <vector>

namespace location {

class LocationManager;

// Told of what a location manager learns, always on the main loop.
class ILocationManagerDelegate {
public:
    virtual ~ILocationManagerDelegate() = default;

    // The fixes of a requested update, oldest first; possibly none.
    virtual void didUpdateLocations(LocationManager& manager, const std::vector<Location>& locations) = 0;
    virtual void didFailWithError(LocationManager& manager, const LocationError& error) = 0;
    // The permission changed; the manager's authorizationStatus() has the new one. One event per
    // change, never on setting the delegate.
    virtual void locationManagerDidChangeAuthorization(LocationManager& manager) = 0;
};

} // namespace location
