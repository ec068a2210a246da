#pragma once

#include "Class/UI/Geofence/Model/Area.h"
#include "Class/UI/Geofence/Model/LocationStatus.h"

#include "location/Location.h"

#include <functional>
#include <memory>
#include <vector>

namespace location {
class LocationManager;
}

namespace tolvane::app {

// The radio-tower check of one geofence screen: the list of towers shipped as "radio_towers.json"
// in the main bundle, the zone a position lies in for each, and the location manager the screen
// drives. The list is read anew for every position. Main thread only.
class Geofence {
public:
    // Metres between a phone position and a tower.
    using Distance = std::function<double(const location::Location& phone, const location::Location& tower)>;

    explicit Geofence(Distance distance = &location::Location::distance);

    std::shared_ptr<location::LocationManager> locationManager;
    // True while the screen waits for a location or permission answer; its callbacks do nothing
    // otherwise.
    bool delegateEnableFLag = false;

    // Stops the program when the resource is missing or does not decode.
    std::vector<Area> loadAreas() const;
    // One zone per area, in the order of the areas.
    std::vector<LocationStatus> classify(const location::Location& location, const std::vector<Area>& areas) const;
    // The worst zone over every tower, or failedGPSArea when there are none.
    LocationStatus locationStatus(const location::Location& location) const;

private:
    Distance distance_;
};

} // namespace tolvane::app
