#include "location/Location.h"

#include <QGeoCoordinate>

#include <limits>

namespace location {

double Location::distance(const Location& other) const
{
    const QGeoCoordinate from(latitude, longitude);
    const QGeoCoordinate to(other.latitude, other.longitude);
    // Qt answers 0 for an invalid coordinate, which would put a broken fix right on a tower.
    if (!from.isValid() || !to.isValid())
        return std::numeric_limits<double>::quiet_NaN();
    return from.distanceTo(to);
}

} // namespace location
